// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The temporary files a save writes beside its target before renaming them over it:
//   .NAME.korvalin-PID-XXXXXXXX
// the target's name (cut so that the whole stays within the system's limit on names),
// the id of the process writing it and a random number. A process killed in the middle
// of a save leaves its temporary behind; the id tells the next save of the same name
// that nobody is writing it any more.
namespace SaveTemporaries {

struct Temporary
{
    int descriptor = -1; // open for writing, or -1 and errno set
    QString path;
};

// A new, empty temporary file beside target, under a name nobody uses.
Temporary create(const QString &target);

// Removes the temporaries of target left by processes that are gone. A process still
// running keeps its own, whoever it belongs to.
void removeStale(const QString &target);

} // namespace SaveTemporaries
