// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The label's picture in the main window: loading, removing, pasting, and how it is shown.
#include "DocumentQuestions.h"
#include "MainWindowHarness.h"
#include "TestFiles.h"

#include "windows/shared/PictureBox.h"

#include <QImage>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString PictureFilter = QStringLiteral(
    "Toutes les images|*.ico;*.cur;*.bmp;*.wmf;*.gif;*.jpg;*.jpeg;*.png;*.svg|"
    "Fichiers Icone               (*.ICO)|*.ico|Fichiers curseurs           (*.CUR)|*.cur|"
    "Image en mode point    (*.BMP)|*.bmp|Métafichiers Windows  (*.WMF)|*.wmf|"
    "Fichier image                (*.GIF)|*.gif|Fichier image                (*.JPG)|*.jpg|"
    "Fichier image                (*.PNG)|*.png|Fichier image                (*.SVG)|*.svg");

QString writeImage(const QTemporaryDir &folder, const QString &name, const QImage &image)
{
    const QString path = folder.filePath(name);
    return image.save(path) ? path : QString();
}

QString writeFilled(const QTemporaryDir &folder, const QString &name, QColor color)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(color);
    return writeImage(folder, name, image);
}

} // namespace

enum class IconAction
{
    Load,
    DoubleClick, // on the picture box: the same dialog as the button
    Remove,
    Paste
};
Q_DECLARE_METATYPE(IconAction)

class TestMainWindowIcon : public QObject
{
    Q_OBJECT

private slots:
    void iconDialog()
    {
        QTemporaryDir programFolder; // a folder of the user's, as a build folder
        MainWindowHarness h(QString(), programFolder.path());
        h.runAnswering("pictureButton", ScriptedDialogs::Cancel{});
        h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::OK);
        h.action("newAction")->trigger();
        h.runAnswering("pictureButton", ScriptedDialogs::Cancel{});
        QCOMPARE(h.dialogs->shown().size(), 2);
        for (const ScriptedDialogs::Shown &shown : h.dialogs->shown()) {
            QCOMPARE(shown.kind, ScriptedDialogs::Kind::Open);
            QCOMPARE(shown.title, u"Ouvrir un icone"_s);
            QCOMPARE(shown.filter, PictureFilter);
            QCOMPARE(shown.initDir, QDir::currentPath());
        }
        QCOMPARE(PictureFilter.size(), 402);
        QCOMPARE(h.dialogs->shown().at(0).fileName, QString());
        // After New the label has no picture: the dialog proposes no name.
        QCOMPARE(h.dialogs->shown().at(1).fileName, QString());
    }

    // The picture shown before the action is blue, from before.png; the new one is red.
    void iconActions_data()
    {
        QTest::addColumn<IconAction>("action");
        // The file answered or pasted: new.png, text.txt, "" (cancel or nothing).
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("iconFile"); // expected; "before" for before.png
        QTest::addColumn<QString>("shown");    // "before", "new" or "" for none
        QTest::addColumn<bool>("unsupported"); // "Format d'image non supporté !" shown
        const QString png = u"new.png"_s;
        const QString text = u"text.txt"_s;
        const QString before = u"before"_s;
        QTest::newRow("load, file loaded") << IconAction::Load << png << png << u"new"_s << false;
        QTest::newRow("load, file cannot be loaded")
            << IconAction::Load << text << before << before << true;
        QTest::newRow("load, dialog cancelled")
            << IconAction::Load << QString() << before << before << false;
        QTest::newRow("double-click, file loaded")
            << IconAction::DoubleClick << png << png << u"new"_s << false;
        QTest::newRow("Pas d'icone")
            << IconAction::Remove << QString() << QString() << QString() << false;
        QTest::newRow("paste, picture loaded")
            << IconAction::Paste << png << png << u"new"_s << false;
        QTest::newRow("paste, picture cannot be loaded")
            << IconAction::Paste << text << before << before << true;
        QTest::newRow("paste, nothing put aside")
            << IconAction::Paste << QString() << before << before << false;
    }

    void iconActions()
    {
        QFETCH(IconAction, action);
        QFETCH(QString, chosen);
        QFETCH(QString, iconFile);
        QFETCH(QString, shown);
        QFETCH(bool, unsupported);
        QTemporaryDir folder;
        const auto pathOf = [&](const QString &name) {
            return name.isEmpty() || name == "AUCUN"_L1 ? name
                   : name == "before"_L1                ? folder.filePath(u"before.png"_s)
                                                        : folder.filePath(name);
        };
        QVERIFY(!writeFilled(folder, u"before.png"_s, Qt::blue).isEmpty());
        QVERIFY(!writeFilled(folder, u"new.png"_s, Qt::red).isEmpty());
        QVERIFY(writeBytes(folder.filePath(u"text.txt"_s), "du texte, pas une image"));
        MainWindowHarness h;
        h.runAnswering("pictureButton", pathOf(u"before"_s));
        QCOMPARE(h.form->document().picture.path, pathOf(u"before"_s));
        if (unsupported)
            h.msgBoxes.expect(errorBox(u"Format d'image non supporté !"_s));
        switch (action) {
        case IconAction::Load:
            h.runAnswering("pictureButton", chosen.isEmpty()
                                                ? ScriptedDialogs::Answer(ScriptedDialogs::Cancel{})
                                                : ScriptedDialogs::Answer(pathOf(chosen)));
            break;
        case IconAction::DoubleClick:
            h.dialogs->answerNext(pathOf(chosen));
            QTest::mouseDClick(h.find<PictureBox>("pictureBox"), Qt::LeftButton);
            h.settle();
            QCOMPARE(h.dialogs->shown().size(), 2);
            QCOMPARE(h.dialogs->shown().last().title, u"Ouvrir un icone"_s);
            break;
        case IconAction::Remove:
            h.button("clearPictureButton")->click();
            break;
        case IconAction::Paste:
            h.form->enablePastePicture();
            h.state.viewer.copiedPicture = pathOf(chosen);
            h.button("pastePictureButton")->click();
            h.settle();
            QCOMPARE(h.state.viewer.copiedPicture, pathOf(chosen));
            break;
        }
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.form->document().picture.path, pathOf(iconFile));
        if (shown.isEmpty())
            QVERIFY(h.form->document().picture.decoded.isNull());
        else
            QCOMPARE(h.form->document().picture.decoded.image().pixelColor(0, 0),
                     shown == "new"_L1 ? QColor(Qt::red) : QColor(Qt::blue));
        // The window started with no picture.
        QCOMPARE(h.form->isModified(), !iconFile.isEmpty());
        // The picture dialog proposes the label's picture, not the last file tried.
        h.runAnswering("pictureButton", ScriptedDialogs::Cancel{});
        QCOMPARE(h.dialogs->shown().last().fileName, pathOf(iconFile));
    }

    void pasteStartsDisabled()
    {
        MainWindowHarness h;
        QVERIFY(!h.button("pastePictureButton")->isEnabled());
        h.form->enablePastePicture();
        QVERIFY(h.button("pastePictureButton")->isEnabled());
    }

    // The picture area is a 13 mm square at print size; a wide picture fills it, distorted.
    void pictureFillsItsSquareStretched()
    {
        QTemporaryDir folder;
        QImage wide(40, 10, QImage::Format_RGB32);
        wide.fill(Qt::red);
        for (int y = 0; y < wide.height(); ++y) {
            for (int x = wide.width() / 2; x < wide.width(); ++x)
                wide.setPixelColor(x, y, Qt::blue);
        }
        MainWindowHarness h;
        h.runAnswering("pictureButton", writeImage(folder, u"large.png"_s, wide));
        auto *box = h.find<PictureBox>("pictureBox");
        const int side = qRound(13.0 * box->logicalDpiX() / 25.4);
        QCOMPARE(box->size(), QSize(side, side));
        const QImage shown = box->grab().toImage();
        const int edge = shown.width() - 2;
        QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(1, edge), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(edge, 1), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(edge, edge), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestMainWindowIcon)
#include "tst_mainwindow_picture.moc"
