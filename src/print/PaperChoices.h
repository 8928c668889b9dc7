// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <cups/cups.h>

// The papers of a printer as a person chooses among them in the printer set-up.
namespace PaperChoices {

// Each size once. CUPS lists most sizes twice, with the printer's margins and borderless
// ("iso_a4_210x297mm_borderless"); labels are printed inside the margins, so the borderless
// copy goes. It stays where the printer offers that size no other way, and where it is the
// default already stored, which a dialog closed with OK must keep.
QList<cups_size_t> withoutBorderlessCopies(const QList<cups_size_t> &media,
                                           const QString &defaultKeyword);

// The name shown for a size: CUPS's, in the user's language. Where CUPS has no name for the
// size in that language it spells out the dimensions ("210 x 297 mm"); the size's usual
// short name ("A4", "Letter") reads better, when it has one.
QString shownName(const QString &cupsName, const cups_size_t &size);

} // namespace PaperChoices
