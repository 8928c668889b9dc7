// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"
#include "label/ZoneLines.h"

#include <optional>

// What a printed label is drawn from: the label, and its zones' texts split into lines.
struct LabelArtwork
{
    LabelDocument document;
    LabelLines lines;

    // The label as printing and the preview draw it, for the window and the command line
    // alike; nothing when a zone has more lines than a label holds
    // (ZoneLines::tooManyLinesMessage says so).
    static std::optional<LabelArtwork> of(const LabelDocument &document);
};
