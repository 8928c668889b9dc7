// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfDocument.h"

#include "platform/PictureRasterReader.h"
#include "platform/wmf/WmfBlit.h"
#include "platform/wmf/WmfDryRunDevice.h"
#include "platform/wmf/WmfPlayer.h"

#include <QPainter>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableHeaderSize = 22;
constexpr qsizetype MetaHeaderSize = 18;
constexpr quint16 MetaHeaderWords = 9;
constexpr qsizetype RecordHeaderSize = 6;

// The trial play happens at about the size of the largest drawing: a label's picture printed
// at high resolution.
constexpr int TrialSide = 1024;

bool hasPlaceableHeader(const QByteArray &bytes)
{
    return bytes.size() >= PlaceableHeaderSize &&
           WmfParams(bytes.constData(), bytes.size()).uint32() == PlaceableKey;
}

// The header of type 1 (in memory) or 2 (on disk); writers disagree on the version, so
// it is not checked.
bool isMetaHeader(const QByteArray &bytes, qsizetype offset)
{
    if (bytes.size() < offset + MetaHeaderSize)
        return false;
    WmfParams header(bytes.constData() + offset, MetaHeaderSize);
    const quint16 type = header.uint16();
    return (type == 1 || type == 2) && header.uint16() == MetaHeaderWords;
}

bool isTransfer(WmfRecordType type)
{
    return type == WmfRecordType::StretchDib || type == WmfRecordType::DibStretchBlt ||
           type == WmfRecordType::DibBitBlt;
}

// The part of a decoded bitmap that a transfer's source rectangle names.
std::optional<WmfBitmapPart> drawnPart(const QImage &image, const QSize &bitmapSize,
                                       const QRectF &source)
{
    if (image.isNull() || bitmapSize.isEmpty())
        return std::nullopt;
    // A large bitmap is decoded reduced, while the source counts the bitmap's own pixels.
    const qreal sx = qreal(image.width()) / bitmapSize.width();
    const qreal sy = qreal(image.height()) / bitmapSize.height();
    const QRect kept =
        QRectF(source.x() * sx, source.y() * sy, source.width() * sx, source.height() * sy)
            .toAlignedRect() &
        image.rect();
    if (kept.isEmpty())
        return std::nullopt;
    return WmfBitmapPart{image.copy(kept), QRectF(kept.x() / sx, kept.y() / sy, kept.width() / sx,
                                                  kept.height() / sy)};
}

} // namespace

bool WmfDocument::looksLikeMetafile(const QByteArray &bytes)
{
    return hasPlaceableHeader(bytes) || isMetaHeader(bytes, 0);
}

std::optional<WmfDocument> WmfDocument::parse(const QByteArray &bytes)
{
    WmfDocument document;
    document.m_bytes = bytes;
    qsizetype offset = 0;
    if (hasPlaceableHeader(bytes)) {
        // The bounding box; its checksum is often wrong in files from real programs.
        WmfParams box(bytes.constData() + 6, 8);
        const QPointF topLeft = box.pointXY();
        const QPointF bottomRight = box.pointXY();
        document.m_frame = QRectF(topLeft, bottomRight);
        offset = PlaceableHeaderSize;
    }
    if (!isMetaHeader(bytes, offset))
        return std::nullopt;
    // Each record takes a unit of work at least, so more of them than the budget can never be
    // drawn: reading stops there, and the file is refused before anything else is done.
    document.readRecords(offset + MetaHeaderSize);
    if (document.m_records.size() > MaxDrawingWork)
        return std::nullopt;
    if (document.m_frame.isNull()) {
        const std::optional<QRectF> window = document.windowFromRecords();
        if (!window)
            return std::nullopt;
        document.m_frame = *window;
    }
    if (qFuzzyIsNull(document.m_frame.width()) || qFuzzyIsNull(document.m_frame.height()) ||
        !document.readFonts())
        return std::nullopt;
    document.decodeBitmaps();
    if (!document.drawsWithinBudget())
        return std::nullopt;
    return document;
}

bool WmfDocument::drawsWithinBudget() const
{
    WmfDryRunDevice device(TrialSide);
    QPainter painter(&device);
    return WmfPlayer(*this, painter, QRectF(0, 0, TrialSide, TrialSide))
        .play(MaxDrawingWork - m_faceWork);
}

const WmfBitmapPart *WmfDocument::bitmap(int recordIndex) const
{
    const auto found = m_bitmaps.constFind(recordIndex);
    return found == m_bitmaps.cend() ? nullptr : &*found;
}

const WmfFont *WmfDocument::font(int recordIndex) const
{
    const auto found = m_fonts.constFind(recordIndex);
    return found == m_fonts.cend() ? nullptr : &*found;
}

bool WmfDocument::readFonts()
{
    QHash<int, WmfFontRequest> requests;
    QHash<WmfFaceKey, WmfFace> faces;
    for (int index = 0; index < m_records.size(); ++index) {
        const WmfRecord &record = m_records.at(index);
        if (record.type != WmfRecordType::CreateFontIndirect)
            continue;
        WmfParams p = params(record);
        const WmfFontRequest request = WmfObjects::readFontRequest(p);
        if (!p.ok())
            continue;
        requests.insert(index, request);
        faces.insert(WmfObjects::faceKey(request), WmfFace());
        // Counted before any face is looked up: a file naming thousands costs only this count.
        m_faceWork = faces.size() * FaceLookUpWork;
        if (m_faceWork > MaxDrawingWork)
            return false;
    }
    for (auto face = faces.begin(); face != faces.end(); ++face)
        face.value() = WmfObjects::lookUpFace(face.key());
    for (auto request = requests.cbegin(); request != requests.cend(); ++request) {
        m_fonts.insert(
            request.key(),
            WmfObjects::font(faces.value(WmfObjects::faceKey(request.value())), request.value()));
    }
    return true;
}

const char *WmfDocument::paramData(const WmfRecord &record) const
{
    return m_bytes.constData() + record.offset;
}

WmfParams WmfDocument::params(const WmfRecord &record) const
{
    return WmfParams(paramData(record), record.size);
}

void WmfDocument::readRecords(qsizetype offset)
{
    while (m_records.size() <= MaxDrawingWork && m_bytes.size() - offset >= RecordHeaderSize) {
        WmfParams header(m_bytes.constData() + offset, RecordHeaderSize);
        const qint64 bytes = qint64(header.uint32()) * 2;
        const auto type = WmfRecordType(header.uint16());
        if (bytes < RecordHeaderSize || bytes > m_bytes.size() - offset)
            break; // damaged from here on: keep what came before
        if (type == WmfRecordType::Eof)
            break;
        m_records.append({type, offset + RecordHeaderSize, qsizetype(bytes) - RecordHeaderSize});
        offset += bytes;
    }
}

std::optional<QRectF> WmfDocument::windowFromRecords() const
{
    QPointF origin;
    for (const WmfRecord &record : m_records) {
        WmfParams p = params(record);
        if (record.type == WmfRecordType::SetWindowOrg) {
            origin = p.pointYX();
        } else if (record.type == WmfRecordType::SetWindowExt) {
            const QPointF extent = p.pointYX();
            if (p.ok())
                return QRectF(origin, QSizeF(extent.x(), extent.y()));
        }
    }
    return std::nullopt;
}

void WmfDocument::decodeBitmaps()
{
    // Run-length bitmaps unpack to far more than they occupy, so all bitmaps together
    // share the budget of one large picture. Each is counted at the size its header gives
    // before it is decoded: a large one comes out reduced, but only after all its pixels
    // were unpacked.
    qint64 pixelBudget = PictureRasterReader::MaxPixels;
    for (int index = 0; index < m_records.size(); ++index) {
        const WmfRecord &record = m_records.at(index);
        if (!isTransfer(record.type))
            continue;
        const std::optional<WmfBlit> blit =
            WmfBlit::read(record.type, paramData(record), record.size);
        if (!blit || blit->dib.isEmpty())
            continue;
        const QSize size = WmfDib::size(blit->dib);
        if (!size.isValid())
            continue;
        pixelBudget -= qint64(size.width()) * size.height();
        if (pixelBudget < 0)
            break;
        const std::optional<WmfBitmapPart> part =
            drawnPart(WmfDib::decode(blit->dib), size, blit->source);
        if (part)
            m_bitmaps.insert(index, *part);
    }
}
