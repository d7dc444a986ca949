// The in-process benchmarks: screens opened, clicks followed and drags handled, painted
// offscreen into images the size of the windows. Besides Google Benchmark's own report, it
// writes its lines of the summary table to the file named by --rows=FILE.
#include "InProcess.h"
#include "Summary.h"
#include "qt/painting/QtFonts.h"

#include <QGuiApplication>

#include <fstream>
#include <set>
#include <vector>

namespace lumenary::bench {

namespace {

struct Entry {
    std::string name;
    std::string baseline;
    std::string target;
    benchmark::TimeUnit unit;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> all;
    return all;
}

// The benchmarks a repetition of which stopped with SkipWithError: a median of the repetitions
// left over would hide the fault, so they get none.
std::set<std::string>& failed() {
    static std::set<std::string> names;
    return names;
}

double toSeconds(benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return 1e-9;
        case benchmark::kMicrosecond: return 1e-6;
        case benchmark::kMillisecond: return 1e-3;
        case benchmark::kSecond: return 1;
    }
    return 1;
}

std::string shown(double seconds, benchmark::TimeUnit unit) {
    return unit == benchmark::kMicrosecond ? figure(seconds * 1e6, "us", 1) : figure(seconds * 1e3, "ms");
}

// Google Benchmark's console report, keeping the medians for the summary.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime() * toSeconds(run.time_unit);
    }

    void writeRows(std::ostream& out) const {
        for (const Entry& entry : entries()) {
            if (entry.target.empty()) continue;
            out << SummaryRow{entry.name, medianOf(entry.name, entry.unit), medianOf(entry.baseline, entry.unit), entry.target};
        }
    }

private:
    std::string medianOf(const std::string& name, benchmark::TimeUnit unit) const {
        if (failed().contains(name)) return "failed";
        const auto found = medians_.find(name);
        return found == medians_.end() ? "not run" : shown(found->second, unit);
    }

    std::map<std::string, double> medians_;
};

void fill(benchmark::State& state, QSize pixels, Qt::GlobalColor colour) {
    QImage image(pixels, QImage::Format_RGB32);
    for (auto _ : state) timed(state, [&] { QPainter(&image).fillRect(image.rect(), colour); });
}

std::string fillName(QSize pixels) {
    return "fill a window of " + std::to_string(pixels.width()) + " x " + std::to_string(pixels.height());
}

const QSize titleWindow(364, 438);
const QSize screenWindow(792, 566);
const QSize display(Canvas::displayWidth, Canvas::displayHeight);

void registerWindowFills() {
    for (const QSize pixels : {titleWindow, screenWindow, display})
        summarised(fillName(pixels), [pixels](benchmark::State& state) { fill(state, pixels, Qt::lightGray); }, "", "",
                   benchmark::kMicrosecond)
            ->Repetitions(15);
}

}  // namespace

benchmark::internal::Benchmark* summarised(const std::string& name, std::function<void(benchmark::State&)> run,
                                           const std::string& baseline, const std::string& target,
                                           benchmark::TimeUnit unit) {
    entries().push_back({name, baseline, target, unit});
    // Asked of the benchmark's state, which Google Benchmark 1.7 and 1.8 name alike (a reported
    // run's own flag is named differently in each).
    auto noted = [name, run = std::move(run)](benchmark::State& state) {
        run(state);
        if (state.error_occurred()) failed().insert(name);
    };
    return benchmark::RegisterBenchmark(name.c_str(), std::move(noted))
        ->UseManualTime()
        ->Unit(unit)
        ->ReportAggregatesOnly(true);
}

std::string windowFill(Size size, bool titleScreen) {
    if (size == Size::fullScreen) return fillName(display);
    return fillName(titleScreen ? titleWindow : screenWindow);
}

}  // namespace lumenary::bench

int main(int argc, char** argv) {
    using namespace lumenary::bench;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    lumenary::registerProgramFonts(appFolder);
    benchmark::Initialize(&argc, argv);
    std::string rowsFile;
    for (int i = 1; i < argc; ++i)
        if (std::string argument = argv[i]; argument.starts_with("--rows=")) rowsFile = argument.substr(7);

    registerWindowFills();
    registerScreenBenchmarks();
    registerNavigationBenchmarks();
    registerDragBenchmarks();

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!rowsFile.empty()) {
        std::ofstream rows(rowsFile);
        reporter.writeRows(rows);
    }
    return 0;
}
