// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scheduler that takes connections and never answers: every question gives up within the
// connection's budget and says why, and the command line fails with the printer error.
#include "PageMarks.h"
#include "SilentScheduler.h"
#include "UnansweredPrint.h"

#include "print/OrientationSwitch.h"
#include "print/PageOutput.h"
#include "print/Printer.h"
#include "print/PrinterSetup.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
        QCOMPARE(Printer(u"Bureau"_s).orientation(), OrientationAnswer(SchedulerAway{}));
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QCOMPARE(Printer::findInstalledPrinters(), SchedulerAnswer<QStringList>(SchedulerAway{}));
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
            OrientationSwitch::switchTo(PageGeometry::Orientation::Landscape, Printer(u"Bureau"_s));
        QCOMPARE(outcome.result, OrientationSwitch::SwitchResult::Refused);
        QCOMPARE(outcome.orientation, OrientationAnswer(SchedulerAway{}));
    }

    void commandLinePrintFails_data() { addCommandLinePrinterRows(); }

    void commandLinePrintFails()
    {
        QFETCH(QStringList, printer);
        checkCommandLinePrintFails(m_dir.filePath(u"silence.eti"_s), printer);
    }

private:
    SilentScheduler m_scheduler; // first, so that libcups sees only the silent scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSilentScheduler)
#include "tst_silentscheduler.moc"
