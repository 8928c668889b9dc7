#include "SmallDisk.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "label/SmallFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using Zones = LabelFile::Zones;
Q_DECLARE_METATYPE(SmallFile::WriteStep)
Q_DECLARE_METATYPE(SpecialFile)

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

// The example with zone 2 lengthened so that its file takes exactly size bytes.
Zones zonesOfSize(int size)
{
    Zones zones = exampleZones();
    const int exampleSize = int(LabelFile::encode(zones, QStringLiteral("AUCUN"))->size());
    if (size == exampleSize)
        return zones;
    zones[1].Caption += QStringLiteral("\r\n") + QString(size - exampleSize - 2, QLatin1Char('x'));
    return zones;
}

struct stat statusOf(const QString &path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
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
    void refusalReasons_data();
    void refusalReasons();
    void openedFilesSaveAgainUnchanged_data();
    void openedFilesSaveAgainUnchanged();
    void saveSetsIconEntryAndClearsModified();
    void failedSaveKeepsPreviousFile_data();
    void failedSaveKeepsPreviousFile();
    void fullDisk_data();
    void fullDisk();
    void refusedWriteStepKeepsPreviousFile_data();
    void refusedWriteStepKeepsPreviousFile();
    void eachSaveIsANewFile();
    void saveThroughALinkReplacesItsFile();
    void deviceOrPipeIsNeverReplaced_data();
    void deviceOrPipeIsNeverReplaced();
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

void TestLabelFile::refusalReasons_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QString>("iconFile");
    QTest::addColumn<QString>("reason"); // empty: the document is written

    const QString arial = QStringLiteral("Arial");
    const QString none = QStringLiteral("AUCUN");
    QTest::newRow("writable") << 1 << QStringLiteral("a\r\n[Police 2]") << arial << none
                              << QString();
    QTest::newRow("own font header line")
        << 2 << QStringLiteral("a\r\n[Police 2]\r\nb") << arial << none
        << QStringLiteral("Le texte de la zone 2 contient la ligne « [Police 2] », que le fichier "
                          "réserve à sa police.");
    QTest::newRow("line break in a font name")
        << 3 << QStringLiteral("x") << QStringLiteral("Deux\nLignes") << none
        << QStringLiteral("Le nom de police de la zone 3 contient un saut de ligne.");
    QTest::newRow("line break in the picture path")
        << 1 << QStringLiteral("x") << arial << QStringLiteral("/tmp/a\nb.ico")
        << QStringLiteral("Le chemin de l'image contient un saut de ligne.");
    QTest::newRow("text outside the code page")
        << 1 << QStringLiteral("Ωmega") << arial << none
        << QStringLiteral("Le texte de la zone 1 contient un caractère que le fichier ne peut "
                          "pas coder.");
    QTest::newRow("font name outside the code page")
        << 2 << QStringLiteral("x") << QStringLiteral("明朝") << none
        << QStringLiteral("Le nom de police de la zone 2 contient un caractère que le fichier "
                          "ne peut pas coder.");
    QTest::newRow("picture path outside the code page")
        << 1 << QStringLiteral("x") << arial << QStringLiteral("/tmp/Ωmega.ico")
        << QStringLiteral("Le chemin de l'image contient un caractère que le fichier ne peut pas "
                          "coder.");
}

void TestLabelFile::refusalReasons()
{
    QFETCH(int, zone);
    QFETCH(QString, caption);
    QFETCH(QString, fontName);
    QFETCH(QString, iconFile);
    QFETCH(QString, reason);
    Zones zones = exampleZones();
    zones[zone - 1].Caption = caption;
    zones[zone - 1].FontName = fontName;
    QCOMPARE(LabelFile::refusalReason(zones, iconFile), reason);
    QCOMPARE(LabelFile::encode(zones, iconFile).has_value(), reason.isEmpty());

    QTemporaryDir dir;
    Module1 state;
    state.IconFile = iconFile;
    const LabelFile::SaveResult saved =
        LabelFile::save(dir.filePath(QStringLiteral("a.eti")), zones, state);
    QCOMPARE(saved.saved, reason.isEmpty());
    QCOMPARE(saved.refusal, reason);
    // The save message stays first; the reason is its second line.
    const QString prompt = LabelFile::saveErrorPrompt(reason);
    QCOMPARE(prompt, reason.isEmpty()
                         ? QStringLiteral("Erreur lors de la sauvegarde du fichier !")
                         : QStringLiteral("Erreur lors de la sauvegarde du fichier !\r") + reason);
}

void TestLabelFile::fullDisk_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<bool>("fits");

    const int example = int(LabelFile::encode(exampleZones(), QStringLiteral("AUCUN"))->size());
    const qint64 page = SmallDisk::PageSize;
    // Below 16 KiB the bytes wait in a buffer and the disk refuses them only at the flush;
    // above, they are written at once.
    QTest::newRow("example, disk full") << example << qint64(0) << false;
    QTest::newRow("example, room") << example << 2 * page << true;
    for (int kib : {8, 16, 40}) {
        const int size = kib * 1024;
        const QByteArray name = QByteArray::number(kib) + " KiB";
        QTest::newRow(name + ", disk full") << size << qint64(0) << false;
        QTest::newRow(name + ", one page short") << size << qint64(size) - page << false;
        QTest::newRow(name + ", room") << size << qint64(size) + page << true;
    }
}

void TestLabelFile::fullDisk()
{
    QFETCH(int, size);
    QFETCH(qint64, freeBytes);
    QFETCH(bool, fits);
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP("Mounting a small file system needs root");
    const QString path = disk.filePath(QStringLiteral("etiquette.eti"));
    const QByteArray old = fileBytes(QFINDTESTDATA("data/sauvegarde.eti"));
    QVERIFY(writeBytes(path, old));
    QVERIFY(disk.fillLeaving(freeBytes));

    const Zones zones = zonesOfSize(size);
    const QByteArray expected = *LabelFile::encode(zones, QStringLiteral("AUCUN"));
    QCOMPARE(expected.size(), size);
    Module1 state;
    state.Modified = true;
    QCOMPARE(LabelFile::save(path, zones, state).saved, fits);
    QCOMPARE(state.Modified, !fits);
    QCOMPARE(fileBytes(path), fits ? expected : old);
    QCOMPARE(disk.files(), QStringList{QStringLiteral("etiquette.eti")});
}

void TestLabelFile::refusedWriteStepKeepsPreviousFile_data()
{
    QTest::addColumn<SmallFile::WriteStep>("step");
    QTest::addColumn<int>("size");
    const int example = int(LabelFile::encode(exampleZones(), QStringLiteral("AUCUN"))->size());
    const std::pair<const char *, SmallFile::WriteStep> steps[] = {
        {"write", SmallFile::WriteStep::Write},
        {"flush", SmallFile::WriteStep::Flush},
        {"sync", SmallFile::WriteStep::Sync}};
    for (const auto &[name, step] : steps) {
        QTest::addRow("%s, example", name) << step << example;
        QTest::addRow("%s, 40 KiB", name) << step << 40 * 1024;
    }
}

void TestLabelFile::refusedWriteStepKeepsPreviousFile()
{
    QFETCH(SmallFile::WriteStep, step);
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("etiquette.eti"));
    QVERIFY(writeBytes(path, "ancien contenu"));
    const Zones zones = zonesOfSize(size);
    Module1 state;
    state.Modified = true;
    {
        const SmallFile::ScopedWriteFailure failure(step);
        QVERIFY(!LabelFile::save(path, zones, state));
    }
    QVERIFY(state.Modified);
    QCOMPARE(fileBytes(path), QByteArray("ancien contenu"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("etiquette.eti")});

    // With the disk well again the same save goes through.
    QVERIFY(LabelFile::save(path, zones, state));
    QCOMPARE(fileBytes(path), *LabelFile::encode(zones, QStringLiteral("AUCUN")));
}

// A save made in place would keep the inode, and a failing one would leave half a file.
void TestLabelFile::eachSaveIsANewFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("etiquette.eti"));
    const QString otherName = dir.filePath(QStringLiteral("autre-nom.eti"));
    Module1 state;
    QVERIFY(LabelFile::save(path, exampleZones(), state));
    const QByteArray first = fileBytes(path);
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(otherName).constData()),
             0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const ino_t firstInode = statusOf(path).st_ino;

    const Zones second = zonesOfSize(2000);
    QVERIFY(LabelFile::save(path, second, state));
    const ino_t secondInode = statusOf(path).st_ino;
    QVERIFY(secondInode != firstInode);
    QCOMPARE(fileBytes(otherName), first);
    QCOMPARE(fileBytes(path), *LabelFile::encode(second, QStringLiteral("AUCUN")));
    QCOMPARE(statusOf(path).st_mode & 07777, 0640u);

    QVERIFY(LabelFile::save(path, exampleZones(), state));
    QVERIFY(statusOf(path).st_ino != secondInode);
    QCOMPARE(fileBytes(path), first);
}

void TestLabelFile::saveThroughALinkReplacesItsFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("vraie.eti"));
    const QString link = dir.filePath(QStringLiteral("lien.eti"));
    QVERIFY(writeBytes(target, "ancien contenu"));
    QVERIFY(QFile::link(target, link));
    Module1 state;
    QVERIFY(LabelFile::save(link, exampleZones(), state));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fileBytes(target), fileBytes(QFINDTESTDATA("data/sauvegarde.eti")));
}

void TestLabelFile::deviceOrPipeIsNeverReplaced_data()
{
    QTest::addColumn<SpecialFile>("kind");
    QTest::newRow("named pipe") << SpecialFile::Fifo;
    QTest::newRow("null device") << SpecialFile::NullDevice;
    QTest::newRow("full device") << SpecialFile::FullDevice;
}

void TestLabelFile::deviceOrPipeIsNeverReplaced()
{
    QFETCH(SpecialFile, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("etiquette.eti"));
    if (!makeSpecialFile(kind, path))
        QSKIP("Device nodes need root and a folder that allows them");
    // Opened first, so that a save that wrongly wrote into the pipe could not hang.
    std::unique_ptr<FifoReader> reader;
    if (kind == SpecialFile::Fifo) {
        reader = std::make_unique<FifoReader>(path);
        QVERIFY(reader->isOpen());
    }
    Module1 state;
    state.Modified = true;
    QVERIFY(!LabelFile::save(path, exampleZones(), state));
    QVERIFY(state.Modified);
    QVERIFY(isSpecialFile(kind, path));
    if (reader)
        QVERIFY(reader->readAvailable().isEmpty());
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("etiquette.eti")});
}

QTEST_GUILESS_MAIN(TestLabelFile)
#include "tst_labelfile.moc"
