// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

struct stat;

namespace DiskRoom {

// Whether the disk holding the open file has room for the file to reach end bytes,
// counting the blocks it already holds. A write that cannot be undone once the disk
// refuses it midway asks first.
bool hasRoomFor(int descriptor, const struct stat &file, qint64 end);

} // namespace DiskRoom
