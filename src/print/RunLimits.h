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
