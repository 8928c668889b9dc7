// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/SmallFile.h"

#include <QByteArray>
#include <QString>

// Outputs that take the bytes as they come rather than as a file to replace: a character
// device or a pipe named by its path, or one of the program's own open descriptors
// (standard output redirected into a log, a pipe, a terminal).
namespace DeviceWrite {

SmallFile::WriteResult intoPath(const QString &path, const QByteArray &bytes);

// Writes where the descriptor stands (at the end when it was opened to append) and
// leaves it open. A regular file behind it is written only when the disk has room.
SmallFile::WriteResult intoDescriptor(int descriptor, const QByteArray &bytes);

} // namespace DeviceWrite
