#include "Module1.h"

#include "runtime/Runtime.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/PictureBox.h"

namespace lumenary::Module1 {

namespace {

constexpr Color standardBackColor{49, 135, 214};
constexpr int twipsScale = 1;

// Runs one statement of the set-up; a failure skips just that statement, silently.
template <class Statement>
void tolerate(Statement&& statement) {
    try {
        statement();
    } catch (const std::exception&) {
    }
}

CommandButton& button(Form& screen, const char* name) { return screen.control<CommandButton>(name); }

}  // namespace

void setupform(Form& screen) {
    screen.BackColor = standardBackColor;
    screen.Icon = LoadPicture("");

    tolerate([&] { screen.control<PictureBox>("Picture1").BackColor = standardBackColor; });
    tolerate([&] { screen.Width = screenWidth; });
    tolerate([&] { screen.Height = screenHeight; });
    tolerate([&] { screen.ScaleMode = twipsScale; });
    Twips desktopWidth = 0;
    Twips desktopHeight = 0;
    tolerate([&] { desktopWidth = Screen::Width(); });
    tolerate([&] { desktopHeight = Screen::Height(); });
    tolerate([&] { Screen::setMousePointer(Screen::busyPointer); });
    tolerate([&] { screen.Top = desktopHeight / 2 - screen.Height / 2; });
    tolerate([&] { screen.Left = desktopWidth / 2 - screen.Width / 2; });
    tolerate([&] { Screen::setMousePointer(Screen::defaultPointer); });

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
    // The button is looked up before its face is read, so a screen without it reads no file.
    for (const Face& face : faces)
        tolerate([&] {
            CommandButton& target = button(screen, face.button);
            target.Picture = LoadPicture(face.picture);
        });

    // The bottom row, then each button stacked on the one below it as that one now stands. Each
    // write is a statement of its own, skipped alone when it fails.
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
        tolerate([&] { button(screen, place.button).Left = place.left; });
        tolerate([&] { button(screen, place.button).Height = buttonHeight; });
        tolerate([&] {
            button(screen, place.button).Top =
                place.below ? button(screen, place.below).Top - button(screen, place.button).Height : place.top;
        });
        tolerate([&] { button(screen, place.button).Width = buttonWidth; });
        tolerate([&] { button(screen, place.button).TabStop = false; });
    }
}

}  // namespace lumenary::Module1
