// Each screen as it opens, every property of the form and of each control in painting order,
// against the record in tests/model/layouts/. A moved box, another font or colour, a caption,
// a hidden control shown or a handler left unwired shows as the line that differs.
// After a deliberate change of look: LUMENARY_WRITE_LAYOUTS=1 writes the records anew, to be
// read through before they are committed.
#include "ScreenTest.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
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
    out << c.name() << "(" << c.Index() << ") at " << c.Left << "," << c.Top << " size " << c.Width << "x" << c.Height
        << (c.Visible ? "" : " hidden") << (c.Enabled ? "" : " disabled") << " tab " << c.TabIndex;
    const ControlEvents& on = *c.events();
    out << " on " << (on.Click ? "C" : "-") << (on.MouseDown ? "D" : "-") << (on.MouseMove ? "M" : "-") << (on.MouseUp ? "U" : "-");
    switch (c.kind()) {
        case ControlKind::Label: {
            const auto& l = static_cast<const Label&>(c);
            out << " label \"" << l.Caption << "\" " << font(l.Font) << " fore " << hex(l.ForeColor) << " back " << hex(l.BackColor)
                << (l.BackStyle == backStyle::opaque ? " opaque" : " transparent") << (l.BorderStyle ? " border" : "")
                << " align " << static_cast<int>(l.Alignment);
            break;
        }
        case ControlKind::Image: {
            const auto& i = static_cast<const Image&>(c);
            out << " image " << picture(i.picture()) << (i.Stretch ? " stretched" : "");
            break;
        }
        case ControlKind::PictureBox: {
            const auto& p = static_cast<const PictureBox&>(c);
            out << " picturebox " << picture(p.Picture) << " back " << hex(p.BackColor) << (p.TabStop ? " tabstop" : "");
            break;
        }
        case ControlKind::CommandButton: {
            const auto& b = static_cast<const CommandButton&>(c);
            out << " button \"" << b.Caption << "\" " << font(b.Font) << " face " << picture(b.Picture) << " back " << hex(b.BackColor)
                << (b.TabStop ? " tabstop" : "");
            break;
        }
        case ControlKind::Frame: {
            const auto& f = static_cast<const Frame&>(c);
            out << " frame back " << (f.BackColor ? hex(*f.BackColor) : "-");
            break;
        }
    }
    if (c.container()) out << " in " << c.container()->name();
    return out.str();
}

std::vector<std::string> lines(std::istream&& in) {
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::string layout(const Form& form) {
    std::ostringstream out;
    out << "form " << form.name() << " \"" << form.Caption << "\" at " << form.Left << "," << form.Top << " size " << form.Width << "x"
        << form.Height << " back " << hex(form.BackColor) << " picture " << picture(form.Picture) << " icon " << picture(form.Icon)
        << " focus " << (form.focused() ? form.focused()->name() + "(" + std::to_string(form.focused()->Index()) + ")" : "-") << "\n";
    for (const Control* c : form.everyControl()) out << properties(*c) << "\n";
    return out.str();
}

class Layout : public ScreenTest, public ::testing::WithParamInterface<ScreenKind> {};
INSTANTIATE_TEST_SUITE_P(Screens, Layout, ::testing::ValuesIn(everyScreen()), [](const auto& info) { return info.param.name; });

TEST_P(Layout, EveryPropertyOfTheOpenedScreenIsAsRecorded) {
    platform.draws.assign(10, 0.5f);  // for a question screen's pick
    runtime.dispatch(GetParam().show);
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    const std::string seen = layout(*runtime.visibleForms().back());
    const std::string file = std::string(LUMENARY_LAYOUTS "/") + GetParam().name + ".txt";
    if (std::getenv("LUMENARY_WRITE_LAYOUTS")) std::ofstream(file) << seen;
    const std::vector<std::string> expected = lines(std::ifstream(file)), actual = lines(std::istringstream(seen));
    ASSERT_FALSE(expected.empty()) << file << " is missing; LUMENARY_WRITE_LAYOUTS=1 writes it";
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i)
        ASSERT_EQ(i < actual.size() ? actual[i] : "(no line)", i < expected.size() ? expected[i] : "(no line)") << file << ", line " << i + 1;
}

}  // namespace
}  // namespace lumenary::testing
