// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/IconDirectory.h"

#include "platform/wmf/WmfParams.h"

#include <QtEndian>

namespace {

constexpr qsizetype DirectoryHeaderSize = 6;
constexpr qsizetype EntrySize = 16;
constexpr quint16 IconType = 1;
constexpr quint16 CursorType = 2;

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);
// Signature, then the header chunk's length and type before its width and height.
constexpr qsizetype PngWidthOffset = 16;

// The directory counts 256 as 0.
int directorySide(quint8 side)
{
    return side == 0 ? 256 : side;
}

std::optional<QSize> pngSize(const QByteArray &bytes, qint64 offset, qint64 length)
{
    if (length < PngWidthOffset + 8 || offset + PngWidthOffset + 8 > bytes.size() ||
        bytes.mid(offset, PngSignature.size()) != PngSignature)
        return std::nullopt;
    const char *header = bytes.constData() + offset + PngWidthOffset;
    const quint32 width = qFromBigEndian<quint32>(header);
    const quint32 height = qFromBigEndian<quint32>(header + 4);
    // Anything wider than an int is damaged; the caller's size limit refuses it.
    return QSize(int(qMin<quint32>(width, INT_MAX)), int(qMin<quint32>(height, INT_MAX)));
}

qint64 area(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

} // namespace

namespace IconDirectory {

std::optional<Entry> largestEntry(const QByteArray &bytes)
{
    WmfParams header(bytes.constData(), bytes.size());
    const quint16 reserved = header.uint16();
    const quint16 type = header.uint16();
    const quint16 count = header.uint16();
    if (!header.ok() || reserved != 0 || (type != IconType && type != CursorType))
        return std::nullopt;

    std::optional<Entry> largest;
    // A directory that claims more entries than the file holds is read as far as it goes.
    const qsizetype entriesInFile = (bytes.size() - DirectoryHeaderSize) / EntrySize;
    for (int index = 0; index < qMin<qsizetype>(count, entriesInFile); ++index) {
        WmfParams entry(bytes.constData() + DirectoryHeaderSize + index * EntrySize, EntrySize);
        const int width = directorySide(entry.uint8());
        const int height = directorySide(entry.uint8());
        entry.skip(6); // colours, reserved, planes or hot spot, bits or hot spot
        const qint64 length = entry.uint32();
        const qint64 offset = entry.uint32();
        const std::optional<QSize> png = pngSize(bytes, offset, length);
        const QSize size = png.value_or(QSize(width, height));
        if (!largest || area(size) > area(largest->size))
            largest = Entry{index, size, png.has_value(), offset, length};
    }
    return largest;
}

} // namespace IconDirectory
