// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PageOutput.h"

#include "files/SmallFile.h"
#include "print/Printer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int dotsPerInch = 1200;
constexpr double dotsPerMm = dotsPerInch / 25.4;

QPageLayout fullPageLayout(const PageGeometry &page)
{
    const bool landscape = page.orientation == PageGeometry::Orientation::Landscape;
    // QPageSize wants the sheet upright; the layout turns it. An exact match keeps a size the
    // printer reports instead of snapping it to a nearby standard one.
    const QSizeF upright = landscape ? page.paperSizeMm.transposed() : page.paperSizeMm;
    QPageLayout layout(QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

PageSequence onePage(const PageDrawer &draw)
{
    return {1, [&draw](PageCanvas &canvas, int) { return draw(canvas); }};
}

} // namespace

std::optional<QByteArray> renderPdf(const PageGeometry &page, const PageDrawer &draw,
                                    const QString &title)
{
    return renderPdf(page, onePage(draw), title);
}

std::optional<QByteArray> renderPdf(const PageGeometry &page, const PageSequence &pages,
                                    const QString &title)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Korvalin"));
        if (!writer.setPageLayout(fullPageLayout(page)))
            return std::nullopt;

        QPainter painter;
        if (!painter.begin(&writer))
            return std::nullopt;
        // Icons are small pictures: compressing them lossily would blur them on paper.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        bool drawn = true;
        for (int pageIndex = 0; drawn && pageIndex < pages.count; ++pageIndex) {
            // A new page writes out the one before it.
            if (pageIndex > 0 && !writer.newPage()) {
                drawn = false;
                break;
            }
            PageCanvas canvas{painter, dotsPerMm, page.printableAreaMm.topLeft() * dotsPerMm};
            drawn = pages.draw(canvas, pageIndex);
        }
        if (!painter.end() || !drawn)
            return std::nullopt;
    }
    return pdf;
}

PdfFileOutcome writePdfFile(const QString &path, const PageGeometry &page, const PageDrawer &draw)
{
    return writePdfFile(path, page, onePage(draw));
}

PdfFileOutcome writePdfFile(const QString &path, const PageGeometry &page,
                            const PageSequence &pages)
{
    const std::optional<QByteArray> pdf =
        renderPdf(page, pages, QFileInfo(path).completeBaseName());
    if (!pdf)
        return {PdfFileResult::DrawingFailed, QString()};
    const SmallFile::WriteResult written =
        SmallFile::write(path, *pdf, SmallFile::OtherTarget::WriteInto);
    return {written ? PdfFileResult::Written : PdfFileResult::WriteFailed, written.reason};
}

bool printPage(const Printer &printer, const PageDrawer &draw, const QString &jobTitle)
{
    return printer.printPdf(
        [&](const PageGeometry &page) { return renderPdf(page, draw, jobTitle); }, jobTitle);
}
