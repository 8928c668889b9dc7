// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

// A picture kept as drawing instructions (a Windows metafile), replayed at whatever size it
// is drawn so that it prints sharp. The label only keeps and draws it; the platform layer
// reads and plays it.
class VectorDrawing
{
public:
    virtual ~VectorDrawing() = default;

    // The drawing's own frame, in its own units, never negative.
    virtual QSizeF naturalSize() const = 0;
    // Draws the whole drawing stretched into target, within a bounded amount of work.
    virtual void draw(QPainter &painter, const QRectF &target) const = 0;
};
