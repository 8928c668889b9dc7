#include "TestFiles.h"

#include "label/LabelFile.h"
#include "label/SmallFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>

using Zones = LabelFile::Zones;

namespace {

// The documented example: "Sauvegarde" in bold 12 pt black centred, two red lines, zone 3 empty.
Zones exampleZones()
{
    Zones zones = startUpZones();
    zones[0].Caption = QStringLiteral("Sauvegarde");
    zones[0].FontSize = 12;
    zones[0].FontBold = true;
    zones[0].Alignment = AlignCentre;
    zones[1].Caption = QStringLiteral("Documents\r\nJanvier");
    zones[1].FontSize = 8;
    zones[1].ForeColor = 255;
    zones[2].FontSize = 8;
    zones[2].ForeColor = 0;
    return zones;
}

// The stored properties only: strikethrough and underline live in memory.
void compareStored(const TextZone &actual, const TextZone &expected)
{
    QCOMPARE(actual.Caption, expected.Caption);
    QCOMPARE(actual.FontName, expected.FontName);
    QCOMPARE(actual.FontSize, expected.FontSize);
    QCOMPARE(actual.FontBold, expected.FontBold);
    QCOMPARE(actual.FontItalic, expected.FontItalic);
    QCOMPARE(actual.ForeColor, expected.ForeColor);
    QCOMPARE(actual.Alignment, expected.Alignment);
}

} // namespace

class TestLabelFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleIsByteExact();
    void roundTrip_data();
    void roundTrip();
    void strikethroughAndUnderlineStayInMemory();
    void oneLineTextsGiveThirtyFiveLines();
    void readerForms_data();
    void readerForms();
    void unreadable_data();
    void unreadable();
    void unreadableFiles_data();
    void unreadableFiles();
    void unwritableDocuments_data();
    void unwritableDocuments();
    void openedFilesSaveAgainUnchanged_data();
    void openedFilesSaveAgainUnchanged();
    void saveSetsIconEntryAndClearsModified();
    void failedSaveKeepsPreviousFile_data();
    void failedSaveKeepsPreviousFile();
    void fullDiskKeepsPreviousFile();
};

void TestLabelFile::exampleIsByteExact()
{
    const std::optional<QByteArray> bytes =
        LabelFile::encode(exampleZones(), QStringLiteral("AUCUN"));
    QVERIFY(bytes);
    const QByteArray expected = fileBytes(QFINDTESTDATA("data/sauvegarde.eti"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(*bytes, expected);
    QCOMPARE(bytes->count("\r\n"), 36);
}

void TestLabelFile::roundTrip_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<float>("fontSize");
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("iconFile");

    const QString arial = QStringLiteral("Arial");
    QTest::newRow("three lines") << QStringLiteral("A\r\nB\r\nC") << QStringLiteral("A\r\nB\r\nC")
                                 << arial << 8.25f << 0 << QStringLiteral("AUCUN");
    QTest::newRow("trailing line break") << QStringLiteral("Fin\r\n") << QStringLiteral("Fin\r\n")
                                         << arial << 8.f << 255 << QStringLiteral("AUCUN");
    QTest::newRow("empty") << QString() << QString() << arial << 10.f << 16777215
                           << QStringLiteral("AUCUN");
    QTest::newRow("spaces trimmed") << QStringLiteral("  a b  ") << QStringLiteral("a b") << arial
                                    << 9.5f << 0 << QStringLiteral("AUCUN");
    QTest::newRow("quotes inside")
        << QStringLiteral("dit \"oui\"\r\n\"non\"") << QStringLiteral("dit \"oui\"\r\n\"non\"")
        << arial << 8.f << 0 << QStringLiteral("AUCUN");
    QTest::newRow("system colour") << QStringLiteral("x") << QStringLiteral("x") << arial << 8.f
                                   << int(WindowTextColor) << QStringLiteral("AUCUN");
    QTest::newRow("fraction kept") << QStringLiteral("x") << QStringLiteral("x") << arial << 8.3f
                                   << 65280 << QStringLiteral("AUCUN");
    QTest::newRow("accents and euro")
        << QStringLiteral("Numéro € « œ »") << QStringLiteral("Numéro € « œ »") << arial << 8.f << 0
        << QStringLiteral("AUCUN");
    QTest::newRow("comma in font name")
        << QStringLiteral("x") << QStringLiteral("x") << QStringLiteral("Foo, Bold") << 8.f << 0
        << QStringLiteral("AUCUN");
    QTest::newRow("comma in icon path") << QStringLiteral("x") << QStringLiteral("x") << arial
                                        << 8.f << 0 << QStringLiteral("/home/a,b/logo.ico");
    QTest::newRow("other zone's header in text")
        << QStringLiteral("a\r\n[Police 3]\r\nb") << QStringLiteral("a\r\n[Police 3]\r\nb") << arial
        << 8.f << 0 << QStringLiteral("AUCUN");
    QTest::newRow("own header on first line")
        << QStringLiteral("[Police 2]\r\nb") << QStringLiteral("[Police 2]\r\nb") << arial << 8.f
        << 0 << QStringLiteral("AUCUN");
}

void TestLabelFile::roundTrip()
{
    QFETCH(QString, caption);
    QFETCH(QString, stored);
    QFETCH(QString, fontName);
    QFETCH(float, fontSize);
    QFETCH(int, color);
    QFETCH(QString, iconFile);

    Zones zones = startUpZones();
    for (int i = 0; i < 3; ++i) {
        zones[i].Caption = i == 1 ? caption : QStringLiteral("zone %1").arg(i + 1);
        zones[i].FontName = fontName;
        zones[i].FontSize = fontSize;
        zones[i].ForeColor = color;
        zones[i].Alignment = qint16(i);
        zones[i].FontItalic = i == 1;
    }
    const std::optional<QByteArray> bytes = LabelFile::encode(zones, iconFile);
    QVERIFY(bytes);
    const std::optional<LabelFile::Content> read = LabelFile::decode(*bytes, startUpZones());
    QVERIFY(read);
    QCOMPARE(read->iconEntry, iconFile);
    for (int i = 0; i < 3; ++i) {
        TextZone expected = zones[i];
        if (i == 1)
            expected.Caption = stored;
        compareStored(read->zones[i], expected);
    }
}

void TestLabelFile::strikethroughAndUnderlineStayInMemory()
{
    Zones written = exampleZones();
    written[0].FontStrikethru = true;
    written[1].FontUnderline = true;
    const std::optional<QByteArray> bytes = LabelFile::encode(written, QStringLiteral("AUCUN"));
    QVERIFY(bytes);
    QCOMPARE(*bytes, *LabelFile::encode(exampleZones(), QStringLiteral("AUCUN")));

    Zones current = startUpZones();
    current[2].FontStrikethru = true;
    current[2].FontUnderline = true;
    const std::optional<LabelFile::Content> read = LabelFile::decode(*bytes, current);
    QVERIFY(read);
    QVERIFY(!read->zones[0].FontStrikethru);
    QVERIFY(!read->zones[1].FontUnderline);
    QVERIFY(read->zones[2].FontStrikethru);
    QVERIFY(read->zones[2].FontUnderline);
}

void TestLabelFile::oneLineTextsGiveThirtyFiveLines()
{
    const std::optional<QByteArray> bytes =
        LabelFile::encode(startUpZones(), QStringLiteral("AUCUN"));
    QVERIFY(bytes);
    QCOMPARE(bytes->count("\r\n"), 35);
    QCOMPARE(bytes->count('\n'), 35);
    QVERIFY(bytes->contains("[Couleur 2]\r\n-2147483640 \r\n"));
    QVERIFY(bytes->contains("[Police 1]\r\nArial\r\n 8.25\r\n"));
}

void TestLabelFile::readerForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption1");
    QTest::addColumn<bool>("bold1");
    QTest::addColumn<QString>("iconEntry");

    const QByteArray example = fileBytes(QFINDTESTDATA("data/sauvegarde.eti"));
    QByteArray lfOnly = example;
    lfOnly.replace("\r\n", "\n");
    QByteArray otherHeaders = example;
    otherHeaders.replace("[Titre 1]", "[Autre chose]")
        .replace("[Couleur 2]", "Couleur")
        .replace("[Icone]", "[Image]");
    QByteArray numericTruth = example;
    numericTruth.replace("\r\nTrue\r\n", "\r\n-1\r\n");
    QByteArray linesAfter = example + "ceci est ignoré\r\n";
    QByteArray noFinalLineEnd = example;
    noFinalLineEnd.chop(2);

    QTest::newRow("CR LF") << example << QStringLiteral("Sauvegarde") << true
                           << QStringLiteral("AUCUN");
    QTest::newRow("LF only") << lfOnly << QStringLiteral("Sauvegarde") << true
                             << QStringLiteral("AUCUN");
    QTest::newRow("other header texts")
        << otherHeaders << QStringLiteral("Sauvegarde") << true << QStringLiteral("AUCUN");
    QTest::newRow("truth as number")
        << numericTruth << QStringLiteral("Sauvegarde") << true << QStringLiteral("AUCUN");
    QTest::newRow("lines after icon")
        << linesAfter << QStringLiteral("Sauvegarde") << true << QStringLiteral("AUCUN");
    QTest::newRow("no final line end")
        << noFinalLineEnd << QStringLiteral("Sauvegarde") << true << QStringLiteral("AUCUN");
}

void TestLabelFile::readerForms()
{
    QFETCH(QByteArray, bytes);
    const std::optional<LabelFile::Content> read = LabelFile::decode(bytes, startUpZones());
    QVERIFY(read);
    QTEST(read->zones[0].Caption, "caption1");
    QTEST(read->zones[0].FontBold, "bold1");
    QTEST(read->iconEntry, "iconEntry");
    QCOMPARE(read->zones[1].Caption, QStringLiteral("Documents\r\nJanvier"));
    QCOMPARE(read->zones[1].ForeColor, 255);
}

void TestLabelFile::unreadable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray example = fileBytes(QFINDTESTDATA("data/sauvegarde.eti"));
    auto replaced = [&](const char *from, const char *to) {
        return QByteArray(example).replace(from, to);
    };

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated in zone 3") << example.left(example.indexOf("[Police 3]") + 12);
    QTest::newRow("no icon entry") << example.left(example.indexOf("AUCUN"));
    QTest::newRow("missing font header") << replaced("[Police 2]", "[Police2]");
    QTest::newRow("alignment 3") << replaced("[Alignement 3]\r\n 0 ", "[Alignement 3]\r\n 3 ");
    QTest::newRow("negative alignment")
        << replaced("[Alignement 1]\r\n 2 ", "[Alignement 1]\r\n-1 ");
    QTest::newRow("size not a number") << replaced(" 12\r\n", " douze\r\n");
    QTest::newRow("size zero") << replaced(" 12\r\n", " 0\r\n");
    QTest::newRow("bold not a truth") << replaced("True", "Vrai");
    QTest::newRow("colour with fraction") << replaced(" 255 ", " 25.5 ");
    QTest::newRow("colour out of range") << replaced(" 255 ", " 16777216 ");
    QTest::newRow("text without quotes") << replaced("\"Sauvegarde\"\r\n", "\r\n");
    QTest::newRow("binary garbage")
        << QByteArray("\x00\xff\x13\x37\r\n\x80\x81\x00", 10).repeated(50);
}

void TestLabelFile::unreadable()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!LabelFile::decode(bytes, startUpZones()));
}

void TestLabelFile::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("directory") << QStringLiteral("directory");
    QTest::newRow("named pipe") << QStringLiteral("fifo");
    QTest::newRow("over one MiB") << QStringLiteral("large");
}

void TestLabelFile::unreadableFiles()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("etiquette.eti"));
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("etiquette.eti")));
    } else if (kind == QLatin1String("fifo")) {
        // Reading a pipe nobody writes to would block: it must be refused unopened.
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("large")) {
        QByteArray bytes = *LabelFile::encode(exampleZones(), QStringLiteral("AUCUN"));
        QVERIFY(writeBytes(path, bytes + QByteArray(SmallFile::MaxSize, ' ')));
    }
    QVERIFY(!LabelFile::read(path, startUpZones()));
}

void TestLabelFile::unwritableDocuments_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("iconFile");
    QTest::newRow("character outside the code page")
        << 2 << QStringLiteral("Ωmega") << QStringLiteral("AUCUN");
    QTest::newRow("emoji") << 1 << QStringLiteral("disque 💾") << QStringLiteral("AUCUN");
    QTest::newRow("own font header inside the text")
        << 2 << QStringLiteral("a\r\n[Police 2]\r\nb") << QStringLiteral("AUCUN");
    QTest::newRow("line break in icon path")
        << 1 << QStringLiteral("x") << QStringLiteral("/tmp/a\nb.ico");
    QTest::newRow("icon path outside the code page")
        << 1 << QStringLiteral("x") << QStringLiteral("/tmp/Ωmega.ico");
}

void TestLabelFile::unwritableDocuments()
{
    QFETCH(int, zone);
    QFETCH(QString, caption);
    QFETCH(QString, iconFile);
    Zones zones = exampleZones();
    zones[zone - 1].Caption = caption;
    QVERIFY(!LabelFile::encode(zones, iconFile));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ancien.eti"));
    QVERIFY(writeBytes(path, "ancien contenu"));
    Module1 state;
    state.IconFile = iconFile;
    state.Modified = true;
    QVERIFY(!LabelFile::save(path, zones, state));
    QVERIFY(state.Modified);
    QCOMPARE(fileBytes(path), QByteArray("ancien contenu"));
}

void TestLabelFile::openedFilesSaveAgainUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray example = fileBytes(QFINDTESTDATA("data/sauvegarde.eti"));
    QByteArray crInFontName = example;
    crInFontName.replace("[Police 2]\r\nArial\r\n", "[Police 2]\r\nAr\rial\r\n");
    QByteArray crEndingIconPath = example;
    crEndingIconPath.replace("AUCUN\r\n", "logo.ico\r\r\n");
    QTest::newRow("CR inside the font name") << crInFontName;
    QTest::newRow("CR ending the icon path") << crEndingIconPath;
    QTest::newRow("CR inside the icon path (found by fuzzing)")
        << fileBytes(QFINDTESTDATA("data/fuzz/cr-in-icon-path.eti"));
    QTest::newRow("empty line before the text (found by fuzzing)")
        << fileBytes(QFINDTESTDATA("data/fuzz/empty-line-before-text.eti"));
}

// Whatever opens must save again, as the same document: a Save that fails on a label
// that opened would leave the user unable to keep a change.
void TestLabelFile::openedFilesSaveAgainUnchanged()
{
    QFETCH(QByteArray, bytes);
    const std::optional<LabelFile::Content> opened = LabelFile::decode(bytes, startUpZones());
    QVERIFY(opened);
    const std::optional<QByteArray> saved = LabelFile::encode(opened->zones, opened->iconEntry);
    QVERIFY(saved);
    const std::optional<LabelFile::Content> reopened = LabelFile::decode(*saved, startUpZones());
    QVERIFY(reopened);
    QCOMPARE(reopened->iconEntry, opened->iconEntry);
    for (int zone = 0; zone < 3; ++zone)
        compareStored(reopened->zones[zone], opened->zones[zone]);
}

void TestLabelFile::saveSetsIconEntryAndClearsModified()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nouveau.eti"));
    Module1 state;
    state.Modified = true;
    QVERIFY(LabelFile::save(path, exampleZones(), state));
    QCOMPARE(state.IconFile, QStringLiteral("AUCUN"));
    QVERIFY(!state.Modified);
    QCOMPARE(fileBytes(path), fileBytes(QFINDTESTDATA("data/sauvegarde.eti")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("nouveau.eti")});
}

void TestLabelFile::failedSaveKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing folder") << QStringLiteral("absent/etiquette.eti");
    QTest::newRow("folder is a file") << QStringLiteral("ancien.eti/etiquette.eti");
    QTest::newRow("path is a folder") << QStringLiteral("dossier");
}

void TestLabelFile::failedSaveKeepsPreviousFile()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("ancien.eti")), "ancien contenu"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier")));
    Module1 state;
    state.Modified = true;
    QVERIFY(!LabelFile::save(dir.filePath(relativePath), exampleZones(), state));
    QVERIFY(state.Modified);
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("ancien.eti"))), QByteArray("ancien contenu"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ancien.eti")});
}

void TestLabelFile::fullDiskKeepsPreviousFile()
{
    // A tiny file system that fills up halfway through the new file.
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=12k") != 0)
        QSKIP("Mounting a small file system needs root");
    const QString path = dir.filePath(QStringLiteral("etiquette.eti"));
    QVERIFY(writeBytes(path, "ancien contenu"));

    Zones zones = exampleZones();
    zones[1].Caption =
        QString(QStringLiteral("ligne assez longue pour remplir le disque\r\n")).repeated(400);
    Module1 state;
    state.Modified = true;
    const bool saved = LabelFile::save(path, zones, state);
    const QByteArray after = fileBytes(path);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(umount(mountPoint.constData()), 0);

    QVERIFY(!saved);
    QVERIFY(state.Modified);
    QCOMPARE(after, QByteArray("ancien contenu"));
    QCOMPARE(files, QStringList{QStringLiteral("etiquette.eti")});
}

QTEST_GUILESS_MAIN(TestLabelFile)
#include "tst_labelfile.moc"
