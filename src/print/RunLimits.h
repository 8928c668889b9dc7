// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How many identical labels a run may hold, and the messages that say so.
namespace RunLimits {

inline constexpr int MaxCopies = 10;

// The positions left on the sheet from a start position.
inline int positionsFrom(int startLabel)
{
    return 11 - startLabel;
}

QString tooManyCopiesMessage();
QString tooFewCopiesMessage();
QString pastSheetEndMessage(int startLabel);

} // namespace RunLimits
