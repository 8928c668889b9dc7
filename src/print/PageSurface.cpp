// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PageSurface.h"

#include <QStringList>

double PageSurface::textHeight(const QString &text) const
{
    return lineHeight() * (1 + text.count(QLatin1Char('\r')));
}

double PageSurface::textWidth(const QString &text) const
{
    double widest = 0;
    for (QString part : text.split(QLatin1Char('\r'))) {
        part.remove(QLatin1Char('\n'));
        widest = qMax(widest, lineWidth(part));
    }
    return widest;
}
