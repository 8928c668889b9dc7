// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The image viewer's file patterns: one or more wildcard masks separated by ";" ("*" any
// run of characters, "?" one character), matched without regard to case.
namespace FileMasks {

// The masks of pattern as name filters. "*.*" meant every file, names without an
// extension included, so it becomes "*"; blank masks are dropped. No mask lists every file.
QStringList nameFilters(const QString &pattern);

// The masks of pattern as expressions matching whole names. Only "*" and "?" are wildcards:
// "[" and "]" are characters of file names like any other.
QList<QRegularExpression> expressions(const QString &pattern);

} // namespace FileMasks
