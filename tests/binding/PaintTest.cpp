#include "WindowTest.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "qt/painting/QtFonts.h"
#include "qt/painting/QtSurface.h"
#include "qt/pictures/PictureVariants.h"
#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/FormChanges.h"
#include "runtime/controls/Label.h"
#include "runtime/painting/FormPainter.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPointingDevice>
#include <QRawFont>
#include <QScreen>
#include <QTest>

#include <filesystem>
#include <functional>

namespace lumenary::testing {
namespace {

const QColor shadow(128, 128, 128), darkShadow(64, 64, 64), light(227, 227, 227), white(255, 255, 255);

// The pixels the binding paints a control on, in the form's client area.
QRect pixelsOf(const Control& c, const TwipsMapping& m = {}) {
    const int x = m.toPixels(c.absoluteLeft()), y = m.toPixels(c.absoluteTop());
    return QRect(x, y, m.toPixels(c.absoluteLeft() + c.Width) - x, m.toPixels(c.absoluteTop() + c.Height) - y);
}

// Where the pixels of `area` that are ink lie, and how many there are.
struct Ink { QRect bounds; int count = 0; };
Ink inkIn(const QRect& area, const std::function<bool(QPoint)>& ink) {
    Ink found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink({x, y})) found.bounds |= QRect(x, y, 1, 1), ++found.count;
    return found;
}
Ink inkIn(const QImage& image, const QRect& area, bool (*colour)(QColor)) { return inkIn(area, [&](QPoint p) { return colour(image.pixelColor(p)); }); }
bool yellow(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; }
bool blue(QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; }
bool neutral(QColor c) { return std::abs(c.red() - c.green()) < 12 && std::abs(c.green() - c.blue()) < 12; }
bool grey(QColor c) { return neutral(c) && c.red() > 60 && c.red() < 170; }
bool black(QColor c) { return neutral(c) && c.red() < 60; }

// The colour of each ring of a control's edge, outermost first, at the middle of each side.
void expectEdge(const QImage& image, const Control& c, const std::vector<QColor>& topLeft, const std::vector<QColor>& bottomRight) {
    const QRect r = pixelsOf(c);
    for (int i = 0; i < int(topLeft.size()); ++i)
        for (const auto& [side, p] : {std::pair{"top", QPoint(r.center().x(), r.top() + i)}, {"left", QPoint(r.left() + i, r.center().y())},
                                      {"bottom", QPoint(r.center().x(), r.bottom() - i)}, {"right", QPoint(r.right() - i, r.center().y())}})
            EXPECT_EQ(image.pixelColor(p), *side == 't' || *side == 'l' ? topLeft[i] : bottomRight[i]) << c.name() << " " << side << ", ring " << i;
}

// The largest channel difference over `area` between the painting and a picture drawn with its
// top-left pixel at `at`.
int mismatch(const QImage& image, const Picture& picture, QPoint at, const QRect& area) {
    int worst = 0;
    const QImage source = asQImage(picture);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor a = image.pixelColor(x, y), b = source.pixelColor(x - at.x(), y - at.y());
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
        }
    return worst;
}

class PaintTest : public ScreenTest {
protected:
    PaintTest() { [[maybe_unused]] static const bool registered = (registerProgramFonts(LUMENARY_APP_DIR), true); }
    // How much more ink a label's text has in bold than in the regular face.
    static double boldWeight(Label& label, bool (*ink)(QColor)) {
        const int bold = inkIn(paintForm(label.form()), pixelsOf(label), ink).count;
        label.Font.Bold = false;
        const int regular = inkIn(paintForm(label.form()), pixelsOf(label), ink).count;
        label.Font.Bold = true;
        return double(bold) / regular;
    }
};

TEST_F(PaintTest, TitleTextsAreBlueCentredOnTheEtchedFrameButtonsRaisedWithCaptionsAndTheHeadingBold) {
    Titlefrm& title = open<Titlefrm>();
    title.Command2.Enabled = false;
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
    // The frame's own colour, and an etched edge whose top runs where a caption's middle would be.
    EXPECT_EQ(image.pixelColor(10, 200), frame);
    for (const QPoint p : {QPoint(0, 200), QPoint(200, 0), QPoint(363, 200), QPoint(5, 436)}) EXPECT_EQ(image.pixelColor(p), shadow) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 200), QPoint(200, 1), QPoint(5, 437)}) EXPECT_EQ(image.pixelColor(p), white) << p.x() << "," << p.y();
    for (const CommandButton* button : {&title.Command1, &title.Command2}) {
        const QRect face = pixelsOf(*button).adjusted(2, 2, -2, -2);
        expectEdge(image, *button, {white, light}, {darkShadow, shadow});
        EXPECT_EQ(image.pixelColor(face.topLeft() + QPoint(1, 1)), QColor(192, 192, 192)) << button->name();
        const Ink caption = inkIn(image, face.adjusted(3, 3, -3, -3), button->Enabled ? black : grey);
        EXPECT_GT(caption.count, 15) << button->name() << (button->Enabled ? " in black" : " greyed");
        EXPECT_LE((caption.bounds.center() - face.center()).manhattanLength(), 3) << button->name() << " centred";
        const Ink mark = inkIn(image, QRect(face.left() + 2, face.top() + 2, face.width() - 4, 1), black);
        EXPECT_EQ(mark.count > 15 && mark.count < face.width() - 15, button == title.focused()) << button->name() << ": a dotted mark when focused";
        if (button == title.focused()) {
            EXPECT_EQ(inkIn(image, face, black).bounds, pixelsOf(*button).adjusted(4, 4, -4, -4)) << "the mark two rings inside the edge, all round";
        }
    }
    const QImage big = paintForm(title, 2.0);
    const QRect heading = inkIn(image, pixelsOf(title.Label4), blue).bounds;
    EXPECT_NEAR(inkIn(big, pixelsOf(title.Label4, TwipsMapping{2.0}), blue).bounds.width(), 2 * heading.width(), 6) << "text at twice the size";
    const QRect exitFace = pixelsOf(title.Command2, TwipsMapping{2.0}).adjusted(10, 10, -10, -10);
    EXPECT_LE((inkIn(big, exitFace, grey).bounds.center() - exitFace.center()).manhattanLength(), 4) << "a caption stays centred";
}

TEST_F(PaintTest, PicturesArePaintedWhereTheirControlsAreAndButtonFacesCentred) {
    intro0& main = open<intro0>();
    QImage image = paintForm(main);
    EXPECT_EQ(mismatch(image, main.Picture, {0, 0}, QRect(150, 420, 100, 40)), 0) << "the background picture from the corner";
    const QRect logo = pixelsOf(main.Image2);
    EXPECT_EQ(mismatch(image, main.Image2.picture(), logo.topLeft(), logo), 0) << "the logo in its place";
    const QRect exit = pixelsOf(main.Command1), face = exit.adjusted(2, 2, -2, -2);
    int best = 255;
    QPoint offset;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (const int m = mismatch(image, main.Command1.Picture, exit.topLeft() + QPoint(dx, dy), face); m < best) best = m, offset = {dx, dy};
    EXPECT_LE(best, 2) << "the exit face is drawn whole inside the button's edge";
    EXPECT_EQ(offset, QPoint(1, 1)) << "centred as a pressed-in picture is, a pixel right of and below the middle";
    expectEdge(image, main.Command1, {white, light}, {darkShadow, shadow});
    main.Picture = main.Command1.Picture;  // opaque, and smaller than the screen
    EXPECT_EQ(paintForm(main).pixelColor(700, 300), QColor(49, 135, 215)) << "the screen's colour beyond its background picture";

    Titlefrm& title = open<Titlefrm>();
    image = paintForm(title);
    const QRect inside = pixelsOf(title.Picture1).adjusted(2, 2, -2, -2);
    EXPECT_EQ(mismatch(image, title.Picture1.Picture, inside.topLeft(), inside), 0) << "the artwork inside the picture box's edge";
    expectEdge(image, title.Picture1, {shadow, darkShadow}, {white, light});

    LabellingScreen& planets = open(weatherlab);
    image = paintForm(planets);
    EXPECT_EQ(image.pixelColor(766, 40), QColor(0, 0, 0)) << "the black background";
    platform.draws.push_back(0.5f);
    QuestionScreen& meter = open(newtonmeter);
    const QImage question = paintForm(meter);
    EXPECT_EQ(question.pixelColor(785, 5), QColor(39, 63, 137)) << "the question screens' blue";
    expectEdge(question, meter.Label3[QuestionScreen::answerButton], {shadow, darkShadow}, {white, light});
    for (int i : {0, 5}) EXPECT_EQ(mismatch(image, planets.Image1[i].picture(), pixelsOf(planets.Image1[i]).topLeft(), pixelsOf(planets.Image1[i])), 0) << i;
}

TEST_F(PaintTest, MenuEntriesAreBorderedBoxesOfCentredBoldYellowTextGreyedWhenDisabledAndHiddenOnesLeftOut) {
    TopicMenu& menu = open(menu2);
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
        EXPECT_TRUE(!entry.Enabled || std::abs(text.bounds.center().x() - box.center().x()) <= 2) << "centred " << i;
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
    const QImage without = paintForm(main);
    const Ink words = inkIn(notice, [&](QPoint p) { return withNotice.pixel(p) != without.pixel(p); });
    EXPECT_LE(notice.right() - words.bounds.right(), 2) << "the notice is right-aligned";
    EXPECT_GT(words.bounds.left() - notice.left(), 20);

    LabellingScreen& planets = open(weatherlab);
    expectEdge(paintForm(planets), planets.Label1[0], {shadow, darkShadow}, {white, light});  // an empty target's outline
    for (const Label* box : {&planets.Label2[0], &planets.Label3[LabellingScreen::exitButton]})
        EXPECT_GT(inkIn(paintForm(planets), pixelsOf(*box).adjusted(2, 2, -2, -2), yellow).count, 20) << box->name() << " in yellow";
    EXPECT_GT(inkIn(paintForm(planets), pixelsOf(planets.Label7), yellow).bounds.height(), 60) << "the long title wraps over three lines";
    for (int i = 0; i < planets.itemCount(); ++i) planets.Label2[i].Left = planets.Label1[i].Left, planets.Label2[i].Top = planets.Label1[i].Top;
    planets.Label3_Click(LabellingScreen::checkScoreButton);
    EXPECT_GT(inkIn(paintForm(planets), pixelsOf(planets.Label5), yellow).count, 200) << "the score line";
}

// Bold Tahoma's second pass lies one design pixel to the right of the first: one device pixel at
// the design size, two at twice it. Any ink counts, so the edges of both passes are seen whole.
TEST_F(PaintTest, BoldTahomasSecondPassLiesOneDesignPixelToTheRight) {
    for (const int scale : {1, 2}) {
        const auto inkOf = [&](bool nudge) {
            QImage image(400, 100, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            QtSurface(painter).text({"Tahoma", 12, true}, colors::yellow, {10, 10, 380, 80}, scale, TextAlign::Left, false, nudge, "Moon");
            painter.end();
            return inkIn(image, image.rect(), [](QColor c) { return c != QColor(Qt::black); }).bounds;
        };
        const QRect once = inkOf(false);
        EXPECT_EQ(inkOf(true), once.adjusted(0, 0, scale, 0)) << "at scale " << scale;
    }
}

struct RingCase { const char* name; Form& (*open)(); double scale; };
const RingCase ringCases[] = {{"OnBlackMoonScreen", []() -> Form& { return shownNamed(phaseslab); }, 1}, {"OnBlueMenu", []() -> Form& { return shownNamed(menu2); }, 1}, {"OnQuestionScreenScaled", []() -> Form& { return shownNamed(newtonmeter); }, 2}};
class FocusRing : public PaintTest, public ::testing::WithParamInterface<RingCase> {};
INSTANTIATE_TEST_SUITE_P(Screens, FocusRing, ::testing::ValuesIn(ringCases), [](const auto& info) { return info.param.name; });

TEST_P(FocusRing, AfterTabAWhiteRingWithABlackOneInsideSurroundsTheFocusAndTheDamageCoversOldAndNewPlaces) {
    platform.draws.push_back(0.5f);
    Form* s = nullptr;
    runtime.dispatch([&] { s = &GetParam().open(); });
    ASSERT_TRUE(s);
    const TwipsMapping m{GetParam().scale};
    const int unit = static_cast<int>(GetParam().scale);
    const QImage mouseUser = paintForm(*s, m.scale);
    s->keyPress(Key::Tab);
    const QImage keyboardUser = paintForm(*s, m.scale);
    const Control& focused = *s->focused();
    const int reach = 3 * unit;  // a black ring one unit wide, a white one two
    const QRect r = pixelsOf(focused, m), ring = r.adjusted(-reach, -reach, reach, reach);
    const Ink changed = inkIn(keyboardUser.rect(), [&](QPoint p) { return keyboardUser.pixel(p) != mouseUser.pixel(p); });
    EXPECT_EQ(changed.bounds, ring) << "no ring before a key is pressed, and only the ring after";
    for (int out = 1; out <= reach; ++out) {
        const QColor expected = out <= unit ? Qt::black : Qt::white;
        for (QPoint p : {QPoint(r.center().x(), r.top() - out), QPoint(r.left() - out, r.center().y()),
                         QPoint(r.center().x(), r.bottom() + out), QPoint(r.right() + out, r.center().y())})
            EXPECT_EQ(keyboardUser.pixelColor(p), expected) << out << " pixels out";
    }
    FormChanges changes;
    changes.since(*s);
    s->keyPress(Key::Tab);
    const QRegion repainted = QtSurface::toQRegion(FormPainter::changedArea(changes.since(*s), m));
    const QRect next = pixelsOf(*s->focused(), m).adjusted(-reach, -reach, reach, reach);
    EXPECT_EQ(repainted, QRegion(ring.adjusted(-1, -1, 1, 1)) + next.adjusted(-1, -1, 1, 1))
        << "the old ring's place and the new one's are repainted, and a pixel round them for smoothing";
}

class CaptionFit : public PaintTest, public ::testing::WithParamInterface<ScreenKind> {};
INSTANTIATE_TEST_SUITE_P(Screens, CaptionFit, ::testing::ValuesIn(everyScreen()), [](const auto& info) { return info.param.name; });

TEST_P(CaptionFit, EveryCaptionFitsItsBoxInsideItsBorder) {
    platform.draws.assign(10, 0.5f);  // for a question screen's pick
    runtime.dispatch(GetParam().show);
    for (const Control* c : runtime.visibleForms().back()->everyControl()) {
        const auto* label = c->kind() == ControlKind::Label ? static_cast<const Label*>(c) : nullptr;
        if (!label || label->Caption.empty()) continue;
        const QRect room = QRect(QPoint(0, 0), pixelsOf(*label).size()).adjusted(0, 0, 0, 2) - (label->BorderStyle ? QMargins(2, 2, 2, 2) : QMargins());
        const QRect needed = QFontMetrics(toQFont(label->Font)).boundingRect(room, Qt::TextWordWrap, QString::fromStdString(label->Caption));
        EXPECT_TRUE(room.contains(needed)) << label->name() << "(" << label->Index() << ") \"" << label->Caption << "\"";
    }
}

TEST_F(PaintTest, TheScreensFontsResolveToTheProgramsOwnFacesSizedInTwips) {
    // A point is 20 twips and a design pixel 15.
    const std::tuple<Font, const char*, int> fonts[] = {{{"Tahoma", 18, true}, "tahoma", 24},
                                                         {{"Times New Roman", 26.25f, true}, "liberation serif", 35},
                                                         {{"Arial", 12, false}, "liberation sans", 16},
                                                         {{"Tahoma", 8.25f, false}, "tahoma", 11}};
    for (const auto& [font, family, pixels] : fonts) {
        const QRawFont raw = QRawFont::fromFont(toQFont(font));
        EXPECT_EQ(raw.familyName().toLower().toStdString(), family);
        EXPECT_EQ(raw.weight(), font.Bold ? QFont::Bold : QFont::Normal) << family;
        EXPECT_EQ(QFontInfo(toQFont(font)).pixelSize(), pixels) << family << " " << font.Size;
    }
}

using FullScreen = ClassroomDisplay;

struct Fit { TwipsSize client; QSize display; double scale, offsetX, offsetY; };
// On a wide display the height decides the scale, on a tall one the width; the rest is margin,
// rounded down to whole pixels.
const Fit fits[] = {
    {{11880, 8490}, {1920, 1080}, 1080.0 / 566, 204, 0},
    {{11880, 8490}, {1584, 2001}, 2.0, 0, 434},
    {{11880, 8490}, {1901, 1359}, 1901.0 / 792, 0, 0},
    {{5460, 6570}, {1921, 1080}, 1080.0 / 438, 511, 0},
};

class Fitting : public ::testing::TestWithParam<Fit> {};
INSTANTIATE_TEST_SUITE_P(Displays, Fitting, ::testing::ValuesIn(fits));

TEST_P(Fitting, FullScreenFitsTheScreenUniformlyCentredOnWholePixels) {
    const Fit& fit = GetParam();
    const TwipsMapping mapping = TwipsMapping::fitting(fit.client, fit.display.width(), fit.display.height());
    EXPECT_NEAR(mapping.scale, fit.scale, 1e-9);
    EXPECT_EQ(std::pair(mapping.offsetX, mapping.offsetY), std::pair(fit.offsetX, fit.offsetY));
}

class MoonRound : public ClassroomDisplay, public ::testing::WithParamInterface<bool> {};

// Six labels on their own targets, two swapped, several let go off-centre inside a snap zone:
// the same snaps and the same score whether the screen is a window or fills a projector.
TEST_P(MoonRound, SnapsAndScoresTheSameInTheWindowAndFullScreen) {
    LabellingScreen& moon = open(phaseslab, GetParam());
    FormWindow& window = windowOf(moon);
    EXPECT_NEAR(window.mapping().scale, GetParam() ? 2.4 : 1.0, 0.01);
    const int targetOf[] = {0, 1, 2, 3, 4, 5, 7, 6};
    for (int i = 0; i < 8; ++i) {
        const Label& target = moon.Label1[targetOf[i]];
        drag(window, centre(moon.Label2[i]), centre(target) + QPointF(i % 2 ? 300 : -300, i % 3 ? 120 : -90));
        EXPECT_EQ(std::tuple(moon.Label2[i].Left, moon.Label2[i].Top), std::tuple(target.Left, target.Top)) << i;
    }
    ASSERT_TRUE(moon.Label3[LabellingScreen::checkScoreButton].Visible);
    drag(window, centre(moon.Label3[LabellingScreen::checkScoreButton]), centre(moon.Label3[LabellingScreen::checkScoreButton]));
    EXPECT_EQ(moon.Label5.Caption, "6 out of 8 correct");

    // Only what changed was repainted, and that was enough: what the window holds now is the
    // whole screen painted afresh, with no trail of a label's old place (smoothing at the edge
    // of a repainted area may differ by a shade).
    const QImage afresh = paintForm(moon, window.mapping().scale);
    const QImage held = window.screen()->grabWindow(window.winId()).toImage();
    int differing = 0;
    for (int y = 0; y < afresh.height(); ++y)
        for (int x = 0; x < afresh.width(); ++x) differing += !near(held.pixelColor(x, y), afresh.pixelColor(x, y), 8);
    EXPECT_EQ(differing, 0);
}
INSTANTIATE_TEST_SUITE_P(WindowAndFullScreen, MoonRound, ::testing::Bool());

TEST_F(FullScreen, FullScreenHoldsForScreensOpenedLaterAndF11OrEscReturnsToTheWindowOnceNoLabelIsCarried) {
    intro0& menu = open<intro0>(false);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), windowOf(menu).geometry()), std::tuple(true, QRect(0, 0, 1901, 1359)));
    runtime.dispatch([] { screen(phaseslab).Show(); });
    windows.sync();
    EXPECT_TRUE(windowOf(screen(phaseslab)).isFullScreen()) << "a screen opened meanwhile opens full screen";
    FormWindow& board = windowOf(screen(phaseslab));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board)) << "the screen in front has the keyboard";
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Right}) QTest::keyClick(&board, key);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(&board, &held);
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), screen(phaseslab).isCarrying()), std::tuple(true, false))
        << "Esc first puts back the label the keyboard carries, which a held Enter did not put down";
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), windowOf(menu).size(), windowOf(menu).mapping().scale), std::tuple(false, QSize(792, 566), 1.0));
    runtime.dispatch([] { Unload(screen(phaseslab)); });
    windows.sync();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windowOf(menu)));
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_FALSE(windows.isFullScreen());
}

TEST_F(FullScreen, EdgesAreWholeDevicePixelsOnADenseDisplay) {
    intro0& menu = open<intro0>(false);
    const Label& entry = menu.Label2[0];
    const QImage dense = paintForm(menu, 1.0, 2.0);
    const int row = static_cast<int>((entry.Top + entry.Height / 2) / 15 * 2);
    const int left = static_cast<int>(entry.Left / 15 * 2);
    const QColor rings[] = {QColor(128, 128, 128), QColor(128, 128, 128), QColor(64, 64, 64), QColor(64, 64, 64)};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dense.pixelColor(left + i, row), rings[i]) << "device column " << i;
    const QImage projector = paintForm(menu, 2.4);
    const int scaledLeft = static_cast<int>(std::lround(entry.Left / 15 * 2.4));
    const int scaledRow = static_cast<int>((entry.Top + entry.Height / 2) / 15 * 2.4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(projector.pixelColor(scaledLeft + i, scaledRow), rings[i]) << "scaled column " << i;
}

// A control paints inside its own box, and a frame's child inside the frame as well: a text too
// large for its label, and a child reaching past its frame, leave the screen around them alone.
TEST_F(PaintTest, EachControlPaintsOnlyInsideItsBoxAndItsFrame) {
    LogForm& form = runtime.form<LogForm>();
    form.Width = 6000, form.Height = 5000;
    form.BackColor = colors::white;
    Frame& frame = form.place<Frame>("frame", 1500, 1500, 3000, 1500);
    form.place<Label>("child", 1500, 750, 3000, 1500, &frame).BackColor = colors::black;
    Label& big = form.place<Label>("big", 300, 300, 600, 300);
    big.BackStyle = backStyle::transparent;
    big.Font = {"Tahoma", 72, true};
    big.Caption = "WWW";
    const QImage image = paintForm(form);
    const QRect frameBox(100, 100, 200, 100), bigBox(20, 20, 40, 20);
    const Ink outside = inkIn(image.rect(), [&](QPoint p) {
        return !frameBox.contains(p) && !bigBox.contains(p) && image.pixelColor(p) != QColor(Qt::white);
    });
    EXPECT_EQ(outside.count, 0) << "painted out to " << outside.bounds.x() << ", " << outside.bounds.y() << ", "
                                << outside.bounds.right() << ", " << outside.bounds.bottom();
    EXPECT_EQ(image.pixelColor(frameBox.bottomRight()), QColor(Qt::black)) << "the child up to the frame's corner";
    EXPECT_GT(inkIn(image, bigBox, black).count, 100) << "the text inside its box";
}

// A background picture wider and taller than the screen, and a label beyond its corner, stay
// inside the client area: the margins around it are black, and they cover no part of the screen.
TEST_F(FullScreen, NothingIsPaintedBeyondTheClientArea) {
    LogForm& form = runtime.form<LogForm>();
    form.Width = 12000, form.Height = 9000;  // 11880 x 8490 twips inside the frame
    form.Picture = Picture(1000, 700, std::vector<std::uint32_t>(1000 * 700, 0xff00ff00u), "wide");
    form.place<Label>("beyond", 11000, 8000, 3000, 3000).BackColor = colors::black;
    QImage image(2200, 1600, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QtSurface surface(painter);
    FormPainter formPainter(surface, TwipsMapping{2.4, 100, 50});
    formPainter.paintMargins(form, image.width(), image.height());
    formPainter.paint(form);
    painter.end();
    const QRect client(100, 50, 1901, 1358);
    int beyond = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) beyond += !client.contains(x, y) && image.pixelColor(x, y) != QColor(Qt::black);
    EXPECT_EQ(beyond, 0);
    for (const QPoint corner : {client.topLeft(), client.topRight(), client.bottomLeft()})
        EXPECT_EQ(image.pixelColor(corner), QColor(0, 255, 0)) << "the picture to the corner " << corner.x() << ", " << corner.y();
    EXPECT_EQ(image.pixelColor(client.bottomRight()), QColor(0, 0, 0)) << "the label up to the edge";
}

using TouchAndMouse = ClassroomDisplay;

// The window system's double-click arrives as the pointer rules' second press: one Click.
TEST_F(TouchAndMouse, ADoubleClickArrivesAsOneClick) {
    intro0& menu = open<intro0>(false);
    FormWindow& window = windowOf(menu);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at(window, centre(menu.Label2[intro0::webAddressEntry])));
    EXPECT_EQ(platform.shellCalls.size(), 1u) << "the browser opens once";
}

TEST_F(TouchAndMouse, ThePointerWithNoButtonHeldLightsWhatItCrosses) {
    intro0& menu = open<intro0>(false);
    FormWindow& window = windowOf(menu);
    // Through the window system, which passes on a move with no button held only to a window that asks for them.
    QTest::mouseMove(window.windowHandle(), at(window, centre(menu.Label2[0])));
    EXPECT_EQ(menu.Label2[0].BackStyle, backStyle::opaque);
}

// A finger's touches arrive as the left button's, and a touch the system takes back as a cancel.
TEST_F(TouchAndMouse, AFingerDragsAndTapsAndATouchTakenBackLetsGo) {
    LabellingScreen& moon = open(phaseslab, true);
    FormWindow& window = windowOf(moon);
    static QPointingDevice* const screen = QTest::createTouchDevice();  // Qt keeps it registered for the process
    const auto point = [&](QPointF twips) { return at(window, twips); };
    const QPointF from = centre(moon.Label2[6]), to = centre(moon.Label1[6]);
    QTest::touchEvent(&window, screen).press(0, point(from));
    QTest::touchEvent(&window, screen).move(0, point(to));
    QTest::touchEvent(&window, screen).release(0, point(to));
    EXPECT_EQ(std::tuple(moon.Label2[6].Left, moon.Label2[6].Top), std::tuple(moon.Label1[6].Left, moon.Label1[6].Top));

    const QPointF other = centre(moon.Label2[5]), left = other + QPointF(0, -1500);
    QTest::touchEvent(&window, screen).press(1, point(other));
    QTest::touchEvent(&window, screen).move(1, point(left));
    QTouchEvent cancel(QEvent::TouchCancel, screen);
    QApplication::sendEvent(&window, &cancel);
    EXPECT_NEAR(moon.Label2[5].Top + moon.Label2[5].Height / 2, left.y(), 20);

    const QPoint exit = point(centre(moon.Label3[LabellingScreen::exitButton]));
    QTest::touchEvent(&window, screen).press(2, exit);
    QTest::touchEvent(&window, screen).release(2, exit);
    EXPECT_EQ(runtime.loaded("phaseslab"), nullptr) << "a tap on Exit is a click";
}

using SharperVariants = ClassroomDisplay;

TEST_F(SharperVariants, ScaledUpPicturesComeFromTheirSharperVariantsWhileTheyMatch) {
    ProgramFolderCopy copy;
    namespace fs = std::filesystem;
    const auto save = [&](int width, int height, QColor colour, const char* path) {
        QImage marked(width, height, QImage::Format_RGB32);
        marked.fill(colour);
        ASSERT_TRUE(marked.save(QString::fromStdString((copy.path() / path).string())));
    };
    fs::remove(copy.path() / "Images/phases2@3x.jpg");
    save(154 * 3, 117 * 3, QColor(0, 200, 0), "Images/phases3@3x.jpg");
    save(154 * 2, 117 * 2, QColor(0, 0, 200), "Images/phases3@2x.jpg");
    save(154 * 3, 117 * 3, QColor(0, 200, 0), "Images/phases5@3x.jpg");
    const fs::path phases5 = copy.path() / "Images/phases5.jpg";
    fs::last_write_time(phases5, fs::last_write_time(copy.path() / "Images/phases5@3x.jpg") + std::chrono::hours(1));
    platform.folder = copy.path();
    LabellingScreen& moon = open(phaseslab, false);
    PictureVariants variants(copy.path());

    const QImage scaled = paintForm(moon, 2.4, 1.0, &variants);
    // The middle of a Moon picture painted at a scale.
    const auto middleOf = [&](const QImage& painted, int picture, double scale) {
        const Image& image = moon.Image1[picture];
        return painted.pixelColor(static_cast<int>((image.Left + image.Width / 2) / 15 * scale),
                                  static_cast<int>((image.Top + image.Height / 2) / 15 * scale));
    };
    EXPECT_TRUE(near(middleOf(scaled, 3, 2.4), QColor(0, 200, 0))) << "drawn from its variant three times the size";
    EXPECT_FALSE(near(middleOf(scaled, 5, 2.4), QColor(0, 200, 0))) << "a variant older than its picture is stale";
    EXPECT_TRUE(near(middleOf(scaled, 4, 2.4), QColor(200, 200, 200), 60)) << "the Full Moon, scaled from the original";
    EXPECT_FALSE(near(middleOf(paintForm(moon, 1.0, 1.0, &variants), 3, 1.0), QColor(0, 200, 0))) << "at the design size the picture itself";
    EXPECT_TRUE(near(middleOf(paintForm(moon, 1.8, 1.0, &variants), 3, 1.8), QColor(0, 0, 200))) << "up to twice the size, the double one";
    EXPECT_TRUE(near(middleOf(paintForm(moon, 4.0, 1.0, &variants), 3, 4.0), QColor(0, 200, 0))) << "beyond three times, the largest";

    // Kept reduced to the size it is painted at, the variant paints as the whole of it would:
    // as sharp, never reduced further. The reader's reduction and the painter's smoothing differ
    // by a few shades at the Moon's edge; a picture reduced twice over would differ far more.
    const TwipsMapping projector{2.4};
    const Image& newMoon = moon.Image1[0];
    const QPoint topLeft(projector.toPixelX(newMoon.Left), projector.toPixelY(newMoon.Top));
    const QPoint end(projector.toPixelX(newMoon.Left + newMoon.Width), projector.toPixelY(newMoon.Top + newMoon.Height));
    QImage whole(QSize((end - topLeft).x(), (end - topLeft).y()), QImage::Format_RGB32);
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(whole.rect(), QImage(QString::fromStdString((copy.path() / "Images/phases0@3x.jpg").string())));
    int worst = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) worst += !near(whole.pixelColor(x, y), scaled.pixelColor(topLeft + QPoint(x, y)), 40);
    EXPECT_EQ(worst, 0);

    // What is kept is reduced to the painted size only where that is smaller both ways; it is
    // never enlarged beyond the variant's own 462 x 351.
    const Picture& newMoonPicture = newMoon.picture();
    ASSERT_EQ(QSize(newMoonPicture.width(), newMoonPicture.height()), QSize(154, 117));
    EXPECT_EQ(variants.sharpest(newMoonPicture, {300, 200}).size(), QSize(300, 200));
    EXPECT_EQ(variants.sharpest(newMoonPicture, {300, 400}).size(), QSize(462, 351));
    EXPECT_EQ(variants.sharpest(newMoonPicture, {500, 300}).size(), QSize(462, 351));

    // What is kept of a variant goes with its picture, once the next one is read.
    QImage exitFace;
    {
        const Picture exit = LoadPicture("Images\\exit.jpg");
        exitFace = variants.sharpest(exit, {exit.width() * 2, exit.height() * 2});
        ASSERT_FALSE(exitFace.isNull());
        EXPECT_FALSE(exitFace.isDetached()) << "kept while the exit face is";
    }
    variants.sharpest(newMoonPicture, {301, 201});
    EXPECT_TRUE(exitFace.isDetached()) << "let go with the exit face";

    // A copy drawn at exactly the painted size comes first: the background at 1920 x 1080.
    const QColor red(200, 0, 0);
    save(1527, 1145, red, "Images/tessil3@1527x1145.jpg");
    const intro0& menu = open<intro0>(false);
    const double fullHd = TwipsMapping::fitting(menu.clientSize(), 1920, 1080).scale;
    EXPECT_TRUE(near(paintForm(menu, fullHd, 1.0, &variants).pixelColor(5, 5), red)) << "the main menu full screen at 1920 x 1080";
    EXPECT_FALSE(near(paintForm(menu, 1.9, 1.0, &variants).pixelColor(5, 5), red)) << "at any other size, a larger copy reduced";
}

}  // namespace
}  // namespace lumenary::testing
