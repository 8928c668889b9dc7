// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the user's own files are, as opposed to the program's.
namespace UserFolders {

// Whether the program's folder belongs to the system rather than to the user: an installed
// program (under /usr, /opt and the like), or any folder the user cannot write in.
bool isSystemFolder(const QString &programFolder);

// Whether an absolute, clean path lies where packages and installations put programs: under
// /usr, /opt and the like, which a folder whose name only begins the same way (/usr2) is not.
bool isInstalledLocation(const QString &path);

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

} // namespace UserFolders
