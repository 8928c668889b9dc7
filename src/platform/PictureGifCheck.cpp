// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureGifCheck.h"

#include "platform/PictureRasterReader.h"
#include "platform/wmf/WmfParams.h"

namespace {

constexpr qsizetype HeaderSize = 13; // signature, version, screen descriptor
constexpr uchar ColourTableFlag = 0x80;
constexpr char ExtensionIntroducer = 0x21;
constexpr char ImageSeparator = 0x2C;

qsizetype colourTableBytes(uchar flags)
{
    return (flags & ColourTableFlag) ? 3 * (qsizetype(2) << (flags & 0x07)) : 0;
}

// The offset past the data sub-blocks that start at offset; beyond the file when cut short.
qsizetype skipSubBlocks(const QByteArray &gif, qsizetype offset)
{
    while (offset < gif.size()) {
        const uchar length = uchar(gif.at(offset));
        offset += 1 + length;
        if (length == 0)
            break;
    }
    return offset;
}

} // namespace

namespace PictureGifCheck {

bool decodingBounded(const QByteArray &gif)
{
    WmfParams header(gif.constData(), gif.size());
    header.skip(6); // signature and version
    const qint64 screenWidth = header.uint16();
    const qint64 screenHeight = header.uint16();
    const uchar flags = uchar(header.uint16() & 0xFF); // then the background colour
    if (!header.ok())
        return true; // not a GIF the decoder will read at all
    const qint64 screenPixels = screenWidth * screenHeight;
    const qint64 allowed = screenPixels > 0 ? qMin(screenPixels, PictureRasterReader::MaxPixels)
                                            : PictureRasterReader::MaxPixels;

    qsizetype offset = HeaderSize + colourTableBytes(flags);
    while (offset < gif.size()) {
        const char introducer = gif.at(offset);
        if (introducer == ExtensionIntroducer) {
            offset = skipSubBlocks(gif, offset + 2); // past the introducer and the label
        } else if (introducer == ImageSeparator) {
            WmfParams frame(gif.constData() + offset + 1, gif.size() - offset - 1);
            frame.skip(4); // left and top
            const qint64 width = frame.uint16();
            const qint64 height = frame.uint16();
            return !frame.ok() || width * height <= allowed;
        } else {
            return true; // the trailer, or damage the decoder stops at
        }
    }
    return true;
}

} // namespace PictureGifCheck
