#include "Module1.h"

#include "runtime/Runtime.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/PictureBox.h"

namespace lumenary::Module1 {

namespace {

constexpr Color standardBackColor{49, 135, 214};
constexpr Twips screenWidth = 12000;
constexpr Twips screenHeight = 9000;
constexpr int twipsScale = 1;
constexpr Twips buttonWidth = 1785;
constexpr Twips buttonHeight = 495;

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

    tolerate([&] { button(screen, "cmdgo").Top = 7950; });
    tolerate([&] { button(screen, "cmdgo").Width = buttonWidth; });
    tolerate([&] { button(screen, "cmdgo").Left = 10050; });
    tolerate([&] { button(screen, "cmdgo").Height = buttonHeight; });
    tolerate([&] { button(screen, "cmdgo").TabStop = false; });

    tolerate([&] { button(screen, "cmdjotter").Left = 10050; });
    tolerate([&] { button(screen, "cmdjotter").Height = buttonHeight; });
    tolerate([&] { button(screen, "cmdjotter").Top = button(screen, "cmdgo").Top - button(screen, "cmdjotter").Height; });
    tolerate([&] { button(screen, "cmdjotter").Width = buttonWidth; });
    tolerate([&] { button(screen, "cmdjotter").TabStop = false; });

    tolerate([&] { button(screen, "cmdsoln").Height = buttonHeight; });
    tolerate([&] { button(screen, "cmdsoln").Top = button(screen, "cmdjotter").Top - button(screen, "cmdsoln").Height; });
    tolerate([&] { button(screen, "cmdsoln").Width = buttonWidth; });
    tolerate([&] { button(screen, "cmdsoln").Left = 10050; });
    tolerate([&] { button(screen, "cmdsoln").TabStop = false; });

    tolerate([&] { button(screen, "cmdcheckit").Height = buttonHeight; });
    tolerate([&] { button(screen, "cmdcheckit").Left = 10050; });
    tolerate([&] { button(screen, "cmdcheckit").Top = button(screen, "cmdsoln").Top - button(screen, "cmdcheckit").Height; });
    tolerate([&] { button(screen, "cmdcheckit").Width = buttonWidth; });
    tolerate([&] { button(screen, "cmdcheckit").TabStop = false; });

    tolerate([&] { button(screen, "cmdexit").Top = 7950; });
    tolerate([&] { button(screen, "cmdexit").Width = buttonWidth; });
    tolerate([&] { button(screen, "cmdexit").Left = 60; });
    tolerate([&] { button(screen, "cmdexit").Height = buttonHeight; });
    tolerate([&] { button(screen, "cmdexit").TabStop = false; });
}

}  // namespace lumenary::Module1
