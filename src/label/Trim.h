#pragma once

#include <QString>

// The text without the space characters (and only those) at its two ends; tabs and
// line breaks stay, as the label file and the line splitting expect.
QString trimSpaces(const QString &text);
