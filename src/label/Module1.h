#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

// The program-wide state that every window reads and writes. One instance is made in
// main and handed by reference to each window; the names and 16-bit sizes are those the
// program has always counted with, so overflows happen where they always did.
class Module1
{
public:
    using ZoneLines = std::array<QString, 16>; // index 0 is never used

    // Document side.
    qint16 CurrentZone = 1;
    QString IconPath;
    QString IconFile;
    QString LabelFileName;
    QString AppPath;
    bool Modified = false;
    std::array<QString, 3> InitialZoneText;
    ZoneLines Zone1Lines, Zone2Lines, Zone3Lines;
    qint16 Zone1LineCount = 0, Zone2LineCount = 0, Zone3LineCount = 0;

    // Print settings: distances in mm (left margin, top margin, row gap, column gap),
    // the origin of the label being placed, the run and its numbering.
    std::array<double, 4> SheetSpacing{10, 4, 4, 10};
    std::array<double, 2> LabelOrigins{0, 0};
    qint16 CopyCount = 10;
    qint16 StartLabel = 1;
    qint16 DiskNumber = 1;
    qint16 NumberingStyle = 0;
    bool AutoIncrement = false;
    qint16 AutoIncrementBox = 0;
    bool PrintFrame = true;
    bool PrintCutMarks = true;
    qint16 PrintSingleMode = 0;
    qint16 SinglePosition = 0;
    qint16 PrintCancelled = 0;
    QString ConfigFileName;
    QString ConfigName;
    qint16 ConfigLoaded = 0;
    // The print settings window's title, set at start-up while the window is still hidden.
    QString PrintSettingsTitle;

    // Image viewer and printer orientation.
    QString ViewerImagePath;
    QString ViewerLastDrive;
    qint16 PrinterOrientation = 0;

    ZoneLines &zoneLines(int zone);
    qint16 &zoneLineCount(int zone);
    const ZoneLines &zoneLines(int zone) const;
    qint16 zoneLineCount(int zone) const;

    // Start-up steps that need no window. commandLineArgument is the label file named
    // on the command line (empty for none); a relative name is taken from currentDir.
    void startUp(const QString &appPath, const QString &commandLineArgument,
                 const QString &currentDir);
    bool startedWithDocument() const { return m_startedWithDocument; }
    // The document name the status bar shows for the file named on the command line; empty
    // (untitled) once that file failed to open.
    QString commandLineDocumentName() const;

    static QString printSettingsTitle(const QString &name);

private:
    bool m_startedWithDocument = false;
};

// Where a window of the given size goes to sit in the middle of the screen.
QPoint CenterForm(const QSize &window, const QRect &screen);

// True when a regular file matches path; the name part may hold * and ? wildcards.
bool FileExists(const QString &path);

// path with exactly one trailing "/" ("/" for an empty path).
QString AddBackslash(const QString &path);

// The file name the status bar shows for a path, in capitals.
QString documentName(const QString &path);
