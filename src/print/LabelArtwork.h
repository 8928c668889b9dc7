// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"
#include "label/ZoneLines.h"
#include "platform/Picture.h"

#include <array>

// What a printed label is drawn from: the zones' lines as split just before, their fonts,
// colours and alignment, and the picture the main window shows.
struct LabelArtwork
{
    LabelLines lines;
    std::array<TextZone, 3> zones;
    Picture picture;
    // The label has an icon (IconPath is not empty); an empty picture then draws nothing.
    bool hasIcon = false;
};
