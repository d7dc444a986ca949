// A drag on the Moon screen, as a pupil carries a phase name onto a picture: one step of it
// (the move routed to the captured name label, the label moved, the window repainted) and the
// drop (the release: snap tests, the completion check, the repaint), at scale 1 and full screen.
// Repainted both ways: the whole window, and only what the event changed, as the window does.
#include "InProcess.h"
#include "activities/Activities.h"
#include "activities/labelling/LabellingScreen.h"

namespace lumenary::bench {

namespace {

enum class Repaint { wholeWindow, changes };

Twips centreX(const Control& control) { return control.absoluteLeft() + control.Width / 2; }
Twips centreY(const Control& control) { return control.absoluteTop() + control.Height / 2; }

// The Moon screen open and painted, as a pupil finds it.
class MoonBoard {
public:
    MoonBoard(Size size, Repaint repaint) : size_(size), canvas_(size), repaint_(repaint) {
        moon.Show();
        canvas_.paintChanges(moon, variants_, changes_);
    }

    template <class Input>
    void deliver(Input&& input) {
        runtime_.dispatch(std::forward<Input>(input));
    }

    void repaint() {
        if (repaint_ == Repaint::wholeWindow)
            canvas_.paint(moon, variants_);
        else
            canvas_.paintChanges(moon, variants_, changes_);
    }

    // The window shows what painting it whole would show: repainting only the changes missed none.
    bool showsTheScreen() {
        Canvas whole(size_);
        whole.paint(moon, variants_);
        return whole.image(moon) == canvas_.image(moon);
    }

private:
    BenchPlatform platform_;
    Runtime runtime_{platform_};
    PictureVariants variants_{appFolder};
    FormChanges changes_;
    Size size_;
    Canvas canvas_;
    Repaint repaint_;

public:
    LabellingScreen& moon = dynamic_cast<LabellingScreen&>(*activityScreen("phaseslab"));
};

void dragStep(benchmark::State& state, Size size, Repaint repaint) {
    MoonBoard board(size, repaint);
    LabellingScreen& moon = board.moon;
    const Label& label = moon.Label2[0];
    const Twips x = centreX(label);
    const Twips y = centreY(label);
    board.deliver([&] { moon.mouseDown({.button = mouse::left, .buttons = mouse::left, .at = {x, y}}); });
    int step = 0;
    for (auto _ : state) {
        // Three pixels to the side and back: the label follows the pointer every time.
        const Twips to = x + (++step % 2) * 45;
        timed(state, [&] {
            board.deliver([&] { moon.mouseMove({.buttons = mouse::left, .at = {to, y}}); });
            board.repaint();
        });
    }
    if (centreX(label) != x && centreX(label) != x + 45) state.SkipWithError("the label did not follow the pointer");
    if (!board.showsTheScreen()) state.SkipWithError("the window differs from a whole repaint");
}

void drop(benchmark::State& state, Size size, Repaint repaint) {
    MoonBoard board(size, repaint);
    LabellingScreen& moon = board.moon;
    const Label& label = moon.Label2[0];
    int step = 0;
    for (auto _ : state) {
        // Carried to just off its target, then back to just off its home box: every drop snaps.
        const Label& box = ++step % 2 ? moon.Label1[0] : moon.Label4[0];
        const Twips x = box.Left + 30 + label.Width / 2;
        const Twips y = box.Top + 30 + label.Height / 2;
        board.deliver([&] { moon.mouseDown({.button = mouse::left, .buttons = mouse::left, .at = {centreX(label), centreY(label)}}); });
        board.deliver([&] { moon.mouseMove({.buttons = mouse::left, .at = {x, y}}); });
        board.repaint();
        timed(state, [&] {
            board.deliver([&] { moon.mouseUp({.button = mouse::left, .at = {x, y}}); });
            board.repaint();
        });
        if (label.Left != box.Left || label.Top != box.Top) {
            state.SkipWithError("the label did not snap onto the box");
            break;
        }
    }
    if (!board.showsTheScreen()) state.SkipWithError("the window differs from a whole repaint");
}

}  // namespace

void registerDragBenchmarks() {
    for (const Size size : {Size::scale1, Size::fullScreen}) {
        for (const Repaint repaint : {Repaint::wholeWindow, Repaint::changes}) {
            const std::string how = std::string(", ") + sizeName(size) + (repaint == Repaint::wholeWindow ? ", whole window" : ", changes only");
            summarised("drag step on phaseslab" + how, [=](benchmark::State& state) { dragStep(state, size, repaint); },
                       windowFill(size), size == Size::scale1 ? "< 1 ms" : "< 2 ms", benchmark::kMicrosecond)
                ->Iterations(100)
                ->Repetitions(15);
            summarised("drop on phaseslab" + how, [=](benchmark::State& state) { drop(state, size, repaint); }, windowFill(size),
                       size == Size::scale1 ? "< 1 ms" : "< 2 ms", benchmark::kMicrosecond)
                ->Iterations(50)
                ->Repetitions(15);
        }
    }
}

}  // namespace lumenary::bench
