// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels and pictures are read off the window's thread: the window answers meanwhile, under
// the busy pointer, and the document changes only once the whole has been read.
#include "MainWindowHarness.h"
#include "PoolHold.h"

#include "label/LabelFile.h"

#include <QImage>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

struct Files
{
    Files()
    {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        LabelDocument document{LabelDocument::startUp().zones, {picture, {}}};
        document.zones[ZoneId::First].text = u"Sauvegarde"_s;
        ok = image.save(picture) && LabelFile::save(label, document);
    }

    QTemporaryDir folder;
    QString picture = folder.filePath(u"logo.png"_s);
    QString label = folder.filePath(u"lot.eti"_s);
    bool ok = false;
};

} // namespace

class TestMainWindowReads : public QObject
{
    Q_OBJECT

private slots:
    void documentChangesOnceRead_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Ouvrir") << u"openAction"_s;
        QTest::newRow("Logo Icone") << u"pictureButton"_s;
        QTest::newRow("Coller l'image") << u"pastePictureButton"_s;
    }

    void documentChangesOnceRead()
    {
        QFETCH(QString, command);
        Files files;
        QVERIFY(files.ok);
        MainWindowHarness h;
        h.form->show();
        const bool opened = command == "openAction"_L1;
        // Typed edits would have Open ask about them first.
        if (!opened)
            h.keys(u"avant"_s);
        h.state.viewer.copiedPicture = files.picture;
        h.form->enablePastePicture();
        h.dialogs->answerNext(opened ? files.label : files.picture);
        const LabelZones zonesBefore = h.form->document().zones;
        {
            PoolHold hold;
            h.runEntry(command);
            QVERIFY(h.form->isReadingDocument());
            QVERIFY(eventsAreProcessed(h.form.get()));
            // The busy pointer waits a moment, so that quick reads do not flicker.
            QTRY_VERIFY(QGuiApplication::overrideCursor());
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
            for (const char *waiting : {"openAction", "newAction", "pictureAction"})
                QVERIFY2(!h.action(waiting)->isEnabled(), waiting);
            QVERIFY(!h.button("pastePictureButton")->isEnabled());
            QCOMPARE(h.form->document().zones, zonesBefore);
            QVERIFY(h.form->document().picture.decoded.isNull());
            QCOMPARE(h.form->document().picture.path, QString());
            QCOMPARE(h.state.label.fileName, QString());
            QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
        }
        h.settle();
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(h.button("pastePictureButton")->isEnabled());
        QCOMPARE(h.form->document().picture.decoded.image().pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(h.form->document().picture.path, files.picture);
        QCOMPARE(h.zone(1).text, opened ? u"Sauvegarde"_s : u"avant"_s);
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), opened ? u"LOT.ETI"_s : u"SANS NOM"_s);
        QVERIFY(h.msgBoxes.allSeen());
    }

    // A read stuck for good (a volume that went away) is given up and reported: the commands
    // come back, and what it reads when it ends at last is dropped.
    void readThatNeverEndsIsGivenUp_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("Ouvrir") << u"openAction"_s << u"Erreur d'ouverture du fichier"_s;
        QTest::newRow("Logo Icone") << u"pictureButton"_s << u"Format d'image non supporté !"_s;
    }

    void readThatNeverEndsIsGivenUp()
    {
        QFETCH(QString, command);
        QFETCH(QString, message);
        Files files;
        QVERIFY(files.ok);
        MainWindowHarness h;
        h.form->show();
        h.dialogs->answerNext(command == "openAction"_L1 ? files.label : files.picture);
        PoolHold hold;
        h.msgBoxes.expect(errorBox(message));
        h.runEntry(command);
        QVERIFY(h.form->isReadingDocument());
        QTRY_VERIFY_WITH_TIMEOUT(!h.form->isReadingDocument(), 15000);
        QVERIFY(h.msgBoxes.allSeen());
        for (const char *entry : {"openAction", "newAction", "pictureAction"})
            QVERIFY2(h.action(entry)->isEnabled(), entry);
        hold.release();
        h.settle();
        QVERIFY(h.form->document().picture.decoded.isNull());
        QCOMPARE(h.form->document().zones, LabelDocument::startUp().zones);
        QCOMPARE(h.state.label.fileName, QString());
    }

    // Until the label named on the command line is read, the window is there, untitled: a
    // Save meanwhile could not write over the file.
    void windowAnswersWhileItsLabelIsRead()
    {
        Files files;
        QVERIFY(files.ok);
        MsgBoxRecorder msgBoxes;
        ProgramSession state(
            ProgramStart::from(u"/opt/korvalin"_s, files.label, QDir::currentPath()));
        Printer printer;
        PoolHold hold;
        MainWindow form(state, printer);
        form.show();
        QVERIFY(eventsAreProcessed(&form));
        QVERIFY(form.isReadingDocument());
        QCOMPARE(form.document().zones, LabelDocument::startUp().zones);
        QCOMPARE(state.label.fileName, QString());
        QCOMPARE(state.print.run.startPosition, 0);

        QSignalSpy read(&form, &MainWindow::documentRead);
        hold.release();
        QVERIFY(read.wait());
        QCOMPARE(form.document().zones[ZoneId::First].text, u"Sauvegarde"_s);
        QCOMPARE(state.label.fileName, files.label);
        QCOMPARE(form.document().picture.decoded.image().pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(msgBoxes.allSeen());
    }
};

QTEST_MAIN(TestMainWindowReads)
#include "tst_mainwindow_reads.moc"
