// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The desktop's system information program, which the about box starts.
namespace SystemInfoTool {

// Where the administrator names it: the machine-wide settings file, an INI file read with
// QSettings::IniFormat ([SystemInformation] Path=/usr/bin/hardinfo).
QString systemSettingsPath();
inline constexpr char PathKey[] = "SystemInformation/Path";

// Well-known programs looked for on PATH, in this order, when none is named.
QStringList wellKnownPrograms();

// The program the administrator names, as written; empty when none is, or when the value is
// too long to be a path.
QString namedProgram(const QSettings &systemSettings);

// The program to start: the one the administrator names by its full path, as named (even when
// nothing is there: the administrator's word holds, and its absence is reported), else the
// first well-known one found in the absolute folders of PATH; empty when there is none, or
// when the administrator names one by a relative path.
QString locate(const QSettings &systemSettings);

} // namespace SystemInfoTool
