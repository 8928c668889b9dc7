// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with a print scheduler that takes connections and never answers: the
// window is there at once and stays usable; the printer frame is filled when CUPS gives up.
#include "MainWindowHarness.h"
#include "SilentScheduler.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// Until the window shows CUPS's answer, or its silence; the connection's budget bounds it.
bool waitForOrientation(const MainWindowHarness &h)
{
    QSignalSpy shown(h.form.get(), &MainWindow::orientationShown);
    return shown.wait(60000);
}

} // namespace

class TestMainWindowSilentScheduler : public QObject
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
        MainWindowHarness h;
        h.form->show();
        h.form->findDefaultPrinter();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        // Shown, and editable, while CUPS has not answered.
        QVERIFY(h.find<QLabel>("orientationLabel")->text().isEmpty() ||
                h.find<QLabel>("orientationLabel")->text() == "Aucune imprimante"_L1);
        h.clickZone(1);
        h.keys(u"Sauvegarde"_s);
        QCOMPARE(h.zone(1).text, u"Sauvegarde"_s);

        QVERIFY(waitForOrientation(h));
        QVERIFY(h.printer.isNull());
        // Silence is not the absence of printers.
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), QString());
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void fileMenuOpensWithoutWaiting()
    {
        MainWindowHarness h(QString(), u"/opt/korvalin"_s, Printer(u"Bureau"_s));
        QVERIFY(waitForOrientation(h));
        auto *fileMenu = h.find<QMenu>("fileMenu");
        fileMenu->popup(QPoint(0, 0));
        QVERIFY(fileMenu->isVisible()); // the menu is up before CUPS answers
        fileMenu->close();
        QVERIFY(waitForOrientation(h));
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);
        QVERIFY(!h.action("portraitAction")->isChecked());
        QVERIFY(!h.action("landscapeAction")->isChecked());
    }

    void switchIsRefusedOnce()
    {
        MainWindowHarness h(QString(), u"/opt/korvalin"_s, Printer(u"Bureau"_s));
        QVERIFY(waitForOrientation(h));
        h.msgBoxes.expect(errorBox(u"L'orientation de l'imprimante n'a pas pu être changée."_s));
        h.action("landscapeAction")->trigger();
        QVERIFY(QGuiApplication::overrideCursor());
        QVERIFY(waitForOrientation(h));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!h.action("landscapeAction")->isChecked());
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);
    }

private:
    SilentScheduler m_scheduler; // first, so that libcups sees only the silent scheduler
};

QTEST_MAIN(TestMainWindowSilentScheduler)
#include "tst_mainwindow_silentscheduler.moc"
