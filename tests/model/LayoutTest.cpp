// Each screen as it opens, every property of the form and of each control in painting order,
// against the record in tests/model/layouts/. A moved box, another font or colour, a caption,
// a hidden control shown or a handler left unwired shows as the line that differs. And every
// control it shows lies in its window and takes the pointer where it is painted.
// After a deliberate change of look: LUMENARY_WRITE_LAYOUTS=1 writes the records anew, to be
// read through before they are committed.
#include "ScreenTest.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lumenary::testing {
namespace {

std::string hex(Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", c.r, c.g, c.b);
    return text;
}
std::string picture(const Picture& p) { return p.isEmpty() ? "-" : p.sourcePath() + " " + std::to_string(p.width()) + "x" + std::to_string(p.height()); }
std::string font(const Font& f) { return (std::ostringstream() << f.Name << " " << f.Size << (f.Bold ? " bold" : "")).str(); }

std::string properties(const Control& c) {
    std::ostringstream out;
    const ControlEvents& on = *c.events();
    out << c.name() << "(" << c.Index() << ") at " << c.Left << "," << c.Top << " size " << c.Width << "x" << c.Height
        << (c.Visible ? "" : " hidden") << (c.Enabled ? "" : " disabled") << " tab " << c.TabIndex << " on " << (on.Click ? "C" : "-")
        << (on.MouseDown ? "D" : "-") << (on.MouseMove ? "M" : "-") << (on.MouseUp ? "U" : "-");
    if (const auto* l = dynamic_cast<const Label*>(&c))
        out << " label \"" << l->Caption << "\" " << font(l->Font) << " fore " << hex(l->ForeColor) << " back " << hex(l->BackColor)
            << (l->BackStyle == backStyle::opaque ? " opaque" : " transparent") << (l->BorderStyle ? " border" : "") << " align "
            << static_cast<int>(l->Alignment);
    else if (const auto* i = dynamic_cast<const Image*>(&c))
        out << " image " << picture(i->picture()) << (i->Stretch ? " stretched" : "");
    else if (const auto* p = dynamic_cast<const PictureBox*>(&c))
        out << " picturebox " << picture(p->Picture) << " back " << hex(p->BackColor) << (p->TabStop ? " tabstop" : "");
    else if (const auto* b = dynamic_cast<const CommandButton*>(&c))
        out << " button \"" << b->Caption << "\" " << font(b->Font) << " face " << picture(b->Picture) << " back " << hex(b->BackColor)
            << (b->TabStop ? " tabstop" : "");
    else if (const auto* f = dynamic_cast<const Frame*>(&c))
        out << " frame back " << (f->BackColor ? hex(*f->BackColor) : "-");
    if (c.container()) out << " in " << c.container()->name();
    return out.str();
}

std::string layout(const Form& form) {
    std::ostringstream out;
    out << "form " << form.name() << " \"" << form.Caption << "\" at " << form.Left << "," << form.Top << " size " << form.Width << "x"
        << form.Height << " back " << hex(form.BackColor) << " picture " << picture(form.Picture) << " icon " << picture(form.Icon)
        << " focus " << (form.focused() ? form.focused()->name() + "(" + std::to_string(form.focused()->Index()) + ")" : "-") << "\n";
    for (const Control* c : form.everyControl()) out << properties(*c) << "\n";
    return out.str();
}

std::string describe(const Control& c) { return c.name() + "(" + std::to_string(c.Index()) + ")"; }
bool within(const Control* hit, const Control& control) { return hit && (hit == &control || within(hit->container(), control)); }
// The pointer on `hit` reaches `control`: it is the control, lies inside it, or is stacked in front of it.
bool reaches(const Form& form, const Control* hit, const Control& control) {
    const std::vector<Control*> order = form.everyControl();
    return within(hit, control) || (hit && std::ranges::find(order, hit) > std::ranges::find(order, &control));
}

class Layout : public ScreenTest, public ::testing::WithParamInterface<ScreenKind> {};
INSTANTIATE_TEST_SUITE_P(Screens, Layout, ::testing::ValuesIn(everyScreen()), [](const auto& info) { return info.param.name; });

// The record pins where the screen stands on the test desktop, so its centring too.
TEST_P(Layout, EveryPropertyOfTheOpenedScreenIsAsRecordedAndEachControlTakesThePointerWhereItIsPainted) {
    platform.draws.assign(10, 0.5f);  // for a question screen's pick
    runtime.dispatch(GetParam().show);
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    const Form& screen = *runtime.visibleForms().back();
    const std::string file = std::string(LUMENARY_LAYOUTS "/") + GetParam().name + ".txt";
    if (std::getenv("LUMENARY_WRITE_LAYOUTS")) std::ofstream(file) << layout(screen);
    std::ifstream in(file);
    ASSERT_TRUE(in) << file << " is missing; LUMENARY_WRITE_LAYOUTS=1 writes it";
    EXPECT_EQ(layout(screen), std::string(std::istreambuf_iterator<char>(in), {})) << file;  // a failure shows the lines that differ

    if (GetParam().standard) {  // a menu sets up the main menu too, lending its picture
        ASSERT_GE(platform.pointerChanges.size(), 2u);
        EXPECT_EQ(std::pair(platform.pointerChanges.front(), platform.pointerChanges.back()), std::pair(Screen::busyPointer, Screen::defaultPointer))
            << "busy while centring";
    } else {
        EXPECT_TRUE(platform.pointerChanges.empty()) << "no standard set-up";
    }
    const TwipsSize client = screen.clientSize();
    const TwipsMapping mapping;
    // Every caption is drawn in a face the program carries, not in whatever the system has (a
    // browser on a school's tablet has no fontconfig to stand in for Times New Roman).
    const auto carried = [](const Font& f) {
        return std::ranges::any_of(programFaces, [&](const FontFace& face) { return faceFamily(f.Name) == face.family && f.Bold == face.bold; });
    };
    for (const Control* c : screen.everyControl()) {
        const Twips left = c->absoluteLeft(), top = c->absoluteTop();
        const auto* label = dynamic_cast<const Label*>(c);
        const auto* button = dynamic_cast<const CommandButton*>(c);
        EXPECT_TRUE(!(label || button) || carried(label ? label->Font : button->Font)) << describe(*c) << " has no face of its own";
        if (c->Visible) {  // within a few pixels: the title screen's frame hides its top edge above the window
            EXPECT_GE(std::min(left, top), -90) << describe(*c);
            EXPECT_LE(std::max(left + c->Width - client.Width, top + c->Height - client.Height), 75) << describe(*c);
        }
        if (!c->isReachable()) {
            EXPECT_FALSE(within(screen.controlAt(left + c->Width / 2, top + c->Height / 2), *c)) << describe(*c) << " takes no pointer";
            continue;
        }
        // Its painted corner pixels, clipped to the frames holding it, take the pointer.
        int x0 = INT_MIN, y0 = INT_MIN, x1 = INT_MAX, y1 = INT_MAX;
        for (const Control* k = c; k; k = k->container()) {
            x0 = std::max(x0, mapping.toPixels(k->absoluteLeft())), y0 = std::max(y0, mapping.toPixels(k->absoluteTop()));
            x1 = std::min(x1, mapping.toPixels(k->absoluteLeft() + k->Width) - 1);
            y1 = std::min(y1, mapping.toPixels(k->absoluteTop() + k->Height) - 1);
        }
        for (const auto& [x, y] : {std::pair{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}})
            EXPECT_TRUE(reaches(screen, screen.controlAt(mapping.toTwips(x), mapping.toTwips(y)), *c)) << describe(*c) << " " << x << "," << y;
    }
}

}  // namespace
}  // namespace lumenary::testing
