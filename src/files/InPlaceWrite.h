// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/SmallFile.h"

#include <QByteArray>
#include <QString>

// Rewrites a regular file where it lies, keeping its inode: its other names (hard links),
// its owner, group, mode and everything else about it stay. Nothing is written unless
// the disk has room for the new bytes, and if the disk refuses them midway, the bytes
// they covered are put back, so the file is the new one or the old one.
namespace InPlaceWrite {

SmallFile::WriteResult write(const QString &path, const QByteArray &bytes);

} // namespace InPlaceWrite
