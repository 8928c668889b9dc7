// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"

#include <QString>
#include <QStringList>
#include <optional>

// The three zone texts split into the lines that printing and the preview draw, without
// their line breaks.
using LabelLines = PerZone<QStringList>;

namespace ZoneLines {

inline constexpr int MaxLines = 15;

// The lines of each zone: the text split at its CR LF breaks, zone 2 trimmed of its outer
// spaces and the last line of zone 1 of its own (a lone line at both ends, a last line
// after a break at its end only). Nothing when a zone has more than MaxLines
// lines.
std::optional<LabelLines> split(const LabelZones &zones);

QString tooManyLinesMessage();

} // namespace ZoneLines
