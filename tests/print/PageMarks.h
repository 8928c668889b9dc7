// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageOutput.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QString>

// Words drawn at known places, in millimetres from the printable area's top-left corner,
// so that a page read back with pdftotext shows where that corner landed. Each word's cell
// has its top-left corner at its place, as a label's text lines do.
struct PageMark
{
    QString text;
    QPointF offsetMm;
};

inline const QList<PageMark> &pageMarks()
{
    static const QList<PageMark> marks{{QStringLiteral("NEAR"), {20, 30}},
                                       {QStringLiteral("FAR"), {120, 160}}};
    return marks;
}

inline PageDrawer drawPageMarks()
{
    return [](PageCanvas &canvas) {
        canvas.painter.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
        const double ascent =
            QFontMetricsF(canvas.painter.font(), canvas.painter.device()).ascent();
        for (const PageMark &mark : pageMarks()) {
            const QPointF cell = canvas.printableOrigin + mark.offsetMm * canvas.dotsPerMm;
            canvas.painter.drawText(cell + QPointF(0, ascent), mark.text);
        }
        return true;
    };
}

inline PageDrawer failingDrawer()
{
    return [](PageCanvas &) { return false; };
}
