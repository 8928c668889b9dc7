// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ProgramStart.h"

#include <QDir>
#include <QFileInfo>

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

QPoint centredWindowPosition(const QSize &window, const QRect &screen)
{
    return {screen.left() + screen.width() / 2 - window.width() / 2,
            screen.top() + screen.height() / 2 - window.height() / 2};
}

bool matchingFileExists(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        return false;
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        return info.isFile();
    return !QDir(info.path()).entryList({name}, QDir::Files | QDir::Hidden).isEmpty();
}

QString withTrailingSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString documentName(const QString &path)
{
    return QFileInfo(path).fileName().toUpper();
}
