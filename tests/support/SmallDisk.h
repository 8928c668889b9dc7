// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A tmpfs of a few pages mounted on a temporary folder for the length of a test, filled up
// on purpose to see what a save does when the disk is full: nothing is faked, the kernel
// refuses the bytes. Mounting needs root (the suite runs as root in CI); where it is
// refused, isMounted() is false and the test skips.
class SmallDisk
{
public:
    static constexpr qint64 PageSize = 4096;

    explicit SmallDisk(qint64 sizeBytes = 256 * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Takes every free page with filler files kept in a folder of their own, then gives
    // back whole pages until at least freeBytes (rounded up to pages) are free again.
    [[nodiscard]] bool fillLeaving(qint64 freeBytes);
    // The files beside the filler: what a save left behind.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
