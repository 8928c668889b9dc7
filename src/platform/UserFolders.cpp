// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace {

// Where packages and installations put programs. Permissions alone cannot tell: root may
// write in /usr/bin, yet a program there is installed and the user's labels belong
// elsewhere.
const QStringList SystemPrefixes = {QStringLiteral("/usr"),       QStringLiteral("/bin"),
                                    QStringLiteral("/sbin"),      QStringLiteral("/lib"),
                                    QStringLiteral("/lib64"),     QStringLiteral("/opt"),
                                    QStringLiteral("/snap"),      QStringLiteral("/app"),
                                    QStringLiteral("/nix/store"), QStringLiteral("/gnu/store")};

bool isUnder(const QString &path, const QString &prefix)
{
    return path == prefix || path.startsWith(prefix + QLatin1Char('/'));
}

} // namespace

namespace UserFolders {

bool isSystemFolder(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    return isInstalledLocation(QDir::cleanPath(folder.absoluteFilePath())) || !folder.isDir() ||
           !folder.isWritable();
}

bool isInstalledLocation(const QString &path)
{
    return std::any_of(SystemPrefixes.cbegin(), SystemPrefixes.cend(),
                       [&path](const QString &prefix) { return isUnder(path, prefix); });
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace UserFolders
