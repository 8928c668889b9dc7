// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ProgramState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramState::ZoneLines &ProgramState::zoneLines(int zone)
{
    return zone == 1 ? zone1Lines : zone == 2 ? zone2Lines : zone3Lines;
}

qint16 &ProgramState::zoneLineCount(int zone)
{
    return zone == 1 ? zone1LineCount : zone == 2 ? zone2LineCount : zone3LineCount;
}

const ProgramState::ZoneLines &ProgramState::zoneLines(int zone) const
{
    return const_cast<ProgramState *>(this)->zoneLines(zone);
}

qint16 ProgramState::zoneLineCount(int zone) const
{
    return const_cast<ProgramState *>(this)->zoneLineCount(zone);
}

void ProgramState::startUp(const QString &programFolder, const QString &commandLineArgument,
                           const QString &currentDir)
{
    appPath = programFolder;

    m_startedWithDocument = !commandLineArgument.isEmpty();
    if (m_startedWithDocument) {
        QString path = commandLineArgument;
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) &&
            path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        labelFileName = QDir::isAbsolutePath(path) ? path : QDir(currentDir).filePath(path);
    }

    currentZone = 1;
    sheetSpacing = {10, 4, 4, 10};
    copyCount = 10;
    printFrame = true;
    printCutOutline = true;
    nextDiskNumber = 1;
    printSettingsTitle = printSettingsTitleFor(defaultSettingsName());
    // A document named on the command line leaves the start position unset until the
    // print settings window asks for it.
    startPosition = m_startedWithDocument ? 0 : 1;
}

QString ProgramState::printSettingsTitleFor(const QString &name)
{
    return QCoreApplication::translate("ProgramState", "Paramétrage de l'impression %1").arg(name);
}

QString ProgramState::defaultSettingsName()
{
    return QCoreApplication::translate("ProgramState", "DEFAUT");
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
