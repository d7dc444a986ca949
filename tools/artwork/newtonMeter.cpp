#include "newtonMeter.h"
#include "pictureCanvas.h"

#include "artworkFonts.h"
#include "heavyText.h"
#include "pictureCard.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace lumenary::artwork {

namespace {

// The meter is laid out on a 141 x 480 canvas, the size of its place on the screen.
constexpr double canvasWidth = 141.0;
constexpr double canvasHeight = 480.0;

// Ring, spring, pointer, hook and ball all hang on one vertical line.
constexpr double axisX = 70.5;

// One mark every newton, 0 N at the top. Marks sit on whole pixel rows so they stay crisp.
constexpr int fullScale = 10;
constexpr double zeroMarkY = 62.0;
constexpr double newtonSpacing = 16.0;

const QRectF caseRect(20.0, 30.0, 101.0, 208.0);
const QRectF plateRect = caseRect.adjusted(6.0, 6.0, -6.0, -6.0);
const QRectF slotRect(axisX - 6.5, 40.0, 13.0, 190.0);

// The marks stop just short of the slot on both sides; every second one is longer and numbered.
constexpr double markGap = 2.0;
constexpr double longMark = 11.0;
constexpr double shortMark = 7.0;

// From the pointer down to the hook. The rod slides out of the case as the spring stretches,
// so the hook and ball hang lower under a larger force.
constexpr double rodLength = 182.0;
constexpr double ballRadius = 19.0;

constexpr int springCoils = 14;
constexpr double springTop = 32.0;

const QColor ink(22, 24, 32);
const QColor steelLight(228, 231, 238);
const QColor steelMid(150, 155, 166);
const QColor steelDark(78, 82, 92);
const QColor pointerRed(214, 28, 34);

double markY(int newtons) { return zeroMarkY + newtons * newtonSpacing; }

QLinearGradient steelAcross(double left, double right)
{
    QLinearGradient steel(left, 0.0, right, 0.0);
    steel.setColorAt(0.0, steelMid);
    steel.setColorAt(0.35, steelLight);
    steel.setColorAt(1.0, steelDark);
    return steel;
}

void drawRing(QPainter& painter)
{
    // A shackle joins the ring to a cap on top of the case.
    painter.setPen(QPen(steelDark, 1.0));
    painter.setBrush(steelAcross(axisX - 3.0, axisX + 3.0));
    painter.drawRect(QRectF(axisX - 3.0, 20.0, 6.0, 8.0));
    painter.setBrush(steelAcross(axisX - 9.0, axisX + 9.0));
    painter.drawRoundedRect(QRectF(axisX - 9.0, 26.0, 18.0, 6.0), 2.0, 2.0);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(steelDark, 5.0));
    painter.drawEllipse(QPointF(axisX, 13.0), 8.5, 8.5);
    painter.setPen(QPen(steelLight, 2.5));
    painter.drawEllipse(QPointF(axisX, 13.0), 8.5, 8.5);
}

void drawCase(QPainter& painter)
{
    // Green enamelled steel, lit from the left.
    QLinearGradient enamel(caseRect.left(), 0.0, caseRect.right(), 0.0);
    enamel.setColorAt(0.0, QColor(46, 156, 112));
    enamel.setColorAt(0.25, QColor(30, 128, 90));
    enamel.setColorAt(1.0, QColor(14, 78, 56));
    painter.setPen(QPen(QColor(8, 46, 33), 1.5));
    painter.setBrush(enamel);
    painter.drawRoundedRect(caseRect, 9.0, 9.0);

    painter.setPen(QPen(QColor(150, 150, 138), 1.0));
    painter.setBrush(QColor(250, 247, 236));
    painter.drawRoundedRect(plateRect, 3.0, 3.0);

    // The slot the pointer runs in, dark inside.
    QLinearGradient hollow(slotRect.left(), 0.0, slotRect.right(), 0.0);
    hollow.setColorAt(0.0, QColor(22, 25, 30));
    hollow.setColorAt(1.0, QColor(52, 57, 66));
    painter.setPen(QPen(QColor(90, 92, 96), 1.0));
    painter.setBrush(hollow);
    painter.drawRoundedRect(slotRect, 4.0, 4.0);
}

void drawScale(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int n = 0; n <= fullScale; ++n) {
        const double length = n % 2 == 0 ? longMark : shortMark;
        const double y = markY(n) - 1.0;
        painter.drawRect(QRectF(slotRect.left() - markGap - length, y, length, 2.0));
        painter.drawRect(QRectF(slotRect.right() + markGap, y, length, 2.0));
    }

    // Numbers every 2 N to the left of the long marks, their ink centred on the mark, and the
    // unit above the scale.
    const QFont font = interfaceFont(15, true);
    const QFontMetricsF metrics(font);
    const double numberRight = slotRect.left() - markGap - longMark - 3.0;
    const auto drawLabel = [&](const QString& text, double centreY) {
        const QRectF inked = metrics.tightBoundingRect(text);
        drawHeavyText(painter, QPointF(numberRight - inked.right(), centreY - inked.center().y()), font, text, ink, 0.7);
    };
    for (int n = 0; n <= fullScale; n += 2)
        drawLabel(QString::number(n), markY(n));
    drawLabel(QStringLiteral("N"), (plateRect.top() + markY(0)) / 2.0 - 2.0);
}

// A close-wound spring from the top of the case to the pointer; stretching it opens the coils.
void drawSpring(QPainter& painter, double bottom)
{
    const double pitch = (bottom - springTop) / springCoils;
    const double left = axisX - 5.0;
    const double right = axisX + 5.0;
    painter.save();
    painter.setClipRect(slotRect.adjusted(1.0, 1.0, -1.0, -1.0));
    painter.setBrush(Qt::NoBrush);
    for (int coil = 0; coil < springCoils; ++coil) {
        const double y = springTop + coil * pitch;
        painter.setPen(QPen(QColor(92, 97, 108), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(right, y), QPointF(left, y + pitch / 2.0));
        QPainterPath front;
        front.moveTo(left, y + pitch / 2.0);
        front.quadTo(axisX, y + pitch * 1.05, right, y + pitch);
        painter.setPen(QPen(QColor(172, 177, 188), 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(front);
    }
    painter.restore();
}

void drawPointer(QPainter& painter, double y)
{
    // A level bar across the slot whose two tips touch the marks on either side.
    const double tipLeft = slotRect.left() - markGap - 4.0;
    const double tipRight = slotRect.right() + markGap + 4.0;
    constexpr double halfHeight = 4.5;
    QPainterPath bar;
    bar.moveTo(tipLeft, y);
    bar.lineTo(tipLeft + 8.0, y - halfHeight);
    bar.lineTo(tipRight - 8.0, y - halfHeight);
    bar.lineTo(tipRight, y);
    bar.lineTo(tipRight - 8.0, y + halfHeight);
    bar.lineTo(tipLeft + 8.0, y + halfHeight);
    bar.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(pointerRed);
    painter.drawPath(bar);
    painter.setBrush(steelAcross(axisX - 2.0, axisX + 2.0));
    painter.drawEllipse(QPointF(axisX, y), 2.0, 2.0);
}

void drawRod(QPainter& painter, double top, double bottom)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(steelAcross(axisX - 1.5, axisX + 1.5));
    painter.drawRect(QRectF(axisX - 1.5, top, 3.0, bottom - top));
}

// The hook's bowl lies on the axis so the ball hangs straight below the spring.
void drawHookAndBall(QPainter& painter, double hookTop)
{
    const QPointF ballCentre(axisX, hookTop + 20.0 + ballRadius);

    // The ball's screw eye, threaded over the hook.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(steelDark, 2.2));
    painter.drawEllipse(QPointF(axisX, hookTop + 19.5), 3.5, 4.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(steelAcross(axisX - 2.0, axisX + 2.0));
    painter.drawRect(QRectF(axisX - 2.0, hookTop + 22.5, 4.0, 2.5));

    QPainterPath hook;
    hook.moveTo(axisX, hookTop);
    hook.lineTo(axisX, hookTop + 4.0);
    hook.quadTo(axisX + 6.0, hookTop + 5.0, axisX + 6.0, hookTop + 12.0);
    hook.arcTo(QRectF(axisX - 6.0, hookTop + 6.0, 12.0, 12.0), 0.0, -180.0);
    hook.lineTo(axisX - 6.0, hookTop + 8.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(steelDark, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(QPen(steelLight, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(QPen(steelDark, 1.0));
    painter.setBrush(steelAcross(axisX - 3.5, axisX + 3.5));
    painter.drawRoundedRect(QRectF(axisX - 3.5, hookTop - 3.0, 7.0, 5.0), 1.5, 1.5);

    // Polished steel: a bright window reflection up and to the left, the lower half darker
    // where it reflects the floor.
    QRadialGradient chrome(ballCentre + QPointF(-ballRadius * 0.35, -ballRadius * 0.4), ballRadius * 1.5);
    chrome.setColorAt(0.0, QColor(255, 255, 255));
    chrome.setColorAt(0.12, QColor(236, 239, 245));
    chrome.setColorAt(0.45, QColor(160, 166, 178));
    chrome.setColorAt(0.8, QColor(88, 92, 104));
    chrome.setColorAt(1.0, QColor(48, 50, 58));
    painter.setPen(QPen(QColor(44, 46, 54), 1.0));
    painter.setBrush(chrome);
    painter.drawEllipse(ballCentre, ballRadius, ballRadius);
    QRadialGradient bounce(ballCentre + QPointF(ballRadius * 0.2, ballRadius * 0.75), ballRadius * 0.6);
    bounce.setColorAt(0.0, QColor(200, 206, 220, 150));
    bounce.setColorAt(1.0, QColor(200, 206, 220, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(bounce);
    painter.drawEllipse(ballCentre, ballRadius - 1.0, ballRadius - 1.0);
}

}  // namespace

QImage drawNewtonMeter(QSize size, int newtons)
{
    const double pointerY = markY(std::clamp(newtons, 0, fullScale));

    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / canvasWidth, size.height() / canvasHeight);

    drawPictureCard(painter, QSize(int(canvasWidth), int(canvasHeight)));
    drawRod(painter, caseRect.bottom() - 4.0, pointerY + rodLength);
    drawHookAndBall(painter, pointerY + rodLength);
    drawRing(painter);
    drawCase(painter);
    drawScale(painter);
    drawSpring(painter, pointerY - 3.0);
    drawRod(painter, pointerY, slotRect.bottom());
    drawPointer(painter, pointerY);
    return image;
}

}  // namespace lumenary::artwork
