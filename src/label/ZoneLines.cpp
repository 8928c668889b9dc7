// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ZoneLines.h"

#include "label/Trim.h"

#include <QCoreApplication>

namespace {

bool splitZone(int zone, QString text, ProgramState::ZoneLines &lines, qint16 &count)
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

bool split(const std::array<TextZone, 3> &zones, ProgramState &state)
{
    for (int zone = 1; zone <= 3; ++zone) {
        if (!splitZone(zone, zones[zone - 1].Caption, state.zoneLines(zone),
                       state.zoneLineCount(zone)))
            return false;
    }
    return true;
}

QString tooManyLinesMessage()
{
    return QCoreApplication::translate("ZoneLines", "Nombre de lignes de texte trop important !");
}

} // namespace ZoneLines
