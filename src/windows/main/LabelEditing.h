// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ZoneId.h"

#include <QString>

// What the main window knows of the label it edits besides what the label is.
struct LabelEditing
{
    // The label's file; empty while the label is untitled.
    QString fileName;
    // The zone whose text the edit box shows.
    ZoneId selectedZone = ZoneId::First;
};
