// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfObjects.h"

#include "label/Cp1252.h"

#include <QFontMetricsF>

namespace {

enum PenStyle : quint16
{
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    NullPen = 5
};
constexpr quint16 PenStyleMask = 0x000F;
constexpr quint16 PenEndCapMask = 0x0F00;
constexpr quint16 PenEndCapSquare = 0x0100;
constexpr quint16 PenEndCapFlat = 0x0200;
constexpr quint16 PenJoinMask = 0xF000;
constexpr quint16 PenJoinBevel = 0x1000;
constexpr quint16 PenJoinMiter = 0x2000;

enum BrushStyle : quint16
{
    SolidBrush = 0,
    NullBrush = 1,
    HatchedBrush = 2
};

constexpr qsizetype FaceNameMaxBytes = 32;

Qt::PenStyle qtPenStyle(quint16 style)
{
    switch (style & PenStyleMask) {
    case Dash:
        return Qt::DashLine;
    case Dot:
        return Qt::DotLine;
    case DashDot:
        return Qt::DashDotLine;
    case DashDotDot:
        return Qt::DashDotDotLine;
    case NullPen:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle qtHatch(quint16 hatch)
{
    static constexpr Qt::BrushStyle Hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch < std::size(Hatches) ? Hatches[hatch] : Qt::SolidPattern;
}

QString faceName(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return Cp1252::decode(end < 0 ? bytes : bytes.left(end)).trimmed();
}

} // namespace

namespace WmfObjects {

QPen readPen(WmfParams &params)
{
    const quint16 style = params.uint16();
    const qreal width = qAbs(params.pointXY().x()); // the y of the width is unused
    const QColor colour = params.colorRef();

    QPen pen(colour, width, qtPenStyle(style));
    switch (style & PenEndCapMask) {
    case PenEndCapSquare:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case PenEndCapFlat:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
    }
    switch (style & PenJoinMask) {
    case PenJoinBevel:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case PenJoinMiter:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
    }
    // A width of 0 is one device pixel, which Qt calls a cosmetic pen.
    pen.setCosmetic(width == 0);
    return pen;
}

QBrush readBrush(WmfParams &params)
{
    const quint16 style = params.uint16();
    const QColor colour = params.colorRef();
    const quint16 hatch = params.uint16();
    switch (style) {
    case SolidBrush:
        return QBrush(colour);
    case NullBrush:
        return QBrush(Qt::NoBrush);
    case HatchedBrush:
        return QBrush(colour, qtHatch(hatch));
    default:
        // Pattern brushes need a bitmap the record does not hold: a neutral fill.
        return QBrush(Qt::lightGray);
    }
}

WmfFontRequest readFontRequest(WmfParams &params)
{
    WmfFontRequest request;
    request.height = params.int16();
    params.skip(2); // average width: Qt keeps the face's own proportions
    request.escapementDegrees = params.int16() / 10.0;
    params.skip(2); // orientation of each glyph: Windows ignores it in this mode too
    const std::int16_t weight = params.int16();
    request.weight = qBound(1, weight == 0 ? 400 : int(weight), 1000);
    request.italic = params.uint8() != 0;
    request.underline = params.uint8() != 0;
    request.strikeOut = params.uint8() != 0;
    params.skip(5); // character set, precisions, quality, pitch and family
    request.face = faceName(params.bytes(qMin(params.remaining(), FaceNameMaxBytes)));
    return request;
}

WmfFaceKey faceKey(const WmfFontRequest &request)
{
    return {request.face, request.weight, request.italic};
}

WmfFace lookUpFace(const WmfFaceKey &key)
{
    WmfFace face{defaultFont().font};
    if (!key.face.isEmpty())
        face.font.setFamily(key.face);
    face.font.setWeight(QFont::Weight(key.weight));
    face.font.setItalic(key.italic);
    const QFontMetricsF metrics(face.font);
    face.cellHeight = metrics.ascent() + metrics.descent();
    return face;
}

WmfFont font(const WmfFace &face, const WmfFontRequest &request)
{
    WmfFont result;
    result.font = face.font;
    // Set only when asked for: each setting makes a copy of the face's font of its own.
    if (request.underline)
        result.font.setUnderline(true);
    if (request.strikeOut)
        result.font.setStrikeOut(true);
    result.escapementDegrees = request.escapementDegrees;
    if (request.height < 0) {
        result.emHeight = -qreal(request.height);
    } else if (request.height > 0) {
        // A positive height is the whole cell, ascent plus descent.
        result.emHeight = face.cellHeight > 0
                              ? request.height * WmfFont::ReferencePixelSize / face.cellHeight
                              : request.height;
    }
    return result;
}

WmfFont defaultFont()
{
    WmfFont result;
    result.font.setPixelSize(WmfFont::ReferencePixelSize);
    // Outlines without hinting keep glyph sizes the same on screen, image and paper.
    result.font.setHintingPreference(QFont::PreferNoHinting);
    result.font.setStyleStrategy(QFont::ForceOutline);
    // Windows places glyphs without kerning, and the metafile's positions assume it.
    result.font.setKerning(false);
    return result;
}

} // namespace WmfObjects

void WmfObjectTable::add(WmfObject object)
{
    if (!m_freeBelowEnd.empty()) {
        const int index = *m_freeBelowEnd.begin();
        m_freeBelowEnd.erase(m_freeBelowEnd.begin());
        m_slots[size_t(index)] = std::move(object);
    } else if (m_slots.size() < size_t(MaxObjects)) {
        m_slots.emplace_back(std::move(object));
    }
}

const WmfObject *WmfObjectTable::find(int index) const
{
    if (index < 0 || size_t(index) >= m_slots.size() || !m_slots[size_t(index)])
        return nullptr;
    return &*m_slots[size_t(index)];
}

void WmfObjectTable::remove(int index)
{
    if (find(index) == nullptr)
        return;
    m_slots[size_t(index)].reset();
    m_freeBelowEnd.insert(index);
}
