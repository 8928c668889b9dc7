// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// A colour as the label file stores it: red + 256 x green + 65536 x blue, or, with the
// top bit set, a system colour whose index is in the low byte.
using ColorValue = qint32;

// The window-text system colour, which zones 2 and 3 show at start-up.
inline constexpr ColorValue WindowTextColor = qint32(0x80000008u);

enum ZoneAlignment : qint16
{
    AlignLeft = 0,
    AlignRight = 1,
    AlignCentre = 2
};

// One of the label's three text zones: its text and how it is drawn.
struct TextZone
{
    QString Caption;
    QString FontName = QStringLiteral("Arial");
    float FontSize = 8.25f;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;
    ColorValue ForeColor = 0;
    qint16 Alignment = AlignLeft;

    bool operator==(const TextZone &other) const;
    bool operator!=(const TextZone &other) const { return !(*this == other); }

    // The zone as the main window shows it before anything is loaded.
    static TextZone startUp(int zone);
};

// The label's three zones, zone 1 first.
using LabelZones = std::array<TextZone, 3>;

// The three zones as the main window shows them before anything is loaded.
LabelZones startUpZones();
