#pragma once

#include <QImage>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace lumenary {

// Reduces a picture that arrives in bands of rows, from the top down, into a smaller image, on
// a second thread while the next band is being decoded: on two cores a large variant then takes
// about the longer of the decoding and the reducing rather than both. The result has exactly
// the pixels of drawing the whole picture reduced with smooth scaling, yet the whole picture is
// never held: only a few bands of it.
class BandReducer {
public:
    static constexpr int bandRows = 32;

    // Reduces a picture of `whole` size into `into` (its size is the reduced one), which must
    // outlive the reducer.
    BandReducer(QSize whole, QImage& into);
    ~BandReducer();

    // Where to put row `row` of the picture. Rows come in order, in bands of bandRows (the last
    // band may be shorter), and a band is handed over with bandFilled once all its rows are in.
    uchar* rowToFill(int row);
    void bandFilled(int first, int count);
    // No more bands will come (the picture was read to its end, or not); returns once every band
    // handed over is in the result.
    void finish();

private:
    static constexpr int buffers = 3;
    struct Band {
        QImage rows;    // its first row is the previous band's last, so rows between bands are
                        // sampled from both of their neighbours
        int count = 0;  // rows of its own, after that first one
    };

    QImage held(int index, int& top);  // band `index` as the picture's rows from `top`, or null
    void reduce(QImage& into);

    QSize whole_;
    Band bands_[buffers];
    std::mutex mutex_;
    std::condition_variable changed_;
    int filled_ = 0, reduced_ = 0;  // bands so far
    bool finished_ = false;
    std::jthread reducer_;
};

}  // namespace lumenary
