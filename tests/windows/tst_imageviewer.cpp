// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The image viewer on a folder tree of its own: drives, folders, patterns, chosen picture.
#include "Accessibility.h"
#include "MainWindowHarness.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "platform/FolderListing.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/PictureBox.h"
#include "windows/viewer/FileList.h"
#include "windows/viewer/FolderTree.h"
#include "windows/viewer/ImageViewer.h"
#include "windows/viewer/ShownPicture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {

const QString UnsupportedPicture = u"Format d'image non supporté !"_s;
const QString DriveNotReady = u"Lecteur non disponible ou non prêt !"_s;

QImage filled(QColor color, QSize size = QSize(16, 16))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Pictures and other files named in mixed case, a hidden file, a sub-folder with a picture.
struct PictureTree
{
    PictureTree()
    {
        QDir(dir.path()).mkpath(u"programme/Sous Dossier"_s);
        QDir(dir.path()).mkpath(u"programme/Vide"_s);
        ok = filled(Qt::red).save(path(u"Logo.BMP"_s), "BMP") &&
             filled(Qt::green).save(path(u"icone.ICO"_s), "ICO") &&
             filled(Qt::blue).save(path(u"PHOTO.jpg"_s), "JPG") &&
             filled(Qt::yellow).save(path(u"capture.png"_s), "PNG") &&
             copyFixture(u"quad.gif"_s, u"Sous Dossier/autre.gif"_s) &&
             copyFixture(u"shapes-inkscape.wmf"_s, u"dessin.wmf"_s) &&
             writeBytes(path(u"notes.TXT"_s), "du texte, pas une image") &&
             writeBytes(path(u"LISEZMOI"_s), "sans extension") &&
             // What a save interrupted in this folder would leave: never listed.
             writeBytes(path(u".etiquette.eti.0badf00d"_s), "[Titre 1]");
    }
    bool copyFixture(const QString &fixture, const QString &name) const
    {
        const QByteArray bytes = fileBytes(QFINDTESTDATA(u"../platform/data/"_s + fixture));
        return !bytes.isEmpty() && writeBytes(path(name), bytes);
    }
    QString appPath() const { return dir.filePath(u"programme"_s); }
    QString path(const QString &name) const { return appPath() + QLatin1Char('/') + name; }

    QTemporaryDir dir;
    bool ok = false;
};

QStringList words(const QString &blankSeparated)
{
    return blankSeparated.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The volume holding the test's folder, as the machine reports it.
ViewerDrive realDriveOf(const QString &path)
{
    const QList<ViewerDrive> drives = ViewerDrives::mounted();
    return drives.value(ViewerDrives::indexHolding(drives, path));
}

// The controls of an image viewer, whoever opened it.
struct ViewerControls
{
    template <typename T> T *find(const char *name) const
    {
        T *child = viewer->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("No %s in the image viewer", name);
        return child;
    }
    QComboBox *drives() const { return find<QComboBox>("driveList"); }
    FolderTree *folders() const { return find<FolderTree>("folderTree"); }
    QComboBox *patterns() const { return find<QComboBox>("patternBox"); }
    FileList *files() const { return find<FileList>("fileList"); }
    PictureBox *large() const { return find<PictureBox>("largePicture"); }
    PictureBox *labelSize() const { return find<PictureBox>("labelSizePicture"); }
    QString pathCaption() const { return find<QLabel>("pathCaption")->text(); }
    QPushButton *copy() const { return find<QPushButton>("copyButton"); }
    QPushButton *quit() const { return find<QPushButton>("closeButton"); }

    QStringList listed() const
    {
        QStringList names = files()->names();
        names.sort(Qt::CaseInsensitive);
        return names;
    }
    // Types into the pattern box key by key, as the user does.
    void typePattern(const QString &text) const
    {
        patterns()->lineEdit()->selectAll();
        QTest::keyClick(patterns()->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(patterns()->lineEdit(), text);
    }
    // What the large and small pictures, the caption and "Copier" show of the chosen file.
    std::tuple<QString, bool, bool, bool> choice() const
    {
        return {pathCaption(), !large()->picture().isNull(), !labelSize()->picture().isNull(),
                copy()->isEnabled()};
    }
    QModelIndex fileIndex(const QString &name) const
    {
        const int row = files()->names().indexOf(name);
        return row < 0 ? QModelIndex() : files()->model()->index(row, 0, files()->rootIndex());
    }
    void click(const QString &name) const
    {
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {},
                          files()->visualRect(fileIndex(name)).center());
    }
    // The colour in the middle of the large picture, invalid when it is empty.
    QColor shownColour() const
    {
        const QImage image = large()->picture().image();
        return image.isNull() ? QColor() : image.pixelColor(image.rect().center());
    }

    ImageViewer *viewer = nullptr;
};

const std::tuple<QString, bool, bool, bool> NothingChosen{QString(), false, false, false};

// A viewer of its own, shown without the main window.
struct ViewerHarness : ViewerControls
{
    ViewerHarness(const QString &appPath, const ViewerDriveSource &drives)
    {
        owned = std::make_unique<ImageViewer>(memory, appPath, nullptr, drives);
        viewer = owned.get();
        viewer->show();
    }
    // On the tree's folder, with the machine's drive that holds it as the only drive.
    explicit ViewerHarness(const PictureTree &tree)
        : ViewerHarness(tree.appPath(), {[&tree] { return QList{realDriveOf(tree.appPath())}; }})
    {
    }

    MsgBoxRecorder msgBoxes;
    ViewerMemory memory;
    std::unique_ptr<ImageViewer> owned;
};

// Runs steps in the viewer the main window is about to show modally, then quits it as a user.
void insideTheViewer(const std::function<void(const ViewerControls &viewer)> &steps)
{
    QTimer::singleShot(0, [steps] {
        const ViewerControls viewer{qobject_cast<ImageViewer *>(QApplication::activeModalWidget())};
        if (!viewer.viewer)
            QFAIL("The image viewer is not the modal window");
        steps(viewer);
        viewer.quit()->click();
    });
}

} // namespace

class TestImageViewer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        tree = std::make_unique<PictureTree>();
        QVERIFY(tree->ok);
    }

    void opensOnTheProgramsFolder()
    {
        ViewerHarness h(*tree);
        QCOMPARE(h.viewer->windowTitle(), u"Visionneuse d'images"_s);
        QTRY_COMPARE(h.folders()->folder(), tree->appPath());
        QCOMPARE(h.files()->folder(), tree->appPath());
        QCOMPARE(h.drives()->currentIndex(), 0);
        QCOMPARE(h.memory.lastDrive, realDriveOf(tree->appPath()).rootPath);
        // The box shows one pattern while the list uses another, icons included either way.
        QCOMPARE(h.patterns()->currentText(), u"*.ico;*.cur;*.bmp;*.wmf"_s);
        QTRY_COMPARE(h.files()->names(), words(u"dessin.wmf icone.ICO Logo.BMP"_s));
        QStringList entries;
        for (int index = 0; index < h.patterns()->count(); ++index)
            entries.append(h.patterns()->itemText(index));
        QCOMPARE(entries, words(u"*.ico;*.cur;*.bmp;*.wmf;*.gif;*.jpg;*.jpeg;*.png;*.svg "
                                u"*.ico *.cur *.bmp *.wmf *.gif *.jpg *.* "
                                u"*.ico;*.cur;*.bmp;*.wmf;*.gif;*.jpg *.bmp;*.gif;*.jpg "
                                u"*.ico;*.cur;*.wmf *.png *.svg"_s));
        QCOMPARE(h.copy()->toolTip(), u"Copie l'image sélectionnée en mémoire"_s);
        QCOMPARE(h.choice(), NothingChosen);
        QVERIFY(h.msgBoxes.calls().isEmpty());
    }

    void patterns_data()
    {
        QTest::addColumn<int>("entry"); // picked from the list; -1 to type pattern
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        const QStringList everything =
            words(u"capture.png dessin.wmf icone.ICO LISEZMOI Logo.BMP notes.TXT PHOTO.jpg"_s);
        QTest::newRow("every picture picked")
            << 0 << QString() << words(u"capture.png dessin.wmf icone.ICO Logo.BMP PHOTO.jpg"_s);
        QTest::newRow("*.* picked, names without extension too") << 7 << QString() << everything;
        QTest::newRow("*.bmp;*.gif;*.jpg picked, case ignored")
            << 9 << QString() << words(u"Logo.BMP PHOTO.jpg"_s);
        QTest::newRow("*.png picked") << 11 << QString() << words(u"capture.png"_s);
        QTest::newRow("typed in capitals")
            << -1 << u"*.JPG;*.TXT"_s << words(u"notes.TXT PHOTO.jpg"_s);
        QTest::newRow("typed with a question mark and blanks")
            << -1 << u" ?ogo.* ; *.PNG "_s << words(u"capture.png Logo.BMP"_s);
        QTest::newRow("matching nothing") << -1 << u"*.cur"_s << QStringList();
        QTest::newRow("brackets are characters, not a set")
            << -1 << u"[lL]ogo.BMP;*.[jJ]pg"_s << QStringList();
        QTest::newRow("emptied box lists every file") << -1 << QString() << everything;
    }

    void patterns()
    {
        QFETCH(int, entry);
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        ViewerHarness h(*tree);
        QTRY_COMPARE(h.listed().size(), 3);
        if (entry >= 0)
            h.patterns()->setCurrentIndex(entry);
        else
            h.typePattern(pattern);
        QTRY_COMPARE(h.listed(), listed);
    }

    void patternTypedKeyByKey()
    {
        ViewerHarness h(*tree);
        QTRY_COMPARE(h.listed().size(), 3);
        h.typePattern(QString());
        QTRY_COMPARE(h.listed().size(), 7);
        // Each keystroke applies the text typed so far.
        const QList<std::pair<QChar, QStringList>> keys{
            {u'*', h.listed()}, {u'.', {}}, {u'p', {}}, {u'n', {}}, {u'g', {u"capture.png"_s}}};
        QString typed;
        for (const auto &[key, expected] : keys) {
            QTest::keyClicks(h.patterns()->lineEdit(), QString(key));
            typed += key;
            // Nothing is completed from the listed patterns ("*" would become "*.ico").
            QCOMPARE(h.patterns()->currentText(), typed);
            QTRY_COMPARE(h.listed(), expected);
        }
    }

    void choosingAFile_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour"); // in the middle of the large picture
        QTest::newRow("bitmap by a click") << false << u"Logo.BMP"_s << QColor(Qt::red);
        QTest::newRow("icon by the keyboard") << true << u"icone.ICO"_s << QColor(Qt::green);
        QTest::newRow("metafile by a click") << false << u"dessin.wmf"_s << QColor();
    }

    void choosingAFile()
    {
        QFETCH(bool, byKeyboard);
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        ViewerHarness h(*tree);
        QTRY_VERIFY(h.fileIndex(name).isValid());
        if (byKeyboard) {
            h.files()->setFocus();
            QTest::keyClick(h.files(), Qt::Key_Home);
            for (int row = 0;
                 row < h.files()->names().size() && h.files()->currentIndex() != h.fileIndex(name);
                 ++row)
                QTest::keyClick(h.files(), Qt::Key_Down);
        } else {
            h.click(name);
        }
        QVERIFY(h.copy()->isEnabled());
        // Shown as listed: on this file system another case would name no file.
        QCOMPARE(h.pathCaption(), tree->path(name));
        QTRY_VERIFY(!h.large()->picture().isNull());
        QVERIFY(!h.labelSize()->picture().isNull());
        if (colour.isValid())
            QCOMPARE(h.shownColour(), colour);
        else
            QVERIFY(h.large()->picture().isMetafile());
        QVERIFY(h.msgBoxes.calls().isEmpty());
    }

    void refusedFileKeepsThePictures()
    {
        ViewerHarness h(*tree);
        h.patterns()->setCurrentIndex(7); // *.*
        QTRY_COMPARE(h.listed().size(), 7);
        h.click(u"Logo.BMP"_s);
        QTRY_COMPARE(h.shownColour(), QColor(Qt::red));

        h.msgBoxes.expect(errorBox(UnsupportedPicture));
        h.click(u"notes.TXT"_s);
        QTRY_COMPARE(h.msgBoxes.calls().size(), 1);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.shownColour(), QColor(Qt::red));
        QCOMPARE(h.choice(), std::tuple(tree->path(u"notes.TXT"_s), true, true, true));
        h.copy()->click();
        QCOMPARE(h.memory.copiedPicture, tree->path(u"notes.TXT"_s));
    }

    // Among hundreds of folders read and sorted after it was chosen, the program's folder
    // is brought into view, until the user scrolls the tree himself.
    void currentFolderStaysInViewUntilTheUserScrolls()
    {
        for (int i = 0; i < 300; ++i)
            QVERIFY(QDir(tree->dir.path()).mkdir(u"a%1"_s.arg(i, 3, 10, QLatin1Char('0'))));
        ViewerHarness h(*tree);
        FolderTree *folders = h.folders();
        QTRY_COMPARE(folders->model()->rowCount(folders->currentIndex().parent()), 301);
        const auto currentShown = [folders] {
            return folders->viewport()->rect().contains(
                folders->visualRect(folders->currentIndex()));
        };
        // Sorted, the program's folder comes last of the 301, far from where a wheel leaves
        // the view; before the model sorts them, it may sit among the first rows.
        QTRY_COMPARE(folders->currentIndex().row(), 300);
        QTRY_VERIFY(currentShown());

        QWheelEvent wheel(QPointF(10, 10), folders->viewport()->mapToGlobal(QPointF(10, 10)), {},
                          {0, 120 * 5}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(folders->viewport(), &wheel);
        QVERIFY(!currentShown());
        const int scrolled = folders->verticalScrollBar()->value();
        emit folders->model()->layoutChanged(); // as when more folders come in
        QTest::qWait(0);
        QCOMPARE(folders->verticalScrollBar()->value(), scrolled);
    }

    void folderChangeClearsTheChoice()
    {
        ViewerHarness h(*tree);
        QTRY_VERIFY(h.fileIndex(u"Logo.BMP"_s).isValid());
        h.click(u"Logo.BMP"_s);
        QTRY_VERIFY(!h.large()->picture().isNull());
        h.copy()->click();

        // The user opens the sub-folder in the tree.
        const QString sub = tree->path(u"Sous Dossier"_s);
        const QPersistentModelIndex programme = h.folders()->currentIndex();
        h.folders()->expand(programme);
        QTRY_COMPARE(h.folders()->model()->rowCount(programme), 2);
        const QPersistentModelIndex first = h.folders()->model()->index(0, 0, programme);
        QCOMPARE(first.data().toString(), u"Sous Dossier"_s);
        QTRY_VERIFY(h.folders()->visualRect(first).isValid());
        h.folders()->scrollTo(first);
        QTest::mouseClick(h.folders()->viewport(), Qt::LeftButton, {},
                          h.folders()->visualRect(first).center());
        QCOMPARE(h.folders()->folder(), sub);
        QCOMPARE(h.files()->folder(), sub);
        QCOMPARE(h.choice(), NothingChosen);
        QCOMPARE(h.memory.copiedPicture, tree->path(u"Logo.BMP"_s));
        h.patterns()->setCurrentIndex(5); // *.gif
        QTRY_COMPARE(h.listed(), QStringList{u"autre.gif"_s});
    }

    void folderChangeWhileAPictureDecodes()
    {
        ViewerHarness h(*tree);
        QTRY_VERIFY(h.fileIndex(u"Logo.BMP"_s).isValid());
        // The window hears back from the reading only once this test lets its events run.
        h.files()->setCurrentIndex(h.fileIndex(u"Logo.BMP"_s));
        QVERIFY(QGuiApplication::overrideCursor());
        h.folders()->setFolder(tree->path(u"Sous Dossier"_s));
        QTRY_VERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(h.choice(), NothingChosen);
    }

    void fileLeavingTheFolderIsNoChoice()
    {
        ViewerHarness h(*tree);
        h.patterns()->setCurrentIndex(7); // *.*
        QTRY_COMPARE(h.listed().size(), 7);
        h.click(u"LISEZMOI"_s);
        QCOMPARE(h.pathCaption(), tree->path(u"LISEZMOI"_s));
        h.msgBoxes.expect(errorBox(UnsupportedPicture));
        QTRY_COMPARE(h.msgBoxes.calls().size(), 1);

        // Another program removes the chosen file: the list moves on, the choice does not.
        QVERIFY(QFile::remove(tree->path(u"LISEZMOI"_s)));
        QTRY_COMPARE(h.listed().size(), 6);
        QCOMPARE(h.pathCaption(), tree->path(u"LISEZMOI"_s));
        QVERIFY(h.large()->picture().isNull());
        QCOMPARE(h.msgBoxes.calls().size(), 1);
    }

    void unreadableDriveGoesBack()
    {
        const ViewerDrive real = realDriveOf(tree->appPath());
        const ViewerDrive gone{tree->dir.filePath(u"lecteur absent"_s), u"DISQUETTE"_s};
        QVERIFY(QDir().mkpath(gone.rootPath));
        ViewerHarness h(tree->appPath(), {[&] { return QList{real, gone}; }});
        QTRY_COMPARE(h.files()->folder(), tree->appPath());
        QTRY_COMPARE(h.drives()->count(), 2);
        QCOMPARE(h.drives()->itemText(1), gone.rootPath + u"  [DISQUETTE]"_s);
        QVERIFY(QDir(gone.rootPath).removeRecursively()); // the disk taken out

        h.msgBoxes.expect(errorBox(DriveNotReady));
        h.drives()->setCurrentIndex(1);
        QTRY_COMPARE(h.msgBoxes.calls().size(), 1);
        QTRY_COMPARE(h.drives()->currentIndex(), 0);
        QCOMPARE(h.memory.lastDrive, real.rootPath);
        // Back on the drive it came from, in the folder it showed.
        QCOMPARE(h.folders()->folder(), tree->appPath());
        QCOMPARE(h.files()->folder(), tree->appPath());
        QTRY_COMPARE(h.listed().size(), 3);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void activationWhileADriveIsChecked()
    {
        const ViewerDrive real = realDriveOf(tree->appPath());
        const ViewerDrive other{tree->dir.filePath(u"cle"_s), u"CLE"_s};
        QVERIFY(QDir().mkpath(other.rootPath));
        auto hold = std::make_shared<std::atomic_bool>(false);
        auto answer = std::make_shared<QSemaphore>();
        const auto ready = [other, hold, answer](const QString &rootPath) {
            if (rootPath == other.rootPath && *hold)
                answer->acquire();
            return true;
        };
        ViewerHarness h(tree->appPath(), {[&] { return QList{real, other}; }, ready});
        QTRY_COMPARE(h.files()->folder(), tree->appPath());
        QTRY_COMPARE(h.drives()->count(), 2);

        *hold = true;
        h.drives()->setCurrentIndex(1);
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_VERIFY(elsewhere.isActiveWindow());
        h.viewer->activateWindow();
        QTRY_VERIFY(h.viewer->isActiveWindow());
        QCOMPARE(h.memory.lastDrive, real.rootPath);

        answer->release();
        QTRY_COMPARE(h.files()->folder(), other.rootPath);
        QCOMPARE(h.memory.lastDrive, other.rootPath);
    }

    void unreadableLastDriveEndsOnTheRoot()
    {
        // The program sits on a volume of its own, which goes away while the viewer is open.
        const QString volume = tree->dir.filePath(u"volume"_s);
        QVERIFY(QDir().mkpath(volume + u"/programme"_s));
        const QString absent = tree->dir.filePath(u"absent"_s);
        QVERIFY(QDir().mkpath(absent));
        const QList<ViewerDrive> drives{
            {u"/"_s, u"racine"_s}, {volume, u"CLE"_s}, {absent, u"CD"_s}};
        ViewerHarness h(volume + u"/programme"_s, {[&] { return drives; }});
        QTRY_COMPARE(h.files()->folder(), volume + u"/programme"_s);
        QTRY_COMPARE(h.drives()->count(), 3);
        QCOMPARE(h.drives()->currentIndex(), 1);
        QCOMPARE(h.memory.lastDrive, volume);
        QVERIFY(QDir(volume).removeRecursively());
        QVERIFY(QDir(absent).removeRecursively());

        h.msgBoxes.expect(errorBox(DriveNotReady));
        h.drives()->setCurrentIndex(2);
        QTRY_COMPARE(h.files()->folder(), u"/"_s);
        QCOMPARE(h.drives()->currentIndex(), 0);
        QCOMPARE(h.memory.lastDrive, u"/"_s);
        QCOMPARE(h.folders()->folder(), u"/"_s);
        // Said once, for the drive the user chose, and never again.
        QCOMPARE(h.msgBoxes.calls().size(), 1);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void copyPasteSave_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Visualiser les images button") << u"imageViewerButton"_s;
        QTest::newRow("toolbar button 11") << u"toolbar 11"_s;
    }

    void copyPasteSave()
    {
        QFETCH(QString, entry);
        MainWindowHarness main(QString(), tree->appPath());
        main.form->show();
        const auto openViewer = [&] {
            entry == "imageViewerButton"_L1 ? main.button("imageViewerButton")->click()
                                            : main.toolbarEntry(11)->trigger();
        };
        QVERIFY(!main.button("pastePictureButton")->isEnabled());
        const QString picture = tree->path(u"Logo.BMP"_s);

        bool copied = false;
        insideTheViewer([&](const ViewerControls &viewer) {
            QTRY_COMPARE(viewer.files()->folder(), tree->appPath());
            QTRY_VERIFY(viewer.files()->names().contains(u"Logo.BMP"_s));
            viewer.files()->setCurrentIndex(viewer.fileIndex(u"Logo.BMP"_s));
            viewer.copy()->click();
            copied = true;
        });
        openViewer();
        QVERIFY(copied);
        QCOMPARE(main.state.viewer.copiedPicture, picture);
        QVERIFY(main.button("pastePictureButton")->isEnabled());

        // Each opening starts afresh in the program's folder; the path put aside stays.
        bool fresh = false;
        insideTheViewer([&](const ViewerControls &viewer) {
            QTRY_COMPARE(viewer.files()->folder(), tree->appPath());
            QCOMPARE(viewer.choice(), NothingChosen);
            fresh = true;
        });
        openViewer();
        QVERIFY(fresh);
        QCOMPARE(main.state.viewer.copiedPicture, picture);

        main.button("pastePictureButton")->click();
        main.settle();
        QCOMPARE(main.form->document().picture.path, picture);
        QCOMPARE(main.form->document().picture.decoded.image().pixelColor(0, 0), QColor(Qt::red));

        const QString saved = tree->dir.filePath(u"etiquette.eti"_s);
        main.dialogs->answerNext(saved);
        main.action("saveAsAction")->trigger();
        const std::optional<LabelDocument> written = LabelFile::read(saved);
        QVERIFY(written);
        QCOMPARE(written->picture.path, picture);
        QVERIFY(main.msgBoxes.calls().isEmpty());
    }

    void quitClosesAndKeepsThePath()
    {
        ViewerHarness h(*tree);
        h.memory.copiedPicture = u"/gardé.bmp"_s;
        QVERIFY(h.viewer->isVisible());
        h.quit()->click();
        QVERIFY(!h.viewer->isVisible());
        QCOMPARE(h.viewer->result(), int(QDialog::Rejected));
        QCOMPARE(h.memory.copiedPicture, u"/gardé.bmp"_s);
    }

    void everyControlIsNamed()
    {
        ViewerHarness h(*tree);
        QTRY_COMPARE(h.listed().size(), 3);
        QCOMPARE(Accessibility::namelessControls(h.viewer), QStringList());
        const QStringList names = Accessibility::controlNames(h.viewer);
        for (const QString &name : {u"Dossier"_s, u"Sélection"_s, u"Copier"_s, u"Quitter"_s})
            QVERIFY2(names.contains(name), qPrintable(names.join(", "_L1)));
    }

    void tabOrder()
    {
        ViewerHarness h(*tree);
        QStringList order;
        QWidget *widget = h.drives();
        for (int step = 0; step < 6; ++step) {
            order.append(widget->objectName());
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy());
        }
        QCOMPARE(order,
                 words(u"driveList folderTree fileList closeButton patternBox copyButton"_s));
    }

    void machineDrives()
    {
        const QList<ViewerDrive> drives = ViewerDrives::mounted();
        QVERIFY(!drives.isEmpty());
        QCOMPARE(drives.first().rootPath, u"/"_s);
        for (const ViewerDrive &drive : drives) {
            QVERIFY2(QFileInfo::exists(drive.rootPath), qPrintable(drive.rootPath));
            for (const char *hidden : {"/proc", "/sys", "/dev"})
                QVERIFY2(!drive.rootPath.startsWith(QLatin1String(hidden)),
                         qPrintable(drive.rootPath));
        }
        QCOMPARE(ViewerDrives::indexHolding(drives, QDir::tempPath()) >= 0, true);
    }

    void mountTable_data()
    {
        QTest::addColumn<QByteArray>("mountInfo");
        QTest::addColumn<QStringList>("listed"); // each drive's caption
        const QByteArray root = "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n";
        QTest::newRow("root first, whatever the order")
            << QByteArray("30 27 8:17 / /media/moi/CLE rw - vfat /dev/sdb1 rw\n" + root)
            << QStringList{u"/  [DISQUE]"_s, u"/media/moi/CLE  [sdb1]"_s};
        QTest::newRow("memory file systems hold files")
            << QByteArray(root + "31 27 0:40 / /tmp rw - tmpfs tmpfs rw\n"
                                 "32 27 0:41 / /run rw - tmpfs tmpfs rw\n")
            << QStringList{u"/  [DISQUE]"_s, u"/tmp  [tmpfs]"_s, u"/run  [tmpfs]"_s};
        QTest::newRow("kernel, devices and runtime folders left out")
            << QByteArray(root + "22 27 0:21 / /proc rw - proc proc rw\n"
                                 "23 27 0:22 / /sys rw - sysfs sysfs rw\n"
                                 "31 23 0:28 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
                                 "24 27 0:6 / /dev rw - devtmpfs devtmpfs rw\n"
                                 "25 24 0:23 / /dev/shm rw - tmpfs tmpfs rw\n"
                                 "40 27 0:50 / /run/user/1000 rw - tmpfs tmpfs rw\n"
                                 "41 40 0:51 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd rw\n"
                                 "42 27 0:52 / /mnt/auto rw - autofs systemd-1 rw\n"
                                 "43 27 0:53 / /opt/pile rw shared:5 master:1 - bpf bpf rw\n")
            << QStringList{u"/  [DISQUE]"_s, u"/run/user/1000/gvfs  [gvfsd]"_s};
        QTest::newRow("blanks in a mount point, network share")
            << QByteArray(root + "30 27 8:17 / /media/moi/Mes\\040photos rw - ext4 /dev/sdc1 rw\n"
                                 "31 27 0:60 / /mnt/nas rw - nfs4 serveur:/partage rw\n")
            << QStringList{u"/  [DISQUE]"_s, u"/media/moi/Mes photos  [PHOTOS]"_s,
                           u"/mnt/nas  [partage]"_s};
        QTest::newRow("a later mount hides an earlier one")
            << QByteArray(root + "30 27 0:40 / /mnt/cle rw - tmpfs tmpfs rw\n"
                                 "31 27 0:41 / /mnt/cle rw - proc proc rw\n")
            << QStringList{u"/  [DISQUE]"_s};
        QTest::newRow("no mount table") << QByteArray() << QStringList{u"/"_s};
    }

    void mountTable()
    {
        QFETCH(QByteArray, mountInfo);
        const QHash<QString, QString> labels{{u"/dev/vda"_s, u"DISQUE"_s},
                                             {u"/dev/sdc1"_s, u"PHOTOS"_s}};
        QStringList captions;
        for (const ViewerDrive &drive : ViewerDrives::fromMountTable(mountInfo, labels))
            captions.append(drive.caption());
        QTEST(captions, "listed");
    }

    // A volume that never answers blocks nothing: the viewer opens at once on those that did,
    // lists it as not ready when its time is up, and says so when it is chosen. One that
    // answers late is listed then.
    void deadVolumeBlocksNothing()
    {
        const ViewerDrive real = realDriveOf(tree->appPath());
        const ViewerDrive dead{tree->dir.filePath(u"nfs"_s), u"serveur"_s};
        const ViewerDrive late{tree->dir.filePath(u"usb"_s), u"CLE"_s};
        // Left waiting when the test ends: the question to the dead volume never returns.
        static auto *never = new QSemaphore;
        auto lateAnswer = std::make_shared<QSemaphore>();
        const auto ready = [dead, late, lateAnswer](const QString &rootPath) {
            if (rootPath == dead.rootPath)
                never->acquire();
            if (rootPath == late.rootPath)
                lateAnswer->acquire();
            return true;
        };
        ViewerHarness h(tree->appPath(), {[&] { return QList{real, dead, late}; }, ready});
        QCOMPARE(h.drives()->count(), 1);
        QTRY_COMPARE(h.listed().size(), 3);

        QTRY_COMPARE_WITH_TIMEOUT(h.drives()->count(), 3, 4 * ViewerDrives::ReadyWaitMs);
        QCOMPARE(h.drives()->itemText(1), dead.caption() + u"  (non prêt)"_s);
        QCOMPARE(h.drives()->itemText(2), late.caption() + u"  (non prêt)"_s);
        lateAnswer->release();
        QTRY_COMPARE(h.drives()->itemText(2), late.caption());

        h.msgBoxes.expect(errorBox(DriveNotReady));
        h.drives()->setCurrentIndex(1);
        QTRY_COMPARE_WITH_TIMEOUT(h.msgBoxes.calls().size(), 1, 4 * ViewerDrives::ReadyWaitMs);
        QTRY_COMPARE(h.drives()->currentIndex(), 0);
        QCOMPARE(h.files()->folder(), tree->appPath());
        QVERIFY(h.msgBoxes.allSeen());
    }

    void folderListing_data()
    {
        QTest::addColumn<int>("count"); // files named "vue<n>.bmp", n from 1
        QTest::addColumn<int>("firstCount");
        QTest::addColumn<int>("results"); // the first batch is sent alone only when more follow
        QTest::newRow("fewer than the first batch") << 12 << 12 << 1;
        QTest::newRow("more than the first batch")
            << FolderListing::FirstBatch + 50 << FolderListing::FirstBatch << 2;
    }

    void folderListing()
    {
        QFETCH(int, count);
        QFETCH(int, results);
        QTemporaryDir dir;
        QStringList expected;
        for (int n = 1; n <= count; ++n) {
            // Capitals on some: the order ignores case and reads numbers by value.
            const QString name = (n % 3 ? u"vue%1.bmp"_s : u"VUE%1.BMP"_s).arg(n);
            QVERIFY(writeBytes(dir.filePath(name), "x"));
            expected.append(name);
        }
        QVERIFY(writeBytes(dir.filePath(u".cachee"_s), "x"));
        QVERIFY(QDir(dir.path()).mkdir(u"dossier"_s));

        QFuture<QStringList> listing = FolderListing::start(dir.path(), backgroundThreads());
        listing.waitForFinished();
        QCOMPARE(listing.resultCount(), results);
        const QStringList first = listing.resultAt(0);
        QTEST(int(first.size()), "firstCount");
        for (const QString &name : first)
            QVERIFY2(expected.contains(name), qPrintable(name));
        QCOMPARE(listing.resultAt(results - 1), expected);
    }

    void shownPictureFitsItsBox_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QSize>("shownSize");
        const QSize box(241, 241);
        QTest::newRow("photograph shrunk to the box") << QSize(2400, 1600) << box;
        QTest::newRow("tall picture shrunk, stretched") << QSize(100, 900) << box;
        QTest::newRow("icon left as it is") << QSize(32, 32) << QSize(32, 32);
        QTest::newRow("exactly the box") << box << box;
    }

    void shownPictureFitsItsBox()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(QSize, shownSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"image.png"_s);
        QVERIFY(filled(Qt::magenta, pictureSize).save(path));
        const std::optional<Picture> shown = ShownPicture::load(path, QSize(241, 241));
        QVERIFY(shown);
        QCOMPARE(shown->image().size(), shownSize);
        QCOMPARE(shown->image().pixelColor(shownSize.width() / 2, shownSize.height() / 2),
                 QColor(Qt::magenta));
        QVERIFY(!ShownPicture::load(dir.filePath(u"absent.png"_s), QSize(241, 241)));
    }

private:
    // A fresh folder tree for each test.
    std::unique_ptr<PictureTree> tree;
};

QTEST_MAIN(TestImageViewer)
#include "tst_imageviewer.moc"
