// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingSurface.h"

#include <QTest>

void RecordingSurface::drawLine(const QPointF &from, const QPointF &to, ColorValue color)
{
    QVERIFY2(m_scaleSet, "a line was drawn before the scale was set to millimetres");
    lines.append({from, to, m_style, color});
}

void RecordingSurface::drawPicture(const Picture &, const QRectF &target)
{
    pictures.append(target);
}

void RecordingSurface::setFont(const QString &name, float pointSize, bool bold, bool italic)
{
    m_font = name;
    m_pointSize = pointSize;
    m_bold = bold;
    m_italic = italic;
}

void RecordingSurface::printText(const QString &text)
{
    QVERIFY2(m_scaleSet, "text was printed before the scale was set to millimetres");
    texts.append({m_position, text, m_font, m_pointSize, m_bold, m_italic, m_color});
}
