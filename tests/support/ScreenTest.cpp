#include "ScreenTest.h"

#include <fstream>
#include <random>
#include <sstream>

namespace lumenary::testing {

namespace fs = std::filesystem;

void ScreenTest::press(Form& form, Twips x, Twips y, int button) {
    runtime.dispatch([&] { form.mouseDown(button, 0, x, y); });
}

void ScreenTest::moveTo(Form& form, Twips x, Twips y, int buttons) {
    runtime.dispatch([&] { form.mouseMove(buttons, 0, x, y); });
}

void ScreenTest::release(Form& form, Twips x, Twips y, int button) {
    runtime.dispatch([&] { form.mouseUp(button, 0, x, y); });
}

void ScreenTest::click(const Control& control) {
    Form& form = control.form();
    const Twips x = control.absoluteLeft() + control.Width / 2;
    const Twips y = control.absoluteTop() + control.Height / 2;
    press(form, x, y);
    release(form, x, y);
}

void ScreenTest::hover(const Control& control) {
    moveTo(control.form(), control.absoluteLeft() + control.Width / 2, control.absoluteTop() + control.Height / 2);
}

std::string ScreenTest::shownScreens() const {
    std::string names;
    for (const Form* form : runtime.visibleForms()) names += (names.empty() ? "" : " ") + form->name();
    return names;
}

std::string ScreenTest::loadedScreens() const {
    std::string names;
    for (const Form* form : runtime.loadedForms()) names += (names.empty() ? "" : " ") + form->name();
    return names;
}

ProgramFolderCopy::ProgramFolderCopy() {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("lumenary-test-" + std::to_string(seed()));
    fs::copy(LUMENARY_APP_DIR, path_, fs::copy_options::recursive);
}

ProgramFolderCopy::~ProgramFolderCopy() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ProgramFolderCopy::write(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(path_ / relative, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ProgramFolderCopy::read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace lumenary::testing
