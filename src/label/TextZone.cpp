// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/TextZone.h"

bool ZoneStyle::operator==(const ZoneStyle &other) const
{
    return fontFamily == other.fontFamily && pointSize == other.pointSize && bold == other.bold &&
           italic == other.italic && color == other.color && alignment == other.alignment;
}

bool TextZone::operator==(const TextZone &other) const
{
    return text == other.text && style == other.style;
}

TextZone TextZone::startUp(ZoneId zone)
{
    TextZone z;
    z.style.color = zone == ZoneId::First ? 0 : WindowTextColor;
    return z;
}
