// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/FilePaths.h"

#include <QDir>
#include <QFileInfo>

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
