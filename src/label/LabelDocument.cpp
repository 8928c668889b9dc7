// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/LabelDocument.h"

LabelDocument LabelDocument::startUp()
{
    LabelDocument document;
    for (ZoneId zone : AllZones)
        document.zones[zone] = TextZone::startUp(zone);
    return document;
}

LabelDocument LabelDocument::blank()
{
    LabelDocument document;
    for (TextZone &zone : document.zones) {
        // In lower case: files saved after "Nouveau" name it so.
        zone.style.fontFamily = QStringLiteral("arial");
        zone.style.pointSize = 8;
    }
    return document;
}

bool LabelDocument::operator==(const LabelDocument &other) const
{
    return zones == other.zones && picture.path == other.picture.path;
}
