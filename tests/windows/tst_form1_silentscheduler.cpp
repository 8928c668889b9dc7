// The main window with a print scheduler that takes connections and never answers: the
// window is there at once and stays usable; the printer frame is filled when CUPS gives up.
#include "Form1Harness.h"
#include "SilentScheduler.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// Until the window shows CUPS's answer, or its silence; the connection's budget bounds it.
bool waitForOrientation(const Form1Harness &h)
{
    QSignalSpy shown(h.form.get(), &Form1::orientationShown);
    return shown.wait(60000);
}

} // namespace

class TestForm1SilentScheduler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_scheduler.isListening());
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void windowShowsWithoutWaitingForThePrinter()
    {
        Form1Harness h;
        h.form->show();
        h.form->findDefaultPrinter();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        // Shown, and editable, while CUPS has not answered.
        QVERIFY(h.find<QLabel>("Label6")->text().isEmpty() ||
                h.find<QLabel>("Label6")->text() == "Aucune imprimante"_L1);
        h.clickZone(1);
        h.keys(u"Sauvegarde"_s);
        QCOMPARE(h.zone(1).Caption, u"Sauvegarde"_s);

        QVERIFY(waitForOrientation(h));
        QVERIFY(h.printer.isNull());
        QCOMPARE(h.find<QLabel>("Label6")->text(), u"Aucune imprimante"_s);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void fileMenuOpensWithoutWaiting()
    {
        Form1Harness h(QString(), u"/opt/korvalin"_s, Printer(u"Bureau"_s));
        QVERIFY(waitForOrientation(h));
        auto *fileMenu = h.find<QMenu>("Mnu_Fichier");
        fileMenu->popup(QPoint(0, 0));
        QVERIFY(fileMenu->isVisible()); // the menu is up before CUPS answers
        fileMenu->close();
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.find<QLabel>("Label6")->text(), u"Aucune imprimante"_s);
        QVERIFY(!h.action("Mnu_ImpPort")->isChecked());
        QVERIFY(!h.action("Mnu_ImpPays")->isChecked());
    }

    void switchIsRefusedOnce()
    {
        Form1Harness h(QString(), u"/opt/korvalin"_s, Printer(u"Bureau"_s));
        QVERIFY(waitForOrientation(h));
        h.msgBoxes.expect(errorBox(u"L'orientation de l'imprimante n'a pas pu être changée."_s));
        h.action("Mnu_ImpPays")->trigger();
        QVERIFY(QGuiApplication::overrideCursor());
        QVERIFY(waitForOrientation(h));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!h.action("Mnu_ImpPays")->isChecked());
        QCOMPARE(h.find<QLabel>("Label6")->text(), u"Aucune imprimante"_s);
    }

private:
    SilentScheduler m_scheduler; // first, so that libcups sees only the silent scheduler
};

QTEST_MAIN(TestForm1SilentScheduler)
#include "tst_form1_silentscheduler.moc"
