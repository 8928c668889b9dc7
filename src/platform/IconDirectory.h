// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>

// The directory at the head of an icon or cursor file, read without decoding any image: an
// icon may hold dozens of entries, each as large as a picture can be.
namespace IconDirectory {

struct Entry
{
    int index;
    QSize size;
    // An entry stored as PNG: where that PNG file lies in the icon's bytes.
    bool png = false;
    qint64 offset = 0;
    qint64 length = 0;
};

// The largest entry (the first of them if several are equally large), or nothing when bytes
// do not start with an icon or cursor directory holding an entry. The size of an entry
// stored as PNG is read from the PNG's own header, since the directory cannot state more
// than 256 pixels.
std::optional<Entry> largestEntry(const QByteArray &bytes);

} // namespace IconDirectory
