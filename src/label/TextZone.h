// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ZoneId.h"

#include <QString>
#include <cstdint>

// A colour as the label file stores it: red + 256 x green + 65536 x blue, or, with the
// top bit set, a system colour whose index is in the low byte.
using ColorValue = std::int32_t;

// The window-text system colour, which zones 2 and 3 show at start-up.
inline constexpr ColorValue WindowTextColor = ColorValue(0x80000008u);

// How a zone's lines sit in it; the label file stores the number.
enum class ZoneAlignment
{
    Left = 0,
    Right = 1,
    Centre = 2
};

// How a zone's text is drawn: everything about it but the text.
struct ZoneStyle
{
    QString fontFamily = QStringLiteral("Arial");
    float pointSize = 8.25f;
    bool bold = false;
    bool italic = false;
    ColorValue color = 0;
    ZoneAlignment alignment = ZoneAlignment::Left;

    bool operator==(const ZoneStyle &other) const;
    bool operator!=(const ZoneStyle &other) const { return !(*this == other); }
};

// One of the label's three text zones: its text, whose lines end with CR LF, and its style.
struct TextZone
{
    QString text;
    ZoneStyle style;

    bool operator==(const TextZone &other) const;
    bool operator!=(const TextZone &other) const { return !(*this == other); }

    // The zone as the main window shows it before anything is loaded.
    static TextZone startUp(ZoneId zone);
};

// The label's three zones.
using LabelZones = PerZone<TextZone>;
