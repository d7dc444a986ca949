#include "WindowTest.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "qt/painting/QtFonts.h"
#include "qt/pictures/PictureVariants.h"
#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/FormChanges.h"
#include "runtime/controls/Label.h"
#include "runtime/language/Translation.h"
#include "activities/labelling/LabellingScreen.h"
#include "activities/questions/QuestionScreen.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPointingDevice>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextLayout>

#include <array>
#include <iostream>
#include <filesystem>

namespace lumenary::testing {
namespace {

const QColor shadow(128, 128, 128), darkShadow(64, 64, 64), light(227, 227, 227), white(255, 255, 255), frame(239, 239, 239),
    face(192, 192, 192), black(0, 0, 0), grey(128, 128, 128), blue(0, 0, 255), yellow(255, 255, 0);

// The pixels the binding paints a control on, in the form's client area.
QRect pixelsOf(const Control& c, const TwipsMapping& m = {}) {
    const int x = m.toPixels(c.absoluteLeft()), y = m.toPixels(c.absoluteTop());
    return QRect(x, y, m.toPixels(c.absoluteLeft() + c.Width) - x, m.toPixels(c.absoluteTop() + c.Height) - y);
}

// The middles of the top, left, bottom and right sides of `r`, `in` pixels inside it (outside when negative).
std::array<QPoint, 4> sides(const QRect& r, int in) {
    return {QPoint(r.center().x(), r.top() + in), {r.left() + in, r.center().y()}, {r.center().x(), r.bottom() - in}, {r.right() - in, r.center().y()}};
}

// Both rings of a control's edge, outermost first: a raised one light at its top and left, a sunken one at its bottom and right.
void expectEdge(const QImage& image, const Control& c, bool raised) {
    const QColor lit[] = {white, light}, dark[] = {raised ? darkShadow : shadow, raised ? shadow : darkShadow};
    for (int ring : {0, 1})
        for (int side = 0; side < 4; ++side)
            EXPECT_EQ(image.pixelColor(sides(pixelsOf(c), ring)[side]), (side < 2) == raised ? lit[ring] : dark[ring]) << c.name() << " side " << side << ", ring " << ring;
}

// How many pixels of `area` differ by more than `tolerance` from a picture drawn with its top-left pixel at `at`.
int differing(const QImage& image, const Picture& picture, QPoint at, const QRect& area, int tolerance = 0) {
    const QImage source = asQImage(picture);
    return inkIn(area, [&](QPoint p) { return !near(image.pixelColor(p), source.pixelColor(p - at), tolerance); }).count;
}
int differing(const QImage& image, const Picture& picture, const QRect& area) { return differing(image, picture, area.topLeft(), area); }

class PaintTest : public ScreenTest {
protected:
    PaintTest() { [[maybe_unused]] static const bool registered = (registerProgramFonts(LUMENARY_APP_DIR), true); }
    // One of the program's screens, shown as a handler shows it.
    Form& shownScreen(std::string_view name) {
        platform.draws.assign(10, 0.5f);  // a question screen's pick
        runtime.dispatch(shows(name));
        return *runtime.visibleForms().back();
    }
};

enum class Edge { none, raised, sunken };
// How a control is painted: its edge; the colour three pixels in from its corner; its text's colour,
// how many pixels of that ink it has at least and how far their middle may lie from the box's.
// The control is under the pointer, and rows in grey show it disabled.
struct Look { const char* screen; const char* control; int index; Edge edge; QColor inside, text; int ink, offCentre; };
const Look looks[] = {
    {"Titlefrm",    "Label4",   -1, Edge::none,   frame, blue,   40, 2},  // the heading
    {"Titlefrm",    "Label3",   -1, Edge::none,   frame, blue,   40, 2},
    {"Titlefrm",    "Label2",   -1, Edge::none,   frame, blue,   40, 2},
    {"Titlefrm",    "Command1", -1, Edge::raised, face,  black,  15, 3},  // a button's caption is centred both ways
    {"Titlefrm",    "Command2", -1, Edge::raised, face,  grey,   15, 3},
    {"Titlefrm",    "Picture1", -1, Edge::sunken, {},    {},     0,  0},
    {"intro0",      "Command1", -1, Edge::raised, {},    {},     0,  0},  // the exit face picture
    {"menu2",       "Label3",    0, Edge::sunken, black, grey,   20, 2},  // the menu's entries, two with no activity yet
    {"menu2",       "Label3",    1, Edge::sunken, black, grey,   20, 2},
    {"menu2",       "Label3",    2, Edge::sunken, black, yellow, 20, 2},
    {"menu2",       "Label3",    3, Edge::sunken, black, yellow, 20, 2},
    {"menu2",       "Label3",    4, Edge::sunken, black, grey,   20, 2},
    {"menu2",       "Label2",    2, Edge::none,   blue,  yellow, 20, 2},  // lit under the pointer
    {"weatherlab",  "Label1",    0, Edge::sunken, black, {},     0,  0},  // an empty target
    {"weatherlab",  "Label2",    0, Edge::sunken, black, yellow, 20, 2},
    {"weatherlab",  "Label3",   LabellingScreen::exitButton, Edge::sunken, black, yellow, 20, 2},
    {"newtonmeter", "Label3",   QuestionScreen::answerButton, Edge::sunken, black, yellow, 20, 2},
};
class Looks : public PaintTest, public ::testing::WithParamInterface<Look> {};
INSTANTIATE_TEST_SUITE_P(Controls, Looks, ::testing::ValuesIn(looks),
                         [](const auto& info) { return std::string(info.param.screen) + info.param.control + std::to_string(std::max(info.param.index, 0)); });

TEST_P(Looks, EdgeBackgroundAndTextAreThoseOfItsKindWithTheTextCentredInItsColour) {
    const Look& look = GetParam();
    Form& form = shownScreen(look.screen);
    Control& c = form.controlNamed(look.control, look.index);
    hover(c);
    if (look.text == grey) c.Enabled = false;
    const QImage image = paintForm(form);
    const QRect box = pixelsOf(c), inside = look.edge == Edge::none ? box : box.adjusted(2, 2, -2, -2);
    if (look.edge != Edge::none) expectEdge(image, c, look.edge == Edge::raised);
    EXPECT_TRUE(!look.inside.isValid() || image.pixelColor(box.topLeft() + QPoint(3, 3)) == look.inside) << image.pixelColor(box.topLeft() + QPoint(3, 3)).name().toStdString();
    if (!look.text.isValid()) return;
    const Ink text = inkIn(image, inside, look.text);
    EXPECT_GT(text.count, look.ink);
    const bool faint = c.kind() == ControlKind::CommandButton && !c.Enabled;  // thin grey on grey, a shade short of its colour
    EXPECT_GT(inkIn(image, inside, look.text, faint).count, 0) << "some pixels in the pure colour";
    QPoint offCentre = text.bounds.center() - inside.center();
    if (look.edge != Edge::raised) offCentre.setY(0);
    EXPECT_LE(offCentre.manhattanLength(), look.offCentre);
    if (c.kind() != ControlKind::CommandButton) return;
    // A dotted mark two rings inside the edge of the button with the focus.
    const int dots = inkIn(image, QRect(box.left() + 4, box.top() + 4, box.width() - 8, 1), black).count;
    const bool focused = &c == form.focused();
    EXPECT_EQ(dots > 15 && dots < box.width() - 19, focused) << dots << " dots";
    EXPECT_EQ(inkIn(image, inside, black).bounds == box.adjusted(4, 4, -4, -4), focused);
}

TEST_F(PaintTest, ScreensHaveTheirColoursAndTheTitleFramesEtchedEdgeRunsWhereACaptionsMiddleWouldBe) {
    const struct { const char* screen; QPoint at; QColor colour; } spots[] = {
        {"Titlefrm", {10, 200}, frame},  {"Titlefrm", {0, 200}, shadow}, {"Titlefrm", {200, 0}, shadow}, {"Titlefrm", {363, 200}, shadow},
        {"Titlefrm", {5, 436}, shadow},  {"Titlefrm", {1, 200}, white},  {"Titlefrm", {200, 1}, white},  {"Titlefrm", {5, 437}, white},
        {"weatherlab", {766, 40}, black}, {"newtonmeter", {785, 5}, QColor(39, 63, 137)},
    };
    for (const auto& [screen, at, colour] : spots) EXPECT_EQ(paintForm(shownScreen(screen)).pixelColor(at), colour) << screen << " " << at.x() << "," << at.y();
    EXPECT_EQ(paintForm(shownScreen("Titlefrm")).size(), QSize(364, 438));
}

TEST_F(PaintTest, TextHangsAlignsBoldensWrapsAndScalesAsItsLabelSays) {
    Titlefrm& title = open<Titlefrm>();
    title.Command2.Enabled = false;
    const QRect heading = inkIn(paintForm(title), pixelsOf(title.Label4), blue).bounds;
    EXPECT_LT(heading.top() - pixelsOf(title.Label4).top(), 12) << "the heading hangs from the top";
    const QImage big = paintForm(title, 2.0);
    EXPECT_NEAR(inkIn(big, pixelsOf(title.Label4, TwipsMapping{2.0}), blue).bounds.width(), 2 * heading.width(), 6) << "text at twice the size";
    const QRect exitFace = pixelsOf(title.Command2, TwipsMapping{2.0}).adjusted(10, 10, -10, -10);
    EXPECT_LE((inkIn(big, exitFace, grey).bounds.center() - exitFace.center()).manhattanLength(), 4) << "a caption stays centred";

    // Bold text has more ink than regular: the heading, and a menu entry's Tahoma drawn heavier still.
    for (const auto& [label, ink, heavier] : {std::tuple{&title.Label4, blue, 1.2}, {&open(menu2).Label3[2], yellow, 1.3}}) {
        const int bold = inkIn(paintForm(label->form()), pixelsOf(*label), ink).count;
        label->Font.Bold = false;
        EXPECT_GT(double(bold) / inkIn(paintForm(label->form()), pixelsOf(*label), ink).count, heavier) << label->name();
    }
    intro0& main = runtime.form<intro0>();
    const QImage withNotice = paintForm(main);
    const QRect notice = pixelsOf(main.Label3) & withNotice.rect();
    main.Label3.Caption = "";
    const QImage without = paintForm(main);
    const Ink words = inkIn(notice, [&](QPoint p) { return withNotice.pixel(p) != without.pixel(p); });
    EXPECT_LE(notice.right() - words.bounds.right(), 2) << "the notice is right-aligned";
    EXPECT_GT(words.bounds.left() - notice.left(), 20);

    LabellingScreen& planets = open(weatherlab);
    EXPECT_GT(inkIn(paintForm(planets), pixelsOf(planets.Label7), yellow).bounds.height(), 60) << "the long title wraps over three lines";
    for (int i = 0; i < planets.itemCount(); ++i) planets.Label2[i].Left = planets.Label1[i].Left, planets.Label2[i].Top = planets.Label1[i].Top;
    planets.Label3_Click(LabellingScreen::checkScoreButton);
    EXPECT_GT(inkIn(paintForm(planets), pixelsOf(planets.Label5), yellow).count, 200) << "the score line";
}

TEST_F(PaintTest, PicturesArePaintedWhereTheirControlsAreAndTransparentOrHiddenEntriesLeaveTheBackground) {
    TopicMenu& menu = open(menu2);
    menu.Label2[3].Visible = false;
    QImage image = paintForm(menu);
    for (int i : {1, 3}) {
        const QRect box = pixelsOf(menu.Label2[i]).adjusted(2, 2, -2, -2);
        EXPECT_EQ(differing(image, menu.Picture, {0, 0}, QRect(box.topLeft(), QSize(4, 4))), 0) << "transparent " << i;
        EXPECT_EQ(inkIn(image, box, yellow).count > 20, i == 1) << "a hidden entry is not painted " << i;
    }
    intro0& main = open<intro0>();
    image = paintForm(main);
    EXPECT_EQ(differing(image, main.Picture, {0, 0}, QRect(150, 420, 100, 40)), 0) << "the background picture from the corner";
    EXPECT_EQ(differing(image, main.Image2.picture(), pixelsOf(main.Image2)), 0) << "the logo in its place";
    const QRect exit = pixelsOf(main.Command1);
    // The exit face whole inside the button's edge, centred as a pressed-in picture is: a pixel right of and below the middle.
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            EXPECT_EQ(differing(image, main.Command1.Picture, exit.topLeft() + QPoint(dx, dy), exit.adjusted(2, 2, -2, -2), 2) == 0, dx == 1 && dy == 1) << dx << "," << dy;
    main.Picture = main.Command1.Picture;  // opaque, and smaller than the screen
    EXPECT_EQ(paintForm(main).pixelColor(700, 300), QColor(49, 135, 215)) << "the screen's colour beyond its background picture";

    Titlefrm& title = open<Titlefrm>();
    EXPECT_EQ(differing(paintForm(title), title.Picture1.Picture, pixelsOf(title.Picture1).adjusted(2, 2, -2, -2)), 0) << "the artwork inside the picture box's edge";
    LabellingScreen& planets = open(weatherlab);
    for (int i : {0, 5}) EXPECT_EQ(differing(paintForm(planets), planets.Image1[i].picture(), pixelsOf(planets.Image1[i])), 0) << i;
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
            return inkIn(image.rect(), [&](QPoint p) { return image.pixelColor(p) != black; }).bounds;
        };
        EXPECT_EQ(inkOf(true), inkOf(false).adjusted(0, 0, scale, 0)) << "at scale " << scale;
    }
}

struct RingCase { const char* name; const char* screen; int scale; };
const RingCase ringCases[] = {{"OnBlackMoonScreen", "phaseslab", 1}, {"OnBlueMenu", "menu2", 1}, {"OnQuestionScreenScaled", "newtonmeter", 2}};
class FocusRing : public PaintTest, public ::testing::WithParamInterface<RingCase> {};
INSTANTIATE_TEST_SUITE_P(Screens, FocusRing, ::testing::ValuesIn(ringCases), [](const auto& info) { return info.param.name; });

TEST_P(FocusRing, AfterTabAWhiteRingWithABlackOneInsideSurroundsTheFocusAndTheDamageCoversOldAndNewPlaces) {
    Form& s = shownScreen(GetParam().screen);
    const int unit = GetParam().scale, reach = 3 * unit;  // a black ring one unit wide, a white one two
    const TwipsMapping m{double(unit)};
    const QImage mouseUser = paintForm(s, unit);
    s.keyPress(Key::Tab);
    const QImage keyboardUser = paintForm(s, unit);
    const QRect r = pixelsOf(*s.focused(), m), ring = r.adjusted(-reach, -reach, reach, reach);
    EXPECT_EQ(inkIn(keyboardUser.rect(), [&](QPoint p) { return keyboardUser.pixel(p) != mouseUser.pixel(p); }).bounds, ring)
        << "no ring before a key is pressed, and only the ring after";
    for (int out = 1; out <= reach; ++out)
        for (QPoint p : sides(r, -out)) EXPECT_EQ(keyboardUser.pixelColor(p), out <= unit ? black : white) << out << " pixels out";
    FormChanges changes;
    changes.since(s);
    s.keyPress(Key::Tab);
    const QRect next = pixelsOf(*s.focused(), m).adjusted(-reach - 1, -reach - 1, reach + 1, reach + 1);
    EXPECT_EQ(QtSurface::toQRegion(FormPainter::changedArea(changes.since(s), m)), QRegion(ring.adjusted(-1, -1, 1, 1)) + next)
        << "the old ring's place and the new one's are repainted, and a pixel round them for smoothing";
}

// Every language's texts against every control that shows them, in the program's own fonts and
// metrics; each measure is a line of the fit report: language, control, width needed and available.
struct FitCase { std::string language; ScreenKind screen; };
std::vector<FitCase> fitCases() {
    std::vector<FitCase> cases;
    for (const char* language : {"en", "cy", "de", "es", "fr", "pl", "uk"})
        for (const ScreenKind& screen : everyScreen()) cases.push_back({language, screen});
    return cases;
}

class CaptionFit : public PaintTest, public ::testing::WithParamInterface<FitCase> {
protected:
    ~CaptionFit() override { useLanguage("en"); }
    // The ink of `text` laid out as the painter lays it out, its words wrapped to `width`, from the
    // top of the first line (a button's caption must keep to one).
    static QRectF inkOf(const QFont& font, int width, const QString& text) {
        QTextLayout layout(text, font);
        const QFontMetricsF metrics(font);
        QRectF ink;
        qreal top = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QRectF glyphs = metrics.tightBoundingRect(text.mid(line.textStart(), line.textLength()).trimmed());
            ink |= QRectF(0, top + line.ascent() + glyphs.top(), line.naturalTextWidth(), glyphs.height());
            top += line.height();
        }
        layout.endLayout();
        return ink;
    }
    // A label wraps its words within its border; a button's caption is one centred line. The
    // text fits where its ink lies inside the room it has.
    void expectFits(const Control& c, const Font& font, bool bordered, const std::string& text) {
        if (text.empty()) return;
        const bool button = c.kind() == ControlKind::CommandButton;
        const QSize box = pixelsOf(c).size();
        const int inset = button ? 3 : bordered ? 2 : 0;
        const QSize room(box.width() - 2 * inset, box.height() - 2 * inset);
        const QRectF ink = inkOf(toQFont(font), room.width(), QString::fromStdString(text));
        // An accent may reach into a border, never out of the box.
        const bool fits = ink.width() <= room.width() && ink.bottom() <= room.height() && ink.top() >= -inset;
        std::cout << "fit " << GetParam().language << " " << c.form().name() << " " << c.name() << "(" << c.Index() << ") needs "
                  << std::ceil(ink.width()) << "x" << std::ceil(ink.bottom()) << " of " << room.width() << "x" << room.height() << " \"" << text << "\"\n";
        EXPECT_TRUE(fits) << GetParam().language << " " << c.name() << "(" << c.Index() << ") \"" << text << "\"";
    }
};
INSTANTIATE_TEST_SUITE_P(LanguagesAndScreens, CaptionFit, ::testing::ValuesIn(fitCases()),
                         [](const auto& info) { return info.param.language + "_" + info.param.screen.name; });

TEST_P(CaptionFit, EveryTextFitsItsBoxInsideItsBorderInEveryLanguage) {
    ASSERT_TRUE(useLanguage(GetParam().language));
    Form& screen = shownScreen(GetParam().screen.name);
    for (const Control* c : screen.everyControl()) {
        if (c->kind() == ControlKind::Label) {
            const auto& label = static_cast<const Label&>(*c);
            expectFits(label, label.Font, label.BorderStyle, label.Caption);
        } else if (c->kind() == ControlKind::CommandButton) {
            const auto& button = static_cast<const CommandButton&>(*c);
            expectFits(button, button.Font, true, button.Caption);
            expectFits(button, button.Font, true, tr("Cancel"));  // the title screen's OK, from the main menu
        }
    }
    // The texts a screen shows later: every question and answer, every score.
    if (auto* questions = dynamic_cast<QuestionScreen*>(&screen)) {
        const QuestionBoard& board = screen.name() == "newtonmeter" ? newtonMeter : screen.name() == "magnets" ? magnetPairs : magnetMaterials;
        for (int i = 0; i < board.questionCount; ++i) {
            const Question question = board.question(i);
            for (const auto& [index, text] : {std::pair(QuestionScreen::questionText, question.caption), {QuestionScreen::answerText, question.answer}})
                expectFits(questions->Label5[index], questions->Label5[index].Font, false, text);
        }
    } else if (auto* labelling = dynamic_cast<LabellingScreen*>(&screen)) {
        int all = 0;
        while (labelling->Label1.exists(all)) ++all;
        for (int n = 0; n <= all; ++n)
            expectFits(labelling->Label5, labelling->Label5.Font, false,
                       trn("%d out of %d correct", "%d out of %d correct", static_cast<unsigned long>(n), {std::to_string(n), std::to_string(all)}));
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
        EXPECT_EQ(std::tuple(raw.familyName().toLower().toStdString(), raw.weight(), QFontInfo(toQFont(font)).pixelSize()),
                  std::tuple(family, font.Bold ? QFont::Bold : QFont::Normal, pixels)) << family << " " << font.Size;
        // Every face draws Welsh's W and Y with a circumflex itself (Tahoma's from Liberation Sans).
        for (char32_t letter : {U'Ŵ', U'ŵ', U'Ŷ', U'ŷ'}) EXPECT_TRUE(raw.supportsCharacter(letter)) << family << " " << static_cast<int>(letter);
    }
}

using FullScreen = ClassroomDisplay;

// On a wide display the height decides the scale, on a tall one the width; the rest is margin,
// rounded down to whole pixels.
TEST(Fitting, FullScreenFitsTheScreenUniformlyCentredOnWholePixels) {
    const struct { TwipsSize client; QSize display; double scale, offsetX, offsetY; } fits[] = {
        {{11880, 8490}, {1920, 1080}, 1080.0 / 566, 204, 0},
        {{11880, 8490}, {1584, 2001}, 2.0,          0,   434},
        {{11880, 8490}, {1901, 1359}, 1901.0 / 792, 0,   0},
        {{5460, 6570},  {1921, 1080}, 1080.0 / 438, 511, 0},
    };
    for (const auto& fit : fits) {
        const TwipsMapping mapping = TwipsMapping::fitting(fit.client, fit.display.width(), fit.display.height());
        EXPECT_NEAR(mapping.scale, fit.scale, 1e-9) << fit.display.width() << " x " << fit.display.height();
        EXPECT_EQ(std::pair(mapping.offsetX, mapping.offsetY), std::pair(fit.offsetX, fit.offsetY)) << fit.display.width() << " x " << fit.display.height();
    }
}

// A control paints inside its own box, a frame's child inside the frame as well, and nothing
// beyond the client area: not a text too large for its label, a child reaching past its frame, a
// label past the screen's corner nor a background picture wider and taller than the screen.
// The margins around the screen are black.
TEST_F(FullScreen, EachControlPaintsOnlyInsideItsBoxItsFrameAndTheClientArea) {
    LogForm& form = runtime.form<LogForm>();
    form.Width = 12000, form.Height = 9000;  // 11880 x 8490 twips inside the frame
    form.Picture = Picture(1000, 700, std::vector<std::uint32_t>(1000 * 700, 0xff00ff00u), "wide");
    Frame& frame = form.place<Frame>("frame", 1500, 1500, 3000, 1500);
    form.place<Label>("child", 1500, 750, 3000, 1500, &frame).BackColor = colors::black;
    Label& big = form.place<Label>("big", 300, 300, 600, 300);
    big.BackStyle = backStyle::transparent;
    big.Font = {"Tahoma", 30, true};
    big.Caption = "WWW";
    form.place<Label>("beyond", 11000, 8000, 3000, 3000).BackColor = colors::black;
    QImage image(2200, 1600, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QtSurface surface(painter);
    FormPainter formPainter(surface, TwipsMapping{2.4, 100, 50});
    formPainter.paintMargins(form, image.width(), image.height());
    formPainter.paint(form);
    painter.end();
    const QRect client(100, 50, 1901, 1358), frameBox(340, 290, 480, 240), bigBox(148, 98, 96, 48), beyond = QRect(1860, 1330, 400, 400) & client;
    const QColor green(0, 255, 0);
    const Ink stray = inkIn(image.rect(), [&](QPoint p) {
        return client.contains(p) ? !frameBox.contains(p) && !bigBox.contains(p) && !beyond.contains(p) && image.pixelColor(p) != green : image.pixelColor(p) != black;
    });
    EXPECT_EQ(stray.count, 0) << "painted out to " << stray.bounds.x() << ", " << stray.bounds.y() << ", " << stray.bounds.right() << ", " << stray.bounds.bottom();
    for (const QPoint corner : {client.topLeft(), client.topRight(), client.bottomLeft()})
        EXPECT_EQ(image.pixelColor(corner), green) << "the picture to the corner " << corner.x() << ", " << corner.y();
    EXPECT_EQ(std::tuple(image.pixelColor(client.bottomRight()), image.pixelColor(frameBox.bottomRight())), std::tuple(black, black))
        << "the label up to the screen's edge, the child up to its frame's corner";
    EXPECT_GT(inkIn(image, bigBox, black).count, 100) << "the text inside its box";
}

TEST_F(FullScreen, EdgesAreWholeDevicePixelsOnADenseDisplayAndAProjector) {
    intro0& menu = open<intro0>(false);
    const Label& entry = menu.Label2[0];
    for (const auto& [scale, ratio] : {std::pair{1.0, 2.0}, {2.4, 1.0}}) {
        const QImage image = paintForm(menu, scale, ratio);
        const double perTwip = scale * ratio / 15;
        const int left = static_cast<int>(std::lround(entry.Left * perTwip)), row = static_cast<int>((entry.Top + entry.Height / 2) * perTwip);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(image.pixelColor(left + i, row), i < 2 ? shadow : darkShadow) << "device column " << i << " at " << scale;
    }
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
    drag(window, centre(moon.Label3[LabellingScreen::checkScoreButton]), centre(moon.Label3[LabellingScreen::checkScoreButton]));
    EXPECT_EQ(moon.Label5.Caption, "6 out of 8 correct");
    // Only what changed was repainted, and that was enough: what the window holds is the whole
    // screen painted afresh, with no trail of a label's old place (edge smoothing may differ by a shade).
    const QImage afresh = paintForm(moon, window.mapping().scale), held = window.screen()->grabWindow(window.winId()).toImage();
    EXPECT_EQ(inkIn(afresh.rect(), [&](QPoint p) { return !near(held.pixelColor(p), afresh.pixelColor(p), 8); }).count, 0);
}
INSTANTIATE_TEST_SUITE_P(WindowAndFullScreen, MoonRound, ::testing::Bool());

TEST_F(FullScreen, FullScreenHoldsForScreensOpenedLaterAndF11OrEscReturnsToTheWindowOnceNoLabelIsCarried) {
    intro0& menu = open<intro0>(false);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), windowOf(menu).geometry()), std::tuple(true, QRect(0, 0, 1901, 1359)));
    ScreenTest::open(phaseslab);
    windows.sync();
    FormWindow& board = windowOf(screen(phaseslab));
    EXPECT_TRUE(board.isFullScreen()) << "a screen opened meanwhile opens full screen";
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board)) << "the screen in front has the keyboard";
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Right}) QTest::keyClick(&board, key);
    send(&board, QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true));  // held
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

using TouchAndMouse = ClassroomDisplay;

// A finger's press, move and release arrive as the left button's, and a touch the system takes back as a cancel.
TEST_F(TouchAndMouse, AFingerDragsAndATouchTakenBackLetsGo) {
    LabellingScreen& moon = open(phaseslab, true);
    FormWindow& window = windowOf(moon);
    static QPointingDevice* const screen = QTest::createTouchDevice();  // Qt keeps it registered for the process
    const QPointF from = centre(moon.Label2[6]), to = centre(moon.Label1[6]);
    QTest::touchEvent(&window, screen).press(0, at(window, from));
    QTest::touchEvent(&window, screen).move(0, at(window, to));
    QTest::touchEvent(&window, screen).release(0, at(window, to));
    EXPECT_EQ(std::tuple(moon.Label2[6].Left, moon.Label2[6].Top), std::tuple(moon.Label1[6].Left, moon.Label1[6].Top));
    const QPointF other = centre(moon.Label2[5]), left = other + QPointF(0, -1500);
    QTest::touchEvent(&window, screen).press(1, at(window, other));
    QTest::touchEvent(&window, screen).move(1, at(window, left));
    send(&window, QTouchEvent(QEvent::TouchCancel, screen));
    EXPECT_NEAR(moon.Label2[5].Top + moon.Label2[5].Height / 2, left.y(), 20);
    const QPoint exit = at(window, centre(moon.Label3[LabellingScreen::exitButton]));
    QTest::touchEvent(&window, screen).press(2, exit);
    QTest::touchEvent(&window, screen).release(2, exit);
    EXPECT_EQ(runtime.loaded("phaseslab"), nullptr) << "the next finger acts: the cancel freed the first";
}

using SharperVariants = ClassroomDisplay;

TEST_F(SharperVariants, ScaledUpPicturesComeFromTheirSharperVariantsWhileTheyMatch) {
    ProgramFolderCopy copy;
    namespace fs = std::filesystem;
    const QColor green(0, 200, 0), navy(0, 0, 200), red(200, 0, 0);
    const auto save = [&](int width, int height, QColor colour, const char* path) {
        QImage marked(width, height, QImage::Format_RGB32);
        marked.fill(colour);
        ASSERT_TRUE(marked.save(QString::fromStdString((copy.path() / path).string())));
    };
    fs::remove(copy.path() / "Images/phases2@3x.jpg");
    save(154 * 3, 117 * 3, green, "Images/phases3@3x.jpg");
    save(154 * 2, 117 * 2, navy, "Images/phases3@2x.jpg");
    save(154 * 3, 117 * 3, green, "Images/phases5@3x.jpg");
    fs::last_write_time(copy.path() / "Images/phases5.jpg", fs::last_write_time(copy.path() / "Images/phases5@3x.jpg") + std::chrono::hours(1));
    platform.folder = copy.path();
    LabellingScreen& moon = open(phaseslab, false);
    PictureVariants variants(copy.path());

    // Whether the middle of a Moon picture painted at a scale is near a colour.
    const struct { double scale; int picture; QColor colour; int tolerance; bool near; const char* why; } middles[] = {
        {2.4, 3, green,                24, true,  "drawn from its variant three times the size"},
        {2.4, 5, green,                24, false, "a variant older than its picture is stale"},
        {2.4, 4, QColor(200, 200, 200), 60, true,  "the Full Moon, scaled from the original"},
        {1.0, 3, green,                24, false, "at the design size the picture itself"},
        {1.8, 3, navy,                 24, true,  "up to twice the size, the double one"},
        {4.0, 3, green,                24, true,  "beyond three times, the largest"},
    };
    for (const auto& m : middles) {
        const QPoint middle = pixelsOf(moon.Image1[m.picture], TwipsMapping{m.scale}).center();
        EXPECT_EQ(near(paintForm(moon, m.scale, 1.0, &variants).pixelColor(middle), m.colour, m.tolerance), m.near) << m.why;
    }

    // Kept reduced to the size it is painted at, the variant paints as the whole of it would:
    // as sharp, never reduced further. The reader's reduction and the painter's smoothing differ
    // by a few shades at the Moon's edge; a picture reduced twice over would differ far more.
    const QImage scaled = paintForm(moon, 2.4, 1.0, &variants);
    const QRect newMoon = pixelsOf(moon.Image1[0], TwipsMapping{2.4});
    QImage whole(newMoon.size(), QImage::Format_RGB32);
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(whole.rect(), QImage(QString::fromStdString((copy.path() / "Images/phases0@3x.jpg").string())));
    EXPECT_EQ(inkIn(whole.rect(), [&](QPoint p) { return !near(whole.pixelColor(p), scaled.pixelColor(newMoon.topLeft() + p), 40); }).count, 0);

    // What is kept is reduced to the painted size only where that is smaller both ways; it is
    // never enlarged beyond the variant's own 462 x 351.
    const Picture& newMoonPicture = moon.Image1[0].picture();  // 154 x 117
    for (const auto& [painted, kept] : {std::pair{QSize(300, 200), QSize(300, 200)}, {QSize(300, 400), QSize(462, 351)}, {QSize(500, 300), QSize(462, 351)}})
        EXPECT_EQ(variants.sharpest(newMoonPicture, painted).size(), kept) << painted.width() << " x " << painted.height();

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
    save(1527, 1145, red, "Images/tessil3@1527x1145.jpg");
    const intro0& menu = open<intro0>(false);
    const double fullHd = TwipsMapping::fitting(menu.clientSize(), 1920, 1080).scale;
    EXPECT_TRUE(near(paintForm(menu, fullHd, 1.0, &variants).pixelColor(5, 5), red)) << "the main menu full screen at 1920 x 1080";
    EXPECT_FALSE(near(paintForm(menu, 1.9, 1.0, &variants).pixelColor(5, 5), red)) << "at any other size, a larger copy reduced";
}

}  // namespace
}  // namespace lumenary::testing
