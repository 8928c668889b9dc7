// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CalibrationPage.h"

#include "print/LabelOutline.h"
#include "print/PainterSurface.h"
#include "print/SheetGeometry.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

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

// A ruler from the printable corner along direction, (1, 0) or (0, 1): its ticks run across
// it, and each centimetre's number sits centred on its tick, just past the tick's end.
void drawRuler(PageSurface &surface, const QPointF &direction, double lengthMm)
{
    const QPointF across(direction.y(), direction.x());
    surface.drawLine({0, 0}, direction * lengthMm, Black);
    for (int mm = 1; mm <= int(std::floor(lengthMm)); ++mm) {
        const QPointF at = direction * mm;
        surface.drawLine(at, at + across * tickLength(mm), Black);
        if (mm % 10 != 0)
            continue;
        const QString number = QString::number(mm);
        const QPointF halfAlong(direction.x() * surface.textWidth(number) / 2,
                                direction.y() * surface.textHeight(number) / 2);
        surface.setCurrentPosition(at - halfAlong +
                                   across * (CalibrationPage::CentimetreTickMm + NumberGapMm));
        surface.printText(number);
    }
}

void drawLabel(PageSurface &surface, int position, const std::array<double, 4> &spacing)
{
    const QPointF origin = SheetGeometry::labelOrigin(position, spacing);
    // Solid, not dash-dot: the edge is what the user measures against.
    const QRectF outline = LabelOutline::cutOutline(origin);
    for (const QLineF &side : LabelOutline::sides(outline))
        surface.drawLine(side.p1(), side.p2(), Black);

    const double arm = CalibrationPage::CrossArmMm;
    surface.drawLine(origin - QPointF(arm, 0), origin + QPointF(arm, 0), Black);
    surface.drawLine(origin - QPointF(0, arm), origin + QPointF(0, arm), Black);

    const QString text = SheetGeometry::positionCaption(position);
    surface.setCurrentPosition(outline.center() -
                               QPointF(surface.textWidth(text), surface.textHeight(text)) / 2);
    surface.printText(text);
}

PageDrawer calibrationDrawer(const SheetLayout &layout)
{
    const std::array<double, 4> spacing = layout.sheetSpacing;
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

void draw(PageSurface &surface, const std::array<double, 4> &spacing, const QSizeF &rulersMm)
{
    surface.setScaleMillimetres();
    surface.setLineStyle(PageSurface::LineStyle::Solid);
    surface.setFont(Font, RulerNumberPoints, false, false);
    surface.setTextColor(Black);
    drawRuler(surface, {1, 0}, rulersMm.width());
    drawRuler(surface, {0, 1}, rulersMm.height());
    surface.setFont(Font, CaptionPoints, true, false);
    for (int position = 1; position <= SheetGeometry::Positions; ++position)
        drawLabel(surface, position, spacing);
    surface.endDocument();
}

bool print(const Printer &printer, const SheetLayout &layout)
{
    return printPage(printer, calibrationDrawer(layout),
                     QCoreApplication::translate("CalibrationPage", "Korvalin - étalonnage"));
}

PdfFileOutcome writePdf(const QString &path, const SheetLayout &layout, const PageGeometry &page)
{
    return writePdfFile(path, page, calibrationDrawer(layout));
}

} // namespace CalibrationPage
