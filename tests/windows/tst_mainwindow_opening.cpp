// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels and pictures reaching the main window other than through its dialogs: the File
// menu's recent labels and files dropped on the window; and where the dialogs start.
#include "Accessibility.h"
#include "DocumentQuestions.h"
#include "MainWindowHarness.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "platform/UserFolders.h"
#include "windows/shared/PictureBox.h"

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MsgBoxResult)

namespace {

enum class Way
{
    RecentEntry,
    Drop,
    DropOnEditBox
};

// Where a drag goes over the window.
enum class Spot
{
    PictureBox,
    LabelZone,    // zone 2, on the label
    OutsideLabel, // the printer frame
    EditBox       // the zone's edit box, itself a place to drop text
};

QString writeLabel(const QTemporaryDir &folder, const QString &name, const QString &caption)
{
    LabelZones zones{TextZone::startUp(ZoneId::First), TextZone::startUp(ZoneId::Second),
                     TextZone::startUp(ZoneId::Third)};
    zones[ZoneId::First].text = caption;
    const QString path = folder.filePath(name);
    LabelDocument document{zones, {}};
    return LabelFile::save(path, document) ? path : QString();
}

QString writePicture(const QTemporaryDir &folder, const QString &name)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = folder.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

// The widget under the pointer at spot, as the window's own drag handling finds it.
QWidget *widgetAt(const MainWindowHarness &h, Spot spot)
{
    switch (spot) {
    case Spot::PictureBox:
        return h.form->findChild<PictureBox *>();
    case Spot::LabelZone:
        return h.zoneDisplay(2);
    case Spot::OutsideLabel:
        return h.find<QLabel>("orientationLabel");
    case Spot::EditBox:
        return h.text1()->viewport();
    }
    return nullptr;
}

// The widget that takes the drag events at spot: the edit box takes them first there.
QWidget *receiverAt(const MainWindowHarness &h, Spot spot)
{
    return spot == Spot::EditBox ? widgetAt(h, spot) : h.form.get();
}

QPoint spotIn(const MainWindowHarness &h, Spot spot)
{
    QWidget *target = widgetAt(h, spot);
    return target->mapTo(receiverAt(h, spot), target->rect().center());
}

QMimeData *urlsData(const QList<QUrl> &urls)
{
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

// A file manager offers a copy or a move; the drags below hold Shift, which proposes the move.
constexpr Qt::DropActions CopyOrMove = Qt::CopyAction | Qt::MoveAction;

// Whether the window takes the drag where it enters: the pointer's answer.
bool dragEnters(const MainWindowHarness &h, const QMimeData &data, Spot spot,
                Qt::DropActions offered = CopyOrMove)
{
    QDragEnterEvent enter(spotIn(h, spot), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(receiverAt(h, spot), &enter);
    return enter.isAccepted();
}

// Drops data at spot: what the window did with it, if it took it.
std::optional<Qt::DropAction> drops(const MainWindowHarness &h, const QMimeData &data, Spot spot,
                                    Qt::DropActions offered = CopyOrMove)
{
    QDropEvent drop(spotIn(h, spot), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(receiverAt(h, spot), &drop);
    QCoreApplication::sendPostedEvents(h.form.get(), QEvent::MetaCall);
    h.settle();
    return drop.isAccepted() ? std::optional(drop.dropAction()) : std::nullopt;
}

// Drags the local file path to the window and drops it there, then waits for what it reads.
void dropFile(const MainWindowHarness &h, const QString &path, Spot spot = Spot::LabelZone)
{
    const std::unique_ptr<QMimeData> data(urlsData({QUrl::fromLocalFile(path)}));
    QVERIFY(dragEnters(h, *data, spot));
    // Never a move, after which the file manager could delete the file.
    QVERIFY(drops(h, *data, spot) == Qt::CopyAction);
}

QStringList recentEntries(const MainWindowHarness &h)
{
    QStringList entries;
    for (int i = 1; i <= 4; ++i) {
        const QAction *entry = h.action(("recentLabelAction" + std::to_string(i)).c_str());
        if (entry->isVisible())
            entries.append(entry->text() + u" | "_s + entry->statusTip());
    }
    return entries;
}

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Spot)

class TestMainWindowOpening : public QObject
{
    Q_OBJECT

private slots:
    void recentLabelsFollowOpensAndSaves()
    {
        QTemporaryDir folder;
        const QString first = writeLabel(folder, u"premier.eti"_s, u"Un"_s);
        QVERIFY(!first.isEmpty());
        const QString saved = folder.filePath(u"r&d.eti"_s);
        MainWindowHarness h;
        h.form->show();
        QVERIFY(recentEntries(h).isEmpty());

        h.runAnswering("openAction", first);
        h.runAnswering("saveAsAction", saved);
        QCOMPARE(recentEntries(h),
                 QStringList({u"&1 R&&D.ETI | "_s + saved, u"&2 PREMIER.ETI | "_s + first}));
        h.runAnswering("openAction", first);
        QCOMPARE(recentEntries(h),
                 QStringList({u"&1 PREMIER.ETI | "_s + first, u"&2 R&&D.ETI | "_s + saved}));

        auto *fileMenu = h.find<QMenu>("fileMenu");
        QVERIFY2(Accessibility::namelessControls(fileMenu).isEmpty(),
                 qPrintable(Accessibility::namelessControls(fileMenu).join(u'\n')));
        QVERIFY(Accessibility::controlNames(fileMenu).contains(u"2 R&D.ETI"_s));

        // Kept for the next run of the program.
        MainWindow again(h.state, h.printer);
        QCOMPARE(again.findChild<QAction *>(u"recentLabelAction1"_s)->statusTip(), first);
        QCOMPARE(again.findChild<QAction *>(u"recentLabelAction2"_s)->statusTip(), saved);
    }

    // The recent label or the file dropped is "ancien.eti", opened before "actuel.eti".
    void opensAsOuvrirWould_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QByteArray>("before");   // "edited", "deleted", "spoilt" or ""
        QTest::addColumn<MsgBoxResult>("answer"); // to the question about the edited label
        QTest::addColumn<QString>("caption");     // zone 1's afterwards
        QTest::addColumn<QStringList>("recent");  // the names listed afterwards
        const QStringList opened = {u"ANCIEN.ETI"_s, u"ACTUEL.ETI"_s};
        const QStringList kept = {u"ACTUEL.ETI"_s, u"ANCIEN.ETI"_s};
        for (Way way : {Way::RecentEntry, Way::Drop}) {
            const char *prefix = way == Way::Drop ? "drop" : "recent";
            QTest::addRow("%s", prefix)
                << way << QByteArray() << MsgBoxResult::OK << u"Ancien"_s << opened;
            QTest::addRow("%s, edited label kept", prefix)
                << way << QByteArray("edited") << MsgBoxResult::Cancel << u"modifié"_s << kept;
            QTest::addRow("%s, edited label given up", prefix)
                << way << QByteArray("edited") << MsgBoxResult::No << u"Ancien"_s << opened;
            QTest::addRow("%s, not a label file", prefix)
                << way << QByteArray("spoilt") << MsgBoxResult::OK << u"Actuel"_s
                << QStringList{u"ACTUEL.ETI"_s};
        }
        QTest::newRow("drop on the edit box")
            << Way::DropOnEditBox << QByteArray() << MsgBoxResult::OK << u"Ancien"_s << opened;
        QTest::newRow("recent, gone")
            << Way::RecentEntry << QByteArray("deleted") << MsgBoxResult::OK << u"Actuel"_s
            << QStringList{u"ACTUEL.ETI"_s};
    }

    void opensAsOuvrirWould()
    {
        QFETCH(Way, way);
        QFETCH(QByteArray, before);
        QFETCH(MsgBoxResult, answer);
        QFETCH(QString, caption);
        QFETCH(QStringList, recent);
        QTemporaryDir folder;
        const QString old = writeLabel(folder, u"ancien.eti"_s, u"Ancien"_s);
        const QString current = writeLabel(folder, u"actuel.eti"_s, u"Actuel"_s);
        QVERIFY(!old.isEmpty() && !current.isEmpty());
        MainWindowHarness h;
        h.form->show();
        h.runAnswering("openAction", old);
        h.runAnswering("openAction", current);
        if (before == "edited") {
            h.type(u"modifié"_s);
            h.msgBoxes.expect(leaveQuestion(current), answer);
        } else if (before == "deleted") {
            QVERIFY(QFile::remove(old));
            h.msgBoxes.expect(openError());
        } else if (before == "spoilt") {
            QVERIFY(writeBytes(old, "pas une étiquette\r\n"));
            h.msgBoxes.expect(openError());
        }

        if (way == Way::Drop) {
            dropFile(h, old);
        } else if (way == Way::DropOnEditBox) {
            dropFile(h, old, Spot::EditBox);
        } else {
            h.action("recentLabelAction2")->trigger();
            h.settle();
        }
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.zone(1).text, caption);
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName),
                 caption == u"Ancien"_s ? u"ANCIEN.ETI"_s : u"ACTUEL.ETI"_s);
        QStringList names;
        for (const QString &entry : recentEntries(h))
            names.append(entry.section(u' ', 1, 1));
        QCOMPARE(names, recent);
    }

    void picturesDroppedOnTheLabel_data()
    {
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<QByteArray>("content"); // the file's, or a picture for ""
        QTest::addColumn<bool>("taken");
        QTest::newRow("on the picture") << Spot::PictureBox << QByteArray() << true;
        QTest::newRow("on a zone of the label") << Spot::LabelZone << QByteArray() << true;
        QTest::newRow("named as a picture, not one")
            << Spot::LabelZone << QByteArray("pas une image") << false;
    }

    void picturesDroppedOnTheLabel()
    {
        QFETCH(Spot, spot);
        QFETCH(QByteArray, content);
        QFETCH(bool, taken);
        QTemporaryDir folder;
        const QString path = writePicture(folder, u"logo.png"_s);
        QVERIFY(!path.isEmpty());
        if (!content.isEmpty())
            QVERIFY(writeBytes(path, content));
        MainWindowHarness h;
        h.form->show();
        const QString picturePathBefore = h.form->document().picture.path;
        if (!taken)
            h.msgBoxes.expect(errorBox(u"Format d'image non supporté !"_s));
        dropFile(h, path, spot);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.form->document().picture.path, taken ? path : picturePathBefore);
        QCOMPARE(h.form->document().picture.decoded.isNull(), !taken);
        QCOMPARE(h.form->isModified(), taken);
    }

    void dropsRefused_data()
    {
        QTest::addColumn<QStringList>("urls"); // "%1" is a folder holding label.eti, logo.png
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<bool>("moveOnly");
        QTest::newRow("only as a move")
            << QStringList{u"%1/label.eti"_s} << Spot::LabelZone << true;
        QTest::newRow("two labels")
            << QStringList{u"%1/label.eti"_s, u"%1/label.eti"_s} << Spot::LabelZone << false;
        QTest::newRow("no file") << QStringList{} << Spot::LabelZone << false;
        QTest::newRow("address") << QStringList{u"https://example.org/label.eti"_s}
                                 << Spot::LabelZone << false;
        QTest::newRow("folder") << QStringList{u"%1/dossier.eti"_s} << Spot::LabelZone << false;
        QTest::newRow("missing file")
            << QStringList{u"%1/absent.eti"_s} << Spot::LabelZone << false;
        QTest::newRow("other kind") << QStringList{u"%1/notes.txt"_s} << Spot::LabelZone << false;
        QTest::newRow("picture beside the label")
            << QStringList{u"%1/logo.png"_s} << Spot::OutsideLabel << false;
    }

    void dropsRefused()
    {
        QFETCH(QStringList, urls);
        QFETCH(Spot, spot);
        QFETCH(bool, moveOnly);
        const Qt::DropActions offered = moveOnly ? Qt::MoveAction : CopyOrMove;
        QTemporaryDir folder;
        QVERIFY(!writeLabel(folder, u"label.eti"_s, u"Déposé"_s).isEmpty());
        QVERIFY(!writePicture(folder, u"logo.png"_s).isEmpty());
        QVERIFY(writeBytes(folder.filePath(u"notes.txt"_s), "[Titre 1]\r\n"));
        QVERIFY(QDir(folder.path()).mkdir(u"dossier.eti"_s));
        QList<QUrl> addresses;
        for (const QString &url : urls)
            addresses.append(url.startsWith(u"%1"_s) ? QUrl::fromLocalFile(url.arg(folder.path()))
                                                     : QUrl(url));
        MainWindowHarness h;
        h.form->show();
        const std::unique_ptr<QMimeData> data(urlsData(addresses));
        QVERIFY(!dragEnters(h, *data, spot, offered));
        QVERIFY(!drops(h, *data, spot, offered));
        QVERIFY(h.msgBoxes.calls().isEmpty());
        QCOMPARE(h.zone(1), TextZone::startUp(ZoneId::First));
        QVERIFY(h.form->document().picture.decoded.isNull());
    }

    // While a label is read, neither a drop nor a recent label may replace it.
    void nothingTakenWhileALabelIsRead()
    {
        QTemporaryDir folder;
        const QString label = writeLabel(folder, u"label.eti"_s, u"Lu"_s);
        const QString picture = writePicture(folder, u"logo.png"_s);
        QVERIFY(!label.isEmpty() && !picture.isEmpty());
        MainWindowHarness h;
        h.form->show();
        h.runAnswering("openAction", label);
        // The read's answer comes back through the event loop, which has not run yet.
        h.dialogs->answerNext(label);
        h.action("openAction")->trigger();
        QVERIFY(h.form->isReadingDocument());
        QVERIFY(!h.action("recentLabelAction1")->isEnabled());
        for (const QString &path : {label, picture}) {
            const std::unique_ptr<QMimeData> data(urlsData({QUrl::fromLocalFile(path)}));
            QVERIFY(!dragEnters(h, *data, Spot::PictureBox));
        }
        h.settle();
        QVERIFY(h.action("recentLabelAction1")->isEnabled());
        QVERIFY(h.form->document().picture.decoded.isNull());
    }

    // Each row opens a label, then asks for a picture and saves under another name, each
    // dialog cancelled after the first; "%app" is the program's folder, "%label" the
    // opened label's, "%cwd" the current folder.
    void dialogsStartFolder_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("startFolders"); // of Open, the picture, Save As
        QTest::newRow("program in a folder of the user's")
            << false << QStringList{u"%app"_s, u"%cwd"_s, u"%cwd"_s};
        QTest::newRow("installed program")
            << true << QStringList{u"%documents"_s, u"%label"_s, u"%label"_s};
    }

    void dialogsStartFolder()
    {
        QFETCH(bool, installed);
        QFETCH(QStringList, startFolders);
        QTemporaryDir programFolder, labelFolder;
        const QString label = writeLabel(labelFolder, u"label.eti"_s, u"Un"_s);
        QVERIFY(!label.isEmpty());
        const QString appPath = installed ? u"/usr/bin"_s : programFolder.path();
        MainWindowHarness h(QString(), appPath);
        h.runAnswering("openAction", label);
        h.runAnswering("pictureButton", ScriptedDialogs::Cancel{});
        h.runAnswering("saveAsAction", ScriptedDialogs::Cancel{});

        QStringList shown;
        for (const ScriptedDialogs::Shown &dialog : h.dialogs->shown())
            shown.append(dialog.initDir);
        startFolders.replaceInStrings(u"%app"_s, appPath);
        startFolders.replaceInStrings(u"%cwd"_s, QDir::currentPath());
        startFolders.replaceInStrings(u"%label"_s, labelFolder.path());
        startFolders.replaceInStrings(u"%documents"_s, UserFolders::documentsFolder());
        QCOMPARE(shown, startFolders);
    }
};

QTEST_MAIN(TestMainWindowOpening)
#include "tst_mainwindow_opening.moc"
