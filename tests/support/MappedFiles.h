// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>

// Whether this process has mapped a file whose path ends with fileName ("/libqsvgicon.so"):
// what the program loaded, whichever way it was loaded.
inline bool isMapped(const QByteArray &fileName)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(fileName + '\n');
}
