// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What a file was when the program last read or wrote it: which file it is (its device
// and inode, however the path names it) and its size and modification time, enough to
// tell that another program has written it since.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch

    // The file path names, links followed; nothing when there is none.
    static std::optional<FileStamp> of(const QString &path);

    // The same file, whatever was written into it since.
    bool isSameFile(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode;
    }

    friend bool operator==(const FileStamp &a, const FileStamp &b)
    {
        return a.isSameFile(b) && a.size == b.size && a.modifiedNs == b.modifiedNs;
    }
    friend bool operator!=(const FileStamp &a, const FileStamp &b) { return !(a == b); }
};

// A document's file as the program last read or wrote it; nothing known by default.
struct KnownFile
{
    QString path;
    std::optional<FileStamp> stamp;

    // The file at path as it is now, just after the program read or wrote it.
    static KnownFile of(const QString &path) { return {path, FileStamp::of(path)}; }

    // Whether writing to path would replace this file as another program left it since: path
    // names it (by this name or another, or anew after that program replaced it) and it is
    // no longer as it was. A file gone since has nothing left to lose.
    bool changedOnDisk(const QString &target) const;
};
