// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Why the disk or the target refused a save, in words for the user: the second line of
// the save message.
namespace SaveReasons {

// Whether a refused access came from the file itself or from the folder that holds it.
enum class Refuser
{
    File,
    Folder
};

// The reason for a system call's error number; the system's own words for the rare ones.
QString fromError(int error, Refuser refuser);

QString folder();
QString notAFile();
QString disk();
QString pipeWithoutReader();
QString closedDescriptor(int descriptor);

} // namespace SaveReasons
