// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelPlacement.h"

#include "label/NumberText.h"
#include "print/SheetGeometry.h"

#include <QCoreApplication>
#include <QList>
#include <QRectF>

namespace {

struct PlacedLabel
{
    int position;
    QPointF origin;
};

QList<PlacedLabel> labelsOf(const PrintRequest &request)
{
    const PrintRun &run = request.run;
    if (run.mode == PrintMode::SingleLabel)
        return {{run.singlePosition, run.labelOrigin}};
    QList<PlacedLabel> labels;
    if (run.mode == PrintMode::List) {
        // A list of ten labels or more reaches every position of its sheets.
        const int count = qMin(request.list.count(), SheetGeometry::Positions);
        for (int i = 0; i < count; ++i) {
            const int n = (run.startPosition - 1 + i) % SheetGeometry::Positions + 1;
            labels.append({n, SheetGeometry::labelOrigin(n, request.layout.sheetSpacing)});
        }
        return labels;
    }
    for (int n = run.startPosition; n < run.startPosition + run.copyCount; ++n)
        labels.append({n, SheetGeometry::labelOrigin(n, request.layout.sheetSpacing)});
    return labels;
}

// Whether some of [start, start + length] lies within [0, room].
bool reaches(double start, double length, double room)
{
    return start < room && start + length > 0;
}

} // namespace

namespace LabelPlacement {

std::optional<QString> offPageProblem(const PrintRequest &request, const QSizeF &printableMm)
{
    const SheetLayout &layout = request.layout;
    for (const PlacedLabel &label : labelsOf(request)) {
        std::optional<SheetDistance> cause;
        // The margin when it alone puts the first label of the row or column off the page,
        // else the gap that carries this one further.
        if (!reaches(label.origin.x(), SheetGeometry::LabelWidth, printableMm.width()))
            cause = reaches(layout.distance(SheetDistance::LeftMargin), SheetGeometry::LabelWidth,
                            printableMm.width())
                        ? SheetDistance::ColumnGap
                        : SheetDistance::LeftMargin;
        else if (!reaches(label.origin.y(), SheetGeometry::LabelHeight, printableMm.height()))
            cause = reaches(layout.distance(SheetDistance::TopMargin), SheetGeometry::LabelHeight,
                            printableMm.height())
                        ? SheetDistance::RowGap
                        : SheetDistance::TopMargin;
        if (cause)
            return QCoreApplication::translate(
                       "LabelPlacement",
                       "L'étiquette N° %1 sort de la zone imprimable de la page !\r%2 : %3 mm")
                .arg(label.position)
                .arg(SheetGeometry::distanceName(*cause),
                     NumberText::plain(layout.distance(*cause)));
    }
    return std::nullopt;
}

} // namespace LabelPlacement
