// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"
#include "files/SmallFile.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A recovery copy of a label that was never saved as it stood, and the record of the
// program that wrote it.
struct RecoveryCopy
{
    QString copyPath;     // the label, in the label file format
    QString recordPath;   // who wrote it, and for which file
    QString originalName; // the label's own file; empty for an untitled label
    QDateTime writtenAt;
};

// The folder where each running program keeps a copy of its modified label, so that edits
// outlive a crash or a power cut: $XDG_STATE_HOME/korvalin (~/.local/state/korvalin). Each
// program writes under its own boot and process ids, so programs running at once never
// share a copy; a copy outlives its writer only when that program ended without the
// chance to remove it.
class RecoveryFolder
{
public:
    // The program that writes the copies: this process, unless a test stands in for another.
    struct Writer
    {
        qint64 processId = 0;
        QString bootId; // empty when the system does not say
        static Writer thisProcess();
    };

    explicit RecoveryFolder(const QString &path = defaultPath(),
                            const Writer &writer = Writer::thisProcess());

    // Read from the environment now: later changes to it do not move the folder.
    static QString defaultPath();
    const QString &path() const { return m_path; }

    // Where the writer's own copy goes.
    RecoveryCopy ownCopy() const;
    // Writes the record, then the copy, each through the program's whole-file save, so a
    // crash leaves either the previous copy or the new one. Refused, with the reason, when
    // the folder cannot be made or the disk refused, or the document cannot be written as a
    // label file.
    SmallFile::WriteResult write(const LabelDocument &document, const QString &originalName) const;

    // The copies of programs that no longer run, newest first. A record whose copy is
    // gone is removed on the way.
    QList<RecoveryCopy> orphans() const;

    // The copy first: a record alone is harmless and goes with the next orphans().
    static void remove(const RecoveryCopy &copy);

private:
    QString m_path;
    Writer m_writer;
};
