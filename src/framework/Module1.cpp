#include "Module1.h"

#include "runtime/Runtime.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/PictureBox.h"

namespace lumenary::Module1 {

namespace {

constexpr Color standardBackColor{49, 135, 214};
constexpr int twipsScale = 1;

CommandButton* button(const Form& screen, const char* name) { return screen.findControl<CommandButton>(name); }

// A face that cannot be read leaves the button's face as it was: the set-up never stops a
// screen from loading.
void giveFace(CommandButton& target, const char* picture) {
    try {
        target.Picture = LoadPicture(picture);
    } catch (const RuntimeError&) {
    }
}

}  // namespace

void setupform(Form& screen) {
    screen.BackColor = standardBackColor;
    screen.Icon = LoadPicture("");

    if (PictureBox* picture = screen.findControl<PictureBox>("Picture1")) picture->BackColor = standardBackColor;
    screen.Width = screenWidth;
    screen.Height = screenHeight;
    screen.ScaleMode = twipsScale;
    const Twips desktopWidth = Screen::Width();
    const Twips desktopHeight = Screen::Height();
    Screen::setMousePointer(Screen::busyPointer);
    screen.Top = desktopHeight / 2 - screen.Height / 2;
    screen.Left = desktopWidth / 2 - screen.Width / 2;
    Screen::setMousePointer(Screen::defaultPointer);

    // The standard buttons: a screen without one reads no face for it and moves on.
    struct Face {
        const char* button;
        const char* picture;
    };
    static constexpr Face faces[] = {
        {"cmdexit",     "Images\\exit.jpg"},
        {"cmdgo",       "Images\\next.jpg"},
        {"cmdsoln",     "Images\\answer.jpg"},
        {"cmdcheckit",  "images\\check.jpg"},
        {"cmdjotter",   "images\\jotter.jpg"},
        {"cmdscramble", "images\\scramble.jpg"},
    };
    for (const Face& face : faces)
        if (CommandButton* target = button(screen, face.button)) giveFace(*target, face.picture);

    // The bottom row, then each button stacked on the one below it as that one now stands; a
    // button whose support is missing keeps its own Top.
    struct Place {
        const char* button;
        Twips left;
        Twips top;          // on the bottom row
        const char* below;  // or stacked on this one
    };
    static constexpr Place places[] = {
        {"cmdgo",      10050,                exitButtonPlace.y, nullptr},
        {"cmdjotter",  10050,                0,                 "cmdgo"},
        {"cmdsoln",    10050,                0,                 "cmdjotter"},
        {"cmdcheckit", 10050,                0,                 "cmdsoln"},
        {"cmdexit",    exitButtonPlace.x,    exitButtonPlace.y, nullptr},
    };
    for (const Place& place : places) {
        CommandButton* target = button(screen, place.button);
        if (!target) continue;
        target->Left = place.left;
        target->Height = buttonHeight;
        if (!place.below)
            target->Top = place.top;
        else if (const CommandButton* support = button(screen, place.below))
            target->Top = support->Top - target->Height;
        target->Width = buttonWidth;
        target->TabStop = false;
    }
}

}  // namespace lumenary::Module1
