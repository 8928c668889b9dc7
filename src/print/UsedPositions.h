// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrintRequest.h"
#include "print/SheetGeometry.h"

#include <QList>
#include <QString>
#include <bitset>
#include <optional>

// The positions of the sheet in the printer that earlier jobs have printed on: the next job
// is proposed the free ones, and printing over a used one is asked first.
class UsedPositions
{
public:
    bool isEmpty() const { return m_used.none(); }
    bool isUsed(int position) const;
    // From 1 to 10, in order.
    QList<int> positions() const;
    std::optional<int> firstFree() const;

    // The positions the request would print over on the sheet now in the printer.
    QList<int> printedOverBy(const PrintRequest &request) const;
    // The sheet once the request has printed: its labels added to the marks, or, for a list
    // that went on to further sheets, the last sheet's labels alone.
    UsedPositions afterPrinting(const PrintRequest &request) const;
    // The run with its single label and its start on the first free position, as the job
    // after another is proposed; a run moved on keeps to the positions left after its start.
    // A full sheet moves nothing.
    PrintRun onFirstFreePosition(PrintRun run) const;
    // The same for those of the single label and the start that stand on a used position,
    // or on none yet (0) while the sheet has used ones.
    PrintRun offUsedPositions(PrintRun run) const;

    // "3,4", as the user's settings keep them; positions that do not read are left out.
    QString storedForm() const;
    static UsedPositions fromStoredForm(const QString &text);

private:
    void mark(int position);

    std::bitset<SheetGeometry::Positions> m_used;
};
