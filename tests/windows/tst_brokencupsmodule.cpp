// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program with a CUPS module that cannot be loaded, beside a scheduler that has printers:
// no printer anywhere, the reason in the printer set-up, and no crash.
#include "CupsScheduler.h"
#include "MainWindowHarness.h"

#include "print/OrientationSwitch.h"
#include "print/PageOutput.h"
#include "print/PrinterSetup.h"
#include "windows/shared/PrinterSetupDialog.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestBrokenCupsModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        QVERIFY2(!m_cups.addPdfQueue(u"Bureau"_s).isEmpty() && m_cups.setDefault(u"Bureau"_s),
                 qPrintable(m_cups.errorString()));
        // Truncated as by a full disk, or another build's: not a module the program can use.
        QFile broken(m_folder.filePath(u"korvalin-cups.so"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("\x7f"
                                                                  "ELF\x02\x01\x01") > 0);
        broken.close();
        qputenv("KORVALIN_CUPS_MODULE", QFile::encodeName(broken.fileName()));
    }

    void noPrinter()
    {
        const SchedulerAnswer<Printer> found = Printer::findSystemDefault();
        QVERIFY(std::holds_alternative<Printer>(found) && std::get<Printer>(found).isNull());
        QCOMPARE(Printer::findInstalledPrinters(), SchedulerAnswer<QStringList>(QStringList()));
        const Printer office(u"Bureau"_s);
        QCOMPARE(office.orientation(), OrientationAnswer(std::nullopt));
        QCOMPARE(OrientationSwitch::switchTo(PageGeometry::Orientation::Landscape, office).result,
                 OrientationSwitch::SwitchResult::NoPrinter);
        QVERIFY(!printPage(
            office, [](PageCanvas &) { return true; }, u"Essai"_s));
        QVERIFY(m_cups.jobStates(QString()).isEmpty());
    }

    void setUpTellsWhy()
    {
        const PrinterSetupOffer offer = PrinterSetup::offer(u"Bureau"_s);
        PrinterSetupDialog dialog(offer);
        QCOMPARE(dialog.findChild<QComboBox *>()->count(), 1); // the PDF file alone
        const QString said = dialog.findChild<QLabel *>(u"noPrinterLabel"_s)->text();
        QVERIFY2(said.startsWith(u"Impression par CUPS indisponible : "_s) &&
                     said.contains(u"korvalin-cups.so"_s),
                 qPrintable(said));
        QVERIFY(!PrinterSetup::store(
                     {u"Bureau"_s, u"iso_a4_210x297mm"_s, PageGeometry::Orientation::Landscape})
                     .stored);
    }

    void windowShowsNoPrinter()
    {
        MainWindowHarness h;
        QSignalSpy shown(h.form.get(), &MainWindow::orientationShown);
        h.form->findDefaultPrinter();
        QVERIFY(shown.wait(30000));
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"Aucune imprimante"_s);
    }

private:
    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestBrokenCupsModule)
#include "tst_brokencupsmodule.moc"
