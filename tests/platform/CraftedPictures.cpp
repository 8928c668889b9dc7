// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CraftedPictures.h"

#include "WmfBuilder.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bigEndian16(int value)
{
    char be[2];
    qToBigEndian(quint16(value), be);
    return QByteArray(be, 2);
}

// A bitmap of noise over a full palette, written as absolute runs of 254 pixels: a PDF page
// cannot compress it, and every copy of it weighs as much as its pixels.
QByteArray runLengthDib(int side)
{
    quint32 seed = 1;
    QByteArray rows;
    for (int y = 0; y < side; ++y) {
        for (int left = side; left > 0; left -= 254) {
            const int run = qMin(left, 254);
            if (run < 3) { // absolute runs are three pixels at least
                rows.append(char(run)).append(char(7));
                continue;
            }
            rows.append('\0').append(char(run));
            for (int x = 0; x < run; ++x) {
                seed = seed * 1103515245 + 12345;
                rows.append(char(seed >> 24));
            }
            rows.append(QByteArray(run % 2, '\0')); // runs are padded to 16 bits
        }
        rows.append(2, '\0'); // end of line
    }
    rows.append('\0').append('\1'); // end of bitmap

    QByteArray dib = WmfBuilder::dwords({40, quint32(side), quint32(side)}) +
                     WmfBuilder::words({1, 8}) + // RLE8 next
                     WmfBuilder::dwords({1, quint32(rows.size()), 0, 0, 0, 0});
    for (int i = 0; i < 256; ++i)
        dib.append(char(i)).append(char(255 - i)).append(char(i * 7)).append('\0');
    return dib + rows;
}

QByteArray segment(quint8 marker, const QByteArray &payload)
{
    return QByteArray("\xFF", 1) + char(marker) + bigEndian16(int(payload.size()) + 2) + payload;
}

// Entropy-coded bits, with the byte stuffing that keeps them from reading as markers.
class BitWriter
{
public:
    void put(quint32 bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            m_byte = quint8((m_byte << 1) | ((bits >> i) & 1));
            if (++m_filled == 8)
                flushByte();
        }
    }
    QByteArray finish()
    {
        while (m_filled != 0)
            put(1, 1); // padding is made of ones
        return m_bytes;
    }

private:
    void flushByte()
    {
        m_bytes.append(char(m_byte));
        if (m_byte == 0xFF)
            m_bytes.append('\0');
        m_byte = 0;
        m_filled = 0;
    }

    QByteArray m_bytes;
    quint8 m_byte = 0;
    int m_filled = 0;
};

// One Huffman table holding a single one-bit code for symbol.
QByteArray oneCodeTable(quint8 tableClass, quint8 symbol)
{
    QByteArray counts(16, '\0');
    counts[0] = 1;
    return segment(0xC4, QByteArray(1, char(tableClass << 4)) + counts + char(symbol));
}

QByteArray littleEndian16(int value)
{
    char le[2];
    qToLittleEndian(quint16(value), le);
    return QByteArray(le, 2);
}

// Codes of varying width packed from the lowest bit, as GIF has them.
class LsbBitWriter
{
public:
    void put(quint32 code, int width)
    {
        m_pending |= quint64(code) << m_filled;
        m_filled += width;
        while (m_filled >= 8) {
            m_bytes.append(char(m_pending & 0xFF));
            m_pending >>= 8;
            m_filled -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_filled > 0)
            m_bytes.append(char(m_pending & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint64 m_pending = 0;
    int m_filled = 0;
};

// The LZW codes of a run of pixels of colour 0, two colours: every code after the first
// names the string the previous one added plus one pixel, until the table is full, then the
// longest string over and over.
QByteArray lzwRunOfZeros(qint64 pixels)
{
    constexpr quint32 Clear = 4;
    constexpr quint32 End = 5;
    constexpr quint32 FirstFree = 6;
    constexpr quint32 Full = 4096;
    LsbBitWriter bits;
    bits.put(Clear, 3);
    bits.put(0, 3);
    qint64 written = 1;
    quint32 code = FirstFree;
    int width = 3;
    while (written < pixels) {
        bits.put(code, width);
        written += code - FirstFree + 2;
        if (code + 1 < Full) {
            ++code;
            if (code == (1u << width))
                ++width;
        }
    }
    bits.put(End, width);
    return bits.finish();
}

QByteArray gifSubBlocks(const QByteArray &data)
{
    QByteArray blocks;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        blocks.append(char(block.size())).append(block);
    }
    return blocks.append('\0');
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    char be[4];
    qToBigEndian(quint32(data.size()), be);
    const QByteArray typed = QByteArray(type, 4) + data;
    QByteArray chunk(be, 4);
    chunk += typed;
    qToBigEndian(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))),
        be);
    return chunk.append(be, 4);
}

QByteArray scanHeader(int first, int last)
{
    return segment(0xDA, QByteArray::fromHex("010100") + char(first) + char(last) + '\0');
}

} // namespace

namespace CraftedPictures {

QByteArray fontCreations(int count)
{
    WmfBuilder wmf;
    for (int i = 0; i < count; ++i) {
        // A positive height is a cell height, which the player measures in the face.
        wmf.font(qint16(10 + i % 500), "Face " + QByteArray::number(i));
    }
    return wmf.finish();
}

QByteArray runLengthBitmaps(int count, int side)
{
    WmfBuilder wmf;
    const QByteArray dib = runLengthDib(side);
    const QByteArray copy = WmfBuilder::dwords({0x00CC0020});
    for (int i = 0; i < count; ++i) {
        // Colour usage, a source of all but the bitmap's last row and column, then the whole
        // frame as destination.
        const qint16 source = qint16(side - 1);
        wmf.record(0x0F43,
                   copy + WmfBuilder::words({0, source, source, 0, 0, 1000, 1000, 0, 0}) + dib);
    }
    return wmf.finish();
}

QByteArray progressiveJpeg(int side, int scans)
{
    const int blocks = ((side + 7) / 8) * ((side + 7) / 8);
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    jpeg += segment(0xC2, QByteArray(1, 8) + bigEndian16(side) + bigEndian16(side) +
                              QByteArray::fromHex("01011100"));
    // DC differences of category 0, and runs of 2^14 + 14 more bits of empty blocks.
    jpeg += oneCodeTable(0, 0x00);
    jpeg += oneCodeTable(1, 0xE0);

    BitWriter dc;
    for (int i = 0; i < blocks; ++i)
        dc.put(0, 1);
    jpeg += scanHeader(0, 0) + dc.finish();

    BitWriter ac;
    constexpr int LongestRun = 32767;
    for (int covered = 0; covered < blocks; covered += LongestRun)
        ac.put(0x3FFF, 15); // the one-bit code 0, then 14 bits of ones
    const QByteArray emptyScan = scanHeader(1, 63) + ac.finish();
    for (int scan = 1; scan < scans; ++scan)
        jpeg += emptyScan;
    return jpeg + QByteArray("\xFF\xD9", 2);
}

QByteArray oversizedGifFrame(int screen, int frame)
{
    QByteArray gif("GIF89a");
    gif += littleEndian16(screen) + littleEndian16(screen);
    gif += QByteArray::fromHex("800000") + QByteArray::fromHex("000000ffffff");
    gif += ',' + littleEndian16(0) + littleEndian16(0) + littleEndian16(frame) +
           littleEndian16(frame) + '\0';
    gif += '\2' + gifSubBlocks(lzwRunOfZeros(qint64(frame) * frame));
    return gif + ';';
}

QByteArray emptyPolygons(int count)
{
    WmfBuilder wmf;
    wmf.solidBrush(Qt::red).select(0);
    const QByteArray polygons = WmfBuilder::words({-1}) + QByteArray(2 * 65535, '\0');
    for (int i = 0; i < count; ++i)
        wmf.record(0x0538, polygons);
    return wmf.finish();
}

QByteArray emptyRunLengthBitmaps(int count, int side)
{
    const QByteArray dib = WmfBuilder::dwords({40, quint32(side), quint32(side)}) +
                           WmfBuilder::words({1, 8}) +
                           WmfBuilder::dwords({1, 2, 0, 0, 1, 0, 0}) + // one colour: black
                           QByteArray("\0\1", 2);                      // end of bitmap
    const qint16 source = qint16(qMin(side, 32767));
    WmfBuilder wmf;
    for (int i = 0; i < count; ++i) {
        wmf.record(0x0F43, WmfBuilder::dwords({0x00CC0020}) +
                               WmfBuilder::words({0, source, source, 0, 0, 1000, 1000, 0, 0}) +
                               dib);
    }
    return wmf.finish();
}

QByteArray svgPathData(qsizetype bytes)
{
    QByteArray svg(R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">)"
                   R"(<path fill="red" d="M 0 0)");
    const QByteArray step(" L 90 90 L 10 90");
    svg.reserve(bytes + 200);
    while (svg.size() < bytes)
        svg += step;
    return svg + R"( Z"/></svg>)";
}

QByteArray redPng(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return png;
}

QByteArray pngWithText(qsizetype textBytes)
{
    const QByteArray png = redPng(4);
    constexpr qsizetype SignatureAndHeader = 8 + 25;
    QByteArray text("Comment");
    text.append('\0').append(QByteArray(textBytes, 'x'));
    return png.left(SignatureAndHeader) + pngChunk("tEXt", text) + png.mid(SignatureAndHeader);
}

QByteArray gzipped(const QByteArray &bytes)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray compressed(qsizetype(deflateBound(&stream, uLong(bytes.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(compressed.data());
    stream.avail_out = uInt(compressed.size());
    deflate(&stream, Z_FINISH);
    compressed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return compressed;
}

QList<Named> reportedFiles()
{
    return {
        {u"crafted-fonts-100000.wmf"_s, fontCreations(100000)},
        {u"crafted-fonts-8000.wmf"_s, fontCreations(8000)},
        {u"crafted-fonts-4000.wmf"_s, fontCreations(4000)},
        {u"crafted-rle8-bitmaps-40.wmf"_s, runLengthBitmaps(40, 300)},
        {u"crafted-jpeg-5792-scans-20000.jpg"_s, progressiveJpeg(5792, 20000)},
        {u"crafted-jpeg-1024-scans-100000.jpg"_s, progressiveJpeg(1024, 100000)},
        {u"crafted-jpeg-2048-scans-50000.jpg"_s, progressiveJpeg(2048, 50000)},
        {u"crafted-gif-frame-65535-on-1000.gif"_s, oversizedGifFrame(1000, 65535)},
        {u"crafted-empty-polygons-480.wmf"_s, emptyPolygons(480)},
        {u"crafted-empty-rle8-bitmaps-40.wmf"_s, emptyRunLengthBitmaps(40, 5000)},
        {u"crafted-svg-path-52mb.svg"_s, svgPathData(52 * 1000 * 1000)},
        {u"crafted-png-text-63mb.png"_s, pngWithText(63 * 1000 * 1000)},
    };
}

} // namespace CraftedPictures
