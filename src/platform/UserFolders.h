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

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

} // namespace UserFolders
