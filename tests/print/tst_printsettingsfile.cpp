// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallDisk.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "files/SmallFile.h"
#include "print/PrintSettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using PrintSettingsFile::Layout;
using Spacing = std::array<double, 4>; // left, top, row gap, column gap
Q_DECLARE_METATYPE(SpecialFile)
Q_DECLARE_METATYPE(SmallFile::WriteStep)

namespace {

const QByteArray PreviousSettings = "7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n";

} // namespace

class TestPrintSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void write_data()
    {
        QTest::addColumn<Spacing>("spacing");
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("cutMarks");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << Spacing{10, 4, 4, 10} << true << true
                                  << QByteArray("10,4,10,4\r\n#TRUE#,#TRUE#\r\n");
        QTest::newRow("column gap before row gap")
            << Spacing{7.5, 12, 0, 5} << false << true
            << QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n");
        QTest::newRow("negative and halves") << Spacing{-2, 0.5, -0.5, 100} << true << false
                                             << QByteArray("-2,.5,100,-.5\r\n#TRUE#,#FALSE#\r\n");
    }

    void write()
    {
        QFETCH(Spacing, spacing);
        QFETCH(bool, frame);
        QFETCH(bool, cutMarks);
        QFETCH(QByteArray, bytes);
        const Layout layout{spacing, frame, cutMarks};
        QCOMPARE(PrintSettingsFile::encode(layout), bytes);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"lot1.PAR"_s);
        QVERIFY(PrintSettingsFile::write(path, layout));
        const std::optional<Layout> back = PrintSettingsFile::read(path);
        QVERIFY(back);
        QCOMPARE(back->sheetSpacing, spacing);
        QCOMPARE(back->printFrame, frame);
        QCOMPARE(back->printCutOutline, cutMarks);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Spacing>("spacing");
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("cutMarks");
        QTest::newRow("two lines") << QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n")
                                   << Spacing{7.5, 12, 0, 5} << false << true;
        QTest::newRow("one line") << QByteArray("10,4,10,4,#TRUE#,#FALSE#\r\n")
                                  << Spacing{10, 4, 4, 10} << true << false;
        QTest::newRow("LF only, no final line end")
            << QByteArray("10,4,10,4\n#TRUE#,#TRUE#") << Spacing{10, 4, 4, 10} << true << true;
        QTest::newRow("blanks and leading point")
            << QByteArray(" .5 , -1.25,\t3 ,0\r\n #FALSE# , #FALSE#\r\n")
            << Spacing{0.5, -1.25, 0, 3} << false << false;
        QTest::newRow("numbers for truth")
            << QByteArray("1,2,3,4\r\n0,-1\r\n") << Spacing{1, 2, 4, 3} << false << true;
        QTest::newRow("fields after the sixth")
            << QByteArray("1,2,3,4\r\n#TRUE#,#TRUE#\r\n9,9,9\r\n") << Spacing{1, 2, 4, 3} << true
            << true;
        QTest::newRow("one field a line") << QByteArray("1\r\n2\r\n3\r\n4\r\n#TRUE#\r\n#FALSE#\r\n")
                                          << Spacing{1, 2, 4, 3} << true << false;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        const std::optional<Layout> layout = PrintSettingsFile::decode(bytes);
        QVERIFY(layout);
        QTEST(layout->sheetSpacing, "spacing");
        QTEST(layout->printFrame, "frame");
        QTEST(layout->printCutOutline, "cutMarks");
    }

    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("five fields") << QByteArray("10,4,10,4\r\n#TRUE#\r\n");
        QTest::newRow("distance not a number") << QByteArray("10,quatre,10,4\r\n#TRUE#,#TRUE#\r\n");
        QTest::newRow("truth not a truth") << QByteArray("10,4,10,4\r\n#VRAI#,#TRUE#\r\n");
        QTest::newRow("empty distance") << QByteArray("10,,10,4\r\n#TRUE#,#TRUE#\r\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02,\xff\xfe", 6);
    }

    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!PrintSettingsFile::decode(bytes));
    }

    void failedWriteKeepsPreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"lot1.PAR"_s);
        QVERIFY(PrintSettingsFile::write(path, Layout{}));
        QVERIFY(!PrintSettingsFile::write(dir.filePath(u"lot1.PAR/autre.PAR"_s), Layout{}));
        QCOMPARE(fileBytes(path), QByteArray("10,4,10,4\r\n#TRUE#,#TRUE#\r\n"));
    }

    // A settings file is a few bytes: it fails on a full disk only through the flush.
    void fullDisk_data()
    {
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("disk full") << qint64(0) << false;
        QTest::newRow("one page free") << SmallDisk::PageSize << true;
    }

    void fullDisk()
    {
        QFETCH(qint64, freeBytes);
        QFETCH(bool, fits);
        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("Mounting a small file system needs root");
        const QString path = disk.filePath(u"lot1.PAR"_s);
        QVERIFY(writeBytes(path, PreviousSettings));
        QVERIFY(disk.fillLeaving(freeBytes));
        QCOMPARE(PrintSettingsFile::write(path, Layout{}).written, fits);
        QCOMPARE(fileBytes(path), fits ? PrintSettingsFile::encode(Layout{}) : PreviousSettings);
        QCOMPARE(disk.files(), QStringList{u"lot1.PAR"_s});
    }

    void refusedWriteStepKeepsPreviousFile_data()
    {
        QTest::addColumn<SmallFile::WriteStep>("step");
        QTest::newRow("write") << SmallFile::WriteStep::Write;
        QTest::newRow("flush") << SmallFile::WriteStep::Flush;
        QTest::newRow("sync") << SmallFile::WriteStep::Sync;
    }

    void refusedWriteStepKeepsPreviousFile()
    {
        QFETCH(SmallFile::WriteStep, step);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"lot1.PAR"_s);
        QVERIFY(writeBytes(path, PreviousSettings));
        const SmallFile::ScopedWriteFailure failure(step);
        QVERIFY(!PrintSettingsFile::write(path, Layout{}));
        QCOMPARE(fileBytes(path), PreviousSettings);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"lot1.PAR"_s});
    }

    void deviceOrPipeIsNeverReplaced_data()
    {
        QTest::addColumn<SpecialFile>("kind");
        QTest::newRow("named pipe") << SpecialFile::Fifo;
        QTest::newRow("null device") << SpecialFile::NullDevice;
    }

    void deviceOrPipeIsNeverReplaced()
    {
        QFETCH(SpecialFile, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"lot1.PAR"_s);
        if (!makeSpecialFile(kind, path))
            QSKIP("Device nodes need root and a folder that allows them");
        // A reader waits on the pipe, so a save that wrongly wrote into it would not hang.
        std::unique_ptr<FifoReader> reader;
        if (kind == SpecialFile::Fifo)
            reader = std::make_unique<FifoReader>(path);
        QVERIFY(!PrintSettingsFile::write(path, Layout{}));
        QVERIFY(isSpecialFile(kind, path));
        if (reader)
            QVERIFY(reader->readAvailable().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPrintSettingsFile)
#include "tst_printsettingsfile.moc"
