// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print command of the main window, through the print settings window, to the pages
// that a private CUPS scheduler writes.
#include "CupsScheduler.h"
#include "PdfText.h"
#include "PrintCommandHarness.h"

#include "print/MarkedSheet.h"
#include "print/PrintSettingsFile.h"
#include "windows/preview/PreviewDialog.h"
#include "windows/preview/SheetPageView.h"
#include "windows/preview/SheetPreviewDialog.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

void pressPrint(PrintSettingsDialog &window)
{
    in<QAbstractButton>(window, "printLabelsButton")->click();
}

MsgBoxCall singleLabelQuestion(int position)
{
    return {u"Confirmer l'impression de l'étiquette N°  %1"_s.arg(position), MsgBoxButtons::YesNo,
            MsgBoxIcon::Question, u"Impression de l'étiquette N°  %1"_s.arg(position),
            MsgBoxDefault::First};
}

// The words of the page and where they are, one per line, to compare two pages.
QString pageWords(const QString &pdf)
{
    const QList<PdfTextPage> pages = readPdfText(pdf);
    QStringList lines{QString::number(pages.size())};
    for (const PdfTextPage &page : pages) {
        for (const PdfWord &w : page.words)
            lines.append(
                u"%1 %2 %3"_s.arg(w.text).arg(w.box.left(), 0, 'f', 1).arg(w.box.top(), 0, 'f', 1));
    }
    return lines.join(QLatin1Char('\n'));
}

// Where the page's white shows in a grab of the whole-sheet preview.
QRect whiteArea(const QImage &shot)
{
    QRect white;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (qGray(shot.pixel(x, y)) == 255)
                white |= QRect(x, y, 1, 1);
        }
    }
    return white;
}

} // namespace

class TestMainWindowPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        const bool ready = !m_cups.addPdfQueue(Queue).isEmpty() &&
                           !m_cups.addPdfQueue(u"Refuse"_s).isEmpty() &&
                           !m_cups.addPdfQueue(u"Paysage"_s).isEmpty() &&
                           m_cups.setDefaultOrientation(u"Paysage"_s, 4) &&
                           m_cups.rejectJobs(u"Refuse"_s) && m_cups.setDefault(Queue);
        QVERIFY2(ready, qPrintable(m_cups.errorString()));
    }

    void numberedRunAsTheCommandLinePrintsIt()
    {
        const QString label = writeLabel(u"serie.eti"_s, u"Archives"_s);
        MainWindowHarness h(label, u"/opt/korvalin"_s, Printer(Queue));
        // A label named at start-up asks for the start.
        QCOMPARE(h.state.print.run.startPosition, 0);
        h.msgBoxes.expect(pastSheetEndWarning(" 8", " 3"));
        h.msgBoxes.expect(runQuestion(4, 3, true), MsgBoxResult::Yes);
        const bool shown = printCommand(h, [](PrintSettingsDialog &window) {
            typeInto(in<QLineEdit>(window, "startPositionEdit"), u"3"_s);
            typeInto(in<QLineEdit>(window, "copyCountEdit"), u"4"_s);
            in<QAbstractButton>(window, "autoNumberingCheck")->click();
            typeInto(in<QLineEdit>(window, "firstDiskNumberEdit"), u"9"_s);
            in<QAbstractButton>(window, "numberOfTotalStyleOption")->click();
            pressPrint(window);
        });
        QVERIFY(shown);
        // Submitted, not yet answered: the window is free and shows that it waits.
        QVERIFY(!h.action("printAction")->isEnabled());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_VERIFY_WITH_TIMEOUT(h.action("printAction")->isEnabled(), JobTimeoutMs);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.state.print.run.nextDiskNumber, 13);
        const QString fromWindow = pageWords(m_cups.waitForOutput(Queue));
        QVERIFY(fromWindow.contains(u"9/4"_s) && fromWindow.contains(u"12/4"_s));
        QCOMPARE(fromWindow,
                 commandLinePage(u"--start 3 --count 4 --number 9 --style X/X"_s, label));
        // The next run numbers on from there.
        QString nextNumber;
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            nextNumber = in<QLineEdit>(window, "firstDiskNumberEdit")->text();
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QCOMPARE(nextNumber, u"13"_s);
        // The sheet in that printer has those positions used; PDF files have their own.
        QCOMPARE(MarkedSheet::inPrinter(Queue).remembered().positions(), (QList<int>{3, 4, 5, 6}));
        QVERIFY(MarkedSheet::ofPdfFiles().remembered().isEmpty());
    }

    void singleLabelAsTheCommandLinePrintsIt()
    {
        const QString label = writeLabel(u"une.eti"_s, u"Photos\r\n2026"_s);
        MainWindowHarness h(label, u"/opt/korvalin"_s, Printer(Queue));
        h.msgBoxes.expect(singleLabelQuestion(7), MsgBoxResult::Yes);
        QVERIFY(printCommand(h, [](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "singleLabelOption")->click();
            QTest::mouseClick(in<SheetTile>(window, "positionTile7"), Qt::LeftButton);
            pressPrint(window);
        }));
        QTRY_VERIFY_WITH_TIMEOUT(h.action("printAction")->isEnabled(), JobTimeoutMs);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.state.print.run.nextDiskNumber, 1);
        const QString fromWindow = pageWords(m_cups.waitForOutput(Queue));
        QVERIFY(fromWindow.contains(u"Photos"_s));
        QCOMPARE(fromWindow, commandLinePage(u"--position 7"_s, label));
    }

    void confirmation_data()
    {
        QTest::addColumn<int>("singleMode");
        QTest::addColumn<bool>("numbered");
        QTest::addColumn<bool>("windowClosed"); // through its frame rather than printed
        QTest::newRow("run") << 0 << false << false;
        QTest::newRow("numbered run") << 0 << true << false;
        QTest::newRow("single label") << 1 << false << false;
        QTest::newRow("window closed, still asked") << 0 << false << true;
    }

    // Answered No: nothing is printed and the disk number stays.
    void confirmation()
    {
        QFETCH(int, singleMode);
        QFETCH(bool, numbered);
        QFETCH(bool, windowClosed);
        MainWindowHarness h{Printer(Queue)};
        h.state.print.run.mode = PrintMode(singleMode);
        h.state.print.run.singlePosition = 10;
        h.state.print.numberingTicked = numbered;
        const int jobsBefore = jobCount();
        h.msgBoxes.expect(singleMode ? singleLabelQuestion(10) : runQuestion(10, 1, numbered),
                          MsgBoxResult::No);
        QVERIFY(windowClosed ? printCommand(h, [](PrintSettingsDialog &window) { window.close(); })
                             : printCommand(h, pressPrint));
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(h.action("printAction")->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(h.state.print.run.nextDiskNumber, 1);
        QVERIFY(m_cups.waitUntilIdle());
        QCOMPARE(jobCount(), jobsBefore);
    }

    void cancelAsksNothing()
    {
        MainWindowHarness h{Printer(Queue)};
        QVERIFY(printCommand(h, [](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "autoNumberingCheck")->click();
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!h.state.print.run.autoNumbering);
        // The window was unloaded; the next one is built from the state again.
        bool ticked = false;
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            ticked = in<QCheckBox>(window, "autoNumberingCheck")->isChecked();
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QVERIFY(ticked);
    }

    void settingsWindowBuiltByItsCommand_data()
    {
        QTest::addColumn<bool>("labelNamed");
        QTest::addColumn<QString>("startLabel");
        QTest::newRow("untitled") << false << u"1"_s;
        QTest::newRow("label named at start-up") << true << u"0"_s;
    }

    // Nothing of the print settings window exists before its command; the state already
    // holds what it shows, as when it was built hidden at start-up.
    void settingsWindowBuiltByItsCommand()
    {
        QFETCH(bool, labelNamed);
        QFETCH(QString, startLabel);
        MainWindowHarness h(labelNamed ? writeLabel(u"plus-tard.eti"_s, u"Lot"_s) : QString());
        QVERIFY(h.form->findChildren<PrintSettingsDialog *>().isEmpty());
        const QString title = u"Paramétrage de l'impression DEFAUT"_s;
        QCOMPARE(h.state.print.settings.loadedName, QString());
        QStringList shown;
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            shown << window.windowTitle();
            for (const char *box :
                 {"leftMarginEdit", "topMarginEdit", "rowGapEdit", "columnGapEdit", "copyCountEdit",
                  "startPositionEdit", "firstDiskNumberEdit"})
                shown << in<QLineEdit>(window, box)->text();
            for (const char *box : {"frameCheck", "cutOutlineCheck"})
                shown << QString::number(in<QCheckBox>(window, box)->isChecked());
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QCOMPARE(shown, (QStringList{title, u"10"_s, u"4"_s, u"4"_s, u"10"_s, u"10"_s, startLabel,
                                     u"1"_s, u"1"_s, u"1"_s}));
        QVERIFY(h.form->findChildren<PrintSettingsDialog *>().isEmpty());
    }

    void failedJobPrintsNothing_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("columnGap"); // typed in the settings window; empty: none
        QTest::addColumn<QString>("error");
        const QString printerError = u"Erreur sur l'imprimante !"_s;
        QTest::newRow("queue refusing jobs") << u"Refuse"_s << QString() << printerError;
        QTest::newRow("queue that does not exist") << u"Absente"_s << QString() << printerError;
        // Rather than a blank page: the first label of the second column is named.
        QTest::newRow("labels past the printable area")
            << Queue << u"725"_s
            << u"L'étiquette N° 2 sort de la zone imprimable de la page !\r"
               u"Séparateur horizontal : 725 mm"_s;
    }

    void failedJobPrintsNothing()
    {
        QFETCH(QString, queue);
        QFETCH(QString, columnGap);
        QFETCH(QString, error);
        MainWindowHarness h{Printer(queue)};
        h.state.print.numberingTicked = true;
        const int jobsBefore = jobCount();
        h.msgBoxes.expect(runQuestion(10, 1, true), MsgBoxResult::Yes);
        h.msgBoxes.expect(errorBox(error));
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            if (!columnGap.isEmpty())
                typeInto(in<QLineEdit>(window, "columnGapEdit"), columnGap);
            pressPrint(window);
        }));
        QTRY_VERIFY_WITH_TIMEOUT(h.action("printAction")->isEnabled(), JobTimeoutMs);
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!QGuiApplication::overrideCursor());
        // Nothing came out, so the same disks are numbered again next time.
        QCOMPARE(h.state.print.run.nextDiskNumber, 1);
        QVERIFY(m_cups.waitUntilIdle());
        QCOMPARE(jobCount(), jobsBefore);
        if (queue != Queue)
            QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
    }

    void tooManyLinesPrintsNothing()
    {
        QStringList lines;
        for (int i = 1; i <= 16; ++i)
            lines.append(QString::number(i));
        const QString label = writeLabel(u"longue.eti"_s, lines.join(u"\r\n"_s));
        MainWindowHarness h(label, u"/opt/korvalin"_s, Printer(Queue));
        const int jobsBefore = jobCount();
        h.msgBoxes.expect(singleLabelQuestion(2), MsgBoxResult::Yes);
        h.msgBoxes.expect(errorBox(u"Nombre de lignes de texte trop important !"_s));
        QVERIFY(printCommand(h, [](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "singleLabelOption")->click();
            QTest::mouseClick(in<SheetTile>(window, "positionTile2"), Qt::LeftButton);
            pressPrint(window);
        }));
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(h.action("printAction")->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(m_cups.waitUntilIdle());
        QCOMPARE(jobCount(), jobsBefore);
    }

    void entryPoints_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("menu Imprimer") << "printAction";
        QTest::newRow("Imprimer button") << "printButton";
        QTest::newRow("toolbar 6") << "toolbar 6";
    }

    void entryPoints()
    {
        QFETCH(QString, entry);
        MainWindowHarness h{Printer(Queue)};
        h.form->show();
        QVERIFY(printCommand(
            h,
            [](PrintSettingsDialog &window) {
                in<QAbstractButton>(window, "cancelButton")->click();
            },
            [&] { h.runEntry(entry); }));
        QVERIFY(h.msgBoxes.allSeen());
    }

    void printerSetUpFromTheSettingsWindow()
    {
        MainWindowHarness h{Printer(Queue)};
        h.dialogs->answerNext(ScriptedDialogs::Cancel{});
        bool settingsStillShown = false;
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "printerSetupButton")->click();
            // The printers are listed off the window's thread; the dialog follows their answer.
            QTRY_COMPARE_WITH_TIMEOUT(h.dialogs->shown().size(), 1, JobTimeoutMs);
            settingsStillShown = window.isVisible();
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QVERIFY(settingsStillShown);
        const ScriptedDialogs::Shown &shown = h.dialogs->shown().constFirst();
        QCOMPARE(shown.kind, ScriptedDialogs::Kind::Printer);
        QCOMPARE(shown.printer, Queue);
        QCOMPARE(h.printer.name(), Queue);
    }

    // Print command, then the print settings window, then the preview over it: closing the
    // preview goes back to the settings window, whose choices already hold its check boxes.
    void previewOverTheSettingsWindow()
    {
        MainWindowHarness h{Printer(Queue)};
        bool previewOverSettings = false;
        bool backInSettings = false;
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            in<QCheckBox>(window, "frameCheck")
                ->setChecked(!window.choices().settings.layout.printFrame);
            const bool frame = in<QCheckBox>(window, "frameCheck")->isChecked();
            QTimer::singleShot(0, [&] {
                auto *preview = qobject_cast<PreviewDialog *>(QApplication::activeModalWidget());
                if (!preview)
                    return;
                previewOverSettings = preview->parentWidget() == &window;
                QCOMPARE(window.choices().settings.layout.printFrame, frame);
                preview->findChild<QAbstractButton *>(u"closeButton"_s)->click();
            });
            in<QAbstractButton>(window, "labelPreviewButton")->click();
            backInSettings = QApplication::activeModalWidget() == &window && window.isVisible();
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QVERIFY(previewOverSettings);
        QVERIFY(backInSettings);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void sheetPreviewOverTheSettingsWindow_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("PDF file") << QString() << false;
        QTest::newRow("printer in landscape") << u"Paysage"_s << true;
        QTest::newRow("printer in portrait") << Queue << false;
    }

    // "Aperçu de la feuille" opens the whole-sheet preview over the settings window, on the
    // page of the destination; F1 there and in the settings window opens the help on their
    // topics.
    void sheetPreviewOverTheSettingsWindow()
    {
        QFETCH(QString, printer);
        QFETCH(bool, landscape);
        MainWindowHarness h{printer.isEmpty() ? Printer() : Printer(printer)};
        bool previewOverSettings = false;
        bool pageShown = false;
        QRect page;
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            QTimer::singleShot(0, [&] {
                auto *preview =
                    qobject_cast<SheetPreviewDialog *>(QApplication::activeModalWidget());
                if (!preview)
                    return;
                previewOverSettings = preview->parentWidget() == &window;
                // Drawn off the window's thread: it may have come already.
                auto *view = preview->findChild<SheetPageView *>(u"pageView"_s);
                pageShown = view->hasPicture() ||
                            QSignalSpy(preview, &SheetPreviewDialog::pageShown).wait(JobTimeoutMs);
                page = whiteArea(view->grab().toImage());
                QTest::keyClick(preview, Qt::Key_F1);
                preview->findChild<QAbstractButton *>(u"closeButton"_s)->click();
            });
            in<QAbstractButton>(window, "sheetPreviewButton")->click();
            QTest::keyClick(&window, Qt::Key_F1);
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        QVERIFY(previewOverSettings);
        QVERIFY(pageShown);
        QCOMPARE(page.width() > page.height(), landscape);
        // Each window's F1 opens the help on its own topic.
        QCOMPARE(h.dialogs->shown().size(), 2);
        for (const ScriptedDialogs::Shown &help : h.dialogs->shown())
            QCOMPARE(help.helpPage, HelpRequest::Page::Topic);
        QCOMPARE(h.dialogs->shown().first().helpTopic, u"feuille"_s);
        QCOMPARE(h.dialogs->shown().last().helpTopic, u"parametres"_s);
    }

    // The calibration page goes to the program's printer at the distances the window shows, the
    // same page as the command line prints for them.
    void calibrationPageFromTheSettingsWindow()
    {
        MainWindowHarness h{Printer(Queue)};
        QVERIFY(printCommand(h, [&](PrintSettingsDialog &window) {
            typeInto(in<QLineEdit>(window, "leftMarginEdit"), u"12.5"_s);
            in<QAbstractButton>(window, "calibrationButton")->click();
            in<QAbstractButton>(window, "cancelButton")->click();
        }));
        // The page is sent off the window's thread; the busy pointer lasts until CUPS answered.
        QVERIFY(QGuiApplication::overrideCursor());
        QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::overrideCursor(), JobTimeoutMs);
        const QString fromWindow = pageWords(m_cups.waitForOutput(Queue));
        QVERIFY2(fromWindow.contains(u"Etiquette10"_s), qPrintable(fromWindow.left(300)));
        QVERIFY(h.msgBoxes.allSeen());
        const QString settings = m_dir.filePath(u"marge.PAR"_s);
        QCOMPARE(h.state.print.settings.layout.sheetSpacing[0], 12.5);
        QVERIFY(PrintSettingsFile::write(settings, h.state.print.settings.layout));
        QCOMPARE(runCommandLine({u"--calibration"_s, u"--print"_s, u"--printer"_s, Queue,
                                 u"--settings"_s, settings}),
                 0);
        QCOMPARE(fromWindow, pageWords(m_cups.waitForOutput(Queue)));
    }

private:
    QString writeLabel(const QString &name, const QString &zone2)
    {
        return writeLabelFile(m_dir.filePath(name), zone2);
    }
    // The page that the command line sends to the queue for the same label, given the options
    // as they are typed (no option holds a space).
    QString commandLinePage(const QString &options, const QString &label)
    {
        QString err;
        if (runCommandLine(QStringList{u"--print"_s, u"--printer"_s, Queue} +
                               options.split(QLatin1Char(' ')) + QStringList{label},
                           &err) != 0)
            return u"command line failed: "_s + err;
        return pageWords(m_cups.waitForOutput(Queue));
    }
    int jobCount() const { return int(m_cups.jobStates(Queue).size()); }

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMainWindowPrint)
#include "tst_mainwindow_print.moc"
