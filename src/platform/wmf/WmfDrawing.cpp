// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfDrawing.h"

#include "platform/wmf/WmfPlayer.h"

QSizeF WmfDrawing::naturalSize() const
{
    const QSizeF frame = m_document.frame().size();
    return QSizeF(qAbs(frame.width()), qAbs(frame.height()));
}

void WmfDrawing::draw(QPainter &painter, const QRectF &target) const
{
    // The metafile was checked against the budget when it was read; drawn much larger than
    // that trial it may take more work, but never without bound.
    WmfPlayer(m_document, painter, target).play(2 * WmfDocument::MaxDrawingWork);
}
