// The main window and the printers of a private CUPS scheduler: the orientation shown,
// and the printer set-up dialog choosing among the installed printers.
#include "CupsScheduler.h"
#include "Form1Harness.h"

#include "windows/PrinterSetupDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

class TestForm1Printer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void orientationShownAtStartUp_data();
    void orientationShownAtStartUp();
    void fileMenuOpeningRefreshesTheOrientation();
    void setUpDialogListsTheInstalledPrinters();
    void setUpDialogWithoutPrinters();
    void chosenPrinterBecomesTheProgramsPrinter_data();
    void chosenPrinterBecomesTheProgramsPrinter();

private:
    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
};

void TestForm1Printer::initTestCase()
{
    QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
    const bool ready = !m_cups.addPdfQueue(QStringLiteral("Portrait")).isEmpty() &&
                       m_cups.setDefaultOrientation(QStringLiteral("Portrait"), 3) &&
                       !m_cups.addPdfQueue(QStringLiteral("Paysage")).isEmpty() &&
                       m_cups.setDefaultOrientation(QStringLiteral("Paysage"), 4) &&
                       !m_cups.addPdfQueue(QStringLiteral("Bascule")).isEmpty() &&
                       m_cups.setDefault(QStringLiteral("Portrait"));
    QVERIFY2(ready, qPrintable(m_cups.errorString()));
}

void TestForm1Printer::orientationShownAtStartUp_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("portraitChecked");
    QTest::addColumn<bool>("landscapeChecked");
    QTest::newRow("portrait") << QStringLiteral("Portrait") << QStringLiteral("En cours : Portrait")
                              << true << false;
    QTest::newRow("landscape") << QStringLiteral("Paysage") << QStringLiteral("En cours : Paysage")
                               << false << true;
}

void TestForm1Printer::orientationShownAtStartUp()
{
    QFETCH(QString, queue);
    QFETCH(QString, shown);
    QFETCH(bool, portraitChecked);
    QFETCH(bool, landscapeChecked);
    Form1Harness h(QString(), QStringLiteral("/opt/korvalin"), Printer(queue));
    QCOMPARE(h.find<QLabel>("Label6")->text(), shown);
    QCOMPARE(h.action("Mnu_ImpPort")->isChecked(), portraitChecked);
    QCOMPARE(h.action("Mnu_ImpPays")->isChecked(), landscapeChecked);
}

void TestForm1Printer::fileMenuOpeningRefreshesTheOrientation()
{
    QVERIFY(m_cups.setDefaultOrientation(QStringLiteral("Bascule"), 3));
    Form1Harness h(QString(), QStringLiteral("/opt/korvalin"), Printer(QStringLiteral("Bascule")));
    QVERIFY(h.action("Mnu_ImpPort")->isChecked());

    // Another program turns the printer's default to landscape.
    QVERIFY(m_cups.setDefaultOrientation(QStringLiteral("Bascule"), 4));
    QVERIFY(h.action("Mnu_ImpPort")->isChecked());
    auto *fileMenu = h.find<QMenu>("Mnu_Fichier");
    fileMenu->popup(QPoint(0, 0));
    fileMenu->close();
    QVERIFY(!h.action("Mnu_ImpPort")->isChecked());
    QVERIFY(h.action("Mnu_ImpPays")->isChecked());
    QCOMPARE(h.find<QLabel>("Label6")->text(), QStringLiteral("En cours : Paysage"));
}

void TestForm1Printer::setUpDialogListsTheInstalledPrinters()
{
    PrinterSetupDialog dialog(Printer::installedPrinters(), QStringLiteral("Paysage"));
    auto *printers = dialog.findChild<QComboBox *>();
    QStringList listed;
    for (int i = 0; i < printers->count(); ++i)
        listed.append(printers->itemText(i));
    for (const QString &queue :
         {QStringLiteral("Portrait"), QStringLiteral("Paysage"), QStringLiteral("Bascule")})
        QVERIFY2(listed.contains(queue), qPrintable(listed.join(QLatin1Char(','))));
    QCOMPARE(dialog.selectedPrinter(), QStringLiteral("Paysage"));
    QVERIFY(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
}

void TestForm1Printer::setUpDialogWithoutPrinters()
{
    PrinterSetupDialog dialog({}, QString());
    QVERIFY(!dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(dialog.selectedPrinter(), QString());
}

void TestForm1Printer::chosenPrinterBecomesTheProgramsPrinter_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("printerAfter");
    QTest::newRow("OK") << true << QStringLiteral("Bascule");
    QTest::newRow("Annuler") << false << QStringLiteral("Portrait");
}

// Through the real dialog of the common-dialog object, answered by a user's clicks.
void TestForm1Printer::chosenPrinterBecomesTheProgramsPrinter()
{
    QFETCH(bool, accept);
    QFETCH(QString, printerAfter);
    CMDialog1 commonDialog;
    Printer printer = Printer::systemDefault();
    QCOMPARE(printer.name(), QStringLiteral("Portrait"));
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<PrinterSetupDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = true;
        auto *printers = dialog->findChild<QComboBox *>();
        printers->setCurrentIndex(printers->findText(QStringLiteral("Bascule")));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(
                              accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    QCOMPARE(commonDialog.ShowPrinter(printer), accept);
    QVERIFY(dialogSeen);
    QCOMPARE(printer.name(), printerAfter);
}

QTEST_MAIN(TestForm1Printer)
#include "tst_form1_printer.moc"
