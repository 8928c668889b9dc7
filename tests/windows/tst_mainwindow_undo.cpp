// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DocumentQuestions.h"
#include "MainWindowHarness.h"

#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "windows/shared/PictureBox.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

using Edit = std::function<void(MainWindowHarness &)>;

QString picturePath(const char *name)
{
    return QFINDTESTDATA(u"../platform/data/"_s + QLatin1String(name));
}

void dropPicture(MainWindowHarness &h, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    auto *box = h.form->findChild<PictureBox *>(u"pictureBox"_s);
    const QPoint spot = box->mapTo(h.form.get(), box->rect().center());
    QDragEnterEvent enter(spot, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.form.get(), &enter);
    QDropEvent drop(spot, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.form.get(), &drop);
    QCoreApplication::sendPostedEvents(h.form.get(), QEvent::MetaCall);
    h.settle();
}

// A sheet of ten labels as the window would print it now, at 4 dots a millimetre.
QImage printedSheet(MainWindowHarness &h)
{
    QImage sheet(QSize(840, 1188), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    PainterSurface surface(painter, 4, QPointF());
    LabelPrinting::drawPrintPage(surface, PrintRequest(), *h.form->printedArtwork());
    return sheet;
}

// What the window shows of the document: the zone displays' texts and the picture.
QStringList shown(const MainWindowHarness &h)
{
    QStringList texts;
    for (int zone = 1; zone <= 3; ++zone)
        texts.append(h.zoneDisplay(zone)->accessibleDescription());
    const bool pictureShown = !h.form->findChild<PictureBox *>(u"pictureBox"_s)->picture().isNull();
    return texts << h.text1()->text() << (pictureShown ? u"picture"_s : u"none"_s);
}

} // namespace

class TestMainWindowUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each kind of change, made on an opened label with a picture, is one step: undone, the
    // label is as opened and unmodified; redone, it is changed and modified again.
    void everyChangeUndoesAndRedoes_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("undoText");
        const auto row = [](const char *name, const char *undoText, const Edit &edit) {
            QTest::newRow(name) << edit << QString::fromUtf8(undoText);
        };
        row("typing", "&Annuler la saisie", [](MainWindowHarness &h) { h.keys(u" II"_s); });
        row("font", "&Annuler la police", [](MainWindowHarness &h) {
            h.runAnswering("fontButton", FontChoice{u"Liberation Serif"_s, 12, true});
        });
        row("colour", "&Annuler la couleur",
            [](MainWindowHarness &h) { h.runAnswering("colorButton", ColorValue(255)); });
        row("alignment", "&Annuler l'alignement",
            [](MainWindowHarness &h) { h.alignmentOption(2)->click(); });
        row("picture chosen", "&Annuler l'image",
            [](MainWindowHarness &h) { h.runAnswering("pictureButton", picturePath("quad.gif")); });
        row("picture cleared", "&Annuler l'effacement de l'image",
            [](MainWindowHarness &h) { h.button("clearPictureButton")->click(); });
        row("picture pasted", "&Annuler l'image", [](MainWindowHarness &h) {
            h.state.viewer.copiedPicture = picturePath("quad.jpg");
            h.form->enablePastePicture();
            h.button("pastePictureButton")->click();
            h.settle();
        });
        row("picture dropped", "&Annuler l'image",
            [](MainWindowHarness &h) { dropPicture(h, picturePath("shapes-inkscape.wmf")); });
    }

    void everyChangeUndoesAndRedoes()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, undoText);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"jeu.eti"_s);
        MainWindowHarness h;
        h.keys(u"Turrican"_s);
        h.runAnswering("pictureButton", picturePath("quad.png"));
        h.runAnswering("saveAsAction", path);
        h.runAnswering("openAction", path);
        const LabelDocument opened = h.form->document();
        const QStringList openedShown = shown(h);
        const QImage openedSheet = printedSheet(h);
        QVERIFY(!h.action("undoAction")->isEnabled());

        edit(h);
        const LabelDocument changed = h.form->document();
        const QStringList changedShown = shown(h);
        QVERIFY(changed != opened || !changed.picture.decoded.isSameAs(opened.picture.decoded));
        QVERIFY(h.form->isWindowModified());
        QCOMPARE(h.action("undoAction")->text(), undoText);

        h.action("undoAction")->trigger();
        QTRY_COMPARE(shown(h), openedShown);
        QVERIFY(h.form->document() == opened);
        QVERIFY(h.form->document().picture.decoded.isSameAs(opened.picture.decoded));
        QVERIFY(!h.form->isModified());
        QVERIFY(!h.form->isWindowModified());
        QVERIFY(!h.recovery()->isWritePending());
        QCOMPARE(printedSheet(h), openedSheet);

        h.action("redoAction")->trigger();
        QTRY_COMPARE(shown(h), changedShown);
        QVERIFY(h.form->document() == changed);
        QVERIFY(h.form->isWindowModified());
        QVERIFY(h.msgBoxes.allSeen());
    }

    // Typing is one step while the user types on in one zone; a pause of a second or a move
    // to another zone starts the next. The keys of the edit box undo the label's steps.
    void typingStepsAndTheirKeys()
    {
        MainWindowHarness h;
        h.form->show();
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        h.keys(u"Lemmings"_s);
        QTest::qWait(1100);
        h.keys(u" 2"_s);
        h.clickZone(2);
        h.keys(u"Psygnosis"_s);

        const auto key = [&h](Qt::KeyboardModifiers modifiers, Qt::Key letter) {
            QTest::keyClick(h.text1(), letter, modifiers);
            return QStringList{h.zone(1).text, h.zone(2).text};
        };
        QCOMPARE(key(Qt::ControlModifier, Qt::Key_Z), (QStringList{u"Lemmings 2"_s, QString()}));
        QCOMPARE(key(Qt::ControlModifier, Qt::Key_Z), (QStringList{u"Lemmings"_s, QString()}));
        QCOMPARE(key(Qt::ControlModifier, Qt::Key_Z), (QStringList{QString(), QString()}));
        QVERIFY(!h.form->isModified());
        QCOMPARE(key(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z),
                 (QStringList{u"Lemmings"_s, QString()}));
        QCOMPARE(key(Qt::ControlModifier, Qt::Key_Y), (QStringList{u"Lemmings 2"_s, QString()}));
        QCOMPARE(h.action("redoAction")->text(), u"&Rétablir la saisie"_s);
    }

    // A new label starts a fresh history, and the title carries the modified mark only while
    // the label differs from the one started.
    void newLabelForgetsTheHistory()
    {
        MainWindowHarness h;
        h.keys(u"x"_s);
        QVERIFY(h.form->isWindowModified());
        QCOMPARE(h.form->windowTitle(), u"Création d'étiquette pour disquette 3\"1/2[*]"_s);
        h.msgBoxes.expect(leaveQuestion(QString()), MsgBoxResult::No);
        h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::OK);
        h.action("newAction")->trigger();
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!h.action("undoAction")->isEnabled());
        QVERIFY(!h.form->isWindowModified());
    }
};

QTEST_MAIN(TestMainWindowUndo)
#include "tst_mainwindow_undo.moc"
