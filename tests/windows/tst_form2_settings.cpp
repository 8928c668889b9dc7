// The settings files of the print settings window: defaults, save and load, and the title.
#include "Form2Harness.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString Filter = QStringLiteral("Fichiers de configuration (*.PAR)|*.PAR");

QString title(const QString &name)
{
    return QStringLiteral("Paramétrage de l'impression ") + name;
}

// Text1 to Text4, separated by "|".
QString distanceBoxes(const Form2Harness &h)
{
    return QStringList{h.box("Text1")->text(), h.box("Text2")->text(), h.box("Text3")->text(),
                       h.box("Text4")->text()}
        .join(QLatin1Char('|'));
}

} // namespace

class TestForm2Settings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void save_data();
    void save();
    void saveRefused_data();
    void saveRefused();
    void saveCancelled();
    void load_data();
    void load();
    void loadRefused_data();
    void loadRefused();
    void loadCancelledKeepsTypedDistances();
    void titlesAcrossOpenings();
    void defaults();

private:
    QString writeSettings(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return writeBytes(path, bytes) ? path : QString();
    }

    QTemporaryDir m_dir;
};

void TestForm2Settings::save_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("untickFrame");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("defaults") << QString() << false << QByteArray("10,4,10,4\r\n#TRUE#,#TRUE#\r\n");
    QTest::newRow("typed margin, no frame")
        << "7.5" << true << QByteArray("7.5,4,10,4\r\n#FALSE#,#TRUE#\r\n");
    QTest::newRow("margin typed as .5")
        << ".5" << false << QByteArray(".5,4,10,4\r\n#TRUE#,#TRUE#\r\n");
}

void TestForm2Settings::save()
{
    QFETCH(QString, left);
    QFETCH(bool, untickFrame);
    QFETCH(QByteArray, written);
    Form2Harness h;
    h.open();
    if (!left.isEmpty())
        h.type("Text1", left);
    if (untickFrame)
        h.button("Check1")->click();
    const QString path = m_dir.filePath(QStringLiteral("lot1.PAR"));
    h.dialogs->answerNext(path);
    h.button("Command4")->click();

    QCOMPARE(fileBytes(path), written);
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("LOT1.PAR")));
    QCOMPARE(h.state.ConfigFileName, path);
    QCOMPARE(h.state.PrintFrame, !untickFrame);
    const ScriptedDialogs::Shown &shown = h.dialogs->shown().constLast();
    QCOMPARE(shown.kind, ScriptedDialogs::Kind::Save);
    QCOMPARE(shown.title, QStringLiteral("Enregistrer"));
    QCOMPARE(shown.filter, Filter);
    QCOMPARE(shown.filterIndex, 1);
    QCOMPARE(shown.flags, int(CMDialog1::OverwritePrompt));
    QVERIFY(shown.cancelError);
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2Settings::saveRefused_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("folder that does not exist") << false;
    QTest::newRow("full disk over an older file") << true;
}

void TestForm2Settings::saveRefused()
{
    QFETCH(bool, fullDisk);
    const QByteArray older("1,2,3,4\r\n#TRUE#,#TRUE#\r\n");
    SmallDisk disk;
    QString path = m_dir.filePath(QStringLiteral("absent/lot1.PAR"));
    if (fullDisk) {
        if (!disk.isMounted())
            QSKIP("Mounting a small file system needs root");
        path = disk.filePath(QStringLiteral("lot1.PAR"));
        QVERIFY(writeBytes(path, older));
        QVERIFY(disk.fillLeaving(0));
    }
    Form2Harness h;
    h.state.ConfigFileName = QStringLiteral("/avant/lot0.PAR");
    h.open();
    h.button("Check1")->click();
    h.dialogs->answerNext(path);
    h.msgBoxes.expect(errorBox(QStringLiteral("Erreur lors de la sauvegarde du fichier !")));
    h.button("Command4")->click();

    QVERIFY(h.msgBoxes.allSeen());
    if (fullDisk) {
        QCOMPARE(fileBytes(path), older);
        QCOMPARE(disk.files(), QStringList{QStringLiteral("lot1.PAR")});
    } else {
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("DEFAUT")));
    QCOMPARE(h.state.ConfigFileName, QStringLiteral("/avant/lot0.PAR"));
    QVERIFY(h.state.PrintFrame);
}

void TestForm2Settings::saveCancelled()
{
    Form2Harness h;
    h.open();
    h.button("Check2")->click();
    h.dialogs->answerNext(ScriptedDialogs::Cancel());
    h.button("Command4")->click();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("DEFAUT")));
    QVERIFY(h.state.ConfigFileName.isEmpty());
    QVERIFY(h.state.PrintCutMarks);
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2Settings::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<bool>("frame");
    QTest::addColumn<bool>("cutMarks");
    QTest::addColumn<double>("secondColumn");

    QTest::newRow("two lines") << QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n") << " 7.5| 5| 12| 0"
                               << false << true << 82.5;
    QTest::newRow("one line") << QByteArray("10,4,10,4,#TRUE#,#FALSE#\r\n") << " 10| 10| 4| 4"
                              << true << false << 90.0;
    QTest::newRow("negative, no zero before the point")
        << QByteArray("-2,.5,10,4\r\n0,-1\r\n") << "-2| 10| .5| 4" << false << true << 78.0;
}

void TestForm2Settings::load()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, boxes);
    QFETCH(bool, frame);
    QFETCH(bool, cutMarks);
    QFETCH(double, secondColumn);
    const QString path = writeSettings(QStringLiteral("lot1.par"), content);
    Form2Harness h;
    h.state.PrintSingleMode = 1;
    h.state.ConfigFileName = QStringLiteral("/avant/lot0.PAR");
    h.open();
    h.dialogs->answerNext(path);
    h.button("Command5")->click();

    QCOMPARE(distanceBoxes(h), boxes);
    QCOMPARE(h.state.PrintFrame, frame);
    QCOMPARE(h.state.PrintCutMarks, cutMarks);
    QCOMPARE(h.find<QCheckBox>("Check1")->isChecked(), frame);
    QCOMPARE(h.find<QCheckBox>("Check2")->isChecked(), cutMarks);
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("LOT1.PAR")));
    QCOMPARE(h.state.ConfigName, QStringLiteral("lot1.par"));
    QCOMPARE(h.state.ConfigLoaded, qint16(1));
    QCOMPARE(h.state.ConfigFileName, path);
    QTest::mouseClick(h.tile(2), Qt::LeftButton);
    QCOMPARE(h.state.LabelOrigins[0], secondColumn);

    const ScriptedDialogs::Shown &shown = h.dialogs->shown().constLast();
    QCOMPARE(shown.kind, ScriptedDialogs::Kind::Open);
    QCOMPARE(shown.title, QStringLiteral("Ouvrir"));
    QCOMPARE(shown.fileName, QStringLiteral("/avant/lot0.PAR"));
    QCOMPARE(shown.filter, Filter);
    QCOMPARE(shown.filterIndex, 1);
    QCOMPARE(shown.flags, 0);
    QVERIFY(!shown.cancelError);
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2Settings::loadRefused_data()
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

void TestForm2Settings::loadRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = content.isEmpty() ? m_dir.filePath(name) : writeSettings(name, content);
    Form2Harness h;
    h.state.ConfigLoaded = 1;
    h.state.ConfigName = QStringLiteral("lot0.PAR");
    h.state.ConfigFileName = QStringLiteral("/avant/lot0.PAR");
    h.open();
    h.button("Check2")->click();
    h.dialogs->answerNext(path);
    h.msgBoxes.expect(errorBox(QStringLiteral("Erreur d'ouverture du fichier")));
    h.button("Command5")->click();

    QVERIFY(h.msgBoxes.allSeen());
    QCOMPARE(distanceBoxes(h), QStringLiteral("10|10|4|4"));
    QCOMPARE(h.state.SheetSpacing, (std::array<double, 4>{10, 4, 4, 10}));
    QVERIFY(h.state.PrintFrame);
    QVERIFY(h.state.PrintCutMarks); // the box was cleared, the setting stays
    QVERIFY(!h.find<QCheckBox>("Check2")->isChecked());
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("lot0.PAR")));
    QCOMPARE(h.state.ConfigName, QStringLiteral("lot0.PAR"));
    QCOMPARE(h.state.ConfigFileName, QStringLiteral("/avant/lot0.PAR"));
}

void TestForm2Settings::loadCancelledKeepsTypedDistances()
{
    const QString path =
        writeSettings(QStringLiteral("lot2.PAR"), QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n"));
    Form2Harness h;
    h.open();
    h.dialogs->answerNext(path);
    h.button("Command5")->click();
    h.type("Text1", QStringLiteral("3"));
    h.button("Check1")->click();

    h.dialogs->answerNext(ScriptedDialogs::Cancel());
    h.button("Command5")->click();
    QCOMPARE(h.dialogs->shown().constLast().fileName, path);
    QCOMPARE(h.box("Text1")->text(), QStringLiteral("3"));
    QCOMPARE(h.state.SheetSpacing[0], 3.0);
    QVERIFY(h.find<QCheckBox>("Check1")->isChecked());
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("LOT2.PAR")));
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2Settings::titlesAcrossOpenings()
{
    const QString loaded =
        writeSettings(QStringLiteral("lot1.par"), QByteArray("10,4,10,4\r\n#TRUE#,#TRUE#\r\n"));
    Form2Harness h;
    h.open();
    // A save names the window until it is built again; only a load is remembered.
    h.dialogs->answerNext(m_dir.filePath(QStringLiteral("sauve.PAR")));
    h.button("Command4")->click();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("SAUVE.PAR")));
    h.open();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("DEFAUT")));

    h.dialogs->answerNext(loaded);
    h.button("Command5")->click();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("LOT1.PAR")));
    h.open();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("lot1.par")));
    h.button("Command3")->click();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("DEFAUT")));
    h.open();
    QCOMPARE(h.form->windowTitle(), title(QStringLiteral("lot1.par")));
    QCOMPARE(h.state.PrintSettingsTitle, h.form->windowTitle());
}

void TestForm2Settings::defaults()
{
    Form2Harness h;
    h.state.CopyCount = 3;
    h.state.StartLabel = 5;
    h.state.DiskNumber = 40;
    h.state.NumberingStyle = 2;
    h.open();
    h.type("Text1", QStringLiteral("3"));
    h.type("Text2", QStringLiteral("-1"));
    h.type("Text3", QStringLiteral("8"));
    h.type("Text4", QStringLiteral("0.5"));
    h.button("Check1")->click();
    h.button("Check2")->click();
    h.button("Command3")->click();

    QCOMPARE(distanceBoxes(h), QStringLiteral("10|10|4|4"));
    QCOMPARE(h.state.SheetSpacing, (std::array<double, 4>{10, 4, 4, 10}));
    QVERIFY(h.state.PrintFrame && h.state.PrintCutMarks);
    QVERIFY(h.find<QCheckBox>("Check1")->isChecked() && h.find<QCheckBox>("Check2")->isChecked());
    QCOMPARE(h.state.CopyCount, qint16(3));
    QCOMPARE(h.state.StartLabel, qint16(5));
    QCOMPARE(h.state.DiskNumber, qint16(40));
    QCOMPARE(h.state.NumberingStyle, qint16(2));
    QVERIFY(h.msgBoxes.allSeen());
}

QTEST_MAIN(TestForm2Settings)
#include "tst_form2_settings.moc"
