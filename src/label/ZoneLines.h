// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "label/TextZone.h"

#include <array>

// Splits the three zone texts into the line arrays that printing and the preview draw.
// A stored line keeps its separators: every line but the last ends with the CR that
// follows it, every line but the first starts with the LF before it.
namespace ZoneLines {

inline constexpr int MaxLines = 15;

// Fills state's line arrays and counts from the zones' texts. When a zone has more than
// MaxLines lines, the lines already stored for it stay, its count and the later zones
// keep their previous values, and the result is false.
bool split(const std::array<TextZone, 3> &zones, ProgramState &state);

QString tooManyLinesMessage();

} // namespace ZoneLines
