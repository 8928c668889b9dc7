// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ZoneLines.h"

#include "label/Trim.h"

#include <QCoreApplication>

LabelLines::Lines &LabelLines::zoneLines(int zone)
{
    return zone == 1 ? zone1Lines : zone == 2 ? zone2Lines : zone3Lines;
}

qint16 &LabelLines::zoneLineCount(int zone)
{
    return zone == 1 ? zone1LineCount : zone == 2 ? zone2LineCount : zone3LineCount;
}

const LabelLines::Lines &LabelLines::zoneLines(int zone) const
{
    return const_cast<LabelLines *>(this)->zoneLines(zone);
}

qint16 LabelLines::zoneLineCount(int zone) const
{
    return const_cast<LabelLines *>(this)->zoneLineCount(zone);
}

namespace {

bool splitZone(int zone, QString text, LabelLines::Lines &lines, qint16 &count)
{
    if (zone == 2)
        text = trimSpaces(text);
    for (int i = 1;; ++i) {
        if (i > ZoneLines::MaxLines)
            return false;
        const int separator = text.indexOf(QLatin1String("\r\n"));
        if (separator < 0) {
            lines[i] = zone == 1 ? trimSpaces(text) : text;
            count = qint16(i);
            return true;
        }
        lines[i] = text.left(separator + 1);
        text.remove(0, separator + 1);
    }
}

} // namespace

namespace ZoneLines {

bool split(const std::array<TextZone, 3> &zones, LabelLines &lines)
{
    for (int zone = 1; zone <= 3; ++zone) {
        if (!splitZone(zone, zones[zone - 1].Caption, lines.zoneLines(zone),
                       lines.zoneLineCount(zone)))
            return false;
    }
    return true;
}

QString tooManyLinesMessage()
{
    return QCoreApplication::translate("ZoneLines", "Nombre de lignes de texte trop important !");
}

} // namespace ZoneLines
