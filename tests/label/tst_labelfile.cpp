// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallDisk.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "files/SmallFile.h"
#include "label/LabelFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <tuple>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using Zones = LabelZones;
Q_DECLARE_METATYPE(SmallFile::WriteStep)

namespace {

// A label without a picture: the file stores "AUCUN" for it.
const QString noIcon;
const QString arial = u"Arial"_s;
const QByteArray oldContent = "ancien contenu";

QByteArray exampleFile()
{
    return fileBytes(QFINDTESTDATA("data/sauvegarde.eti"));
}

// The documented example: "Sauvegarde" in bold 12 pt black centred, two red lines, zone 3 empty.
Zones exampleZones()
{
    Zones zones = LabelDocument::startUp().zones;
    zones[ZoneId::First].text = u"Sauvegarde"_s;
    zones[ZoneId::First].style.pointSize = 12;
    zones[ZoneId::First].style.bold = true;
    zones[ZoneId::First].style.alignment = ZoneAlignment::Centre;
    zones[ZoneId::Second].text = u"Documents\r\nJanvier"_s;
    zones[ZoneId::Second].style.pointSize = 8;
    zones[ZoneId::Second].style.color = 255;
    zones[ZoneId::Third].style.pointSize = 8;
    zones[ZoneId::Third].style.color = 0;
    return zones;
}

LabelDocument documentOf(const Zones &zones, const QString &picturePath = noIcon)
{
    LabelDocument document;
    document.zones = zones;
    document.picture.path = picturePath;
    return document;
}

int exampleSize()
{
    return int(LabelFile::encode(documentOf(exampleZones()))->size());
}

// The example with zone 2 lengthened so that its file takes exactly size bytes.
Zones zonesOfSize(int size)
{
    Zones zones = exampleZones();
    if (size != exampleSize())
        zones[ZoneId::Second].text += u"\r\n"_s + QString(size - exampleSize() - 2, u'x');
    return zones;
}

// Saves zones as the main window's Save does.
LabelFile::SaveResult saveLabel(const QString &path, const Zones &zones, const QString &icon = {})
{
    return LabelFile::save(path, documentOf(zones, icon));
}

struct stat statusOf(const QString &path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

auto storedProperties(const TextZone &z)
{
    return std::tuple{z.text,         z.style.fontFamily, z.style.pointSize, z.style.bold,
                      z.style.italic, z.style.color,      z.style.alignment};
}

// Zone 2 written with these properties, and the text it reads back as when not as written.
struct RoundTrip
{
    QString caption;
    float fontSize;
    int color;
    QString iconFile = noIcon;
    QString fontName = arial;
    QString stored = {}; // null: as written
};

// Zone `zone` made to hold caption in fontName; the reason is empty where it can be written.
struct Refusal
{
    int zone;
    QString caption, fontName, iconFile, reason;
};

// A failed save must leave the previous file as it was.
void verifySaveFailsKeeping(const QString &path, const Zones &zones, const QString &previousFile)
{
    QVERIFY(!saveLabel(path, zones));
    QCOMPARE(fileBytes(previousFile), oldContent);
}

} // namespace

Q_DECLARE_METATYPE(SpecialFile)
Q_DECLARE_METATYPE(RoundTrip)
Q_DECLARE_METATYPE(Refusal)

class TestLabelFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleIsByteExact()
    {
        const std::optional<QByteArray> bytes = LabelFile::encode(documentOf(exampleZones()));
        QVERIFY(bytes);
        QVERIFY(!exampleFile().isEmpty());
        QCOMPARE(*bytes, exampleFile());
        QCOMPARE(bytes->count("\r\n"), 36);
    }

    void roundTrip_data()
    {
        QTest::addColumn<RoundTrip>("row");
        QTest::newRow("three lines") << RoundTrip{u"A\r\nB\r\nC"_s, 8.25f, 0};
        QTest::newRow("trailing line break") << RoundTrip{u"Fin\r\n"_s, 8.f, 255};
        QTest::newRow("empty") << RoundTrip{QString(), 10.f, 16777215};
        QTest::newRow("spaces trimmed")
            << RoundTrip{u"  a b  "_s, 9.5f, 0, noIcon, arial, u"a b"_s};
        QTest::newRow("quotes inside") << RoundTrip{u"dit \"oui\"\r\n\"non\""_s, 8.f, 0};
        QTest::newRow("system colour") << RoundTrip{u"x"_s, 8.f, int(WindowTextColor)};
        QTest::newRow("fraction kept") << RoundTrip{u"x"_s, 8.3f, 65280};
        QTest::newRow("accents and euro") << RoundTrip{u"Numéro € « œ »"_s, 8.f, 0};
        QTest::newRow("comma in font name") << RoundTrip{u"x"_s, 8.f, 0, noIcon, u"Foo, Bold"_s};
        QTest::newRow("comma in icon path") << RoundTrip{u"x"_s, 8.f, 0, u"/home/a,b/logo.ico"_s};
        QTest::newRow("other zone's header in text")
            << RoundTrip{u"a\r\n[Police 3]\r\nb"_s, 8.f, 0};
        QTest::newRow("own header on first line") << RoundTrip{u"[Police 2]\r\nb"_s, 8.f, 0};
    }

    void roundTrip()
    {
        QFETCH(RoundTrip, row);
        Zones zones = LabelDocument::startUp().zones;
        for (int i = 0; i < 3; ++i) {
            zones[ZoneId(i)].text = i == 1 ? row.caption : u"zone %1"_s.arg(i + 1);
            zones[ZoneId(i)].style.fontFamily = row.fontName;
            zones[ZoneId(i)].style.pointSize = row.fontSize;
            zones[ZoneId(i)].style.color = row.color;
            zones[ZoneId(i)].style.alignment = ZoneAlignment(i);
            zones[ZoneId(i)].style.italic = i == 1;
        }
        const std::optional<QByteArray> bytes = LabelFile::encode(documentOf(zones, row.iconFile));
        QVERIFY(bytes);
        const std::optional<LabelDocument> read = LabelFile::decode(*bytes);
        QVERIFY(read);
        QCOMPARE(read->picture.path, row.iconFile);
        zones[ZoneId::Second].text = row.stored.isNull() ? row.caption : row.stored;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(storedProperties(read->zones[ZoneId(i)]), storedProperties(zones[ZoneId(i)]));
    }

    void oneLineTextsGiveThirtyFiveLines()
    {
        const std::optional<QByteArray> bytes = LabelFile::encode(LabelDocument::startUp());
        QVERIFY(bytes);
        QCOMPARE(bytes->count("\r\n"), 35);
        QCOMPARE(bytes->count('\n'), 35);
        QVERIFY(bytes->contains("[Couleur 2]\r\n-2147483640 \r\n"));
        QVERIFY(bytes->contains("[Police 1]\r\nArial\r\n 8.25\r\n"));
    }

    // Every form reads as the documented example.
    void readerForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray example = exampleFile();
        QTest::newRow("CR LF") << example;
        QTest::newRow("LF only") << QByteArray(example).replace("\r\n", "\n");
        QTest::newRow("other header texts") << QByteArray(example)
                                                   .replace("[Titre 1]", "[Autre chose]")
                                                   .replace("[Couleur 2]", "Couleur")
                                                   .replace("[Icone]", "[Image]");
        QTest::newRow("truth as number")
            << QByteArray(example).replace("\r\nTrue\r\n", "\r\n-1\r\n");
        QTest::newRow("lines after icon") << example + "ceci est ignoré\r\n";
        QTest::newRow("no final line end") << example.chopped(2);
    }

    void readerForms()
    {
        QFETCH(QByteArray, bytes);
        const std::optional<LabelDocument> read = LabelFile::decode(bytes);
        QVERIFY(read);
        QCOMPARE((std::tuple{read->zones[ZoneId::First].text, read->zones[ZoneId::First].style.bold,
                             read->picture.path, read->zones[ZoneId::Second].text,
                             read->zones[ZoneId::Second].style.color}),
                 (std::tuple{u"Sauvegarde"_s, true, noIcon, u"Documents\r\nJanvier"_s, 255}));
    }

    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray example = exampleFile();
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

    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!LabelFile::decode(bytes));
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << u"missing"_s;
        QTest::newRow("directory") << u"directory"_s;
        QTest::newRow("named pipe") << u"fifo"_s;
        QTest::newRow("over one MiB") << u"large"_s;
        QTest::newRow("kernel log") << u"kmsg"_s;
    }

    void unreadableFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(u"etiquette.eti"_s);
        if (kind == "kmsg"_L1) {
            // Read, it would wait for the kernel's next message: returning at all is the check.
            path = openableKernelLog();
            if (path.isEmpty())
                QSKIP("the kernel's log cannot be opened here");
        } else if (kind == "directory"_L1) {
            QVERIFY(QDir(dir.path()).mkdir(u"etiquette.eti"_s));
        } else if (kind == "fifo"_L1) {
            // Reading a pipe nobody writes to would block: it must be refused unopened.
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "large"_L1) {
            const QByteArray bytes = *LabelFile::encode(documentOf(exampleZones()));
            QVERIFY(writeBytes(path, bytes + QByteArray(SmallFile::MaxSize, ' ')));
        }
        QVERIFY(!LabelFile::read(path));
    }

    void refusalReasons_data()
    {
        QTest::addColumn<Refusal>("row");
        const auto uncodable = [](const QString &what) {
            return what + u" contient un caractère que le fichier ne peut pas coder."_s;
        };
        QTest::newRow("writable") << Refusal{1, u"a\r\n[Police 2]"_s, arial, noIcon, QString()};
        QTest::newRow("own font header line")
            << Refusal{2, u"a\r\n[Police 2]\r\nb"_s, arial, noIcon,
                       u"Le texte de la zone 2 contient la ligne « "
                       u"[Police 2] », que le fichier réserve à sa "
                       "police."_s};
        QTest::newRow("line break in a font name")
            << Refusal{3, u"x"_s, u"Deux\nLignes"_s, noIcon,
                       u"Le nom de police de la zone 3 contient un saut de ligne."_s};
        QTest::newRow("line break in the picture path")
            << Refusal{1, u"x"_s, arial, u"/tmp/a\nb.ico"_s,
                       u"Le chemin de l'image contient un saut de ligne."_s};
        QTest::newRow("text outside the code page")
            << Refusal{1, u"Ωmega"_s, arial, noIcon, uncodable(u"Le texte de la zone 1"_s)};
        QTest::newRow("text of zone 2 outside the code page")
            << Refusal{2, u"Ωmega"_s, arial, noIcon, uncodable(u"Le texte de la zone 2"_s)};
        QTest::newRow("emoji") << Refusal{1, u"disque 💾"_s, arial, noIcon,
                                          uncodable(u"Le texte de la zone 1"_s)};
        QTest::newRow("font name outside the code page")
            << Refusal{2, u"x"_s, u"明朝"_s, noIcon, uncodable(u"Le nom de police de la zone 2"_s)};
        QTest::newRow("picture path outside the code page")
            << Refusal{1, u"x"_s, arial, u"/tmp/Ωmega.ico"_s, uncodable(u"Le chemin de l'image"_s)};
    }

    void refusalReasons()
    {
        QFETCH(Refusal, row);
        const auto &[zone, caption, fontName, iconFile, reason] = row;
        Zones zones = exampleZones();
        zones[ZoneId(zone - 1)].text = caption;
        zones[ZoneId(zone - 1)].style.fontFamily = fontName;
        QCOMPARE(LabelFile::refusalReason(documentOf(zones, iconFile)), reason);
        QCOMPARE(LabelFile::encode(documentOf(zones, iconFile)).has_value(), reason.isEmpty());

        // A refused save leaves the file it would have replaced as it was.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.eti"_s);
        QVERIFY(writeBytes(path, oldContent));
        const LabelFile::SaveResult saved = saveLabel(path, zones, iconFile);
        QCOMPARE(saved.saved, reason.isEmpty());
        QCOMPARE(saved.refusal, reason);
        QCOMPARE(fileBytes(path),
                 reason.isEmpty() ? *LabelFile::encode(documentOf(zones, iconFile)) : oldContent);
        // The save message stays first; the reason is its second line.
        const QString message = u"Erreur lors de la sauvegarde du fichier !"_s;
        QCOMPARE(LabelFile::saveErrorPrompt(reason),
                 reason.isEmpty() ? message : message + u'\r' + reason);
    }

    void openedFilesSaveAgainUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray example = exampleFile();
        QTest::newRow("CR inside the font name")
            << QByteArray(example).replace("[Police 2]\r\nArial\r\n", "[Police 2]\r\nAr\rial\r\n");
        QTest::newRow("CR ending the icon path")
            << QByteArray(example).replace("AUCUN\r\n", "logo.ico\r\r\n");
        QTest::newRow("CR inside the icon path (found by fuzzing)")
            << fileBytes(QFINDTESTDATA("data/fuzz/cr-in-icon-path.eti"));
        QTest::newRow("empty line before the text (found by fuzzing)")
            << fileBytes(QFINDTESTDATA("data/fuzz/empty-line-before-text.eti"));
    }

    // Whatever opens must save again, as the same document: a Save that fails on a label
    // that opened would leave the user unable to keep a change.
    void openedFilesSaveAgainUnchanged()
    {
        QFETCH(QByteArray, bytes);
        const std::optional<LabelDocument> opened = LabelFile::decode(bytes);
        QVERIFY(opened);
        const std::optional<QByteArray> saved = LabelFile::encode(*opened);
        QVERIFY(saved);
        const auto reopened = LabelFile::decode(*saved);
        QVERIFY(reopened);
        QCOMPARE(reopened->picture.path, opened->picture.path);
        for (int zone = 0; zone < 3; ++zone)
            QCOMPARE(storedProperties(reopened->zones[ZoneId(zone)]),
                     storedProperties(opened->zones[ZoneId(zone)]));
    }

    void saveWritesNoPictureAsAucun()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"nouveau.eti"_s);
        QVERIFY(LabelFile::save(path, documentOf(exampleZones())));
        const std::optional<LabelDocument> reread = LabelFile::read(path);
        QVERIFY(reread);
        QCOMPARE(reread->picture.path, noIcon);
        QCOMPARE(fileBytes(path), exampleFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"nouveau.eti"_s});
    }

    void failedSaveKeepsPreviousFile_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << u"absent/etiquette.eti"_s;
        QTest::newRow("folder is a file") << u"ancien.eti/etiquette.eti"_s;
        QTest::newRow("path is a folder") << u"dossier"_s;
    }

    void failedSaveKeepsPreviousFile()
    {
        QFETCH(QString, relativePath);
        QTemporaryDir dir;
        const QString previous = dir.filePath(u"ancien.eti"_s);
        QVERIFY(writeBytes(previous, oldContent));
        QVERIFY(QDir(dir.path()).mkdir(u"dossier"_s));
        verifySaveFailsKeeping(dir.filePath(relativePath), exampleZones(), previous);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"ancien.eti"_s});
    }

    void fullDisk_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<bool>("fits");

        const qint64 page = SmallDisk::PageSize;
        // Below 16 KiB the bytes wait in a buffer and the disk refuses them only at the flush;
        // above, they are written at once.
        QTest::newRow("example, disk full") << exampleSize() << qint64(0) << false;
        QTest::newRow("example, room") << exampleSize() << 2 * page << true;
        for (int kib : {8, 16, 40}) {
            const int size = kib * 1024;
            QTest::addRow("%d KiB, disk full", kib) << size << qint64(0) << false;
            QTest::addRow("%d KiB, one page short", kib) << size << qint64(size) - page << false;
            QTest::addRow("%d KiB, room", kib) << size << qint64(size) + page << true;
        }
    }

    void fullDisk()
    {
        QFETCH(int, size);
        QFETCH(qint64, freeBytes);
        QFETCH(bool, fits);
        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("Mounting a small file system needs root");
        const QString path = disk.filePath(u"etiquette.eti"_s);
        const QByteArray old = exampleFile();
        QVERIFY(writeBytes(path, old));
        QVERIFY(disk.fillLeaving(freeBytes));

        const Zones zones = zonesOfSize(size);
        const QByteArray expected = *LabelFile::encode(documentOf(zones));
        QCOMPARE(expected.size(), size);
        QCOMPARE(saveLabel(path, zones).saved, fits);
        QCOMPARE(fileBytes(path), fits ? expected : old);
        QCOMPARE(disk.files(), QStringList{u"etiquette.eti"_s});
    }

    void refusedWriteStepKeepsPreviousFile_data()
    {
        QTest::addColumn<SmallFile::WriteStep>("step");
        QTest::addColumn<int>("size");
        using Step = SmallFile::WriteStep;
        for (const auto &[name, step] :
             {std::pair{"write", Step::Write}, std::pair{"flush", Step::Flush},
              std::pair{"sync", Step::Sync}}) {
            QTest::addRow("%s, example", name) << step << exampleSize();
            QTest::addRow("%s, 40 KiB", name) << step << 40 * 1024;
        }
    }

    void refusedWriteStepKeepsPreviousFile()
    {
        QFETCH(SmallFile::WriteStep, step);
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"etiquette.eti"_s);
        QVERIFY(writeBytes(path, oldContent));
        const Zones zones = zonesOfSize(size);
        {
            const SmallFile::ScopedWriteFailure failure(step);
            verifySaveFailsKeeping(path, zones, path);
        }
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"etiquette.eti"_s});

        // With the disk well again the same save goes through.
        QVERIFY(saveLabel(path, zones));
        QCOMPARE(fileBytes(path), *LabelFile::encode(documentOf(zones)));
    }

    // A save made in place would keep the inode, and a failing one would leave half a file.
    // (A file with other names is the exception: tst_smallfile's hard link rows.)
    void eachSaveIsANewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"etiquette.eti"_s);
        QVERIFY(saveLabel(path, exampleZones()));
        const QByteArray first = fileBytes(path);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        const ino_t firstInode = statusOf(path).st_ino;

        const Zones second = zonesOfSize(2000);
        QVERIFY(saveLabel(path, second));
        const ino_t secondInode = statusOf(path).st_ino;
        QVERIFY(secondInode != firstInode);
        QCOMPARE(fileBytes(path), *LabelFile::encode(documentOf(second)));
        QCOMPARE(statusOf(path).st_mode & 07777, 0640u);

        QVERIFY(saveLabel(path, exampleZones()));
        QVERIFY(statusOf(path).st_ino != secondInode);
        QCOMPARE(fileBytes(path), first);
    }

    void saveThroughALinkReplacesItsFile()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"vraie.eti"_s);
        const QString link = dir.filePath(u"lien.eti"_s);
        QVERIFY(writeBytes(target, oldContent));
        QVERIFY(QFile::link(target, link));
        QVERIFY(saveLabel(link, exampleZones()));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileBytes(target), exampleFile());
    }

    void deviceOrPipeIsNeverReplaced_data()
    {
        QTest::addColumn<SpecialFile>("kind");
        QTest::newRow("named pipe") << SpecialFile::Fifo;
        QTest::newRow("null device") << SpecialFile::NullDevice;
        QTest::newRow("full device") << SpecialFile::FullDevice;
        QTest::newRow("block device") << SpecialFile::BlockDevice;
    }

    void deviceOrPipeIsNeverReplaced()
    {
        QFETCH(SpecialFile, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"etiquette.eti"_s);
        if (!makeSpecialFile(kind, path))
            QSKIP("Device nodes need root and a folder that allows them");
        // Opened first, so that a save that wrongly wrote into the pipe could not hang.
        std::unique_ptr<FifoReader> reader;
        if (kind == SpecialFile::Fifo) {
            reader = std::make_unique<FifoReader>(path);
            QVERIFY(reader->isOpen());
        }
        QVERIFY(!saveLabel(path, exampleZones()));
        QVERIFY(isSpecialFile(kind, path));
        if (reader)
            QVERIFY(reader->readAvailable().isEmpty());
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{u"etiquette.eti"_s});
    }
};

QTEST_GUILESS_MAIN(TestLabelFile)
#include "tst_labelfile.moc"
