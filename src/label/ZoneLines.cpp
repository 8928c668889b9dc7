// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ZoneLines.h"

#include "label/Trim.h"

#include <QCoreApplication>

namespace {

QString withoutTrailingSpaces(QString line)
{
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

std::optional<QStringList> splitZone(ZoneId zone, QString text)
{
    if (zone == ZoneId::Second)
        text = trimSpaces(text);
    QStringList lines = text.split(QLatin1String("\r\n"));
    if (lines.size() > ZoneLines::MaxLines)
        return std::nullopt;
    // Spaces after a line break are the last line's indent, and stay.
    if (zone == ZoneId::First)
        lines.last() =
            lines.size() == 1 ? trimSpaces(lines.last()) : withoutTrailingSpaces(lines.last());
    return lines;
}

} // namespace

namespace ZoneLines {

std::optional<LabelLines> split(const LabelZones &zones)
{
    LabelLines lines;
    for (ZoneId zone : AllZones) {
        std::optional<QStringList> zoneLines = splitZone(zone, zones[zone].text);
        if (!zoneLines)
            return std::nullopt;
        lines[zone] = std::move(*zoneLines);
    }
    return lines;
}

QString tooManyLinesMessage()
{
    return QCoreApplication::translate("ZoneLines", "Nombre de lignes de texte trop important !");
}

} // namespace ZoneLines
