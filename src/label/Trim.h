// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The text without the space characters (and only those) at its two ends; tabs and
// line breaks stay, as the label file and the line splitting expect.
QString trimSpaces(const QString &text);
