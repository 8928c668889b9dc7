// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The document commands of the main window: New, Open, Save, Save As and Quit.
#include "DocumentQuestions.h"
#include "MainWindowHarness.h"
#include "SmallDisk.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "files/SmallFile.h"
#include "label/FilePaths.h"
#include "label/LabelFile.h"

#include <QImage>
#include <QRegularExpression>

#include <cstdio>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MsgBoxResult)

namespace {

const QString LabelFilter = u"Fichiers étiquette (*.ETI)|*.eti"_s;

// A file dialog as shown: kind, title, filter, start folder, proposed name, overwrite question.
QStringList fileDialog(const ScriptedDialogs::Shown &shown)
{
    const QString kind = shown.kind == ScriptedDialogs::Kind::Open   ? u"open"_s
                         : shown.kind == ScriptedDialogs::Kind::Save ? u"save"_s
                                                                     : u"other"_s;
    return {kind,          shown.title,    shown.filter,
            shown.initDir, shown.fileName, shown.askBeforeOverwrite ? u"asks"_s : u"silent"_s};
}

// A label file of another version: its zone 2 has no font header this program knows.
QByteArray otherVersionLabel()
{
    return fileBytes(QFINDTESTDATA("../label/data/sauvegarde.eti"))
        .replace("[Police 2]", "[Fonte 2]");
}

QString writePicture(const QTemporaryDir &folder, const QString &name, QColor color)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    const QString path = folder.filePath(name);
    return image.save(path) ? path : QString();
}

// A label of three zones with their own texts and styles, and the picture at iconEntry.
LabelZones sampleZones()
{
    LabelZones zones = LabelDocument::startUp().zones;
    zones[ZoneId::First].text = u"Sauvegarde"_s;
    zones[ZoneId::First].style.pointSize = 12;
    zones[ZoneId::First].style.bold = true;
    zones[ZoneId::First].style.alignment = ZoneAlignment::Right;
    zones[ZoneId::Second].text = u"Documents\r\nJanvier"_s;
    zones[ZoneId::Second].style.color = 255;
    zones[ZoneId::Third].text = u"Disque"_s;
    zones[ZoneId::Third].style.fontFamily = u"Liberation Serif"_s;
    zones[ZoneId::Third].style.alignment = ZoneAlignment::Centre;
    return zones;
}

QString writeLabel(const QTemporaryDir &folder, const QString &name, const QString &iconEntry,
                   const LabelZones &zones = sampleZones())
{
    LabelDocument written;
    written.zones = zones;
    written.picture.path = iconEntry == u"AUCUN"_s ? QString() : iconEntry;
    const QString path = folder.filePath(name);
    return LabelFile::save(path, written) ? path : QString();
}

// A document that differs from the start-up one in every way New resets, with a picture.
void editEverything(MainWindowHarness &h, const QString &picture)
{
    h.clickZone(2);
    h.keys(u"deux"_s);
    h.runAnswering("fontButton", FontChoice{u"Liberation Serif"_s, 14, true, true});
    h.runAnswering("colorButton", ColorValue(255));
    h.button("alignmentOption2")->click();
    h.runAnswering("pictureButton", picture);
}

} // namespace

// Why a save is refused: a document the file cannot hold, or a disk that will not take it.
enum class SaveTrouble
{
    FontHeaderLine,
    LineBreakInFontName,
    LineBreakInPicturePath,
    DiskFull,
    SyncRefused,
    Pipe,
    NullDevice
};
Q_DECLARE_METATYPE(SaveTrouble)

enum class Document
{
    Unmodified,
    Named,
    Untitled,
    FailingSave
};
Q_DECLARE_METATYPE(Document)

// The ways out of a label besides Quit.
enum class Exit
{
    New,
    Open,
    Frame,
    SessionEnd
};
Q_DECLARE_METATYPE(Exit)

// What the user does when asked before leaving the label.
enum class Leaving
{
    Unmodified, // nothing to ask
    Save,
    SaveAsChosen,
    SaveAsCancelled,
    SaveFails,
    DontSave,
    Cancel
};
Q_DECLARE_METATYPE(Leaving)

class TestMainWindowDocument : public QObject
{
    Q_OBJECT

private slots:
    void newStartsAnEmptyLabel_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::newRow("saved document") << true;
        QTest::newRow("modified document") << false;
    }

    void newStartsAnEmptyLabel()
    {
        QFETCH(bool, savedBefore);
        QTemporaryDir folder;
        const QString picture = writePicture(folder, u"logo.png"_s, Qt::blue);
        MainWindowHarness h;
        editEverything(h, picture);
        if (savedBefore)
            h.runAnswering("saveAsAction", folder.filePath(u"lot.eti"_s));
        else
            h.state.label.fileName = folder.filePath(u"ancien.eti"_s);
        QCOMPARE(h.form->isModified(), !savedBefore);
        QVERIFY(!h.form->document().picture.decoded.isNull());
        if (!savedBefore)
            h.msgBoxes.expect(leaveQuestion(h.state.label.fileName), MsgBoxResult::No);
        h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::OK);
        h.action("newAction")->trigger();
        QVERIFY(h.msgBoxes.allSeen());
        for (int zone = 1; zone <= 3; ++zone) {
            const TextZone &z = h.zone(zone);
            QCOMPARE(std::tuple(z.text, z.style.fontFamily, z.style.pointSize, z.style.bold,
                                z.style.italic, z.style.color, z.style.alignment),
                     std::tuple(QString(), u"arial"_s, 8.0f, false, false, ColorValue(0),
                                ZoneAlignment::Left));
        }
        QCOMPARE(zoneNumber(h.state.label.selectedZone), 1);
        QCOMPARE(h.form->document().picture.path, QString());
        QVERIFY(h.form->document().picture.decoded.isNull());
        QCOMPARE(h.state.label.fileName, QString());
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
        // The alignment shown is the selected zone's: zone 1, left-aligned.
        QCOMPARE(h.selectionShown(),
                 (QStringList{u"c0c0c0 ffffff ffffff"_s, u"Edition du texte zone 1"_s,
                              u"Aligner texte 1"_s, u"alignmentOption1"_s, QString()}));
        // The new label is what later edits are measured against, whatever came before it.
        QVERIFY(!h.form->isModified());
        h.clickZone(3);
        h.keys(u"x"_s);
        QVERIFY(h.form->isModified());
    }

    void openShowsTheDialog()
    {
        QTemporaryDir programFolder; // a folder of the user's, as a build folder
        MainWindowHarness h(QString(), programFolder.path());
        h.state.label.fileName = u"/home/moi/ancien.eti"_s;
        h.runAnswering("openAction", ScriptedDialogs::Cancel{});
        QCOMPARE(h.dialogs->shown().size(), 1);
        QCOMPARE(fileDialog(h.dialogs->shown().first()),
                 (QStringList{u"open"_s, u"Ouvrir"_s, LabelFilter, programFolder.path(),
                              u"/home/moi/ancien.eti"_s, u"silent"_s}));
    }

    void openReadsTheFile_data()
    {
        // The label's entry: "logo", "AUCUN", "missing", "damaged" or a path where no file is.
        QTest::addColumn<QString>("picture");
        QTest::newRow("with a picture") << u"logo"_s;
        QTest::newRow("without picture") << u"AUCUN"_s;
        QTest::newRow("picture file missing: none is shown") << u"missing"_s;
        QTest::newRow("picture damaged: none is shown") << u"damaged"_s;
        // The test runs from another folder than the label's.
        QTest::newRow("picture beside the label, named relative") << u"relative"_s;
        // Named in the message as it stands in the file: nothing of it is read as markup.
        QTest::newRow("picture path that is markup") << u"<img src=/dev/zero>"_s;
    }

    void openReadsTheFile()
    {
        QFETCH(QString, picture);
        QTemporaryDir folder;
        const QString before = writePicture(folder, u"avant.png"_s, Qt::red);
        const QString logo = writePicture(folder, u"logo.png"_s, Qt::blue);
        const QString missing = folder.filePath(u"parti.png"_s);
        const QString damaged = folder.filePath(u"faux.png"_s);
        QVERIFY(writeBytes(damaged, "pas une image"));
        const QString entry = picture == "logo"_L1       ? logo
                              : picture == "missing"_L1  ? missing
                              : picture == "damaged"_L1  ? damaged
                              : picture == "relative"_L1 ? u"logo.png"_s
                                                         : picture;
        const bool shown = picture == "logo"_L1 || picture == "relative"_L1;
        const bool pictureMissing = !shown && picture != "AUCUN"_L1;
        const QString path = writeLabel(folder, u"sauvegarde.eti"_s, entry);
        QVERIFY(!path.isEmpty());
        MainWindowHarness h;
        h.runAnswering("pictureButton", before);
        h.clickZone(3);
        h.keys(u"perdu"_s);
        h.msgBoxes.expect(leaveQuestion(QString()), MsgBoxResult::No);
        // The box stands over a label already opened, which a recovery copy must not keep.
        std::optional<bool> modifiedUnderTheBox;
        const QString problem =
            picture == "damaged"_L1
                ? u"Image "_s + damaged + u" illisible :\rFormat d'image non supporté !"_s
            : pictureMissing ? u"Fichier icone "_s + entry + u" non trouvé !"_s
                             : QString();
        if (!problem.isEmpty())
            h.msgBoxes.expect(errorBox(problem), MsgBoxResult::OK,
                              [&] { modifiedUnderTheBox = h.form->isModified(); });
        h.runAnswering("openAction", path);
        QVERIFY(h.msgBoxes.allSeen());
        if (!problem.isEmpty())
            QCOMPARE(modifiedUnderTheBox, std::optional<bool>(false));
        const LabelZones expected = sampleZones();
        for (int zone = 1; zone <= 3; ++zone)
            QCOMPARE(h.zone(zone), expected[ZoneId(zone - 1)]);
        QCOMPARE(h.state.label.fileName, path);
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SAUVEGARDE.ETI"_s);
        QVERIFY(!h.form->isModified());
        QCOMPARE(zoneNumber(h.state.label.selectedZone), 1);
        QCOMPARE(h.selectionShown(),
                 (QStringList{u"c0c0c0 ffffff ffffff"_s, u"Edition du texte zone 1"_s,
                              u"Aligner texte 3"_s, u"alignmentOption2"_s, u"Sauvegarde"_s}));
        const bool none = picture == "AUCUN"_L1;
        QCOMPARE(h.form->document().picture.path, none ? QString() : entry);
        if (shown)
            QCOMPARE(h.form->document().picture.decoded.image().pixelColor(0, 0), QColor(Qt::blue));
        else
            QVERIFY(h.form->document().picture.decoded.isNull());
    }

    void openFailureChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << QByteArray() << u"absent.eti"_s;
        QTest::newRow("not a label file") << QByteArray("bonjour\r\n") << u"texte.eti"_s;
        QByteArray badAlignment = fileBytes(QFINDTESTDATA("../label/data/sauvegarde.eti"));
        badAlignment.replace("[Alignement 2]\r\n 0 ", "[Alignement 2]\r\n 3 ");
        QTest::newRow("alignment 3 in zone 2") << badAlignment << u"align.eti"_s;
    }

    void openFailureChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(path, bytes));
        MainWindowHarness h;
        h.clickZone(2);
        h.keys(u"reste"_s);
        h.button("alignmentOption3")->click();
        const LabelZones zonesBefore = h.form->document().zones;
        h.msgBoxes.expect(leaveQuestion(QString()), MsgBoxResult::No);
        h.msgBoxes.expect(openError());
        h.runAnswering("openAction", path);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.form->document().zones, zonesBefore);
        QCOMPARE(zoneNumber(h.state.label.selectedZone), 2);
        QCOMPARE(h.selectionShown(),
                 (QStringList{u"ffffff c0c0c0 ffffff"_s, u"Edition du texte zone 2"_s,
                              u"Aligner texte 2"_s, u"alignmentOption3"_s, u"reste"_s}));
        QVERIFY(h.form->isModified());
        QCOMPARE(h.form->document().picture.path, QString());
        // The file that would not open does not become the document's name.
        QCOMPARE(h.state.label.fileName, QString());
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
    }

    void saveWritesTheNamedFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"disque.eti"_s);
        MainWindowHarness h;
        h.keys(u"Sauvegarde"_s);
        h.state.label.fileName = path;
        h.action("saveAction")->trigger();
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(h.dialogs->shown().isEmpty());
        QVERIFY(!h.form->isModified());
        QCOMPARE(h.form->document().picture.path, QString());
        // Save leaves the document-name panel alone.
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
        QVERIFY(fileBytes(path).endsWith("[Icone]\r\nAUCUN\r\n"));
        const std::optional<LabelDocument> written = LabelFile::read(path);
        QVERIFY(written);
        QCOMPARE(written->zones, h.form->document().zones);
        QCOMPARE(written->picture.path, QString());
    }

    void changeOnDiskAsksFirst_data()
    {
        QTest::addColumn<QByteArray>("other"); // what another program writes; empty: nothing
        QTest::addColumn<bool>("replaced");    // written beside and renamed over the file
        QTest::addColumn<MsgBoxResult>("answer");
        const QByteArray other = fileBytes(QFINDTESTDATA("../label/data/sauvegarde.eti"));
        QTest::newRow("rewritten in place, kept") << other << false << MsgBoxResult::No;
        QTest::newRow("replaced, overwritten") << other << true << MsgBoxResult::Yes;
        QTest::newRow("unchanged since the last save")
            << QByteArray() << false << MsgBoxResult::Yes;
    }

    void changeOnDiskAsksFirst()
    {
        QFETCH(QByteArray, other);
        QFETCH(bool, replaced);
        QFETCH(MsgBoxResult, answer);
        QTemporaryDir folder;
        const QString path = writeLabel(folder, u"lot.eti"_s, u"AUCUN"_s);
        MainWindowHarness h;
        h.runAnswering("openAction", path);
        h.keys(u"mien"_s);
        if (other.isEmpty()) {
            // The window's own save is no other program's change.
            h.action("saveAction")->trigger();
            h.keys(u" encore"_s);
        } else if (replaced) {
            QVERIFY(writeBytes(folder.filePath(u"autre.eti"_s), other));
            QVERIFY(std::rename(QFile::encodeName(folder.filePath(u"autre.eti"_s)).constData(),
                                QFile::encodeName(path).constData()) == 0);
        } else {
            QVERIFY(writeBytes(path, other));
        }
        if (!other.isEmpty())
            h.msgBoxes.expect(changedOnDiskQuestion(path), answer);
        h.action("saveAction")->trigger();
        QVERIFY(h.msgBoxes.allSeen());
        const bool saved = answer == MsgBoxResult::Yes;
        QCOMPARE(h.form->isModified(), !saved);
        if (saved)
            QCOMPARE(LabelFile::read(path)->zones, h.form->document().zones);
        else
            QCOMPARE(fileBytes(path), other);
    }

    void saveAsShowsTheDialog_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("labelFileName");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("chosen"); // the name typed in the dialog
        QTest::addColumn<QString>("panel");
        const auto row = [](const char *name, const char *command, const char *labelFileName,
                            const char *proposed, const char *chosen, const char *panel) {
            QTest::newRow(name) << QByteArray(command) << QString::fromUtf8(labelFileName)
                                << proposed << chosen << panel;
        };
        row("untitled", "saveAsAction", nullptr, "Nouveau.eti", "sans extension", "SANS EXTENSION");
        row("named", "saveAsAction", "/srv/lot.eti", "/srv/lot.eti", "sans extension",
            "SANS EXTENSION");
        row("untitled, by Save", "saveAction", nullptr, "Nouveau.eti", "choisi.eti", "CHOISI.ETI");
    }

    // Save As, and Save of an untitled document. A name typed without an extension is taken
    // as it is.
    void saveAsShowsTheDialog()
    {
        QFETCH(QByteArray, command);
        QFETCH(QString, labelFileName);
        QFETCH(QString, proposed);
        QFETCH(QString, chosen);
        QFETCH(QString, panel);
        QTemporaryDir folder;
        const QString path = folder.filePath(chosen);
        QTemporaryDir programFolder; // a folder of the user's, as a build folder
        MainWindowHarness h(QString(), programFolder.path());
        h.keys(u"x"_s);
        FileRequest earlier;
        earlier.startFolder = u"/ailleurs"_s;
        h.dialogs->answerNext(ScriptedDialogs::Cancel{});
        QVERIFY(!h.form->commonDialog().chooseFileToOpen(earlier));
        h.state.label.fileName = labelFileName;
        h.runAnswering(command.constData(), path);
        QCOMPARE(h.dialogs->shown().size(), 2);
        // It starts where the dialog before it started.
        QCOMPARE(fileDialog(h.dialogs->shown().last()),
                 (QStringList{u"save"_s, u"Enregistrer Sous"_s, LabelFilter, u"/ailleurs"_s,
                              proposed, u"asks"_s}));
        QCOMPARE(h.state.label.fileName, path);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), panel);
        QVERIFY(!h.form->isModified());
    }

    void cancelledCommandChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("named");
        QTest::addColumn<int>("dialogs"); // shown by the command
        QTest::newRow("New, question cancelled") << QByteArray("newAction") << false << 0;
        QTest::newRow("Open, dialog cancelled") << QByteArray("openAction") << false << 1;
        QTest::newRow("Save As untitled") << QByteArray("saveAsAction") << false << 1;
        QTest::newRow("Save As named") << QByteArray("saveAsAction") << true << 1;
    }

    void cancelledCommandChangesNothing()
    {
        QFETCH(QByteArray, command);
        QFETCH(bool, named);
        QFETCH(int, dialogs);
        QTemporaryDir folder;
        const QString labelFileName = named ? folder.filePath(u"lot.eti"_s) : QString();
        MainWindowHarness h;
        h.keys(u"garde"_s);
        h.state.label.fileName = labelFileName;
        // Not saved, so that the command goes on to its own cancel.
        if (command != "saveAsAction")
            h.msgBoxes.expect(leaveQuestion(labelFileName), MsgBoxResult::No);
        if (command == "newAction") {
            h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::Cancel);
            h.action("newAction")->trigger();
        } else {
            h.runAnswering(command.constData(), ScriptedDialogs::Cancel{});
        }
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.dialogs->shown().size(), dialogs);
        QCOMPARE(h.zone(1).text, u"garde"_s);
        QCOMPARE(h.form->document().picture.path, QString());
        QCOMPARE(h.state.label.fileName, labelFileName);
        QVERIFY(h.form->isModified());
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
        // Still untitled: Save asks for a name again.
        h.runAnswering("saveAction", ScriptedDialogs::Cancel{});
        QCOMPARE(h.dialogs->shown().size(), named ? dialogs : dialogs + 1);
    }

    void failingSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<SaveTrouble>("trouble");
        QTest::addColumn<QString>("why");
        QTest::newRow("own font header line")
            << SaveTrouble::FontHeaderLine
            << QStringLiteral(
                   "Le texte de la zone 2 contient la ligne « [Police 2] », que le fichier "
                   "réserve à sa police.");
        QTest::newRow("line break in a font name")
            << SaveTrouble::LineBreakInFontName
            << u"Le nom de police de la zone 2 contient un saut de ligne."_s;
        QTest::newRow("line break in the picture path")
            << SaveTrouble::LineBreakInPicturePath
            << u"Le chemin de l'image contient un saut de ligne."_s;
        QTest::newRow("full disk") << SaveTrouble::DiskFull << u"Le disque est plein."_s;
        QTest::newRow("sync refused")
            << SaveTrouble::SyncRefused << u"Le disque signale une erreur."_s;
        const QString notAFile = u"Ce nom ne désigne pas un fichier ordinaire."_s;
        QTest::newRow("named pipe") << SaveTrouble::Pipe << notAFile;
        QTest::newRow("null device") << SaveTrouble::NullDevice << notAFile;
    }

    // A document the file cannot hold faithfully, or a write the disk refuses, leaves the old
    // file whole; the document still counts as modified, and the message says why.
    void failingSaveKeepsTheOldFile()
    {
        QFETCH(SaveTrouble, trouble);
        QFETCH(QString, why);
        QTemporaryDir folder;
        SmallDisk disk;
        QString path = folder.filePath(u"garde.eti"_s);
        std::unique_ptr<SmallFile::ScopedWriteFailure> failure;
        MainWindowHarness h;
        h.clickZone(2);
        h.keys(trouble == SaveTrouble::FontHeaderLine ? u"avant\n[Police 2]\naprès"_s : u"texte"_s);
        const bool documentTrouble = trouble <= SaveTrouble::LineBreakInPicturePath;
        if (documentTrouble)
            QVERIFY(!writeLabel(folder, u"garde.eti"_s, u"AUCUN"_s).isEmpty());
        switch (trouble) {
        case SaveTrouble::FontHeaderLine:
            break;
        case SaveTrouble::LineBreakInFontName:
            h.runAnswering("fontButton", FontChoice{u"Deux\nLignes"_s, 10});
            break;
        case SaveTrouble::LineBreakInPicturePath:
            // A picture taken from a folder whose name holds a line break.
            QVERIFY(QDir(folder.path()).mkdir(u"deux\nlignes"_s));
            h.runAnswering("pictureButton",
                           writePicture(folder, u"deux\nlignes/logo.png"_s, Qt::green));
            break;
        case SaveTrouble::DiskFull:
            if (!disk.isMounted())
                QSKIP("Mounting a small file system needs root");
            path = disk.filePath(u"garde.eti"_s);
            QVERIFY(writeBytes(path, otherVersionLabel()));
            QVERIFY(disk.fillLeaving(0));
            break;
        case SaveTrouble::SyncRefused:
            QVERIFY(writeBytes(path, otherVersionLabel()));
            failure = std::make_unique<SmallFile::ScopedWriteFailure>(SmallFile::WriteStep::Sync);
            break;
        case SaveTrouble::Pipe:
            QVERIFY(makeSpecialFile(SpecialFile::Fifo, path));
            break;
        case SaveTrouble::NullDevice:
            if (!makeSpecialFile(SpecialFile::NullDevice, path))
                QSKIP("Device nodes need root and a folder that allows them");
            break;
        }
        const bool special = trouble == SaveTrouble::Pipe || trouble == SaveTrouble::NullDevice;
        const QByteArray old = special ? QByteArray() : fileBytes(path);
        h.msgBoxes.expect(saveError(why));
        h.runAnswering("saveAsAction", path);
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(h.form->isModified());
        if (trouble == SaveTrouble::Pipe)
            QVERIFY(isSpecialFile(SpecialFile::Fifo, path));
        else if (trouble == SaveTrouble::NullDevice)
            QVERIFY(isSpecialFile(SpecialFile::NullDevice, path));
        else
            QCOMPARE(fileBytes(path), old);
        if (documentTrouble) {
            QCOMPARE(h.state.label.fileName, path);
            QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"GARDE.ETI"_s);
        }
    }

    void failedOpenKeepsTheDocumentName_data()
    {
        QTest::addColumn<bool>("atStartUp"); // the file named on the command line
        QTest::addColumn<bool>("named");
        QTest::newRow("untitled") << false << false;
        QTest::newRow("named") << false << true;
        QTest::newRow("at start-up") << true << false;
    }

    // A file of another version fails to open; a Save that followed used to overwrite it with
    // the document that was open before.
    void failedOpenKeepsTheDocumentName()
    {
        QFETCH(bool, atStartUp);
        QFETCH(bool, named);
        QTemporaryDir folder;
        const QString unreadable = folder.filePath(u"autre-version.eti"_s);
        QVERIFY(writeBytes(unreadable, otherVersionLabel()));
        const QString mine = folder.filePath(u"mien.eti"_s);
        std::optional<MainWindowHarness> started;
        if (atStartUp)
            started.emplace(unreadable, openError());
        else
            started.emplace();
        MainWindowHarness &h = *started;
        if (!atStartUp) {
            h.keys(u"mon étiquette"_s);
            if (named) {
                h.runAnswering("saveAsAction", mine);
                h.keys(u" modifiée"_s);
            }
            h.msgBoxes.expect(leaveQuestion(named ? mine : QString()), MsgBoxResult::No);
            h.msgBoxes.expect(openError());
            h.runAnswering("openAction", unreadable);
        }
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.state.label.fileName, named ? mine : QString());
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), named ? u"MIEN.ETI"_s : u"SANS NOM"_s);
        const qsizetype dialogsBefore = h.dialogs->shown().size();
        // Untitled, Save asks for a name: cancelled here.
        if (!named)
            h.dialogs->answerNext(ScriptedDialogs::Cancel{});
        h.action("saveAction")->trigger();
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(fileBytes(unreadable), otherVersionLabel());
        if (named) {
            const std::optional<LabelDocument> saved = LabelFile::read(mine);
            QVERIFY(saved);
            QCOMPARE(saved->zones[ZoneId::First].text, u"mon étiquette modifiée"_s);
        } else {
            QCOMPARE(h.dialogs->shown().size(), dialogsBefore + 1);
            QCOMPARE(h.dialogs->shown().last().kind, ScriptedDialogs::Kind::Save);
            if (!atStartUp)
                QCOMPARE(h.dialogs->shown().last().fileName, u"Nouveau.eti"_s);
        }
    }

    void reopenGivesTheSameLabel()
    {
        QTemporaryDir folder;
        const QString picture = writePicture(folder, u"logo.bmp"_s, Qt::darkCyan);
        const QString path = folder.filePath(u"aller-retour.eti"_s);
        MainWindowHarness h;
        editEverything(h, picture);
        h.clickZone(1);
        h.keys(u"  Titre \"entre guillemets\"\nsuite"_s);
        h.clickZone(3);
        h.keys(u"fin\n"_s);
        h.runAnswering("saveAsAction", path);
        const LabelZones saved = h.form->document().zones;
        MainWindowHarness again;
        again.runAnswering("openAction", path);
        QVERIFY(again.msgBoxes.allSeen());
        for (ZoneId zone : AllZones) {
            TextZone expected = saved[zone];
            expected.text = expected.text.remove(QRegularExpression(u"^ +| +$"_s));
            QCOMPARE(again.form->document().zones[zone], expected);
        }
        QCOMPARE(again.form->document().picture.path, picture);
        QCOMPARE(again.form->document().picture.decoded.image().pixelColor(3, 3),
                 QColor(Qt::darkCyan));
    }

    void quit_data()
    {
        QTest::addColumn<Document>("document");
        QTest::addColumn<MsgBoxResult>("saveAnswer");
        QTest::addColumn<bool>("chooseName"); // in the save dialog of an untitled document
        QTest::addColumn<MsgBoxResult>("confirm");
        QTest::addColumn<bool>("saved");
        const auto yes = MsgBoxResult::Yes;
        const auto no = MsgBoxResult::No;
        QTest::newRow("unmodified, yes") << Document::Unmodified << no << false << yes << false;
        QTest::newRow("unmodified, no") << Document::Unmodified << no << false << no << false;
        QTest::newRow("named, save, yes") << Document::Named << yes << false << yes << true;
        QTest::newRow("named, save, no") << Document::Named << yes << false << no << true;
        QTest::newRow("named, don't save, yes") << Document::Named << no << false << yes << false;
        QTest::newRow("named, don't save, no") << Document::Named << no << false << no << false;
        QTest::newRow("untitled, save as, yes") << Document::Untitled << yes << true << yes << true;
        QTest::newRow("untitled, save as cancelled, yes")
            << Document::Untitled << yes << false << yes << false;
        QTest::newRow("untitled, don't save, no")
            << Document::Untitled << no << false << no << false;
        QTest::newRow("save failing, yes") << Document::FailingSave << yes << false << yes << false;
        QTest::newRow("save failing, no") << Document::FailingSave << yes << false << no << false;
    }

    void quit()
    {
        QFETCH(Document, document);
        QFETCH(MsgBoxResult, saveAnswer);
        QFETCH(bool, chooseName);
        QFETCH(MsgBoxResult, confirm);
        QFETCH(bool, saved);
        QTemporaryDir folder;
        const QString named = folder.filePath(u"lot.eti"_s);
        const QString chosen = folder.filePath(u"choisi.eti"_s);
        const QString untitledProposal = withTrailingSlash(QDir::currentPath()) + u"Nouveau"_s;
        MainWindowHarness h;
        if (document != Document::Unmodified)
            h.keys(document == Document::FailingSave ? u"x\n[Police 1]\ny"_s : u"texte"_s);
        if (document == Document::Named || document == Document::FailingSave)
            h.state.label.fileName = named;
        if (document != Document::Unmodified) {
            h.msgBoxes.expect(saveQuestion(h.state.label.fileName), saveAnswer);
            if (document == Document::FailingSave)
                h.msgBoxes.expect(saveError(QStringLiteral(
                    "Le texte de la zone 1 contient la ligne « [Police 1] », que le fichier "
                    "réserve à sa police.")));
            if (document == Document::Untitled && saveAnswer == MsgBoxResult::Yes)
                h.dialogs->answerNext(chooseName
                                          ? ScriptedDialogs::Answer(chosen)
                                          : ScriptedDialogs::Answer(ScriptedDialogs::Cancel{}));
        }
        h.msgBoxes.expect(quitConfirmation(), confirm);
        const bool ended = programEnds([&] { h.action("quitAction")->trigger(); });
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(ended, confirm == MsgBoxResult::Yes);
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName),
                 ended ? u"Au revoir !"_s : u"SANS NOM"_s);
        QCOMPARE(h.form->isModified(), document != Document::Unmodified && !saved);
        QCOMPARE(QFileInfo::exists(document == Document::Untitled ? chosen : named), saved);
        if (document == Document::Untitled && saveAnswer == MsgBoxResult::Yes) {
            QCOMPARE(h.dialogs->shown().size(), 1);
            QCOMPARE(h.dialogs->shown().first().fileName, untitledProposal);
            QCOMPARE(h.state.label.fileName, chooseName ? chosen : untitledProposal);
        }
    }

    void leavingALabel_data()
    {
        QTest::addColumn<Exit>("exit");
        QTest::addColumn<Leaving>("leaving");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        const std::pair<const char *, Exit> exits[] = {{"Nouveau", Exit::New},
                                                       {"Ouvrir", Exit::Open},
                                                       {"frame closed", Exit::Frame},
                                                       {"session ends", Exit::SessionEnd}};
        struct Case
        {
            const char *name;
            Leaving leaving;
            bool goesOn, saved;
        };
        const Case cases[] = {{"unmodified", Leaving::Unmodified, true, false},
                              {"Oui", Leaving::Save, true, true},
                              {"Oui, untitled, name chosen", Leaving::SaveAsChosen, true, true},
                              {"Oui, untitled, cancelled", Leaving::SaveAsCancelled, false, false},
                              {"Oui, save fails", Leaving::SaveFails, false, false},
                              {"Non", Leaving::DontSave, true, false},
                              {"Annuler", Leaving::Cancel, false, false}};
        for (const auto &[exitName, exit] : exits) {
            for (const Case &c : cases)
                QTest::addRow("%s, %s", exitName, c.name)
                    << exit << c.leaving << c.goesOn << c.saved;
        }
    }

    void leavingALabel()
    {
        QFETCH(Exit, exit);
        QFETCH(Leaving, leaving);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        QTemporaryDir folder;
        const QString named = folder.filePath(u"lot.eti"_s);
        const QString chosen = folder.filePath(u"choisi.eti"_s);
        MainWindowHarness h;
        h.form->show();
        if (leaving != Leaving::Unmodified)
            h.keys(u"texte"_s);
        if (leaving == Leaving::Save || leaving == Leaving::DontSave || leaving == Leaving::Cancel)
            h.state.label.fileName = named;
        if (leaving == Leaving::SaveFails) {
            h.state.label.fileName = folder.filePath(u"dossier.eti"_s);
            QVERIFY(QDir(folder.path()).mkdir(u"dossier.eti"_s));
        }
        if (leaving != Leaving::Unmodified) {
            const MsgBoxResult answer = leaving == Leaving::DontSave ? MsgBoxResult::No
                                        : leaving == Leaving::Cancel ? MsgBoxResult::Cancel
                                                                     : MsgBoxResult::Yes;
            h.msgBoxes.expect(leaveQuestion(h.state.label.fileName), answer);
        }
        if (leaving == Leaving::SaveFails)
            h.msgBoxes.expect(saveError(u"Ce nom désigne un dossier."_s));
        if (leaving == Leaving::SaveAsChosen)
            h.dialogs->answerNext(chosen);
        if (leaving == Leaving::SaveAsCancelled)
            h.dialogs->answerNext(ScriptedDialogs::Cancel{});
        // Where New and Open go on, their own question and dialog are cancelled, so the label
        // stays for the checks below.
        if (goesOn && exit == Exit::New)
            h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::Cancel);
        if (goesOn && exit == Exit::Open)
            h.dialogs->answerNext(ScriptedDialogs::Cancel{});

        bool wentOn = false;
        switch (exit) {
        case Exit::New:
            h.action("newAction")->trigger();
            wentOn = h.msgBoxes.calls().contains(newLabelQuestion());
            break;
        case Exit::Open:
            h.action("openAction")->trigger();
            wentOn = !h.dialogs->shown().isEmpty() &&
                     h.dialogs->shown().last().kind == ScriptedDialogs::Kind::Open;
            break;
        case Exit::Frame:
            wentOn = programEnds([&] { h.form->close(); });
            QCOMPARE(h.form->isVisible(), !wentOn);
            break;
        case Exit::SessionEnd:
            wentOn = h.form->mayEndSession(true);
            break;
        }
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(wentOn, goesOn);
        QCOMPARE(h.dialogs->pendingAnswers(), 0);
        QCOMPARE(h.form->isModified(), leaving != Leaving::Unmodified && !saved);
        QCOMPARE(h.zone(1).text, leaving == Leaving::Unmodified ? QString() : u"texte"_s);
        const QString savedPath = leaving == Leaving::SaveAsChosen ? chosen : named;
        QCOMPARE(QFileInfo(savedPath).isFile(), saved);
        if (saved)
            QCOMPARE(LabelFile::read(savedPath)->zones[ZoneId::First].text, u"texte"_s);
    }

    void fileMenuOpeningRefreshesOrientation()
    {
        MainWindowHarness h;
        h.find<QLabel>("orientationLabel")->clear();
        h.action("portraitAction")->setChecked(true);
        h.glanceAtFileMenu();
        // No printer: nothing is checked and the frame says so.
        QCOMPARE(h.orientationShown(), QStringList{u"Aucune imprimante"_s});
    }
};

QTEST_MAIN(TestMainWindowDocument)
#include "tst_mainwindow_document.moc"
