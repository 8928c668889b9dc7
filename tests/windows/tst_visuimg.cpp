// The image viewer on a folder tree of its own: drives, folders, patterns, the chosen
// picture, and the path handed to the main window.
#include "Accessibility.h"
#include "Form1Harness.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "windows/FileList.h"
#include "windows/FolderListing.h"
#include "windows/FolderTree.h"
#include "windows/PictureBox.h"
#include "windows/ShownPicture.h"
#include "windows/VisuIMG.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace {

const QString UnsupportedPicture = QStringLiteral("Format d'image non supporté !");
const QString DriveNotReady = QStringLiteral("Lecteur non disponible ou non prêt !");

QImage filled(QColor color, QSize size = QSize(16, 16))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// The program's folder holds pictures and other files with names in mixed case, and a
// sub-folder with one more picture.
struct PictureTree
{
    PictureTree()
    {
        QDir(dir.path()).mkpath(QStringLiteral("programme/Sous Dossier"));
        QDir(dir.path()).mkpath(QStringLiteral("programme/Vide"));
        ok = filled(Qt::red).save(path(QStringLiteral("Logo.BMP")), "BMP") &&
             filled(Qt::green).save(path(QStringLiteral("icone.ICO")), "ICO") &&
             filled(Qt::blue).save(path(QStringLiteral("PHOTO.jpg")), "JPG") &&
             filled(Qt::yellow).save(path(QStringLiteral("capture.png")), "PNG") &&
             copyFixture(QStringLiteral("quad.gif"), QStringLiteral("Sous Dossier/autre.gif")) &&
             copyFixture(QStringLiteral("shapes-inkscape.wmf"), QStringLiteral("dessin.wmf")) &&
             writeBytes(path(QStringLiteral("notes.TXT")), "du texte, pas une image") &&
             writeBytes(path(QStringLiteral("LISEZMOI")), "sans extension");
    }
    bool copyFixture(const QString &fixture, const QString &name) const
    {
        const QByteArray bytes =
            fileBytes(QFINDTESTDATA(QStringLiteral("../platform/data/") + fixture));
        return !bytes.isEmpty() && writeBytes(path(name), bytes);
    }
    QString appPath() const { return dir.filePath(QStringLiteral("programme")); }
    QString path(const QString &name) const { return appPath() + QLatin1Char('/') + name; }

    QTemporaryDir dir;
    bool ok = false;
};

// The volume holding the test's folder, as the machine reports it.
ViewerDrive realDriveOf(const QString &path)
{
    return ViewerDrive::of(QStorageInfo(path));
}

struct ViewerHarness
{
    explicit ViewerHarness(const QString &appPath, const ViewerDriveSource &drives)
    {
        state.AppPath = appPath;
        viewer = std::make_unique<VisuIMG>(state, nullptr, drives);
        viewer->show();
    }

    template <typename T> T *find(const char *name) const
    {
        T *child = viewer->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("No %s in the image viewer", name);
        return child;
    }
    QComboBox *drives() const { return find<QComboBox>("Drive1"); }
    FolderTree *folders() const { return find<FolderTree>("Dir1"); }
    QComboBox *patterns() const { return find<QComboBox>("Combo1"); }
    FileList *files() const { return find<FileList>("File1"); }
    PictureBox *large() const { return find<PictureBox>("Open"); }
    PictureBox *labelSize() const { return find<PictureBox>("Image1"); }
    QString pathCaption() const { return find<QLabel>("Label1")->text(); }
    QPushButton *copy() const { return find<QPushButton>("Command2"); }
    QPushButton *quit() const { return find<QPushButton>("Command1"); }

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

    MsgBoxRecorder msgBoxes;
    Module1 state;
    std::unique_ptr<VisuIMG> viewer;
};

MsgBoxCall errorOf(const QString &prompt)
{
    return errorBox(prompt);
}

} // namespace

class TestVisuIMG : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheProgramsFolder();
    void patterns_data();
    void patterns();
    void patternTypedKeyByKey();
    void choosingAFile_data();
    void choosingAFile();
    void refusedFileKeepsThePictures();
    void folderChangeClearsTheChoice();
    void fileLeavingTheFolderIsNoChoice();
    void unreadableDriveGoesBack();
    void unreadableLastDriveEndsOnTheRoot();
    void copyPasteSave_data();
    void copyPasteSave();
    void quitClosesAndKeepsThePath();
    void everyControlIsNamed();
    void tabOrder();
    void machineDrives();
    void folderListing_data();
    void folderListing();
    void shownPictureFitsItsBox_data();
    void shownPictureFitsItsBox();
};

void TestVisuIMG::opensOnTheProgramsFolder()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    QCOMPARE(h.viewer->windowTitle(), QStringLiteral("Visionneuse d'images"));
    QTRY_COMPARE(h.folders()->folder(), tree.appPath());
    QCOMPARE(h.files()->folder(), tree.appPath());
    QCOMPARE(h.drives()->currentIndex(), 0);
    QCOMPARE(h.state.ViewerLastDrive, realDriveOf(tree.appPath()).rootPath);
    // The box shows one pattern while the list uses another, icons included either way.
    QCOMPARE(h.patterns()->currentText(), QStringLiteral("*.ico;*.cur;*.bmp;*.wmf"));
    QTRY_COMPARE(h.files()->names(),
                 QStringList({QStringLiteral("dessin.wmf"), QStringLiteral("icone.ICO"),
                              QStringLiteral("Logo.BMP")}));
    QStringList entries;
    for (int index = 0; index < h.patterns()->count(); ++index)
        entries.append(h.patterns()->itemText(index));
    QCOMPARE(
        entries,
        QStringList({QStringLiteral("*.ico"), QStringLiteral("*.cur"), QStringLiteral("*.bmp"),
                     QStringLiteral("*.wmf"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"),
                     QStringLiteral("*.*"), QStringLiteral("*.ico;*.cur;*.bmp;*.wmf;*.gif;*.jpg"),
                     QStringLiteral("*.bmp;*.gif;*.jpg"), QStringLiteral("*.ico;*.cur;*.wmf")}));
    QVERIFY(!h.copy()->isEnabled());
    QCOMPARE(h.copy()->toolTip(), QStringLiteral("Copie l'image sélectionnée en mémoire"));
    QVERIFY(h.large()->picture().isNull());
    QVERIFY(h.labelSize()->picture().isNull());
    QCOMPARE(h.pathCaption(), QString());
    QVERIFY(h.msgBoxes.calls().isEmpty());
}

void TestVisuIMG::patterns_data()
{
    QTest::addColumn<int>("entry"); // picked from the list; -1 to type pattern
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("listed");
    const QStringList everything{QStringLiteral("capture.png"), QStringLiteral("dessin.wmf"),
                                 QStringLiteral("icone.ICO"),   QStringLiteral("LISEZMOI"),
                                 QStringLiteral("Logo.BMP"),    QStringLiteral("notes.TXT"),
                                 QStringLiteral("PHOTO.jpg")};
    QTest::newRow("*.* picked, names without extension too") << 6 << QString() << everything;
    QTest::newRow("*.bmp;*.gif;*.jpg picked, case ignored")
        << 8 << QString() << QStringList{QStringLiteral("Logo.BMP"), QStringLiteral("PHOTO.jpg")};
    QTest::newRow("typed in capitals")
        << -1 << QStringLiteral("*.JPG;*.TXT")
        << QStringList{QStringLiteral("notes.TXT"), QStringLiteral("PHOTO.jpg")};
    QTest::newRow("typed with a question mark and blanks")
        << -1 << QStringLiteral(" ?ogo.* ; *.PNG ")
        << QStringList{QStringLiteral("capture.png"), QStringLiteral("Logo.BMP")};
    QTest::newRow("matching nothing") << -1 << QStringLiteral("*.cur") << QStringList();
    QTest::newRow("emptied box lists every file") << -1 << QString() << everything;
}

void TestVisuIMG::patterns()
{
    QFETCH(int, entry);
    QFETCH(QString, pattern);
    QFETCH(QStringList, listed);
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    QTRY_COMPARE(h.listed().size(), 3);
    if (entry >= 0)
        h.patterns()->setCurrentIndex(entry);
    else
        h.typePattern(pattern);
    QTRY_COMPARE(h.listed(), listed);
}

void TestVisuIMG::patternTypedKeyByKey()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    QTRY_COMPARE(h.listed().size(), 3);
    h.typePattern(QString());
    QTRY_COMPARE(h.listed().size(), 7);
    // Each keystroke applies the text typed so far.
    const QList<std::pair<QChar, QStringList>> keys{
        {QLatin1Char('*'), h.listed()},
        {QLatin1Char('.'), {}},
        {QLatin1Char('p'), {}},
        {QLatin1Char('n'), {}},
        {QLatin1Char('g'), {QStringLiteral("capture.png")}},
    };
    for (const auto &[key, expected] : keys) {
        QTest::keyClicks(h.patterns()->lineEdit(), QString(key));
        QTRY_COMPARE(h.listed(), expected);
    }
}

void TestVisuIMG::choosingAFile_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour"); // in the middle of the large picture
    QTest::newRow("bitmap by a click") << false << QStringLiteral("Logo.BMP") << QColor(Qt::red);
    QTest::newRow("icon by the keyboard")
        << true << QStringLiteral("icone.ICO") << QColor(Qt::green);
    QTest::newRow("metafile by a click") << false << QStringLiteral("dessin.wmf") << QColor();
}

void TestVisuIMG::choosingAFile()
{
    QFETCH(bool, byKeyboard);
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
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
    QCOMPARE(h.pathCaption(), tree.path(name));
    QTRY_VERIFY(!h.large()->picture().isNull());
    QVERIFY(!h.labelSize()->picture().isNull());
    if (colour.isValid())
        QCOMPARE(h.shownColour(), colour);
    else
        QVERIFY(h.large()->picture().isMetafile());
    QVERIFY(h.msgBoxes.calls().isEmpty());
}

void TestVisuIMG::refusedFileKeepsThePictures()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    h.patterns()->setCurrentIndex(6); // *.*
    QTRY_COMPARE(h.listed().size(), 7);
    h.click(QStringLiteral("Logo.BMP"));
    QTRY_COMPARE(h.shownColour(), QColor(Qt::red));

    h.msgBoxes.expect(errorOf(UnsupportedPicture));
    h.click(QStringLiteral("notes.TXT"));
    QTRY_COMPARE(h.msgBoxes.calls().size(), 1);
    QVERIFY(h.msgBoxes.allSeen());
    QCOMPARE(h.shownColour(), QColor(Qt::red));
    QVERIFY(!h.labelSize()->picture().isNull());
    QCOMPARE(h.pathCaption(), tree.path(QStringLiteral("notes.TXT")));
    QVERIFY(h.copy()->isEnabled());
    h.copy()->click();
    QCOMPARE(h.state.ViewerImagePath, tree.path(QStringLiteral("notes.TXT")));
}

void TestVisuIMG::folderChangeClearsTheChoice()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    QTRY_VERIFY(h.fileIndex(QStringLiteral("Logo.BMP")).isValid());
    h.click(QStringLiteral("Logo.BMP"));
    QTRY_VERIFY(!h.large()->picture().isNull());
    h.copy()->click();

    // The user opens the sub-folder in the tree.
    const QString sub = tree.path(QStringLiteral("Sous Dossier"));
    const QPersistentModelIndex programme = h.folders()->currentIndex();
    h.folders()->expand(programme);
    QTRY_COMPARE(h.folders()->model()->rowCount(programme), 2);
    const QPersistentModelIndex first = h.folders()->model()->index(0, 0, programme);
    QCOMPARE(first.data().toString(), QStringLiteral("Sous Dossier"));
    QTRY_VERIFY(h.folders()->visualRect(first).isValid());
    h.folders()->scrollTo(first);
    QTest::mouseClick(h.folders()->viewport(), Qt::LeftButton, {},
                      h.folders()->visualRect(first).center());
    QCOMPARE(h.folders()->folder(), sub);
    QCOMPARE(h.files()->folder(), sub);
    QVERIFY(h.large()->picture().isNull());
    QVERIFY(h.labelSize()->picture().isNull());
    QCOMPARE(h.pathCaption(), QString());
    QVERIFY(!h.copy()->isEnabled());
    QCOMPARE(h.state.ViewerImagePath, tree.path(QStringLiteral("Logo.BMP")));
    h.patterns()->setCurrentIndex(4); // *.gif
    QTRY_COMPARE(h.listed(), QStringList{QStringLiteral("autre.gif")});
}

void TestVisuIMG::fileLeavingTheFolderIsNoChoice()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    h.patterns()->setCurrentIndex(6); // *.*
    QTRY_COMPARE(h.listed().size(), 7);
    h.click(QStringLiteral("LISEZMOI"));
    QCOMPARE(h.pathCaption(), tree.path(QStringLiteral("LISEZMOI")));
    h.msgBoxes.expect(errorOf(UnsupportedPicture));
    QTRY_COMPARE(h.msgBoxes.calls().size(), 1);

    // Another program removes the chosen file: the list moves on, the choice does not.
    QVERIFY(QFile::remove(tree.path(QStringLiteral("LISEZMOI"))));
    QTRY_COMPARE(h.listed().size(), 6);
    QCOMPARE(h.pathCaption(), tree.path(QStringLiteral("LISEZMOI")));
    QVERIFY(h.large()->picture().isNull());
    QCOMPARE(h.msgBoxes.calls().size(), 1);
}

void TestVisuIMG::unreadableDriveGoesBack()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    const ViewerDrive real = realDriveOf(tree.appPath());
    const ViewerDrive gone{tree.dir.filePath(QStringLiteral("lecteur absent")),
                           QStringLiteral("DISQUETTE")};
    ViewerHarness h(tree.appPath(), [&] { return QList<ViewerDrive>{real, gone}; });
    QTRY_COMPARE(h.files()->folder(), tree.appPath());
    QCOMPARE(h.drives()->itemText(1), gone.rootPath + QStringLiteral("  [DISQUETTE]"));

    h.msgBoxes.expect(errorOf(DriveNotReady));
    h.drives()->setCurrentIndex(1);
    QTRY_COMPARE(h.msgBoxes.calls().size(), 1);
    QTRY_COMPARE(h.drives()->currentIndex(), 0);
    QCOMPARE(h.state.ViewerLastDrive, real.rootPath);
    // Back on the drive it came from, in the folder it showed.
    QCOMPARE(h.folders()->folder(), tree.appPath());
    QCOMPARE(h.files()->folder(), tree.appPath());
    QTRY_COMPARE(h.listed().size(), 3);
    QVERIFY(h.msgBoxes.allSeen());
}

void TestVisuIMG::unreadableLastDriveEndsOnTheRoot()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    // The program sits on a volume of its own, which goes away while the viewer is open.
    const QString volume = tree.dir.filePath(QStringLiteral("volume"));
    QVERIFY(QDir().mkpath(volume + QStringLiteral("/programme")));
    const QList<ViewerDrive> drives{
        {QStringLiteral("/"), QStringLiteral("racine")},
        {volume, QStringLiteral("CLE")},
        {tree.dir.filePath(QStringLiteral("absent")), QStringLiteral("CD")}};
    ViewerHarness h(volume + QStringLiteral("/programme"), [&] { return drives; });
    QTRY_COMPARE(h.files()->folder(), volume + QStringLiteral("/programme"));
    QCOMPARE(h.drives()->currentIndex(), 1);
    QCOMPARE(h.state.ViewerLastDrive, volume);
    QVERIFY(QDir(volume).removeRecursively());

    h.msgBoxes.expect(errorOf(DriveNotReady));
    h.drives()->setCurrentIndex(2);
    QTRY_COMPARE(h.files()->folder(), QStringLiteral("/"));
    QCOMPARE(h.drives()->currentIndex(), 0);
    QCOMPARE(h.state.ViewerLastDrive, QStringLiteral("/"));
    QCOMPARE(h.folders()->folder(), QStringLiteral("/"));
    // Said once, for the drive the user chose, and never again.
    QCOMPARE(h.msgBoxes.calls().size(), 1);
    QVERIFY(h.msgBoxes.allSeen());
}

namespace {

// Runs steps inside the viewer that the main window is about to show modally, then closes
// it the way the user does, whatever happened inside.
void insideTheViewer(const std::function<void(VisuIMG &viewer)> &steps)
{
    QTimer::singleShot(0, [steps] {
        auto *viewer = qobject_cast<VisuIMG *>(QApplication::activeModalWidget());
        if (!viewer) {
            QFAIL("The image viewer is not the modal window");
            return;
        }
        steps(*viewer);
        viewer->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
}

} // namespace

void TestVisuIMG::copyPasteSave_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("Visualiser les images button") << QStringLiteral("Command8");
    QTest::newRow("toolbar button 11") << QStringLiteral("toolbar 11");
}

void TestVisuIMG::copyPasteSave()
{
    QFETCH(QString, entry);
    PictureTree tree;
    QVERIFY(tree.ok);
    Form1Harness main(QString(), tree.appPath());
    main.form->show();
    const auto openViewer = [&] {
        if (entry == QLatin1String("Command8"))
            main.button("Command8")->click();
        else
            main.toolbarEntry(11)->trigger();
    };
    QVERIFY(!main.button("Command10")->isEnabled());
    const QString picture = tree.path(QStringLiteral("Logo.BMP"));

    bool copied = false;
    insideTheViewer([&](VisuIMG &viewer) {
        auto *files = viewer.findChild<FileList *>(QStringLiteral("File1"));
        QTRY_COMPARE(files->folder(), tree.appPath());
        QTRY_VERIFY(files->names().contains(QStringLiteral("Logo.BMP")));
        files->setCurrentIndex(files->model()->index(
            int(files->names().indexOf(QStringLiteral("Logo.BMP"))), 0, files->rootIndex()));
        viewer.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        copied = true;
    });
    openViewer();
    QVERIFY(copied);
    QCOMPARE(main.state.ViewerImagePath, picture);
    QVERIFY(main.button("Command10")->isEnabled());

    // Each opening starts afresh in the program's folder; the path put aside stays.
    bool fresh = false;
    insideTheViewer([&](VisuIMG &viewer) {
        QTRY_COMPARE(viewer.findChild<FileList *>(QStringLiteral("File1"))->folder(),
                     tree.appPath());
        QVERIFY(!viewer.findChild<QPushButton *>(QStringLiteral("Command2"))->isEnabled());
        QCOMPARE(viewer.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QString());
        QVERIFY(viewer.findChild<PictureBox *>(QStringLiteral("Open"))->picture().isNull());
        fresh = true;
    });
    openViewer();
    QVERIFY(fresh);
    QCOMPARE(main.state.ViewerImagePath, picture);

    main.button("Command10")->click();
    QCOMPARE(main.state.IconPath, picture);
    QCOMPARE(main.state.IconFile, picture);
    QCOMPARE(main.form->picture().image().pixelColor(0, 0), QColor(Qt::red));

    const QString saved = tree.dir.filePath(QStringLiteral("etiquette.eti"));
    main.dialogs->answerNext(saved);
    main.action("Mnu_EnregistrerSous")->trigger();
    const std::optional<LabelFile::Content> written = LabelFile::read(saved, main.form->zones());
    QVERIFY(written);
    QCOMPARE(written->iconEntry, picture);
    QVERIFY(main.msgBoxes.calls().isEmpty());
}

void TestVisuIMG::quitClosesAndKeepsThePath()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    h.state.ViewerImagePath = QStringLiteral("/gardé.bmp");
    QVERIFY(h.viewer->isVisible());
    h.quit()->click();
    QVERIFY(!h.viewer->isVisible());
    QCOMPARE(h.viewer->result(), int(QDialog::Rejected));
    QCOMPARE(h.state.ViewerImagePath, QStringLiteral("/gardé.bmp"));
}

void TestVisuIMG::everyControlIsNamed()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    QTRY_COMPARE(h.listed().size(), 3);
    QCOMPARE(Accessibility::namelessControls(h.viewer.get()), QStringList());
    const QStringList names = Accessibility::controlNames(h.viewer.get());
    for (const QString &name : {QStringLiteral("Dossier"), QStringLiteral("Sélection"),
                                QStringLiteral("Copier"), QStringLiteral("Quitter")})
        QVERIFY2(names.contains(name), qPrintable(names.join(QLatin1String(", "))));
}

void TestVisuIMG::tabOrder()
{
    PictureTree tree;
    QVERIFY(tree.ok);
    ViewerHarness h(tree.appPath(),
                    [&] { return QList<ViewerDrive>{realDriveOf(tree.appPath())}; });
    QStringList order;
    QWidget *widget = h.drives();
    for (int step = 0; step < 6; ++step) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy());
    }
    QCOMPARE(order, QStringList({QStringLiteral("Drive1"), QStringLiteral("Dir1"),
                                 QStringLiteral("File1"), QStringLiteral("Command1"),
                                 QStringLiteral("Combo1"), QStringLiteral("Command2")}));
}

void TestVisuIMG::machineDrives()
{
    const QList<ViewerDrive> drives = ViewerDrives::mounted();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first().rootPath, QStringLiteral("/"));
    for (const ViewerDrive &drive : drives) {
        const QStorageInfo volume(drive.rootPath);
        QVERIFY2(QFileInfo(drive.rootPath).isDir(), qPrintable(drive.rootPath));
        QVERIFY2(!drive.rootPath.startsWith(QLatin1String("/proc")) &&
                     !drive.rootPath.startsWith(QLatin1String("/sys")) &&
                     volume.fileSystemType() != "tmpfs" && volume.fileSystemType() != "devtmpfs",
                 qPrintable(drive.rootPath));
    }
    QCOMPARE(ViewerDrives::indexHolding(drives, QDir::tempPath()) >= 0, true);
}

void TestVisuIMG::folderListing_data()
{
    QTest::addColumn<int>("count"); // files named "vue<n>.bmp", n from 1
    QTest::addColumn<int>("firstCount");
    QTest::newRow("fewer than the first batch") << 12 << 12;
    QTest::newRow("more than the first batch")
        << FolderListing::FirstBatch + 50 << FolderListing::FirstBatch;
}

void TestVisuIMG::folderListing()
{
    QFETCH(int, count);
    QFETCH(int, firstCount);
    QTemporaryDir dir;
    QStringList expected;
    for (int n = 1; n <= count; ++n) {
        // Capitals on some: the order ignores case and reads numbers by value.
        const QString name =
            (n % 3 ? QStringLiteral("vue%1.bmp") : QStringLiteral("VUE%1.BMP")).arg(n);
        QVERIFY(writeBytes(dir.filePath(name), "x"));
        expected.append(name);
    }
    QVERIFY(writeBytes(dir.filePath(QStringLiteral(".cachee")), "x"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier")));

    QFuture<QStringList> listing = FolderListing::start(dir.path());
    listing.waitForFinished();
    QCOMPARE(listing.resultCount(), 2);
    const QStringList first = listing.resultAt(0);
    QCOMPARE(first.size(), firstCount);
    for (const QString &name : first)
        QVERIFY2(expected.contains(name), qPrintable(name));
    QCOMPARE(listing.resultAt(1), expected);
}

void TestVisuIMG::shownPictureFitsItsBox_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QSize>("shownSize");
    const QSize box(241, 241);
    QTest::newRow("photograph shrunk to the box") << QSize(2400, 1600) << box;
    QTest::newRow("tall picture shrunk, stretched") << QSize(100, 900) << box;
    QTest::newRow("icon left as it is") << QSize(32, 32) << QSize(32, 32);
    QTest::newRow("exactly the box") << box << box;
}

void TestVisuIMG::shownPictureFitsItsBox()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QSize, shownSize);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.png"));
    QVERIFY(filled(Qt::magenta, pictureSize).save(path));
    const std::optional<Picture> shown = ShownPicture::load(path, QSize(241, 241));
    QVERIFY(shown);
    QCOMPARE(shown->image().size(), shownSize);
    QCOMPARE(shown->image().pixelColor(shownSize.width() / 2, shownSize.height() / 2),
             QColor(Qt::magenta));
    QVERIFY(!ShownPicture::load(dir.filePath(QStringLiteral("absent.png")), QSize(241, 241)));
}

QTEST_MAIN(TestVisuIMG)
#include "tst_visuimg.moc"
