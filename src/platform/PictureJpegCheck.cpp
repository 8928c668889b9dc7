// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureJpegCheck.h"

#include <QVarLengthArray>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace {

// Encoders write ten scans or so: the standard progression of libjpeg has ten for a colour
// picture and six for a grey one, and encoders that search for the smallest file keep a few
// dozen. A thousand is far beyond anything written to show a picture.
constexpr int MaxScans = 1000;

// Each scan costs the decoder a visit to every block (8 x 8 pixels) of the components it
// codes, even when it holds no data. A colour photograph of the largest size accepted
// (32 megapixels) takes some four million visits with the standard progression and ten
// million with a searched one; this bound leaves a threefold margin and keeps the decoding of
// any file it lets through to a fraction of a second.
constexpr qint64 MaxBlockVisits = qint64(32) * 1024 * 1024;

constexpr uchar Prefix = 0xFF;
constexpr uchar Stuffed = 0x00;
constexpr uchar Temporary = 0x01;
constexpr uchar FirstRestart = 0xD0;
constexpr uchar LastRestart = 0xD7;
constexpr uchar EndOfImage = 0xD9;
constexpr uchar StartOfScan = 0xDA;

bool isRestart(uchar marker)
{
    return marker >= FirstRestart && marker <= LastRestart;
}

// SOF0 to SOF15, less the three codes of that range that are other segments.
bool isFrameHeader(uchar marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool standsAlone(uchar marker)
{
    return marker == Temporary || isRestart(marker);
}

struct Component
{
    uchar id = 0;
    int horizontal = 1;
    int vertical = 1;
};

struct Frame
{
    qint64 width = 0;
    qint64 height = 0;
    int maxHorizontal = 1;
    int maxVertical = 1;
    QVarLengthArray<Component, 4> components;

    qint64 blocksOf(uchar componentId) const
    {
        for (const Component &c : components) {
            if (c.id == componentId) {
                const qint64 columns = (width * c.horizontal + maxHorizontal - 1) / maxHorizontal;
                const qint64 rows = (height * c.vertical + maxVertical - 1) / maxVertical;
                return ((columns + 7) / 8) * ((rows + 7) / 8);
            }
        }
        return 0;
    }
};

Frame readFrame(const uchar *segment, qsizetype size)
{
    Frame frame;
    if (size < 6)
        return frame;
    frame.height = qFromBigEndian<quint16>(segment + 1);
    frame.width = qFromBigEndian<quint16>(segment + 3);
    const int count = segment[5];
    for (int i = 0; i < count && 6 + 3 * i + 2 < size; ++i) {
        const uchar *spec = segment + 6 + 3 * i;
        // A sampling factor of 0 is damaged; counted as 1 it can only make the cost larger.
        const Component c{spec[0], qMax(1, spec[1] >> 4), qMax(1, spec[1] & 0x0F)};
        frame.maxHorizontal = qMax(frame.maxHorizontal, c.horizontal);
        frame.maxVertical = qMax(frame.maxVertical, c.vertical);
        frame.components.append(c);
    }
    return frame;
}

qint64 blocksOfScan(const Frame &frame, const uchar *segment, qsizetype size)
{
    if (size < 1)
        return 0;
    qint64 blocks = 0;
    for (int i = 0; i < segment[0] && 1 + 2 * i < size; ++i)
        blocks += frame.blocksOf(segment[1 + 2 * i]);
    return blocks;
}

// Where the next marker starts, found as the decoder finds it: anything that is not a marker
// (entropy-coded data, with its stuffed and restart codes, or stray bytes) is passed over.
qsizetype nextMarker(const uchar *data, qsizetype size, qsizetype from)
{
    while (from + 1 < size) {
        const void *found = std::memchr(data + from, Prefix, size_t(size - from - 1));
        if (!found)
            return size;
        qsizetype at = static_cast<const uchar *>(found) - data;
        while (at + 2 < size && data[at + 1] == Prefix) // fill bytes
            ++at;
        const uchar marker = data[at + 1];
        if (marker != Stuffed && !isRestart(marker))
            return at;
        from = at + 2;
    }
    return size;
}

} // namespace

namespace PictureJpegCheck {

bool decodingBounded(const QByteArray &jpeg)
{
    const auto *data = reinterpret_cast<const uchar *>(jpeg.constData());
    const qsizetype size = jpeg.size();
    std::optional<Frame> frame;
    int scans = 0;
    qint64 blockVisits = 0;
    qsizetype at = 2; // past the start of image
    while ((at = nextMarker(data, size, at)) + 1 < size) {
        const uchar marker = data[at + 1];
        at += 2;
        if (marker == EndOfImage)
            break;
        if (standsAlone(marker) || at + 2 > size)
            continue;
        const qsizetype length = qFromBigEndian<quint16>(data + at);
        const uchar *segment = data + at + 2;
        const qsizetype segmentSize = qMin<qsizetype>(length, size - at) - 2;
        at += qMax<qsizetype>(length, 2);
        // The decoder keeps the first frame header and fails on any other.
        if (isFrameHeader(marker) && !frame) {
            frame = readFrame(segment, segmentSize);
        } else if (marker == StartOfScan) {
            ++scans;
            if (frame)
                blockVisits += blocksOfScan(*frame, segment, segmentSize);
            if (scans > MaxScans || blockVisits > MaxBlockVisits)
                return false;
        }
    }
    return true;
}

} // namespace PictureJpegCheck
