// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1String>
#include <QString>
#include <optional>

// Takes lines and comma-separated items from a text in sequence, the way label and
// settings files written by every version of the program are read: an item skips the blanks before it,
// is either a quoted text or runs to the next comma or line end, and consumes that
// comma or line end. Lines may end with CR LF or LF alone.
class SequentialReader
{
public:
    explicit SequentialReader(QString text);

    // Each gives nothing once the text is exhausted or the item does not read as asked.
    std::optional<QString> line();
    // A line with the blanks around it removed.
    std::optional<QString> wholeLine();
    std::optional<QString> item();
    std::optional<double> number();
    std::optional<double> wholeNumber();
    // One of the two words (in any case), or a number: true when it is not zero.
    std::optional<bool> truth(QLatin1String trueWord, QLatin1String falseWord);

private:
    void skipBlanks();
    void skipItemEnd();

    QString m_text;
    int m_pos = 0;
};
