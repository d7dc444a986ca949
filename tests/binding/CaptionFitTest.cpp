#include "ScreenTest.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/qt/QtFonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

namespace lumenary::testing {
namespace {

class CaptionFitTest : public ScreenTest {
protected:
    CaptionFitTest() {
        static const bool registered = (registerProgramFonts(LUMENARY_APP_DIR), true);
        (void)registered;
    }

    // The caption fits on one line inside the label's box, within its border.
    static void expectFitsOnOneLine(const Label& label) {
        const TwipsMapping mapping;
        const QFontMetrics metrics(toQFont(label.Font));
        const int border = label.BorderStyle ? 2 : 0;
        const int room = mapping.toPixels(label.Width) - 2 * border;
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label.Caption)), room)
            << label.name() << "(" << label.Index() << ") \"" << label.Caption << "\"";
        EXPECT_LE(metrics.height(), mapping.toPixels(label.Height) - 2 * border + 2) << label.Caption;
    }
};

TEST_F(CaptionFitTest, TheScreensFontsResolveToTheProgramsOwnFaces) {
    const struct {
        Font font;
        const char* family;
    } fonts[] = {
        {{"Tahoma", 18, true}, "Tahoma"},
        {{"Times New Roman", 26.25f, true}, "Liberation Serif"},
        {{"Arial", 12, true}, "Liberation Sans"},
    };
    for (const auto& f : fonts) {
        const QRawFont raw = QRawFont::fromFont(toQFont(f.font));
        EXPECT_EQ(raw.familyName().toLower().toStdString(), QString(f.family).toLower().toStdString());
        EXPECT_EQ(raw.weight(), QFont::Bold) << f.family;
        EXPECT_EQ(QFontInfo(toQFont(f.font)).pixelSize(), std::lround(f.font.Size * 20 / 15)) << f.family;
    }
}

TEST_F(CaptionFitTest, EveryMenuCaptionFitsOnOneLine) {
    intro0& main = runtime.form<intro0>();
    expectFitsOnOneLine(main.Label1);
    expectFitsOnOneLine(main.Label3);
    for (int i : {0, 1, 2, 3, 4, intro0::webAddressEntry}) expectFitsOnOneLine(main.Label2[i]);

    const TopicMenu* menus[] = {&runtime.form<menu1>(), &runtime.form<menu2>(), &runtime.form<menu3>(),
                                &runtime.form<menu4>(), &runtime.form<menu5>()};
    for (const TopicMenu* menu : menus) {
        expectFitsOnOneLine(menu->Label1);
        for (int i = 0; i < 5; ++i) expectFitsOnOneLine(menu->Label3[i]);
    }
}

TEST_F(CaptionFitTest, TitleScreenTextsFitTheirBoxes) {
    Titlefrm& title = runtime.form<Titlefrm>();
    expectFitsOnOneLine(title.Label2);
    expectFitsOnOneLine(title.Label3);
    expectFitsOnOneLine(title.Label4);
}

}  // namespace
}  // namespace lumenary::testing
