// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString HelpFileName = QStringLiteral("KORVALIN.HLP");

bool holdsHelp(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(HelpFileName)).isFile();
}

} // namespace

namespace ProgramFiles {

QString folder(const QString &executableFolder)
{
    if (holdsHelp(executableFolder))
        return executableFolder;
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/korvalin"));
    return holdsHelp(installed) ? installed : executableFolder;
}

QString helpFile(const QString &executableFolder)
{
    return QDir(folder(executableFolder)).filePath(HelpFileName);
}

} // namespace ProgramFiles
