#pragma once

// What the in-process benchmarks share: the program's platform with a fixed random draw, a
// stand-in for a form's window, a stopwatch for the part a pupil waits for, and the table the
// medians go into.
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "runtime/FormChanges.h"
#include "qt/painting/QtSurface.h"
#include "runtime/painting/FormPainter.h"
#include "qt/window/FormWindows.h"
#include "qt/pictures/PictureVariants.h"
#include "qt/window/QtPlatform.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <utility>

namespace lumenary::bench {

inline const std::filesystem::path appFolder = LUMENARY_APP_DIR;

// The program's own platform, reading its pictures from the built program folder (the
// benchmarks run from their own folder) and drawing the same question every time, so that every
// repetition loads and paints the same screen.
class BenchPlatform : public QtPlatform {
public:
    std::filesystem::path programFolder() const override { return appFolder; }
    void randomize() override {}
    float rnd() override { return 0.5f; }
    // A figure measured past an error would mean nothing.
    void reportError(const std::string& message) override {
        std::cerr << "lumenary_bench: " << message << std::endl;
        std::abort();
    }
};

// The two sizes a classroom sees a screen at.
enum class Size { scale1, fullScreen };
inline const char* sizeName(Size size) { return size == Size::scale1 ? "scale 1" : "full screen"; }

// Stands in for a form's window and paints into it as FormWindow does: at scale 1 the client
// area at the design size; full screen a 1920 x 1080 display, black, with the screen fitted and
// centred on it. One image is kept per window size, as a window keeps its backing store.
class Canvas {
public:
    static constexpr int displayWidth = 1920;
    static constexpr int displayHeight = 1080;

    explicit Canvas(Size size) : size_(size) {}

    TwipsMapping mapping(const Form& form) const {
        return size_ == Size::fullScreen ? TwipsMapping::fitting(form.clientSize(), displayWidth, displayHeight) : TwipsMapping{};
    }

    QImage& image(const Form& form) {
        const TwipsSize client = form.clientSize();
        const QSize pixels = size_ == Size::fullScreen
                                 ? QSize(displayWidth, displayHeight)
                                 : QSize(TwipsMapping{}.toPixels(client.Width), TwipsMapping{}.toPixels(client.Height));
        auto [entry, fresh] = images_.try_emplace({pixels.width(), pixels.height()});
        if (fresh) entry->second = QImage(pixels, QImage::Format_RGB32);
        return entry->second;
    }

    // The whole window, or only `area` of it.
    void paint(const Form& form, PictureVariants& variants, const QRegion& area = {}) {
        QPainter painter(&image(form));
        if (!area.isEmpty()) painter.setClipRegion(area);
        QtSurface surface(painter, &variants);
        FormPainter formPainter(surface, mapping(form));
        if (size_ == Size::fullScreen) formPainter.paintMargins(form, painter.window().width(), painter.window().height());
        const PixelRect bounds = QtSurface::fromQRect(area.boundingRect());
        formPainter.paint(form, area.isEmpty() ? nullptr : &bounds);
    }

    // What the window repaints after an event: the places that changed since `changes` last
    // looked, and nothing when nothing did.
    void paintChanges(const Form& form, PictureVariants& variants, FormChanges& changes) {
        const QRegion changed = QtSurface::toQRegion(FormPainter::changedArea(changes.since(form), mapping(form)));
        if (!changed.isEmpty()) paint(form, variants, changed);
    }

private:
    Size size_;
    std::map<std::pair<int, int>, QImage> images_;
};

// Times the part of an iteration a pupil waits for; what sets the iteration up is left out.
template <class Work>
void timed(benchmark::State& state, Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    std::forward<Work>(work)();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

// Registers a benchmark timed by timed(), reporting medians over its repetitions. Its median
// becomes a line of the summary, beside the median of the benchmark named `baseline` and the
// target; a benchmark with no target is only a baseline for others.
benchmark::internal::Benchmark* summarised(const std::string& name, std::function<void(benchmark::State&)> run,
                                           const std::string& baseline, const std::string& target,
                                           benchmark::TimeUnit unit = benchmark::kMillisecond);

// The baseline for a figure that ends in painting a window: the least any repaint of that
// window costs, one fill of it (the title screen's window is smaller than the others).
std::string windowFill(Size size, bool titleScreen = false);

void registerScreenBenchmarks();
void registerNavigationBenchmarks();
void registerDragBenchmarks();

}  // namespace lumenary::bench
