// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/SmallFile.h"

#include <QByteArray>
#include <QString>

struct stat;

// Writes a temporary file beside target and renames it over target once every write, the
// flush and the sync to the disk succeeded, so that a failed save leaves the previous file
// byte for byte and no temporary behind.
struct FileReplacement
{
    enum class Outcome
    {
        Finished,               // result says whether the file was written
        FolderRefusesTemporary, // nothing written: the folder takes no new file
        OwnerCannotBeKept       // nothing written: the replacement could not be given
                                // the owner and group of the file it would replace
    };

    Outcome outcome = Outcome::Finished;
    SmallFile::WriteResult result;

    // replaced is the file at target, or null when target is a new file.
    static FileReplacement write(const QString &target, const QByteArray &bytes,
                                 const struct stat *replaced);
};
