// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramFiles.h"

#include "platform/InterfaceLanguage.h"

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
    return translatedHelpFile(QDir(folder(executableFolder)).filePath(HelpFileName),
                              InterfaceLanguage::current());
}

QString translatedHelpFile(const QString &frenchHelpFile, const QString &language)
{
    if (language == InterfaceLanguage::Source)
        return frenchHelpFile;
    const QFileInfo french(frenchHelpFile);
    const QString translated =
        french.dir().filePath(language + QLatin1Char('/') + french.fileName());
    return QFileInfo(translated).isFile() ? translated : frenchHelpFile;
}

} // namespace ProgramFiles
