// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings files of the print settings window: defaults, save and load, and the title.
#include "DocumentQuestions.h"
#include "PrintSettingsHarness.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString Filter = u"Fichiers de configuration (*.PAR)|*.PAR"_s;

QString title(const QString &name)
{
    return u"Paramétrage de l'impression "_s + name;
}

// The last file dialog: whether it saved, its title, its filter, whether it asked to replace.
std::tuple<bool, QString, QString, bool> lastFileDialog(const PrintSettingsHarness &h)
{
    const ScriptedDialogs::Shown &shown = h.dialogs->shown().constLast();
    return {shown.kind == ScriptedDialogs::Kind::Save, shown.title, shown.filter,
            shown.askBeforeOverwrite};
}

} // namespace

Q_DECLARE_METATYPE(MsgBoxResult)

class TestPrintSettingsSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void save_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("untickFrame");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("defaults") << QString() << false
                                  << QByteArray("10,4,10,4\r\n#TRUE#,#TRUE#\r\n");
        QTest::newRow("typed margin, no frame")
            << "7.5" << true << QByteArray("7.5,4,10,4\r\n#FALSE#,#TRUE#\r\n");
        // The file keeps its own decimal point.
        QTest::newRow("margin typed with a comma")
            << "7,25" << false << QByteArray("7.25,4,10,4\r\n#TRUE#,#TRUE#\r\n");
        QTest::newRow("margin typed as .5")
            << ".5" << false << QByteArray(".5,4,10,4\r\n#TRUE#,#TRUE#\r\n");
    }

    void save()
    {
        QFETCH(QString, left);
        QFETCH(bool, untickFrame);
        PrintSettingsHarness h;
        h.open();
        if (!left.isEmpty())
            h.type("leftMarginEdit", left);
        if (untickFrame)
            h.button("frameCheck")->click();
        const QString path = m_dir.filePath(u"lot1.PAR"_s);
        h.pressAnswering("saveSettingsButton", path);

        QTEST(fileBytes(path), "written");
        QCOMPARE(h.form->windowTitle(), title(u"LOT1.PAR"_s));
        QCOMPARE(h.choices().settings.filePath, path);
        QCOMPARE(h.choices().settings.layout.printFrame, !untickFrame);
        QCOMPARE(lastFileDialog(h), std::tuple(true, u"Enregistrer"_s, Filter, true));
        QVERIFY(h.msgBoxes.allSeen());
    }

    void saveRefused_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("reason"); // of the error message; none when cancelled
        QTest::newRow("folder that does not exist") << u"absent"_s << u"Le dossier n'existe pas."_s;
        QTest::newRow("full disk over an older file") << u"full"_s << u"Le disque est plein."_s;
        QTest::newRow("file dialog cancelled") << u"cancel"_s << QString();
    }

    // Nothing is written; the window keeps its title, the state its file and its switches.
    void saveRefused()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, reason);
        const QByteArray older("1,2,3,4\r\n#TRUE#,#TRUE#\r\n");
        SmallDisk disk;
        QString path = m_dir.filePath(u"absent/lot1.PAR"_s);
        if (trouble == "full"_L1) {
            if (!disk.isMounted())
                QSKIP("Mounting a small file system needs root");
            path = disk.filePath(u"lot1.PAR"_s);
            QVERIFY(writeBytes(path, older));
            QVERIFY(disk.fillLeaving(0));
        }
        PrintSettingsHarness h;
        h.state.settings.filePath = u"/avant/lot0.PAR"_s;
        h.open();
        h.button("frameCheck")->click();
        h.button("cutOutlineCheck")->click();
        if (trouble != "cancel"_L1)
            h.msgBoxes.expect(errorBox(u"Erreur lors de la sauvegarde du fichier !\r"_s + reason));
        h.pressAnswering("saveSettingsButton",
                         trouble == "cancel"_L1 ? ScriptedDialogs::Answer(ScriptedDialogs::Cancel())
                                                : ScriptedDialogs::Answer(path));

        QVERIFY(h.msgBoxes.allSeen());
        if (trouble == "full"_L1) {
            QCOMPARE(fileBytes(path), older);
            QCOMPARE(disk.files(), QStringList{u"lot1.PAR"_s});
        } else {
            QVERIFY(!QFile::exists(path));
        }
        QCOMPARE(h.form->windowTitle(), title(u"DEFAUT"_s));
        QCOMPARE(h.choices().settings.filePath, u"/avant/lot0.PAR"_s);
        QCOMPARE(h.switches(), std::tuple(true, true, false, false));
    }

    // A settings file that another program wrote since the window read it is replaced only
    // if the user says so.
    void saveOverAChangedFile_data()
    {
        QTest::addColumn<MsgBoxResult>("answer");
        QTest::newRow("kept") << MsgBoxResult::No;
        QTest::newRow("replaced") << MsgBoxResult::Yes;
    }

    void saveOverAChangedFile()
    {
        QFETCH(MsgBoxResult, answer);
        const QString path = m_dir.filePath(u"change.PAR"_s);
        const QByteArray read("1,2,3,4\r\n#TRUE#,#TRUE#\r\n");
        const QByteArray other("5,6,7,8.25\r\n#FALSE#,#FALSE#\r\n");
        QVERIFY(writeBytes(path, read));
        PrintSettingsHarness h;
        h.open();
        h.pressAnswering("loadSettingsButton", path);
        QVERIFY(writeBytes(path, other));
        h.msgBoxes.expect(changedOnDiskQuestion(path), answer);
        h.pressAnswering("saveSettingsButton", path);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(fileBytes(path), answer == MsgBoxResult::Yes ? read : other);
    }

    void saveProposesTheLastName_data()
    {
        QTest::addColumn<bool>("earlierChosen");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("earlier dialog cancelled") << false << u"/ailleurs/disque.eti"_s;
        QTest::newRow("earlier dialog answered") << true << u"/ailleurs/choisi.eti"_s;
    }

    // The save dialog starts on the name and in the folder an earlier file dialog, of any
    // window, left.
    void saveProposesTheLastName()
    {
        QFETCH(bool, earlierChosen);
        QFETCH(QString, proposed);
        PrintSettingsHarness h;
        h.open();
        FileRequest earlier;
        earlier.startFolder = u"/ailleurs"_s;
        earlier.proposedName = u"/ailleurs/disque.eti"_s;
        h.dialogs->answerNext(earlierChosen ? ScriptedDialogs::Answer(u"/ailleurs/choisi.eti"_s)
                                            : ScriptedDialogs::Answer(ScriptedDialogs::Cancel{}));
        QCOMPARE(h.dialog.chooseFileToOpen(earlier).has_value(), earlierChosen);
        h.pressAnswering("saveSettingsButton", ScriptedDialogs::Cancel{});
        const ScriptedDialogs::Shown &shown = h.dialogs->shown().constLast();
        QCOMPARE(shown.kind, ScriptedDialogs::Kind::Save);
        QCOMPARE(std::pair(shown.fileName, shown.initDir), std::pair(proposed, u"/ailleurs"_s));
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("cutMarks");
        QTest::addColumn<double>("secondColumn");
        QTest::newRow("two lines") << QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n")
                                   << " 7.5| 5| 12| 0" << false << true << 82.5;
        QTest::newRow("one line") << QByteArray("10,4,10,4,#TRUE#,#FALSE#\r\n") << " 10| 10| 4| 4"
                                  << true << false << 90.0;
        QTest::newRow("negative, no zero before the point")
            << QByteArray("-2,.5,10,4\r\n0,-1\r\n") << "-2| 10| .5| 4" << false << true << 78.0;
    }

    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, frame);
        QFETCH(bool, cutMarks);
        const QString path = writeSettings(u"lot1.par"_s, content);
        PrintSettingsHarness h;
        h.state.run.mode = PrintMode::SingleLabel;
        h.state.settings.filePath = u"/avant/lot0.PAR"_s;
        h.open();
        h.pressAnswering("loadSettingsButton", path);

        QTEST(h.distances(), "boxes");
        QCOMPARE(h.switches(), std::tuple(frame, cutMarks, frame, cutMarks));
        QCOMPARE(h.form->windowTitle(), title(u"LOT1.PAR"_s));
        QCOMPARE(h.choices().settings.loadedName, u"lot1.par"_s);
        QCOMPARE(h.choices().settings.filePath, path);
        // A settings file holds only the layout: the run stays as it was.
        QCOMPARE(h.choices().run.mode, PrintMode::SingleLabel);
        QTest::mouseClick(h.tile(2), Qt::LeftButton);
        QTEST(h.choices().run.labelOrigin.x(), "secondColumn");
        QCOMPARE(lastFileDialog(h), std::tuple(false, u"Ouvrir"_s, Filter, false));
        QCOMPARE(h.dialogs->shown().constLast().fileName, u"/avant/lot0.PAR"_s);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void loadRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // none: the file does not exist
        QTest::newRow("five fields") << "cinq.PAR" << QByteArray("7.5,12,5,0\r\n#FALSE#\r\n");
        QTest::newRow("a distance that is no number")
            << "lettres.PAR" << QByteArray("7.5,douze,5,0\r\n#FALSE#,#TRUE#\r\n");
        QTest::newRow("a switch that is no truth")
            << "switch.PAR" << QByteArray("7.5,12,5,0\r\n#FALSE#,#PEUT-ETRE#\r\n");
        QTest::newRow("missing file") << "absent.PAR" << QByteArray();
    }

    void loadRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString path =
            content.isEmpty() ? m_dir.filePath(name) : writeSettings(name, content);
        PrintSettingsHarness h;
        h.state.settings.loadedName = u"lot0.PAR"_s;
        h.state.settings.filePath = u"/avant/lot0.PAR"_s;
        h.open();
        h.button("cutOutlineCheck")->click();
        h.msgBoxes.expect(errorBox(u"Erreur d'ouverture du fichier"_s));
        h.pressAnswering("loadSettingsButton", path);

        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.distances(), u"10|10|4|4"_s);
        QCOMPARE(h.choices().settings.layout.sheetSpacing, (std::array<double, 4>{10, 4, 4, 10}));
        // The cut outline box was cleared, the setting stays.
        QCOMPARE(h.switches(), std::tuple(true, true, true, false));
        QCOMPARE(h.form->windowTitle(), title(u"lot0.PAR"_s));
        QCOMPARE(h.choices().settings.loadedName, u"lot0.PAR"_s);
        QCOMPARE(h.choices().settings.filePath, u"/avant/lot0.PAR"_s);
    }

    void loadCancelledKeepsTypedDistances()
    {
        const QString path =
            writeSettings(u"lot2.PAR"_s, QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n"));
        PrintSettingsHarness h;
        h.open();
        h.pressAnswering("loadSettingsButton", path);
        h.type("leftMarginEdit", u"3"_s);
        h.button("frameCheck")->click();

        h.pressAnswering("loadSettingsButton", ScriptedDialogs::Cancel());
        QCOMPARE(h.dialogs->shown().constLast().fileName, path);
        QCOMPARE(h.box("leftMarginEdit")->text(), u"3"_s);
        QCOMPARE(h.choices().settings.layout.sheetSpacing[0], 3.0);
        QVERIFY(h.button("frameCheck")->isChecked());
        QCOMPARE(h.form->windowTitle(), title(u"LOT2.PAR"_s));
        QVERIFY(h.msgBoxes.allSeen());
    }

    void titlesAcrossOpenings()
    {
        const QString loaded =
            writeSettings(u"lot1.par"_s, QByteArray("10,4,10,4\r\n#TRUE#,#TRUE#\r\n"));
        PrintSettingsHarness h;
        h.open();
        // A save names the window until it is built again; only a load is remembered.
        h.pressAnswering("saveSettingsButton", m_dir.filePath(u"sauve.PAR"_s));
        QCOMPARE(h.form->windowTitle(), title(u"SAUVE.PAR"_s));
        h.open();
        QCOMPARE(h.form->windowTitle(), title(u"DEFAUT"_s));

        h.pressAnswering("loadSettingsButton", loaded);
        QCOMPARE(h.form->windowTitle(), title(u"LOT1.PAR"_s));
        h.open();
        QCOMPARE(h.form->windowTitle(), title(u"lot1.par"_s));
        h.button("defaultSettingsButton")->click();
        QCOMPARE(h.form->windowTitle(), title(u"DEFAUT"_s));
        h.open();
        QCOMPARE(h.form->windowTitle(), title(u"lot1.par"_s));
        QCOMPARE(h.choices().settings.loadedName, u"lot1.par"_s);
    }

    void defaults()
    {
        PrintSettingsHarness h;
        h.state.run.copyCount = 3;
        h.state.run.startPosition = 5;
        h.state.run.nextDiskNumber = 40;
        h.state.run.numberingStyle = NumberingStyle::NumberOfTotal;
        h.open();
        h.type("leftMarginEdit", u"3"_s);
        h.type("columnGapEdit", u"-1"_s);
        h.type("topMarginEdit", u"8"_s);
        h.type("rowGapEdit", u"0.5"_s);
        h.button("frameCheck")->click();
        h.button("cutOutlineCheck")->click();
        h.button("defaultSettingsButton")->click();

        QCOMPARE(h.distances(), u"10|10|4|4"_s);
        QCOMPARE(h.choices().settings.layout.sheetSpacing, (std::array<double, 4>{10, 4, 4, 10}));
        QCOMPARE(h.switches(), std::tuple(true, true, true, true));
        // The run is no part of the defaults: copies, start, disk number and style stay.
        const PrintRun &run = h.choices().run;
        QCOMPARE(std::tuple(run.copyCount, run.startPosition, run.nextDiskNumber),
                 std::tuple(3, 5, 40));
        QCOMPARE(run.numberingStyle, NumberingStyle::NumberOfTotal);
        QVERIFY(h.msgBoxes.allSeen());
    }

private:
    QString writeSettings(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return writeBytes(path, bytes) ? path : QString();
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrintSettingsSettings)
#include "tst_printsettingsfiles.moc"
