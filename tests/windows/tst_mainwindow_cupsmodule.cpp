// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window asks CUPS through a child process, so that its own process maps the CUPS module,
// and libcups with it, only once it prints. This test program maps libcups itself to run its
// private scheduler: it looks for the module, which the program alone loads.
#include "CupsScheduler.h"
#include "MainWindowHarness.h"
#include "MappedFiles.h"

#include "print/PageOutput.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestMainWindowCupsModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        const bool ready = !m_cups.addPdfQueue(u"Bureau"_s).isEmpty() &&
                           m_cups.setDefaultOrientation(u"Bureau"_s, 4) &&
                           m_cups.setDefault(u"Bureau"_s);
        QVERIFY2(ready, qPrintable(m_cups.errorString()));
        QFile script(m_hungChild);
        QVERIFY(script.open(QIODevice::WriteOnly) &&
                script.write("#!/bin/sh\nexec sleep 600\n") > 0);
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    }

    void loadedOnlyToPrint()
    {
        MainWindowHarness h;
        QSignalSpy shown(h.form.get(), &MainWindow::orientationShown);
        h.form->findDefaultPrinter();
        QVERIFY(shown.wait(30000));
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"En cours : Paysage"_s);
        h.glanceAtFileMenu();
        QVERIFY(shown.wait(30000));
        QCOMPARE(h.find<QLabel>("orientationLabel")->text(), u"En cours : Paysage"_s);
        QVERIFY(!isMapped("/korvalin-cups.so"));

        QVERIFY(printPage(
            h.printer, [](PageCanvas &) { return true; }, u"Essai"_s));
        QVERIFY(!m_cups.waitForOutput(u"Bureau"_s).isEmpty());
        QVERIFY(isMapped("/korvalin-cups.so"));
    }

    // A child that cannot answer is a scheduler away, not a printer gone.
    void childWithoutAnswer_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("not started") << u"/nonexistent/korvalin"_s;
        QTest::newRow("failed") << u"/bin/false"_s;
        // Killed once the scheduler's budget is spent.
        QTest::newRow("hung") << m_hungChild;
    }

    void childWithoutAnswer()
    {
        QFETCH(QString, program);
        const QByteArray ownProgram = qgetenv(ProgramVariable);
        qputenv(ProgramVariable, QFile::encodeName(program));
        const auto restore = qScopeGuard([&] { qputenv(ProgramVariable, ownProgram); });
        MainWindowHarness h;
        QSignalSpy shown(h.form.get(), &MainWindow::orientationShown);
        h.form->findDefaultPrinter();
        QVERIFY(shown.wait(60000));
        QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);
        QVERIFY(h.printer.isNull());
    }

private:
    static constexpr const char *ProgramVariable = "KORVALIN_PRINTER_QUERY_PROGRAM";
    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
    QTemporaryDir m_folder;
    const QString m_hungChild = m_folder.filePath(QStringLiteral("hung"));
};

QTEST_MAIN(TestMainWindowCupsModule)
#include "tst_mainwindow_cupsmodule.moc"
