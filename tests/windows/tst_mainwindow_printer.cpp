// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window and the printers of a private CUPS scheduler: the orientation shown and
// switched, and the printer set-up dialog choosing printer, paper and orientation.
#include "Accessibility.h"
#include "CupsScheduler.h"
#include "MainWindowHarness.h"

#include "windows/shared/PrinterSetupDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr auto Portrait = PageGeometry::Orientation::Portrait;
constexpr auto Landscape = PageGeometry::Orientation::Landscape;

// Until CUPS's answer is on show; the connection's budget bounds the wait.
bool waitForOrientation(const MainWindowHarness &h)
{
    QSignalSpy shown(h.form.get(), &MainWindow::orientationShown);
    return shown.wait(30000);
}

} // namespace

class TestMainWindowPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        const bool ready = !m_cups.addPdfQueue(u"Portrait"_s).isEmpty() &&
                           m_cups.setDefaultOrientation(u"Portrait"_s, 3) &&
                           !m_cups.addPdfQueue(u"Paysage"_s).isEmpty() &&
                           m_cups.setDefaultOrientation(u"Paysage"_s, 4) &&
                           !m_cups.addPdfQueue(u"Bascule"_s).isEmpty() &&
                           !m_cups.addPdfQueue(u"Interrupteur"_s).isEmpty() &&
                           m_cups.setDefault(u"Portrait"_s);
        QVERIFY2(ready, qPrintable(m_cups.errorString()));
    }

    void orientationShownAtStartUp_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("portrait") << u"Portrait"_s
                                  << QStringList{u"En cours : Portrait"_s, u"portraitAction"_s};
        QTest::newRow("landscape")
            << u"Paysage"_s << QStringList{u"En cours : Paysage"_s, u"landscapeAction"_s};
    }

    void orientationShownAtStartUp()
    {
        QFETCH(QString, queue);
        QFETCH(QStringList, shown);
        MainWindowHarness h{Printer(queue)};
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.orientationShown(), shown);
    }

    void defaultPrinterFoundAfterTheWindowShows()
    {
        MainWindowHarness h;
        h.form->findDefaultPrinter();
        QCOMPARE(h.printer.name(), QString()); // not before CUPS answered
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.printer.name(), u"Portrait"_s);
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"En cours : Portrait"_s);
    }

    void fileMenuOpeningRefreshesTheOrientation()
    {
        QVERIFY(m_cups.setDefaultOrientation(u"Bascule"_s, 3));
        MainWindowHarness h{Printer(u"Bascule"_s)};
        QVERIFY(waitForOrientation(h));
        QVERIFY(h.action("portraitAction")->isChecked());
        // Another program turns the printer's default to landscape.
        QVERIFY(m_cups.setDefaultOrientation(u"Bascule"_s, 4));
        QVERIFY(h.action("portraitAction")->isChecked());
        h.glanceAtFileMenu();
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.orientationShown(),
                 (QStringList{u"En cours : Paysage"_s, u"landscapeAction"_s}));
    }

    void switchShowsWhatThePrinterReports_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<PageGeometry::Orientation>("requested");
        QTest::newRow("landscape") << u"landscapeAction"_s << "En cours : Paysage" << Landscape;
        QTest::newRow("portrait") << u"portraitAction"_s << "En cours : Portrait" << Portrait;
        QTest::newRow("portrait again") << u"portraitAction"_s << "En cours : Portrait" << Portrait;
    }

    void switchShowsWhatThePrinterReports()
    {
        QFETCH(QString, command);
        QFETCH(QString, shown);
        QFETCH(PageGeometry::Orientation, requested);
        const QString queue = u"Interrupteur"_s;
        MainWindowHarness h{Printer(queue)};
        QVERIFY(waitForOrientation(h));
        h.action(command.toLatin1().constData())->trigger();
        // The busy pointer and no second change while CUPS works.
        QVERIFY(QGuiApplication::overrideCursor());
        QVERIFY(!h.action("portraitAction")->isEnabled());
        QVERIFY(waitForOrientation(h));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(h.action("landscapeAction")->isEnabled());
        QCOMPARE(h.orientationShown(),
                 (QStringList{shown,
                              requested == Portrait ? u"portraitAction"_s : u"landscapeAction"_s}));
        QCOMPARE(m_cups.printerOptions(queue).value(u"orientation-requested"_s),
                 requested == Landscape ? u"4"_s : u"3"_s);
        // A restart shows it from the start.
        MainWindowHarness restarted{Printer(queue)};
        QVERIFY(waitForOrientation(restarted));
        QCOMPARE(restarted.find<QLabel>("orientationLabel")->text(), shown);
        QVERIFY(h.msgBoxes.allSeen());
    }

    // The scheduler stopped is no missing printer: the frame says it is away and keeps the
    // orientation last reported, until the scheduler answers again.
    void refusedSwitchIsToldOnce()
    {
        MainWindowHarness h{Printer(u"Portrait"_s)};
        QVERIFY(waitForOrientation(h));
        m_cups.stop();
        auto restart = qScopeGuard([this] { QVERIFY(m_cups.start()); });
        h.msgBoxes.expect(errorBox(u"L'orientation de l'imprimante n'a pas pu être changée."_s));
        h.action("landscapeAction")->trigger();
        QVERIFY(waitForOrientation(h));
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.orientationShown(),
                 (QStringList{u"En cours : Portrait"_s, u"portraitAction"_s}));
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);

        restart.dismiss();
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        h.glanceAtFileMenu();
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), QString());
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"En cours : Portrait"_s);
    }

    // The default printer could not be asked for while the scheduler was away: it is, once
    // the scheduler is back, when the "Fichier" menu opens.
    void defaultPrinterFoundOnceTheSchedulerIsBack()
    {
        m_cups.stop();
        auto restart = qScopeGuard([this] { QVERIFY(m_cups.start()); });
        MainWindowHarness h;
        h.form->findDefaultPrinter();
        QVERIFY(waitForOrientation(h));
        QVERIFY(h.printer.isNull());
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), QString());

        restart.dismiss();
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        h.glanceAtFileMenu();
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.printer.name(), u"Portrait"_s);
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"En cours : Portrait"_s);
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), QString());
    }

    void setUpDialogOffersPrinterPaperAndOrientation()
    {
        PrinterSetupDialog dialog(PrinterSetup::offer(u"Paysage"_s));
        auto *printers = dialog.findChild<QComboBox *>();
        QStringList listed;
        for (int i = 0; i < printers->count(); ++i)
            listed.append(printers->itemText(i));
        const SchedulerAnswer<QStringList> installed = Printer::findInstalledPrinters();
        QVERIFY(std::holds_alternative<QStringList>(installed));
        QCOMPARE(listed, QStringList(std::get<QStringList>(installed)) << u"Fichier PDF"_s);
        const PrinterSetupChoice choice = dialog.choice();
        QCOMPARE(choice.printer, u"Paysage"_s);
        QCOMPARE(choice.paper, u"iso_a4_210x297mm"_s);
        QCOMPARE(choice.orientation, Landscape);
        QVERIFY(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY2(Accessibility::namelessControls(&dialog).isEmpty(),
                 qPrintable(Accessibility::namelessControls(&dialog).join(QLatin1Char(','))));
    }

    void setUpDialogOffersPdfFile_data()
    {
        QTest::addColumn<bool>("pdfCurrent");
        QTest::newRow("printer chosen") << false;
        QTest::newRow("Fichier PDF chosen") << true;
    }

    // The dialog opens on the program's destination; the PDF page keeps its own orientation.
    void setUpDialogOffersPdfFile()
    {
        QFETCH(bool, pdfCurrent);
        PrinterSetupOffer offer = PrinterSetup::offer(u"Paysage"_s);
        offer.currentTarget = pdfCurrent ? PrintTarget::PdfFile : PrintTarget::CupsPrinter;
        PrinterSetupDialog dialog(offer);
        auto *printers = dialog.findChild<QComboBox *>();
        QCOMPARE(printers->currentText(), pdfCurrent ? u"Fichier PDF"_s : u"Paysage"_s);
        QCOMPARE(dialog.choice().orientation, pdfCurrent ? Portrait : Landscape);
        printers->setCurrentIndex(printers->findText(u"Fichier PDF"_s));
        const PrinterSetupChoice choice = dialog.choice();
        QCOMPARE(choice.target, PrintTarget::PdfFile);
        QCOMPARE(choice.orientation, Portrait);
    }

    void setUpDialogWithoutPrinters_data()
    {
        QTest::addColumn<bool>("schedulerAway");
        QTest::addColumn<QString>("said");
        QTest::newRow("none installed") << false << u"Aucune imprimante installée"_s;
        QTest::newRow("scheduler away") << true << u"Le service d'impression ne répond pas"_s;
    }

    void setUpDialogWithoutPrinters()
    {
        QFETCH(bool, schedulerAway);
        QFETCH(QString, said);
        PrinterSetupOffer offer;
        if (schedulerAway)
            offer.printers = SchedulerAway{};
        offer.pdfOrientation = Landscape;
        PrinterSetupDialog dialog(offer);
        // A PDF file is left to print on.
        QVERIFY(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        const PrinterSetupChoice choice = dialog.choice();
        QCOMPARE(choice.target, PrintTarget::PdfFile);
        QCOMPARE(choice.printer, QString());
        QCOMPARE(choice.orientation, Landscape);
        QCOMPARE(dialog.findChild<QLabel *>(u"noPrinterLabel"_s)->text(), said);
    }

    void chosenPrinterBecomesTheProgramsPrinter_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Annuler") << false;
    }

    // Through the real dialog of the common-dialog object, answered by a user's clicks.
    void chosenPrinterBecomesTheProgramsPrinter()
    {
        QFETCH(bool, accept);
        CommonDialog commonDialog;
        bool dialogSeen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<PrinterSetupDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialogSeen = true;
            const QList<QComboBox *> boxes = dialog->findChildren<QComboBox *>();
            boxes[0]->setCurrentIndex(boxes[0]->findText(u"Bascule"_s));
            boxes[1]->setCurrentIndex(boxes[1]->findData(u"na_letter_8.5x11in"_s));
            for (auto *option : dialog->findChildren<QRadioButton *>()) {
                if (option->text() == "Paysage"_L1)
                    QTest::mouseClick(option, Qt::LeftButton);
            }
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(
                                  accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        });
        const std::optional<PrinterSetupChoice> choice =
            commonDialog.choosePrinter(PrinterSetup::offer(u"Portrait"_s));
        QVERIFY(dialogSeen);
        QCOMPARE(choice.has_value(), accept);
        if (accept) {
            QCOMPARE(choice->printer, u"Bascule"_s);
            QCOMPARE(choice->paper, u"na_letter_8.5x11in"_s);
            QCOMPARE(choice->orientation, Landscape);
        }
    }

    void setUpChoiceReachesThePrinter_data() { chosenPrinterBecomesTheProgramsPrinter_data(); }

    void setUpChoiceReachesThePrinter()
    {
        QFETCH(bool, accept);
        const QString queue = accept ? u"Choisie"_s : u"Ignoree"_s;
        QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());
        MainWindowHarness h{Printer(u"Portrait"_s)};
        QVERIFY(waitForOrientation(h));
        const PrinterSetupChoice choice{queue, u"na_letter_8.5x11in"_s, Landscape};
        // Listening from the start: CUPS may answer while the dialog is awaited below.
        QSignalSpy shownAgain(h.form.get(), &MainWindow::orientationShown);
        h.runAnswering("printerSetupAction",
                       accept ? ScriptedDialogs::Answer(choice)
                              : ScriptedDialogs::Answer(ScriptedDialogs::Cancel{}));
        QTRY_COMPARE_WITH_TIMEOUT(h.dialogs->shown().size(), 1, 30000);
        const ScriptedDialogs::Shown &shown = h.dialogs->shown().first();
        QCOMPARE(shown.printer, u"Portrait"_s);
        QVERIFY(shown.printers.contains(queue));
        if (accept) {
            QTRY_VERIFY_WITH_TIMEOUT(!shownAgain.isEmpty(), 30000);
            QCOMPARE(h.printer.name(), queue);
            QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"En cours : Paysage"_s);
        }
        const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
        QVERIFY(page);
        QCOMPARE(page->mediaKeyword, accept ? u"na_letter_8.5x11in"_s : u"iso_a4_210x297mm"_s);
        QCOMPARE(page->orientation, accept ? Landscape : Portrait);
        if (!accept)
            QCOMPARE(h.printer.name(), u"Portrait"_s);
        QVERIFY(h.msgBoxes.allSeen());
    }

private:
    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
};

QTEST_MAIN(TestMainWindowPrinter)
#include "tst_mainwindow_printer.moc"
