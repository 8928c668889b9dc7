// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

// One label of a list: the texts it gives the zones, CR LF between their lines. A zone it
// gives no text keeps the label's own.
struct ListedLabel
{
    PerZone<std::optional<QString>> texts;
    int lineNumber = 0; // where the label starts in the list's text, from 1
};

// Different labels printed one after the other: each has the printed label's fonts,
// colours, alignments and picture, and its own texts.
struct LabelList
{
    QList<ListedLabel> labels;

    int count() const { return int(labels.size()); }
    bool isEmpty() const { return labels.isEmpty(); }
    // The label the list's entry at index makes of document.
    LabelDocument labelAt(int index, const LabelDocument &document) const;
};

// Why a line of a list cannot be printed.
struct ListRefusal
{
    int lineNumber = 0;
    QString reason;

    // "Ligne 3 : ..." as the window and the command line show it.
    QString message() const;
};

// A list as a user types it, pastes it from a spreadsheet or saves it from a text editor: one
// label a line, its zone texts separated by a tab or a ";", in zone order, a field quoted with
// double quotes as spreadsheets write them ("" for a quote, separators and line ends kept
// inside), "\n" in a field for a new line of its zone. Blank lines are skipped.
namespace LabelListText {

// A list file's text: UTF-8 with or without its byte-order mark, otherwise Windows-1252.
QString decode(const QByteArray &bytes);

// The list, or its first line that does not read as one.
std::variant<LabelList, ListRefusal> parse(const QString &text);

// The list's first label whose texts the label file could not hold or a label cannot show
// (too many lines), whatever the printed label's own texts.
std::optional<ListRefusal> refusal(const LabelList &list);

// parse, then refusal: the list ready to print, or why it is not.
std::variant<LabelList, ListRefusal> read(const QString &text);

} // namespace LabelListText
