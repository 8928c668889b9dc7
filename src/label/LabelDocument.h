// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"

#include <QString>

// The label as its file keeps it: the three zones and the path of the picture.
struct LabelDocument
{
    LabelZones zones = startUpZones();
    // Empty or "AUCUN" when the label has no picture.
    QString picturePath;

    // The picture's entry in the label file: its path, or "AUCUN".
    QString pictureEntry() const;

    // Equal when the label file would store the same: strikethrough and underline, which
    // it does not store, and the two ways of saying "no picture" make no difference.
    bool operator==(const LabelDocument &other) const;
    bool operator!=(const LabelDocument &other) const { return !(*this == other); }
};
