// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/TextZone.h"

bool TextZone::operator==(const TextZone &other) const
{
    return Caption == other.Caption && FontName == other.FontName && FontSize == other.FontSize &&
           FontBold == other.FontBold && FontItalic == other.FontItalic &&
           FontStrikethru == other.FontStrikethru && FontUnderline == other.FontUnderline &&
           ForeColor == other.ForeColor && Alignment == other.Alignment;
}

LabelZones startUpZones()
{
    return {TextZone::startUp(1), TextZone::startUp(2), TextZone::startUp(3)};
}

TextZone TextZone::startUp(int zone)
{
    TextZone z;
    z.ForeColor = zone == 1 ? 0 : WindowTextColor;
    return z;
}
