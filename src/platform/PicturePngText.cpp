// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PicturePngText.h"

#include <QtEndian>

namespace {

const QByteArray Signature("\x89PNG\r\n\x1A\n", 8);
constexpr qsizetype ChunkFraming = 12; // length, type, and checksum after the data

bool isText(QByteArrayView type)
{
    return type == "tEXt" || type == "zTXt" || type == "iTXt";
}

} // namespace

namespace PicturePngText {

QByteArray withoutText(const QByteArray &png)
{
    if (!png.startsWith(Signature))
        return png;
    QByteArray kept = Signature;
    qsizetype offset = Signature.size();
    while (png.size() - offset >= ChunkFraming) {
        const qint64 length = qFromBigEndian<quint32>(png.constData() + offset);
        if (length > png.size() - offset - ChunkFraming)
            break; // damaged: what follows is left for the decoder to refuse
        const qsizetype chunkSize = ChunkFraming + qsizetype(length);
        if (!isText(QByteArrayView(png.constData() + offset + 4, 4)))
            kept.append(png.constData() + offset, chunkSize);
        offset += chunkSize;
    }
    return kept.append(png.constData() + offset, png.size() - offset);
}

} // namespace PicturePngText
