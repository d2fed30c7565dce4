#include "shared/canvas/qt/painter_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace shared {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

Qt::PenStyle ToQtStyle(LineStyle style) {
    switch (style) {
        case LineStyle::Dash:
            return Qt::DashLine;
        case LineStyle::Dot:
            return Qt::DotLine;
        case LineStyle::DashDot:
            return Qt::DashDotLine;
        case LineStyle::DashDotDot:
            return Qt::DashDotDotLine;
        case LineStyle::Invisible:
            return Qt::NoPen;
        case LineStyle::Solid:
        case LineStyle::InsideSolid:
            break;
    }
    return Qt::SolidLine;
}

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Whole device pixels: shapes are drawn aliased, so half-way positions would only
// make Qt pick a neighbour pixel by its own rounding.
double Snap(double pixel) {
    return std::floor(pixel + 0.5);
}

}  // namespace

QFont PainterDrawing::ToQFont(const FontSpec& font) {
    QFont result(ToQString(font.name));
    result.setPointSizeF(font.size > 0 ? font.size : 8.25);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeout);
    return result;
}

double PainterDrawing::TextWidth(const std::string& text, const QPaintDevice& device) const {
    // The metrics of the device, so a printer measures at its own resolution.
    const QFontMetricsF metrics(ToQFont(state_.font), &device);
    return state_.PixelsToUserWidth(metrics.horizontalAdvance(ToQString(text)));
}

double PainterDrawing::TextHeight(const QPaintDevice& device) const {
    const QFontMetricsF metrics(ToQFont(state_.font), &device);
    return state_.PixelsToUserHeight(metrics.lineSpacing());
}

void PainterDrawing::Print(QPainter& painter, const std::string& text) const {
    const QFont font = ToQFont(state_.font);
    painter.setFont(font);
    painter.setPen(ToQColor(state_.foreColor));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double x = Snap(state_.ToPixelX(state_.currentX));
    const double y = Snap(state_.ToPixelY(state_.currentY));
    painter.drawText(QPointF(x, y + metrics.ascent()), ToQString(text));
    AdvanceLine(*painter.device());
}

void PainterDrawing::AdvanceLine(const QPaintDevice& device) const {
    state_.currentY += state_.DownwardSign() * TextHeight(device);
    state_.currentX = state_.Left();
}

void PainterDrawing::PrintRotated(QPainter& painter, const std::string& text, const RotatedFont& font,
                                  int escapementTenths, int pixelX, int pixelY) const {
    QFont qfont(ToQString(font.name));
    qfont.setPixelSize(std::max(1, font.height));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeout);
    if (font.weight > 0) qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    if (font.averageWidth > 0) {
        // The font is narrowed or widened until its average character has the width
        // asked for, as a created font with a given character width is.
        const double natural = QFontMetricsF(qfont, painter.device()).averageCharWidth();
        if (natural > 0) {
            const int stretch = static_cast<int>(std::lround(100.0 * font.averageWidth / natural));
            qfont.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    painter.save();
    painter.setFont(qfont);
    painter.setPen(ToQColor(state_.foreColor));
    painter.translate(pixelX, pixelY);
    // Escapement turns counter-clockwise as seen; Qt's y axis points down, so its
    // positive rotation is clockwise.
    painter.rotate(-escapementTenths / 10.0);
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(0, metrics.ascent()), ToQString(text));
    painter.restore();
}

void PainterDrawing::UsePen(QPainter& painter, Rgb color) const {
    QPen pen(ToQColor(color));
    pen.setWidth(std::max(1, state_.drawWidth));
    pen.setStyle(ToQtStyle(state_.drawStyle));
    pen.setCapStyle(state_.drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void PainterDrawing::Line(QPainter& painter, double x1, double y1, double x2, double y2, Rgb color) const {
    UsePen(painter, color);
    const QPointF from(Snap(state_.ToPixelX(x1)), Snap(state_.ToPixelY(y1)));
    const QPointF to(Snap(state_.ToPixelX(x2)), Snap(state_.ToPixelY(y2)));
    if (from == to)
        painter.drawPoint(from);
    else
        painter.drawLine(from, to);
    MoveTo(x2, y2);
}

void PainterDrawing::Box(QPainter& painter, double x1, double y1, double x2, double y2, Rgb color,
                         bool filled) const {
    const double ax = Snap(state_.ToPixelX(x1));
    const double ay = Snap(state_.ToPixelY(y1));
    const double bx = Snap(state_.ToPixelX(x2));
    const double by = Snap(state_.ToPixelY(y2));
    const QRectF corners(QPointF(std::min(ax, bx), std::min(ay, by)),
                         QPointF(std::max(ax, bx), std::max(ay, by)));
    if (filled) {
        // Both corner pixels belong to the filled box.
        painter.fillRect(corners.adjusted(0, 0, 1, 1), ToQColor(color));
    } else {
        UsePen(painter, color);
        painter.drawRect(corners);
    }
    MoveTo(x2, y2);
}

void PainterDrawing::Circle(QPainter& painter, double cx, double cy, double radius, Rgb color,
                            std::optional<std::pair<double, double>> arcAngles,
                            std::optional<Rgb> fill) const {
    UsePen(painter, color);
    const QPointF centre(state_.ToPixelX(cx), state_.ToPixelY(cy));
    const double r = state_.UserWidthToPixels(radius);
    if (fill) painter.setBrush(ToQColor(*fill));
    if (!arcAngles) {
        painter.drawEllipse(centre, r, r);
    } else {
        // Negative angles would ask for a radius line in the classic call; the charts
        // never want one, so only their size counts.
        const double start = std::fmod(std::fabs(arcAngles->first), kTwoPi);
        double span = std::fmod(std::fabs(arcAngles->second), kTwoPi) - start;
        if (span <= 0) span += kTwoPi;
        const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        // Qt counts sixteenths of a degree, counter-clockwise as seen on the device.
        const auto sixteenths = [](double radians) {
            return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
        };
        painter.drawArc(bounds, sixteenths(start), sixteenths(span));
    }
    MoveTo(cx, cy);
}

void PainterDrawing::PSet(QPainter& painter, double x, double y, Rgb color) const {
    const double px = Snap(state_.ToPixelX(x));
    const double py = Snap(state_.ToPixelY(y));
    if (state_.drawWidth <= 1) {
        painter.fillRect(QRectF(px, py, 1, 1), ToQColor(color));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(color));
        painter.setRenderHint(QPainter::Antialiasing, false);
        const double r = state_.drawWidth / 2.0;
        painter.drawEllipse(QPointF(px + 0.5, py + 0.5), r, r);
    }
    MoveTo(x, y);
}

void PainterDrawing::PutPixels(QPainter& painter, const QImage& image, int pixelX, int pixelY, RasterOp op) {
    switch (op) {
        case RasterOp::And:
            painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case RasterOp::Xor:
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case RasterOp::Copy:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            break;
    }
    painter.drawImage(QPoint(pixelX, pixelY), image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace shared
