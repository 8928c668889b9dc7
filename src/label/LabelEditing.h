// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the main window knows of the label it edits besides what its file holds.
struct LabelEditing
{
    // The label's file; empty while the label is untitled.
    QString fileName;
    // The last picture path tried; printing and the preview draw the shown picture while
    // it is not empty.
    QString iconPath;
    // The zone whose text the edit box shows, 1 to 3.
    qint16 currentZone = 1;
};
