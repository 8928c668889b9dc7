#include "print/CalibrationPage.h"

#include "print/PainterSurface.h"
#include "print/SheetGeometry.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

const QString JobTitle = QStringLiteral("Korvalin - étalonnage");
const QString Font = QStringLiteral("Arial");
constexpr float CaptionPoints = 12;
constexpr float RulerNumberPoints = 6;
constexpr ColorValue Black = 0;
// Between a centimetre tick's end and its number.
constexpr double NumberGapMm = 0.5;

double tickLength(int mm)
{
    if (mm % 10 == 0)
        return CalibrationPage::CentimetreTickMm;
    return mm % 5 == 0 ? CalibrationPage::HalfCentimetreTickMm : CalibrationPage::TickMm;
}

void drawRulers(PageSurface &surface, const QSizeF &lengthMm)
{
    surface.setFont(Font, RulerNumberPoints, false, false);
    surface.setTextColor(Black);
    surface.drawLine({0, 0}, {lengthMm.width(), 0}, Black);
    surface.drawLine({0, 0}, {0, lengthMm.height()}, Black);
    for (int x = 1; x <= int(std::floor(lengthMm.width())); ++x) {
        surface.drawLine({double(x), 0}, {double(x), tickLength(x)}, Black);
        if (x % 10 == 0) {
            const QString number = QString::number(x);
            surface.setCurrentPosition({x - surface.textWidth(number) / 2,
                                        CalibrationPage::CentimetreTickMm + NumberGapMm});
            surface.printText(number);
        }
    }
    for (int y = 1; y <= int(std::floor(lengthMm.height())); ++y) {
        surface.drawLine({0, double(y)}, {tickLength(y), double(y)}, Black);
        if (y % 10 == 0) {
            const QString number = QString::number(y);
            surface.setCurrentPosition({CalibrationPage::CentimetreTickMm + NumberGapMm,
                                        y - surface.textHeight(number) / 2});
            surface.printText(number);
        }
    }
}

void drawLabel(PageSurface &surface, int position, const std::array<double, 4> &spacing)
{
    const QPointF origin = SheetGeometry::labelOrigin(position, spacing);
    const QRectF outline(origin, QSizeF(SheetGeometry::LabelWidth, SheetGeometry::LabelHeight));
    surface.drawLine(outline.topLeft(), outline.topRight(), Black);
    surface.drawLine(outline.topRight(), outline.bottomRight(), Black);
    surface.drawLine(outline.bottomRight(), outline.bottomLeft(), Black);
    surface.drawLine(outline.bottomLeft(), outline.topLeft(), Black);

    const double arm = CalibrationPage::CrossArmMm;
    surface.drawLine(origin - QPointF(arm, 0), origin + QPointF(arm, 0), Black);
    surface.drawLine(origin - QPointF(0, arm), origin + QPointF(0, arm), Black);

    const QString text = CalibrationPage::caption(position);
    surface.setCurrentPosition(outline.center() -
                               QPointF(surface.textWidth(text), surface.textHeight(text)) / 2);
    surface.printText(text);
}

PageDrawer calibrationDrawer(const Module1 &state)
{
    const std::array<double, 4> spacing = state.SheetSpacing;
    return [spacing](PageCanvas &canvas) {
        // The rulers reach the paper's far edges; the printer leaves off what it cannot reach.
        const QPaintDevice *device = canvas.painter.device();
        const QSizeF rulers = (QSizeF(device->width(), device->height()) -
                               QSizeF(canvas.printableOrigin.x(), canvas.printableOrigin.y())) /
                              canvas.dotsPerMm;
        PainterSurface surface(canvas.painter, canvas.dotsPerMm, canvas.printableOrigin);
        CalibrationPage::draw(surface, spacing, rulers);
        return surface.ended();
    };
}

} // namespace

namespace CalibrationPage {

QString caption(int position)
{
    // The tenth tile has no blank: the number takes the blank's place.
    return QStringLiteral("Etiquette%1").arg(position, 2);
}

void draw(PageSurface &surface, const std::array<double, 4> &spacing, const QSizeF &rulersMm)
{
    surface.setScaleMillimetres();
    surface.setLineStyle(PageSurface::LineStyle::Solid);
    drawRulers(surface, rulersMm);
    surface.setFont(Font, CaptionPoints, true, false);
    for (int position = 1; position <= SheetGeometry::Positions; ++position)
        drawLabel(surface, position, spacing);
    surface.endDocument();
}

bool print(const Printer &printer, const Module1 &state)
{
    return printPage(printer, calibrationDrawer(state), JobTitle);
}

PdfFileResult writePdf(const QString &path, const Module1 &state)
{
    return writePdfFile(path, PageGeometry::a4Portrait(), calibrationDrawer(state));
}

} // namespace CalibrationPage
