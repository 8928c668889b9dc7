// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Numbers as the program writes them in captions, messages and files, and as it reads
// them back from boxes and files. "." is the decimal separator whatever the locale.
namespace NumberText {

// Plain form: no blank, no exponent, no trailing zeros, and no zero before the point
// of a value between -1 and 1 (10, 7.5, -2, .5).
QString plain(double value);
QString plain(float value);

// The plain form with one leading blank standing for the sign of a non-negative
// number (" 10", " .5", "-2").
QString signedForm(double value);
QString signedForm(float value);

// The longest leading decimal number of a box's text, blanks before it skipped:
// "12.5mm" gives 12.5, "1.2.3" gives 1.2, "" and "-" give 0.
double leadingNumber(const QString &text);

// The whole text as one decimal number ("-2", "7.5", ".5", "1E+20"), or nothing.
std::optional<double> exactNumber(const QString &text);

} // namespace NumberText
