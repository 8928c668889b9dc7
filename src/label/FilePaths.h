// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// True when a regular file matches path; the name part may hold * and ? wildcards.
bool matchingFileExists(const QString &path);

// path with exactly one trailing "/" ("/" for an empty path).
QString withTrailingSlash(const QString &path);

// The file name the status bar shows for a path, in capitals.
QString documentName(const QString &path);
