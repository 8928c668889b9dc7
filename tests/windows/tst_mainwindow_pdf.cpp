// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print command of the main window into a PDF file: with no printer, or with "Fichier PDF"
// chosen in the printer set-up, the page goes to the file the user names, as the command line
// writes it; with a printer chosen again, to CUPS.
#include "CupsScheduler.h"
#include "DocumentQuestions.h"
#include "ListPages.h"
#include "PdfRaster.h"
#include "PrintCommandHarness.h"
#include "SmallDisk.h"

#include "files/SmallFile.h"
#include "print/MarkedSheet.h"
#include "windows/print-settings/SheetTile.h"

#include <QPlainTextEdit>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const PrinterSetupChoice PdfChosen{QString(), QString(), PageGeometry::Orientation::Portrait,
                                   PrintTarget::PdfFile};
const PrinterSetupChoice QueueChosen{Queue, u"iso_a4_210x297mm"_s,
                                     PageGeometry::Orientation::Portrait, PrintTarget::CupsPrinter};

// Ten labels from the first position, numbered X/X from first, confirmed; the file dialog, if
// one is expected, answered with fileAnswer.
void printNumberedRun(MainWindowHarness &h, int first,
                      const std::optional<ScriptedDialogs::Answer> &fileAnswer, int count = 10)
{
    h.msgBoxes.expect(runQuestion(count, 1, true), MsgBoxResult::Yes);
    if (fileAnswer)
        h.dialogs->answerNext(*fileAnswer);
    printCommand(h, [first, count](PrintSettingsDialog &window) {
        typeInto(in<QLineEdit>(window, "startPositionEdit"), u"1"_s);
        typeInto(in<QLineEdit>(window, "copyCountEdit"), QString::number(count));
        if (auto *numbering = in<QAbstractButton>(window, "autoNumberingCheck");
            !numbering->isChecked())
            numbering->click();
        typeInto(in<QLineEdit>(window, "firstDiskNumberEdit"), QString::number(first));
        in<QAbstractButton>(window, "numberOfTotalStyleOption")->click();
        in<QAbstractButton>(window, "printLabelsButton")->click();
    });
}

bool waitForJobEnd(MainWindowHarness &h)
{
    return QTest::qWaitFor([&] { return h.action("printAction")->isEnabled(); }, JobTimeoutMs);
}

// The printer set-up answered with choice; the printers are listed off the window's thread.
bool chooseInPrinterSetUp(MainWindowHarness &h, const PrinterSetupChoice &choice)
{
    QSignalSpy shown(h.form.get(), &MainWindow::orientationShown);
    const qsizetype dialogsBefore = h.dialogs->shown().size();
    h.runAnswering("printerSetupAction", choice);
    return QTest::qWaitFor([&] { return h.dialogs->shown().size() > dialogsBefore; },
                           JobTimeoutMs) &&
           (!shown.isEmpty() || shown.wait(JobTimeoutMs));
}

// What the print settings window shows of the sheet: the start position, the first tile's
// name and the used positions; left with "Annuler".
QStringList sheetShown(MainWindowHarness &h)
{
    QStringList shown;
    printCommand(h, [&shown](PrintSettingsDialog &window) {
        shown = QStringList{in<QLineEdit>(window, "startPositionEdit")->text(),
                            in<QWidget>(window, "positionTile1")->accessibleName(),
                            in<QLabel>(window, "usedPositionsCaption")->text()};
        in<QAbstractButton>(window, "cancelButton")->click();
    });
    return shown;
}

QString orientationShown(const MainWindowHarness &h)
{
    return h.find<QLabel>("orientationLabel")->text();
}

} // namespace

class TestMainWindowPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        QVERIFY2(!m_cups.addPdfQueue(Queue).isEmpty(), qPrintable(m_cups.errorString()));
    }

    void runWrittenAsTheCommandLineWritesIt_data()
    {
        QTest::addColumn<bool>("printerInstalled");
        QTest::newRow("no printer") << false;
        QTest::newRow("Fichier PDF chosen") << true;
    }

    void runWrittenAsTheCommandLineWritesIt()
    {
        QFETCH(bool, printerInstalled);
        const QString label = writeLabel(u"serie.eti"_s);
        MainWindowHarness h(label, u"/opt/korvalin"_s,
                            printerInstalled ? Printer(Queue) : Printer());
        if (printerInstalled)
            QVERIFY(chooseInPrinterSetUp(h, PdfChosen));
        const int jobsBefore = jobCount();
        const QString pdf = m_dir.filePath(u"fenetre.pdf"_s);
        printNumberedRun(h, 5, pdf);
        // Written off the window's thread, under the busy pointer.
        QVERIFY(!h.action("printAction")->isEnabled());
        QVERIFY(QGuiApplication::overrideCursor());
        QVERIFY(waitForJobEnd(h));
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!QGuiApplication::overrideCursor());
        const ScriptedDialogs::Shown &asked = h.dialogs->shown().constLast();
        QCOMPARE(asked.kind, ScriptedDialogs::Kind::Save);
        QCOMPARE(asked.title, u"Enregistrer en PDF"_s);
        QCOMPARE(asked.filter, u"Fichiers PDF (*.pdf)|*.pdf"_s);
        QCOMPARE(asked.fileName, m_dir.filePath(u"serie.pdf"_s));
        QVERIFY(asked.askBeforeOverwrite);

        const QString fromCommandLine = m_dir.filePath(u"commande.pdf"_s);
        QCOMPARE(runCommandLine({u"--pdf"_s, fromCommandLine, u"--number"_s, u"5"_s, u"--style"_s,
                                 u"X/X"_s, label}),
                 0);
        const QImage page = renderPdfPage(pdf, 72);
        QVERIFY(!page.isNull());
        QCOMPARE(page, renderPdfPage(fromCommandLine, 72));
        QCOMPARE(h.state.print.run.nextDiskNumber, 15);
        QCOMPARE(jobCount(), jobsBefore);
    }

    // Pasted into the window, the list prints the pages the command line prints.
    void listWrittenAsTheCommandLineWritesIt()
    {
        const QString label = writeLabel(u"boite.eti"_s);
        MainWindowHarness h(label, u"/opt/korvalin"_s, Printer());
        const QString prompt = u"Confirmer l'impression de 14 étiquettes de la liste\r"
                               "        à partir de l'étiquette N° 8"_s;
        h.msgBoxes.expect({prompt, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                           u"Impression de 14 étiquettes de la liste"_s, MsgBoxDefault::First},
                          MsgBoxResult::Yes);
        const QString pdf = m_dir.filePath(u"liste.pdf"_s);
        h.dialogs->answerNext(pdf);
        QVERIFY(printCommand(h, [](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "listOption")->click();
            in<QPlainTextEdit>(window, "listEdit")->insertPlainText(numberedTitles(14));
            typeInto(in<QLineEdit>(window, "startPositionEdit"), u"8"_s);
            auto *print = in<QAbstractButton>(window, "printLabelsButton");
            if (QTest::qWaitFor([print] { return print->isEnabled(); }))
                print->click();
        }));
        QVERIFY(waitForJobEnd(h));
        QVERIFY(h.msgBoxes.allSeen());
        checkListPages(pdf, 14, 8, 3);
        QCOMPARE(h.state.print.listText, numberedTitles(14));

        // The last sheet stays in the printer with its first position used: the next print
        // proposes the second, also once the program is started again.
        const QStringList sheetAfterList{u"2"_s, u"Etiquette 1 (utilisée)"_s,
                                         u"Etiquettes utilisées : 1"_s};
        QCOMPARE(sheetShown(h), sheetAfterList);
        MainWindowHarness restarted(Printer(), MainWindowHarness::Restarted{});
        QCOMPARE(sheetShown(restarted), sheetAfterList);
    }

    // A run over used positions is asked first; "Nouvelle feuille" forgets them.
    void printingOverUsedPositionsAsksFirst()
    {
        MainWindowHarness h;
        MarkedSheet::ofPdfFiles().remember(UsedPositions::fromStoredForm(u"3,4,9"_s));
        h.msgBoxes.expect({u"Les étiquettes 3, 4 sont déjà utilisées. Imprimer quand même ?"_s,
                           MsgBoxButtons::YesNo, MsgBoxIcon::Question, u"Avertissement"_s,
                           MsgBoxDefault::First},
                          MsgBoxResult::No);
        h.msgBoxes.expect(runQuestion(4, 2, false), MsgBoxResult::No);
        QVERIFY(printCommand(h, [](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "runOption")->click();
            typeInto(in<QLineEdit>(window, "copyCountEdit"), u"4"_s);
            typeInto(in<QLineEdit>(window, "startPositionEdit"), u"2"_s);
            in<QAbstractButton>(window, "printLabelsButton")->click();
            // "Non" leaves the window open, to choose other positions or a new sheet.
            QVERIFY(window.isVisible());
            in<QAbstractButton>(window, "newSheetButton")->click();
            QCOMPARE(in<QLabel>(window, "usedPositionsCaption")->text(),
                     u"Etiquettes utilisées : aucune"_s);
            QVERIFY(!in<SheetTile>(window, "positionTile3")->isUsed());
            in<QAbstractButton>(window, "printLabelsButton")->click();
        }));
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(MarkedSheet::ofPdfFiles().remembered().isEmpty());
    }

    void cancelledFileDialogPrintsNothing()
    {
        MainWindowHarness h;
        printNumberedRun(h, 5, ScriptedDialogs::Cancel{});
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(h.action("printAction")->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(h.dialogs->pendingAnswers(), 0);
        QCOMPARE(h.state.print.run.nextDiskNumber, 5);
        QVERIFY(QDir(m_dir.path()).entryList({u"*.pdf"_s}).isEmpty());
    }

    void refusedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("why");
        QTest::newRow("full disk") << u"full"_s << u"Le disque est plein."_s;
        QTest::newRow("disk error") << u"sync"_s << u"Le disque signale une erreur."_s;
        QTest::newRow("name of a folder") << u"folder"_s << u"Ce nom désigne un dossier."_s;
    }

    // Nothing came out: the message says why, the older file stays and the numbers too.
    void refusedWriteKeepsTheOldFile()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, why);
        SmallDisk disk;
        QString path = m_dir.filePath(u"ancien.pdf"_s);
        std::unique_ptr<SmallFile::ScopedWriteFailure> failure;
        if (trouble == "full"_L1) {
            if (!disk.isMounted())
                QSKIP("Mounting a small file system needs root");
            path = disk.filePath(u"ancien.pdf"_s);
        }
        if (trouble == "folder"_L1)
            QVERIFY(QDir(m_dir.path()).mkpath(path));
        else
            QVERIFY(writeBytes(path, "%PDF- older page"));
        if (trouble == "full"_L1)
            QVERIFY(disk.fillLeaving(0));
        if (trouble == "sync"_L1)
            failure = std::make_unique<SmallFile::ScopedWriteFailure>(SmallFile::WriteStep::Sync);
        const QByteArray old = fileBytes(path);

        MainWindowHarness h;
        printNumberedRun(h, 5, path);
        h.msgBoxes.expect(saveError(why)); // once the job ends
        QVERIFY(waitForJobEnd(h));
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QFileInfo(path).isDir(), trouble == "folder"_L1);
        QCOMPARE(h.state.print.run.nextDiskNumber, 5);
        QVERIFY(MarkedSheet::ofPdfFiles().remembered().isEmpty());
    }

    // The orientation commands set the PDF page's, CUPS untouched; the choice outlives the
    // window, and a printer chosen again gets the pages as before.
    void pdfOrientationRememberedThenPrinterAgain()
    {
        const QString queueOrientation =
            m_cups.printerOptions(Queue).value(u"orientation-requested"_s);
        {
            MainWindowHarness h{Printer(Queue)};
            QVERIFY(chooseInPrinterSetUp(h, PdfChosen));
            QCOMPARE(orientationShown(h), u"En cours : Portrait"_s);
            h.action("landscapeAction")->trigger();
            QCOMPARE(orientationShown(h), u"En cours : Paysage"_s);
            QVERIFY(h.action("landscapeAction")->isChecked());
            QCOMPARE(m_cups.printerOptions(Queue).value(u"orientation-requested"_s),
                     queueOrientation);
        }
        MainWindowHarness h{Printer(Queue), MainWindowHarness::Restarted{}};
        QCOMPARE(orientationShown(h), u"En cours : Paysage"_s);
        const QString pdf = m_dir.filePath(u"paysage.pdf"_s);
        // The rows that a landscape page holds: the fifth would be off it.
        printNumberedRun(h, 1, pdf, 8);
        QVERIFY(waitForJobEnd(h));
        const QImage page = renderPdfPage(pdf, 36);
        QVERIFY(!page.isNull());
        QVERIFY(page.width() > page.height());

        QVERIFY(chooseInPrinterSetUp(h, QueueChosen));
        QVERIFY(QSettings().value(u"print/target"_s).toString() != "pdf"_L1);
        const int jobsBefore = jobCount();
        const qsizetype dialogsBefore = h.dialogs->shown().size();
        printNumberedRun(h, 11, std::nullopt);
        QVERIFY(waitForJobEnd(h));
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.dialogs->shown().size(), dialogsBefore);
        QVERIFY(!m_cups.waitForOutput(Queue).isEmpty());
        QCOMPARE(jobCount(), jobsBefore + 1);
        QCOMPARE(h.state.print.run.nextDiskNumber, 21);
    }

    void calibrationPageToPdf()
    {
        MainWindowHarness h;
        const QString pdf = m_dir.filePath(u"etalonnage.pdf"_s);
        h.dialogs->answerNext(pdf);
        printCommand(h, [](PrintSettingsDialog &window) {
            in<QAbstractButton>(window, "calibrationButton")->click();
            in<QAbstractButton>(window, "cancelButton")->click();
        });
        QVERIFY(QTest::qWaitFor([] { return !QGuiApplication::overrideCursor(); }, JobTimeoutMs));
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.dialogs->shown().constLast().title, u"Enregistrer en PDF"_s);
        const QString fromCommandLine = m_dir.filePath(u"etalonnage-commande.pdf"_s);
        QCOMPARE(runCommandLine({u"--calibration"_s, u"--pdf"_s, fromCommandLine}), 0);
        const QImage page = renderPdfPage(pdf, 72);
        QVERIFY(!page.isNull());
        QCOMPARE(page, renderPdfPage(fromCommandLine, 72));
    }

    void cleanup()
    {
        for (const QString &name : QDir(m_dir.path()).entryList({u"*.pdf"_s}))
            QVERIFY(QFile::remove(m_dir.filePath(name)) ||
                    QDir(m_dir.filePath(name)).removeRecursively());
    }

private:
    QString writeLabel(const QString &name)
    {
        return writeLabelFile(m_dir.filePath(name), u"Archives"_s);
    }
    int jobCount() const { return int(m_cups.jobStates(Queue).size()); }

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMainWindowPdf)
#include "tst_mainwindow_pdf.moc"
