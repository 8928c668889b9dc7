#include "label/Cp1252.h"
#include "label/Module1.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
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
    void codePageMatchesTheReference_data();
    void codePageMatchesTheReference();
    void codePageHoldsNothingElse();
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

namespace {

// The reference table made by iconv (make-cp1252-table.sh): the code point of each byte.
// The bytes the code page leaves undefined decode, as the program always did, to the
// control character of the same number, so that every file reads and writes back intact.
QMap<int, char16_t> referenceCodePage()
{
    QMap<int, char16_t> table;
    QFile file(QStringLiteral(KORVALIN_CP1252_TABLE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() != 2)
            return {};
        const int byte = fields[0].toInt(nullptr, 16);
        table[byte] =
            fields[1] == "undefined" ? char16_t(byte) : char16_t(fields[1].toUShort(nullptr, 16));
    }
    return table;
}

} // namespace

void TestModule1::codePageMatchesTheReference_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    const QMap<int, char16_t> table = referenceCodePage();
    QCOMPARE(table.size(), 256);
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        QTest::addRow("0x%02X", it.key()) << it.key() << int(it.value());
}

void TestModule1::codePageMatchesTheReference()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QByteArray bytes(1, char(byte));
    const QString text{QChar(char16_t(codePoint))};
    QCOMPARE(int(Cp1252::decode(bytes).at(0).unicode()), codePoint);
    QCOMPARE(Cp1252::encode(text), std::optional<QByteArray>(bytes));
}

// Only the 256 characters of the table can be written; every other one is refused.
void TestModule1::codePageHoldsNothingElse()
{
    const QMap<int, char16_t> table = referenceCodePage();
    QCOMPARE(table.size(), 256);
    QSet<char16_t> held;
    for (char16_t c : table)
        held.insert(c);
    for (int u = 0; u <= 0xFFFF; ++u) {
        if (Cp1252::canEncode(QChar(char16_t(u))) != held.contains(char16_t(u)))
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(u, 4, 16, QLatin1Char('0'))));
    }
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
