#include "label/Module1.h"

#include <QDir>
#include <QFileInfo>

Module1::ZoneLines &Module1::zoneLines(int zone)
{
    return zone == 1 ? Zone1Lines : zone == 2 ? Zone2Lines : Zone3Lines;
}

qint16 &Module1::zoneLineCount(int zone)
{
    return zone == 1 ? Zone1LineCount : zone == 2 ? Zone2LineCount : Zone3LineCount;
}

const Module1::ZoneLines &Module1::zoneLines(int zone) const
{
    return const_cast<Module1 *>(this)->zoneLines(zone);
}

qint16 Module1::zoneLineCount(int zone) const
{
    return const_cast<Module1 *>(this)->zoneLineCount(zone);
}

void Module1::startUp(const QString &appPath, const QString &commandLineArgument,
                      const QString &currentDir)
{
    AppPath = appPath;
    Modified = false;
    InitialZoneText = {};

    m_startedWithDocument = !commandLineArgument.isEmpty();
    if (m_startedWithDocument) {
        QString path = commandLineArgument;
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) &&
            path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        LabelFileName = QDir::isAbsolutePath(path) ? path : QDir(currentDir).filePath(path);
    }

    CurrentZone = 1;
    SheetSpacing = {10, 4, 4, 10};
    CopyCount = 10;
    PrintFrame = true;
    PrintCutMarks = true;
    DiskNumber = 1;
    PrintSettingsTitle = printSettingsTitle(defaultSettingsName());
    // A document named on the command line leaves the start position unset until the
    // print settings window asks for it.
    StartLabel = m_startedWithDocument ? 0 : 1;
}

QString Module1::commandLineDocumentName() const
{
    return m_startedWithDocument ? documentName(LabelFileName) : QString();
}

QString Module1::printSettingsTitle(const QString &name)
{
    return QStringLiteral("Paramétrage de l'impression ") + name;
}

QString Module1::defaultSettingsName()
{
    return QStringLiteral("DEFAUT");
}

QPoint CenterForm(const QSize &window, const QRect &screen)
{
    return {screen.left() + screen.width() / 2 - window.width() / 2,
            screen.top() + screen.height() / 2 - window.height() / 2};
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        return false;
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        return info.isFile();
    return !QDir(info.path()).entryList({name}, QDir::Files | QDir::Hidden).isEmpty();
}

QString AddBackslash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString documentName(const QString &path)
{
    return QFileInfo(path).fileName().toUpper();
}
