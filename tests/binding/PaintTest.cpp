#include "PaintedForm.h"
#include "ScreenTest.h"
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtPictureDecoder.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QRawFont>

#include <functional>

namespace lumenary::testing {
namespace {

const QColor shadow(128, 128, 128), darkShadow(64, 64, 64), light(227, 227, 227), white(255, 255, 255);

// The pixels the binding paints a control on, in the form's client area.
QRect pixelsOf(const Control& c) {
    const TwipsMapping m;
    const int x = m.toPixels(c.absoluteLeft()), y = m.toPixels(c.absoluteTop());
    return QRect(x, y, m.toPixels(c.absoluteLeft() + c.Width) - x, m.toPixels(c.absoluteTop() + c.Height) - y);
}

// Where the pixels of `area` that pass `ink` lie, and how many there are.
struct Ink {
    QRect bounds;
    int count = 0;
};
Ink inkIn(const QImage& image, const QRect& area, const std::function<bool(QColor)>& ink) {
    Ink found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink(image.pixelColor(x, y))) found.bounds |= QRect(x, y, 1, 1), ++found.count;
    return found;
}
// Where two paintings differ inside `area`.
Ink differences(const QImage& a, const QImage& b, const QRect& area) {
    Ink found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) found.bounds |= QRect(x, y, 1, 1), ++found.count;
    return found;
}
bool yellow(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; }
bool blue(QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; }
bool neutral(QColor c) { return std::abs(c.red() - c.green()) < 12 && std::abs(c.green() - c.blue()) < 12; }
bool grey(QColor c) { return neutral(c) && c.red() > 60 && c.red() < 170; }
bool black(QColor c) { return neutral(c) && c.red() < 60; }

// The colour of each ring of a control's edge, outermost first, at the middle of each side.
void expectEdge(const QImage& image, const Control& c, const std::vector<QColor>& topLeft, const std::vector<QColor>& bottomRight) {
    const QRect r = pixelsOf(c);
    for (int ring = 0; ring < int(topLeft.size()); ++ring) {
        EXPECT_EQ(image.pixelColor(r.center().x(), r.top() + ring), topLeft[ring]) << c.name() << " top, ring " << ring;
        EXPECT_EQ(image.pixelColor(r.left() + ring, r.center().y()), topLeft[ring]) << c.name() << " left, ring " << ring;
        EXPECT_EQ(image.pixelColor(r.center().x(), r.bottom() - ring), bottomRight[ring]) << c.name() << " bottom, ring " << ring;
        EXPECT_EQ(image.pixelColor(r.right() - ring, r.center().y()), bottomRight[ring]) << c.name() << " right, ring " << ring;
    }
}

// The largest channel difference over `area` between the painting and the picture drawn with
// its top-left pixel at `at`.
int mismatch(const QImage& image, const Picture& picture, QPoint at, const QRect& area) {
    int worst = 0;
    const QImage source = asQImage(picture);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor painted = image.pixelColor(x, y), expected = source.pixelColor(x - at.x(), y - at.y());
            worst = std::max({worst, std::abs(painted.red() - expected.red()), std::abs(painted.green() - expected.green()),
                              std::abs(painted.blue() - expected.blue())});
        }
    return worst;
}

class PaintTest : public ScreenTest {
protected:
    PaintTest() {
        static const bool registered = (registerProgramFonts(LUMENARY_APP_DIR), true);
        (void)registered;
    }
    template <class F>
    F& open() {
        runtime.dispatch([] { form<F>().Show(); });
        return runtime.form<F>();
    }
    // How much heavier a label's text is in bold than in the regular face.
    static double boldWeight(Label& label, const std::function<bool(QColor)>& ink) {
        const int bold = inkIn(paintForm(label.form()), pixelsOf(label), ink).count;
        label.Font.Bold = false;
        const int regular = inkIn(paintForm(label.form()), pixelsOf(label), ink).count;
        label.Font.Bold = true;
        return double(bold) / regular;
    }
};

TEST_F(PaintTest, TitleTextsAreBlueAndCentredOnTheFrameAndTheHeadingIsBoldFromTheTop) {
    Titlefrm& title = open<Titlefrm>();
    const QImage image = paintForm(title);
    ASSERT_EQ(image.size(), QSize(364, 438));
    const QColor frame = QGuiApplication::palette().color(QPalette::Window);
    for (const Label* label : {&title.Label4, &title.Label3, &title.Label2}) {
        const QRect box = pixelsOf(*label);
        const Ink text = inkIn(image, box, blue);
        EXPECT_GT(text.count, 40) << label->name();
        EXPECT_NEAR(text.bounds.center().x(), box.center().x(), 2) << label->name() << " centred";
        EXPECT_GT(inkIn(image, box, [](QColor c) { return c == QColor(0, 0, 255); }).count, 0) << label->name() << " in pure blue";
        EXPECT_EQ(image.pixelColor(box.topLeft() + QPoint(2, 1)), frame) << label->name() << " lets the frame show through";
    }
    EXPECT_LT(inkIn(image, pixelsOf(title.Label4), blue).bounds.top() - pixelsOf(title.Label4).top(), 12) << "the heading hangs from the top";
    EXPECT_GT(boldWeight(title.Label4, blue), 1.2) << "the heading is heavier than regular";
    // The frame: its colour, and an etched edge whose top runs where a caption's middle would be.
    EXPECT_EQ(image.pixelColor(10, 200), frame);
    for (const QPoint p : {QPoint(0, 200), QPoint(200, 0), QPoint(363, 200)}) EXPECT_EQ(image.pixelColor(p), shadow) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 200), QPoint(200, 1)}) EXPECT_EQ(image.pixelColor(p), white) << p.x() << "," << p.y();
}

TEST_F(PaintTest, ButtonsAreRaisedSilverFacesWithTheirCaptionCentredAndAFocusMark) {
    Titlefrm& title = open<Titlefrm>();
    title.Command2.Enabled = false;
    const QImage image = paintForm(title);
    for (const CommandButton* button : {&title.Command1, &title.Command2}) {
        const QRect face = pixelsOf(*button).adjusted(2, 2, -2, -2);
        expectEdge(image, *button, {white, light}, {darkShadow, shadow});
        EXPECT_EQ(image.pixelColor(face.topLeft() + QPoint(1, 1)), QColor(192, 192, 192)) << button->name();
        const Ink caption = inkIn(image, face.adjusted(3, 3, -3, -3), button->Enabled ? black : grey);
        EXPECT_GT(caption.count, 15) << button->name() << (button->Enabled ? " in black" : " greyed");
        EXPECT_NEAR(caption.bounds.center().x(), face.center().x(), 1.5) << button->name();
        EXPECT_NEAR(caption.bounds.center().y(), face.center().y(), 2) << button->name();
        const int markRow = pixelsOf(*button).top() + 4;
        const Ink mark = inkIn(image, QRect(face.left() + 2, markRow, face.width() - 4, 1), black);
        EXPECT_EQ(mark.count > 15 && mark.count < face.width() - 15, button == title.focused()) << button->name() << ": a dotted mark when focused";
    }
}

TEST_F(PaintTest, PicturesArePaintedWhereTheirControlsAreAndButtonFacesCentred) {
    intro0& main = open<intro0>();
    QImage image = paintForm(main);
    EXPECT_EQ(mismatch(image, main.Picture, {0, 0}, QRect(150, 420, 100, 40)), 0) << "the background picture from the corner";
    const QRect logo = pixelsOf(main.Image2);
    EXPECT_EQ(mismatch(image, main.Image2.picture(), logo.topLeft(), logo), 0) << "the logo in its place";
    const QRect exit = pixelsOf(main.Command1), face = exit.adjusted(2, 2, -2, -2);
    int best = 255, bestX = 0, bestY = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (const int m = mismatch(image, main.Command1.Picture, exit.topLeft() + QPoint(dx, dy), face); m < best) best = m, bestX = dx, bestY = dy;
    EXPECT_LE(best, 2) << "the exit face is drawn whole inside the button's edge";
    EXPECT_LE(std::abs(bestX), 1) << "and centred";
    EXPECT_LE(std::abs(bestY), 1);
    expectEdge(image, main.Command1, {white, light}, {darkShadow, shadow});

    Titlefrm& title = open<Titlefrm>();
    image = paintForm(title);
    const QRect inside = pixelsOf(title.Picture1).adjusted(2, 2, -2, -2);
    EXPECT_EQ(mismatch(image, title.Picture1.Picture, inside.topLeft(), inside), 0) << "the artwork inside the picture box's edge";
    expectEdge(image, title.Picture1, {shadow, darkShadow}, {white, light});

    phaseslab& moon = open<phaseslab>();
    image = paintForm(moon);
    for (int i : {0, 5}) EXPECT_EQ(mismatch(image, moon.Image1[i].picture(), pixelsOf(moon.Image1[i]).topLeft(), pixelsOf(moon.Image1[i])), 0) << i;
}

TEST_F(PaintTest, MenuEntriesAreBorderedBoxesOfCentredBoldYellowTextGreyedWhenDisabled) {
    menu2& menu = open<menu2>();
    menu.Label2[2].BackStyle = backStyle::opaque;  // as under the pointer
    menu.Label2[3].Visible = false;
    const QImage image = paintForm(menu);
    for (int i = 0; i < 5; ++i) {
        const Label& entry = menu.Label3[i];
        const QRect box = pixelsOf(entry).adjusted(2, 2, -2, -2);
        EXPECT_EQ(image.pixelColor(box.topLeft()), QColor(0, 0, 0)) << "a black box " << i;
        expectEdge(image, entry, {shadow, darkShadow}, {white, light});
        const Ink text = inkIn(image, box, yellow);
        EXPECT_EQ(text.count > 20, entry.Enabled) << "enabled entries in yellow " << i;
        EXPECT_EQ(inkIn(image, box, grey).count > 20, !entry.Enabled) << "disabled entries greyed " << i;
        if (entry.Enabled) {
            EXPECT_NEAR(text.bounds.center().x(), box.center().x(), 2) << i;
        }
    }
    EXPECT_GT(boldWeight(menu.Label3[2], yellow), 1.3) << "bold Tahoma is drawn heavier";

    const QRect lit = pixelsOf(menu.Label2[2]).adjusted(2, 2, -2, -2);
    EXPECT_EQ(image.pixelColor(lit.topLeft()), QColor(0, 0, 255)) << "the entry under the pointer is a blue box";
    EXPECT_GT(inkIn(image, lit, yellow).count, 20);
    for (int i : {1, 3}) {
        const QRect box = pixelsOf(menu.Label2[i]).adjusted(2, 2, -2, -2);
        EXPECT_EQ(mismatch(image, menu.Picture, {0, 0}, QRect(box.topLeft(), QSize(4, 4))), 0) << "transparent " << i;
        EXPECT_EQ(inkIn(image, box, yellow).count > 20, i == 1) << "a hidden entry is not painted " << i;
    }
    intro0& main = runtime.form<intro0>();
    const QRect notice = pixelsOf(main.Label3);
    const QImage withNotice = paintForm(main);
    main.Label3.Caption = "";
    const Ink words = differences(withNotice, paintForm(main), notice);
    EXPECT_GT(words.count, 30);
    EXPECT_LE(notice.right() - words.bounds.right(), 2) << "the notice is right-aligned";
    EXPECT_GT(words.bounds.left() - notice.left(), 20);
}

TEST_F(PaintTest, LabellingScreenPaintsBlackWithHiddenButtonsAndScoreLeftOutAndTheTitleWrapped) {
    weatherlab& planets = open<weatherlab>();
    const Label& checkScore = planets.Label3[LabellingScreen::checkScoreButton];
    QImage image = paintForm(planets);
    EXPECT_EQ(image.pixelColor(766, 40), QColor(0, 0, 0)) << "the black background";
    EXPECT_EQ(inkIn(image, pixelsOf(checkScore), yellow).count, 0) << "Check Score hidden at first";
    const Ink title = inkIn(image, pixelsOf(planets.Label7), yellow);
    EXPECT_GT(title.bounds.height(), 60) << "the long title wraps over three lines";
    for (int i = 0; i < planets.itemCount(); ++i) planets.Label2[i].Left = planets.Label1[i].Left, planets.Label2[i].Top = planets.Label1[i].Top;
    planets.Label3_Click(LabellingScreen::checkScoreButton);
    image = paintForm(planets);
    EXPECT_GT(inkIn(image, pixelsOf(planets.Label5), yellow).count, 200) << "the score line";
    EXPECT_GT(inkIn(image, pixelsOf(planets.Label3[LabellingScreen::exitButton]), yellow).count, 20);
}

class CaptionFit : public PaintTest, public ::testing::WithParamInterface<void (*)()> {};
template <class F>
void showScreen() { form<F>().Show(); }
INSTANTIATE_TEST_SUITE_P(Screens, CaptionFit,
                         ::testing::Values(showScreen<Titlefrm>, showScreen<intro0>, showScreen<menu1>, showScreen<menu2>, showScreen<menu3>,
                                           showScreen<menu4>, showScreen<menu5>, showScreen<phaseslab>, showScreen<weatherlab>));

TEST_P(CaptionFit, EveryCaptionFitsItsBoxInsideItsBorder) {
    runtime.dispatch(GetParam());
    const Form& screen = *runtime.visibleForms().back();
    std::vector<const Control*> controls(screen.stackOf(nullptr).begin(), screen.stackOf(nullptr).end());
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i]->kind() == ControlKind::Frame) std::ranges::copy(static_cast<const Frame*>(controls[i])->children(), std::back_inserter(controls));
    for (const Control* c : controls) {
        if (c->kind() != ControlKind::Label || static_cast<const Label*>(c)->Caption.empty()) continue;
        const auto& label = static_cast<const Label&>(*c);
        const QRect room = QRect(QPoint(0, 0), pixelsOf(label).size()).adjusted(0, 0, 0, 2) - (label.BorderStyle ? QMargins(2, 2, 2, 2) : QMargins());
        const QRect needed = QFontMetrics(toQFont(label.Font)).boundingRect(room, Qt::TextWordWrap, QString::fromStdString(label.Caption));
        EXPECT_TRUE(room.contains(needed)) << screen.name() << "." << label.name() << "(" << label.Index() << ") \"" << label.Caption << "\"";
    }
}

TEST_F(PaintTest, TheScreensFontsResolveToTheProgramsOwnFacesSizedInTwips) {
    const std::pair<Font, const char*> fonts[] = {
        {{"Tahoma", 18, true}, "tahoma"}, {{"Times New Roman", 26.25f, true}, "liberation serif"}, {{"Arial", 12, false}, "liberation sans"}};
    for (const auto& [font, family] : fonts) {
        const QRawFont raw = QRawFont::fromFont(toQFont(font));
        EXPECT_EQ(raw.familyName().toLower().toStdString(), family);
        EXPECT_EQ(raw.weight(), font.Bold ? QFont::Bold : QFont::Normal) << family;
        EXPECT_EQ(QFontInfo(toQFont(font)).pixelSize(), std::lround(font.Size * 20 / 15)) << family;
    }
}

}  // namespace
}  // namespace lumenary::testing
