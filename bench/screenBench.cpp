// How long a pupil waits: opening each kind of screen (load, pictures decoded, first paint)
// and handling one drag step (the move event and the repaint it causes).
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/Runtime.h"
#include "runtime/qt/FormPainter.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtPlatform.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace lumenary;

// The real platform, reading pictures from the built program folder.
class BenchPlatform : public QtPlatform {
public:
    std::filesystem::path programFolder() const override { return LUMENARY_APP_DIR; }
};

void paint(const Form& form, QImage& canvas) {
    QPainter painter(&canvas);
    FormPainter(painter, TwipsMapping{}).paint(form);
}

template <class Screen>
void openScreen(benchmark::State& state) {
    BenchPlatform platform;
    QImage canvas(792, 566, QImage::Format_RGB32);
    for (auto _ : state) {
        Runtime runtime(platform);
        Screen& screen = runtime.form<Screen>();
        screen.Show();
        paint(screen, canvas);
        benchmark::DoNotOptimize(canvas.bits());
    }
}

void dragStep(benchmark::State& state) {
    BenchPlatform platform;
    Runtime runtime(platform);
    QImage canvas(792, 566, QImage::Format_RGB32);
    phaseslab& moon = runtime.form<phaseslab>();
    moon.Show();
    moon.mouseDown(mouse::left, 0, 9400, 7500);
    float x = 9400;
    for (auto _ : state) {
        x = x > 2000 ? x - 15 : 9400;
        runtime.dispatch([&] { moon.mouseMove(mouse::left, 0, x, 6000); });
        paint(moon, canvas);
    }
}

BENCHMARK(openScreen<intro0>)->Unit(benchmark::kMillisecond);
BENCHMARK(openScreen<menu2>)->Unit(benchmark::kMillisecond);
BENCHMARK(openScreen<phaseslab>)->Unit(benchmark::kMillisecond);
BENCHMARK(openScreen<weatherlab>)->Unit(benchmark::kMillisecond);
BENCHMARK(dragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerProgramFonts(LUMENARY_APP_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
