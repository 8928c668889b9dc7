#include "label/Cp1252.h"
#include "label/Module1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestModule1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpValues();
    void commandLine_data();
    void commandLine();
    void addBackslash_data();
    void addBackslash();
    void fileExists();
    void centerForm();
    void codePageRoundTripsEveryByte();
    void codePageRefusesWhatItCannotHold();
};

void TestModule1::startUpValues()
{
    Module1 state;
    state.Modified = true;
    state.SheetSpacing = {1, 2, 3, 4};
    state.startUp(QStringLiteral("/opt/korvalin"), QString(), QStringLiteral("/home/u"));
    QCOMPARE(state.AppPath, QStringLiteral("/opt/korvalin"));
    QVERIFY(!state.Modified);
    QCOMPARE(state.CurrentZone, qint16(1));
    QCOMPARE(state.SheetSpacing, (std::array<double, 4>{10, 4, 4, 10}));
    QCOMPARE(state.CopyCount, qint16(10));
    QCOMPARE(state.StartLabel, qint16(1));
    QCOMPARE(state.DiskNumber, qint16(1));
    QVERIFY(state.PrintFrame && state.PrintCutMarks);
    QCOMPARE(state.PrintSettingsTitle, QStringLiteral("Paramétrage de l'impression DEFAUT"));
    QVERIFY(state.LabelFileName.isEmpty());
    QVERIFY(!state.startedWithDocument());
}

void TestModule1::commandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("labelFileName");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("absolute") << QStringLiteral("/data/lot.eti") << QStringLiteral("/data/lot.eti")
                              << QStringLiteral("LOT.ETI");
    QTest::newRow("quoted absolute")
        << QStringLiteral("\"/data/mes disques.eti\"") << QStringLiteral("/data/mes disques.eti")
        << QStringLiteral("MES DISQUES.ETI");
    QTest::newRow("bare name") << QStringLiteral("lot.eti") << QStringLiteral("/home/u/lot.eti")
                               << QStringLiteral("LOT.ETI");
    QTest::newRow("relative folder")
        << QStringLiteral("sous/lot.eti") << QStringLiteral("/home/u/sous/lot.eti")
        << QStringLiteral("LOT.ETI");
    QTest::newRow("quoted relative")
        << QStringLiteral("\"lot.eti\"") << QStringLiteral("/home/u/lot.eti")
        << QStringLiteral("LOT.ETI");
}

void TestModule1::commandLine()
{
    QFETCH(QString, argument);
    Module1 state;
    state.startUp(QStringLiteral("/opt/korvalin"), argument, QStringLiteral("/home/u"));
    QVERIFY(state.startedWithDocument());
    QTEST(state.LabelFileName, "labelFileName");
    QTEST(state.commandLineDocumentName(), "shownName");
    // The print settings window asks for the start position of a document opened this way.
    QCOMPARE(state.StartLabel, qint16(0));
}

void TestModule1::addBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("folder") << QStringLiteral("/opt/korvalin") << QStringLiteral("/opt/korvalin/");
    QTest::newRow("already ends") << QStringLiteral("/opt/korvalin/")
                                  << QStringLiteral("/opt/korvalin/");
    QTest::newRow("empty") << QString() << QStringLiteral("/");
}

void TestModule1::addBackslash()
{
    QFETCH(QString, path);
    QTEST(AddBackslash(path), "expected");
}

void TestModule1::fileExists()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("logo.ico")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier.ico")));

    QVERIFY(FileExists(dir.filePath(QStringLiteral("logo.ico"))));
    QVERIFY(FileExists(dir.filePath(QStringLiteral("*.ico"))));
    QVERIFY(FileExists(dir.filePath(QStringLiteral("l?go.ico"))));
    QVERIFY(!FileExists(dir.filePath(QStringLiteral("dossier.ico"))));
    QVERIFY(!FileExists(dir.filePath(QStringLiteral("*.bmp"))));
    QVERIFY(!FileExists(dir.path()));
    QVERIFY(!FileExists(QString()));
}

void TestModule1::centerForm()
{
    QCOMPARE(CenterForm(QSize(200, 100), QRect(0, 0, 1000, 800)), QPoint(400, 350));
    QCOMPARE(CenterForm(QSize(200, 100), QRect(1920, 0, 1000, 800)), QPoint(2320, 350));
}

void TestModule1::codePageRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text[0x80], QChar(0x20AC));
    QCOMPARE(text[0x9C], QChar(0x0153));
    QCOMPARE(text[0x81], QChar(0x0081));
    QCOMPARE(text[0xE9], QChar(0x00E9));
    QCOMPARE(Cp1252::encode(text), std::optional<QByteArray>(all));
}

void TestModule1::codePageRefusesWhatItCannotHold()
{
    QVERIFY(Cp1252::canEncode(QChar(0x00E9)));
    QVERIFY(Cp1252::canEncode(QChar(0x2026)));
    QVERIFY(!Cp1252::canEncode(QChar(0x03A9)));
    QVERIFY(!Cp1252::canEncode(QChar(0x0100)));
    QVERIFY(!Cp1252::encode(QStringLiteral("abc Ω")));
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"
