// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/Picture.h"
#include "label/TextZone.h"

#include <QString>

// The label's picture: the path its file stores, and the picture read from it. A label has
// no picture when the path is empty; a picture that could not be read (gone, damaged) keeps
// its path, so that saving the label keeps it too, and draws nothing.
struct LabelPicture
{
    QString path;
    Picture decoded;

    bool isNone() const { return path.isEmpty(); }
};

// All that a label is: its three zones and its picture.
struct LabelDocument
{
    LabelZones zones;
    LabelPicture picture;

    // The label the main window shows before anything is loaded.
    static LabelDocument startUp();
    // The label "Nouveau" starts.
    static LabelDocument blank();

    // Equal when the label file would store the same: the decoded picture, read from the
    // path, makes no difference.
    bool operator==(const LabelDocument &other) const;
    bool operator!=(const LabelDocument &other) const { return !(*this == other); }
};
