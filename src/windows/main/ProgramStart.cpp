// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/ProgramStart.h"

#include <QDir>

ProgramStart ProgramStart::from(const QString &programFolder, const QString &commandLineArgument,
                                const QString &currentDir)
{
    ProgramStart start;
    start.programFolder = programFolder;
    start.withDocument = !commandLineArgument.isEmpty();
    if (start.withDocument) {
        QString path = commandLineArgument;
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) &&
            path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        start.labelFileName = QDir::isAbsolutePath(path) ? path : QDir(currentDir).filePath(path);
    }
    return start;
}
