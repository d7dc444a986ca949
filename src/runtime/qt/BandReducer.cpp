#include "BandReducer.h"

#include <QPainter>

#include <cmath>
#include <cstring>

namespace lumenary {

BandReducer::BandReducer(QSize whole, QImage& into) : whole_(whole) {
    for (Band& band : bands_) band.rows = QImage(whole.width(), bandRows + 1, QImage::Format_RGB32);
    reducer_ = std::jthread([this, &into] { reduce(into); });
}

BandReducer::~BandReducer() { finish(); }

uchar* BandReducer::rowToFill(int row) {
    const int index = row / bandRows, offset = row % bandRows;
    QImage& rows = bands_[index % buffers].rows;
    if (offset == 0) {
        // A band's buffer is filled again once the band it held has been reduced.
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return index - reduced_ < buffers; });
        lock.unlock();
        if (index > 0) {
            const Band& before = bands_[(index - 1) % buffers];
            std::memcpy(rows.scanLine(0), before.rows.constScanLine(before.count), rows.bytesPerLine());
        }
    }
    return rows.scanLine(1 + offset);
}

void BandReducer::bandFilled(int first, int count) {
    const std::lock_guard lock(mutex_);
    bands_[(first / bandRows) % buffers].count = count;
    filled_ = first / bandRows + 1;
    changed_.notify_all();
}

void BandReducer::finish() {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_all();
    }
    if (reducer_.joinable()) reducer_.join();
}

QImage BandReducer::held(int index, int& top) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return filled_ > index || finished_; });
    if (filled_ <= index) return {};
    const Band& band = bands_[index % buffers];
    const int first = index == 0 ? 1 : 0;  // the first band has no row before it
    top = index * bandRows - 1 + first;
    return QImage(band.rows.constScanLine(first), band.rows.width(), band.count + 1 - first, band.rows.bytesPerLine(),
                  band.rows.format());
}

// Each band is drawn into the rows of the result whose smooth samples fall within it: a result
// row samples the two picture rows around (row + 0.5) / scale - 0.5. With a row shared between
// bands, every result row is drawn once, from both of its picture rows.
void BandReducer::reduce(QImage& into) {
    const QSize painted = into.size();
    const double scale = double(painted.height()) / whole_.height();
    const QTransform reducing = QTransform::fromScale(double(painted.width()) / whole_.width(), scale);
    QPainter painter(&into);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int nextRow = 0;  // the result's first row not yet drawn
    for (int index = 0;; ++index) {
        {
            int top = 0;
            const QImage rows = held(index, top);
            if (rows.isNull()) return;
            const int bottom = top + rows.height();  // one past the last picture row held
            const int endRow = bottom == whole_.height() ? painted.height() : int(std::ceil((bottom - 0.5) * scale - 0.5));
            if (endRow > nextRow) {
                painter.resetTransform();
                painter.setClipRect(QRect(0, nextRow, painted.width(), endRow - nextRow));
                painter.setTransform(reducing);
                painter.drawImage(QPointF(0, top), rows);
                nextRow = endRow;
            }
        }
        const std::lock_guard lock(mutex_);
        reduced_ = index + 1;
        changed_.notify_all();
    }
}

}  // namespace lumenary
