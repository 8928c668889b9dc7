// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PdfText.h"

#include "print/SheetGeometry.h"
#include "print/SheetLayout.h"

#include <QStringList>
#include <QTest>

// The titles "T01", "T02"... of a list of count labels, one a line.
inline QString numberedTitles(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("T%1").arg(i, 2, 10, QLatin1Char('0')));
    return lines.join(QLatin1Char('\n'));
}

// Checks a PDF of such a list printed from startPosition on A4 pages with the default
// distances: each title on its sheet, within its position's label, and on no other sheet.
inline void checkListPages(const QString &pdf, int count, int startPosition, int pageCount)
{
    const QList<PdfTextPage> pages = readPdfText(pdf);
    QCOMPARE(pages.size(), pageCount);
    const SheetLayout layout;
    for (int i = 0; i < count; ++i) {
        const QString title = QStringLiteral("T%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        const int slot = startPosition - 1 + i;
        const int sheet = slot / SheetGeometry::Positions;
        const int position = slot % SheetGeometry::Positions + 1;
        for (int p = 0; p < pages.size(); ++p) {
            const QRectF box = findWord(pages[p], title).box;
            QVERIFY2(box.isEmpty() == (p != sheet), qPrintable(title));
        }
        const QRectF label(SheetGeometry::labelOrigin(position, layout.sheetSpacing),
                           QSizeF(SheetGeometry::LabelWidth, SheetGeometry::LabelHeight));
        const QPointF centre = findWord(pages[sheet], title).box.center() * mmPerPt;
        QVERIFY2(label.contains(centre), qPrintable(title));
    }
}
