// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/SheetPageImage.h"

#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "print/SheetGeometry.h"

#include <QPainter>

namespace {

const QColor UnreachableMargin(0xD8, 0xD8, 0xD8);
// Translucent, so that what the job prints over a used label shows through.
const QColor UsedShade(0x60, 0x60, 0x60, 0x50);
const QColor UsedHatch(0x60, 0x60, 0x60, 0xA0);

void shadeUsedPositions(QPainter &painter, const UsedPositions &used, const SheetLayout &layout,
                        QPointF printableCorner, double pixelsPerMm)
{
    for (const int position : used.positions()) {
        const QRectF label(
            printableCorner +
                SheetGeometry::labelOrigin(position, layout.sheetSpacing) * pixelsPerMm,
            QSizeF(SheetGeometry::LabelWidth, SheetGeometry::LabelHeight) * pixelsPerMm);
        painter.fillRect(label, UsedShade);
        painter.fillRect(label, QBrush(UsedHatch, Qt::BDiagPattern));
    }
}

} // namespace

namespace SheetPageImage {

QImage render(const PageGeometry &page, const PrintRequest &request, const LabelArtwork &artwork,
              int pageIndex, double pixelsPerMm, const UsedPositions &used)
{
    QImage image((page.paperSizeMm * pixelsPerMm).toSize(), QImage::Format_RGB32);
    // The page's fonts take their size from the image's resolution, as on paper.
    const int dotsPerMetre = qRound(pixelsPerMm * 1000);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(UnreachableMargin);

    const QRectF printable(page.printableAreaMm.topLeft() * pixelsPerMm,
                           page.printableAreaMm.size() * pixelsPerMm);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.fillRect(printable, Qt::white);
    // What lies beyond the printable area does not come out of the printer.
    painter.setClipRect(printable);
    PainterSurface surface(painter, pixelsPerMm, printable.topLeft());
    LabelPrinting::drawPrintPage(surface, request, artwork, pageIndex);
    painter.setTransform(QTransform());
    shadeUsedPositions(painter, used, request.layout, printable.topLeft(), pixelsPerMm);
    painter.end();
    return image;
}

} // namespace SheetPageImage
