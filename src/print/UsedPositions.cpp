// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/UsedPositions.h"

#include "print/LabelPrinting.h"
#include "print/RunLimits.h"

#include <QStringList>

namespace {

// The labels of a request as a row of sheet slots: the first one's position and how many
// follow it. A run never leaves its sheet; a list goes on to as many sheets as it fills.
struct PrintedSlots
{
    int startPosition = 0;
    int count = 0;
};

PrintedSlots printedSlots(const PrintRequest &request)
{
    const PrintRun &run = request.run;
    switch (run.mode) {
    case PrintMode::SingleLabel:
        return {run.singlePosition, 1};
    case PrintMode::List:
        return {run.startPosition, request.list.count()};
    case PrintMode::Run:
        break;
    }
    return {run.startPosition, qMin(run.copyCount, RunLimits::positionsFrom(run.startPosition))};
}

// The positions the labels take on sheet sheetIndex (from 0) of the job.
QList<int> positionsOnSheet(const PrintedSlots &row, int sheetIndex)
{
    const LabelPrinting::SheetPart part =
        LabelPrinting::sheetPart(row.startPosition, row.count, sheetIndex);
    QList<int> positions;
    for (int k = 0; k < part.labelCount; ++k)
        positions.append(part.firstPosition + k);
    return positions;
}

} // namespace

bool UsedPositions::isUsed(int position) const
{
    return position >= 1 && position <= SheetGeometry::Positions &&
           m_used.test(std::size_t(position - 1));
}

void UsedPositions::mark(int position)
{
    if (position >= 1 && position <= SheetGeometry::Positions)
        m_used.set(std::size_t(position - 1));
}

QList<int> UsedPositions::positions() const
{
    QList<int> used;
    for (int position = 1; position <= SheetGeometry::Positions; ++position) {
        if (isUsed(position))
            used.append(position);
    }
    return used;
}

std::optional<int> UsedPositions::firstFree() const
{
    for (int position = 1; position <= SheetGeometry::Positions; ++position) {
        if (!isUsed(position))
            return position;
    }
    return std::nullopt;
}

QList<int> UsedPositions::printedOverBy(const PrintRequest &request) const
{
    QList<int> over = positionsOnSheet(printedSlots(request), 0);
    over.removeIf([this](int position) { return !isUsed(position); });
    return over;
}

UsedPositions UsedPositions::afterPrinting(const PrintRequest &request) const
{
    const PrintedSlots row = printedSlots(request);
    const int sheets = LabelPrinting::listPageCount(row.startPosition, row.count);
    // A sheet the job went on to is a new one: what the first held left the printer with it.
    UsedPositions after = sheets > 1 ? UsedPositions() : *this;
    for (const int position : positionsOnSheet(row, qMax(0, sheets - 1)))
        after.mark(position);
    return after;
}

PrintRun UsedPositions::onFirstFreePosition(PrintRun run) const
{
    const std::optional<int> free = firstFree();
    if (!free)
        return run;
    run.singlePosition = *free;
    run.startPosition = *free;
    run.copyCount = qMin(run.copyCount, RunLimits::positionsFrom(*free));
    return run;
}

PrintRun UsedPositions::offUsedPositions(PrintRun run) const
{
    const PrintRun moved = onFirstFreePosition(run);
    // A position not chosen yet is proposed too, once the sheet has used ones.
    const auto taken = [this](int position) {
        return isUsed(position) || (position == 0 && !isEmpty());
    };
    if (taken(run.singlePosition))
        run.singlePosition = moved.singlePosition;
    if (taken(run.startPosition)) {
        run.startPosition = moved.startPosition;
        run.copyCount = moved.copyCount;
    }
    return run;
}

QString UsedPositions::storedForm() const
{
    QStringList numbers;
    for (const int position : positions())
        numbers.append(QString::number(position));
    return numbers.join(QLatin1Char(','));
}

UsedPositions UsedPositions::fromStoredForm(const QString &text)
{
    UsedPositions used;
    for (const QString &number : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool read = false;
        const int position = number.trimmed().toInt(&read);
        if (read)
            used.mark(position);
    }
    return used;
}
