// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageGeometry.h"

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class Printer;

// Where a drawer paints one page: the painter is on the whole page in device units (the
// PDF's resolution) with no transform; printableOrigin is the top-left corner of the area
// the printer can reach, in those units.
struct PageCanvas
{
    QPainter &painter;
    double dotsPerMm;
    QPointF printableOrigin;
};

// Paints one page; false when the drawing failed.
using PageDrawer = std::function<bool(PageCanvas &canvas)>;

// The pages of one document: draw paints page pageIndex, from 0 to count - 1.
struct PageSequence
{
    int count = 1;
    std::function<bool(PageCanvas &canvas, int pageIndex)> draw;
};

// One PDF page of the full paper in the page's orientation; nothing when the drawing failed.
std::optional<QByteArray> renderPdf(const PageGeometry &page, const PageDrawer &draw,
                                    const QString &title);
// A PDF of the pages, all of the same paper. Each page is written out before the next is
// drawn, so a long document takes no more memory to draw than one page. Nothing when the
// drawing of any page failed.
std::optional<QByteArray> renderPdf(const PageGeometry &page, const PageSequence &pages,
                                    const QString &title);

enum class PdfFileResult
{
    Written,
    DrawingFailed,
    WriteFailed
};

struct PdfFileOutcome
{
    PdfFileResult result;
    QString reason; // why the target refused the page, for WriteFailed

    friend bool operator==(const PdfFileOutcome &o, PdfFileResult r) { return o.result == r; }
    friend bool operator!=(const PdfFileOutcome &o, PdfFileResult r) { return o.result != r; }
};

// Replaces the file at path only once the whole page is rendered and safely written; a
// character device or a pipe at path (a FIFO), or the program's own descriptor
// (/dev/stdout, /dev/fd/N), gets the page written into it instead. Disks and folders are
// refused.
PdfFileOutcome writePdfFile(const QString &path, const PageGeometry &page, const PageDrawer &draw);
PdfFileOutcome writePdfFile(const QString &path, const PageGeometry &page,
                            const PageSequence &pages);

// Renders the page for the printer's default media and orientation and submits it as one
// job. False when anything fails (no printer, an unknown or refusing queue, no scheduler,
// the drawing); nothing of a failed job prints.
bool printPage(const Printer &printer, const PageDrawer &draw, const QString &jobTitle);
