// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/wmf/WmfParams.h"

#include <QBrush>
#include <QFont>
#include <QHashFunctions>
#include <QPen>
#include <cstdint>
#include <optional>
#include <set>
#include <variant>
#include <vector>

// A font of the metafile. Its size is in logical units, so text scales with the picture:
// the QFont is kept at one fixed pixel size and drawn under a scale of emHeight / that size,
// which keeps fractional sizes exact on any device.
struct WmfFont
{
    static constexpr int ReferencePixelSize = 256;

    QFont font;
    qreal emHeight = 12;         // what Windows picks for a height of 0, in logical units
    qreal escapementDegrees = 0; // counter-clockwise on the page

    qreal scale() const { return emHeight / ReferencePixelSize; }
};

// What a font record asks for, read without looking any face up.
struct WmfFontRequest
{
    std::int16_t height = 0; // negative: the em; positive: the whole cell; 0: the default size
    QString face;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    qreal escapementDegrees = 0;
};

// A face as the player draws it, looked up once for every font record naming it: finding a
// face the machine does not have takes the font configuration a millisecond, so a metafile
// pays for each face it names, not for each record.
struct WmfFace
{
    QFont font;           // at the reference pixel size
    qreal cellHeight = 0; // ascent plus descent at that size
};

// What sets a face apart; sizes and decorations are applied to it per font.
struct WmfFaceKey
{
    QString face;
    int weight = 400;
    bool italic = false;

    friend bool operator==(const WmfFaceKey &a, const WmfFaceKey &b)
    {
        return a.face == b.face && a.weight == b.weight && a.italic == b.italic;
    }
    friend size_t qHash(const WmfFaceKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.face, key.weight, key.italic);
    }
};

// Palettes, regions and pattern brushes: they take a slot in the object table, which
// later indices count on, but are not drawn.
struct WmfUnusedObject
{
};

using WmfObject = std::variant<QPen, QBrush, WmfFont, WmfUnusedObject>;

namespace WmfObjects {

QPen readPen(WmfParams &params);
QBrush readBrush(WmfParams &params);
WmfFontRequest readFontRequest(WmfParams &params);
WmfFaceKey faceKey(const WmfFontRequest &request);
WmfFace lookUpFace(const WmfFaceKey &key);
WmfFont font(const WmfFace &face, const WmfFontRequest &request);
WmfFont defaultFont();

} // namespace WmfObjects

// The metafile's object table: each new object takes the lowest free index.
class WmfObjectTable
{
public:
    // Object indices are 16-bit in the file.
    static constexpr int MaxObjects = 0xFFFF;

    void add(WmfObject object); // dropped when the table is full
    const WmfObject *find(int index) const;
    void remove(int index);

private:
    std::vector<std::optional<WmfObject>> m_slots;
    std::set<int> m_freeBelowEnd;
};
