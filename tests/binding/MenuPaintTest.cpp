#include "PaintedForm.h"
#include "ScreenTest.h"
#include "menus/TopicMenus.h"
#include "runtime/qt/QtPictureDecoder.h"

namespace lumenary::testing {
namespace {

using MenuPaintTest = ScreenTest;

bool isYellow(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; }
bool isGrey(const QColor& c) { return c.red() > 60 && std::abs(c.red() - c.green()) < 12 && std::abs(c.green() - c.blue()) < 12; }

// Counts the yellow and grey pixels of the text inside a label's box.
struct TextColours {
    int yellow = 0, grey = 0;
};
TextColours textColours(const QImage& image, const Label& label) {
    TextColours found;
    for (float y = label.Top + 60; y < label.Top + label.Height - 60; y += 15)
        for (float x = label.Left + 60; x < label.Left + label.Width - 60; x += 15) {
            const QColor c = colourAtTwips(image, x, y);
            found.yellow += isYellow(c);
            found.grey += isGrey(c);
        }
    return found;
}

TEST_F(MenuPaintTest, ActivityEntriesAreBlackBoxesWithGreyedOrYellowText) {
    menu1& menu = runtime.form<menu1>();
    menu.Label3[4].Enabled = true;  // as an entry with an activity is
    const QImage image = paintForm(menu);

    for (int i = 0; i < 5; ++i) {
        const Label& entry = menu.Label3[i];
        EXPECT_EQ(colourAtTwips(image, entry.Left + 45, entry.Top + 45), QColor(0, 0, 0)) << "black box " << i;
        const TextColours text = textColours(image, entry);
        if (i == 4) {
            EXPECT_GT(text.yellow, 20) << "enabled entry in yellow";
        } else {
            EXPECT_EQ(text.yellow, 0) << "disabled entry " << i << " has no yellow";
            EXPECT_GT(text.grey, 20) << "disabled entry " << i << " greyed";
        }
    }
}

TEST_F(MenuPaintTest, AHoveredMenuEntryIsABlueBoxAndTheOthersShowTheBackgroundPicture) {
    menu2& menu = runtime.form<menu2>();
    menu.Label2[2].BackStyle = backStyle::opaque;
    const QImage image = paintForm(menu);
    const QImage background = asQImage(menu.Picture);

    const Label& hovered = menu.Label2[2];
    EXPECT_EQ(colourAtTwips(image, hovered.Left + 45, hovered.Top + 45), QColor(0, 0, 255));
    EXPECT_GT(textColours(image, hovered).yellow, 20);

    const Label& plain = menu.Label2[3];
    const float x = plain.Left + 45, y = plain.Top + 45;
    EXPECT_EQ(colourAtTwips(image, x, y), background.pixelColor(int(x / 15), int(y / 15)));
}

}  // namespace
}  // namespace lumenary::testing
