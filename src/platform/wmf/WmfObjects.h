#pragma once

#include "platform/wmf/WmfParams.h"

#include <QBrush>
#include <QFont>
#include <QPen>
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

// Palettes, regions and pattern brushes: they take a slot in the object table, which
// later indices count on, but are not drawn.
struct WmfUnusedObject
{
};

using WmfObject = std::variant<QPen, QBrush, WmfFont, WmfUnusedObject>;

namespace WmfObjects {

QPen readPen(WmfParams &params);
QBrush readBrush(WmfParams &params);
WmfFont readFont(WmfParams &params);
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
