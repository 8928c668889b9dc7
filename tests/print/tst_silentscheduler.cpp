// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scheduler that takes connections and never answers: every question gives up within the
// connection's budget and says why, and the command line fails with the printer error.
#include "PageMarks.h"
#include "SilentScheduler.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "print/OrientationSwitch.h"
#include "print/PageOutput.h"
#include "print/Printer.h"
#include "print/PrinterSetup.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression noAnswer(u"did not answer in time"_s);

} // namespace

class TestSilentScheduler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_scheduler.isListening());
        QVERIFY(m_dir.isValid());
    }

    void printGivesUp()
    {
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QVERIFY(!printPage(Printer(u"Bureau"_s), drawPageMarks(), u"Étiquette"_s));
    }

    void questionsGiveUp()
    {
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QVERIFY(Printer::systemDefault().isNull());
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QCOMPARE(Printer(u"Bureau"_s).orientation(), SchedulerAnswer<int>(SchedulerAway{}));
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QVERIFY(Printer::installedPrinters().isEmpty());
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QVERIFY(std::holds_alternative<SchedulerAway>(PrinterSetup::offer(u"Bureau"_s).printers));
    }

    // The change and the read-back share one budget: once the change has waited it out,
    // the printer is not asked again.
    void switchGivesUp()
    {
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"could not be changed"_s));
        QTest::failOnWarning(noAnswer);
        const OrientationSwitch::Outcome outcome =
            OrientationSwitch::switchToLandscape(Printer(u"Bureau"_s));
        QCOMPARE(outcome.result, OrientationSwitch::SwitchResult::Refused);
        QCOMPARE(outcome.orientation, SchedulerAnswer<int>(SchedulerAway{}));
    }

    void commandLinePrintFails_data()
    {
        QTest::addColumn<QStringList>("printer");
        QTest::newRow("named printer") << QStringList{u"--printer"_s, u"Bureau"_s};
        QTest::newRow("default printer") << QStringList();
    }

    void commandLinePrintFails()
    {
        QFETCH(QStringList, printer);
        LabelFile::Zones zones = startUpZones();
        zones[0].Caption = u"Sauvegarde"_s;
        const QString label = m_dir.filePath(u"silence.eti"_s);
        QVERIFY(writeBytes(label, *LabelFile::encode(zones, u"AUCUN"_s)));

        QProcess korvalin;
        korvalin.start(QStringLiteral(KORVALIN_EXECUTABLE),
                       QStringList{u"--print"_s} + printer + QStringList{label});
        // The budget bounds the wait; the test's own time limit is the suite's.
        QVERIFY(korvalin.waitForFinished(60000));
        QCOMPARE(korvalin.exitCode(), 1);
        const QString err = QString::fromUtf8(korvalin.readAllStandardError());
        QVERIFY2(err.endsWith(u"Erreur sur l'imprimante !\n"_s), qPrintable(err));
        QVERIFY2(err.contains(noAnswer), qPrintable(err));
    }

private:
    SilentScheduler m_scheduler; // first, so that libcups sees only the silent scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSilentScheduler)
#include "tst_silentscheduler.moc"
