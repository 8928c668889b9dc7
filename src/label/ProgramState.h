// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

// The program-wide state that every window reads and writes. One instance is made in
// main and handed by reference to each window; counters keep the 16-bit sizes
// that label and settings files and the print window count in.
// A single label at a chosen position, or a run of identical labels.
enum class PrintMode : qint16
{
    Run,
    SingleLabel
};

// How a run numbers zone 3: "X" or "X/X"; a single label has none chosen.
enum class NumberingStyle : qint16
{
    Unchosen,
    Number,
    NumberOfTotal
};

class ProgramState
{
public:
    using ZoneLines = std::array<QString, 16>; // index 0 is never used

    // Document side.
    qint16 currentZone = 1;
    // The last picture path tried; printing and the preview draw the shown picture while
    // it is not empty.
    QString iconPath;
    QString labelFileName;
    QString appPath;
    ZoneLines zone1Lines, zone2Lines, zone3Lines;
    qint16 zone1LineCount = 0, zone2LineCount = 0, zone3LineCount = 0;

    // Print settings: distances in mm (left margin, top margin, row gap, column gap),
    // the origin of the label being placed, the run and its numbering.
    std::array<double, 4> sheetSpacing{10, 4, 4, 10};
    std::array<double, 2> labelOrigin{0, 0};
    qint16 copyCount = 10;
    qint16 startPosition = 1;
    qint16 nextDiskNumber = 1;
    NumberingStyle numberingStyle = NumberingStyle::Unchosen;
    bool autoNumbering = false;
    qint16 autoNumberingShown = 0;
    bool printFrame = true;
    bool printCutOutline = true;
    PrintMode printMode = PrintMode::Run;
    qint16 singlePosition = 0;
    QString settingsFilePath;
    QString settingsName;
    qint16 settingsLoaded = 0;
    // The print settings window's title, kept for its next showing.
    QString printSettingsTitle;

    // Image viewer.
    QString viewerCopiedPicture;
    QString viewerLastDrive;

    ZoneLines &zoneLines(int zone);
    qint16 &zoneLineCount(int zone);
    const ZoneLines &zoneLines(int zone) const;
    qint16 zoneLineCount(int zone) const;

    // Start-up steps that need no window. commandLineArgument is the label file named
    // on the command line (empty for none); a relative name is taken from currentDir.
    void startUp(const QString &programFolder, const QString &commandLineArgument,
                 const QString &currentDir);
    bool startedWithDocument() const { return m_startedWithDocument; }

    static QString printSettingsTitleFor(const QString &name);
    // The name in that title while no settings file is in use.
    static QString defaultSettingsName();

private:
    bool m_startedWithDocument = false;
};

// Where a window of the given size goes to sit in the middle of the screen.
QPoint centredWindowPosition(const QSize &window, const QRect &screen);

// True when a regular file matches path; the name part may hold * and ? wildcards.
bool matchingFileExists(const QString &path);

// path with exactly one trailing "/" ("/" for an empty path).
QString withTrailingSlash(const QString &path);

// The file name the status bar shows for a path, in capitals.
QString documentName(const QString &path);
