// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The used positions of the sheet in the printer: which a job prints over, what it leaves
// marked, and where the next one is proposed.
#include "print/UsedPositions.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PrintMode)

class TestUsedPositions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jobOnTheSheet_data()
    {
        QTest::addColumn<QString>("before"); // as the settings keep them
        QTest::addColumn<PrintMode>("mode");
        QTest::addColumn<int>("start"); // the single label's position, or the start
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("printedOver");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<int>>("next"); // after the job: start, count, start when unchosen
        QTest::newRow("single over a used one") << u"5"_s << PrintMode::SingleLabel << 5 << 1
                                                << QList<int>{5} << u"5"_s << QList<int>{1, 1, 1};
        QTest::newRow("run over two used ones")
            << u"3,4,9"_s << PrintMode::Run << 2 << 3 << QList<int>{3, 4} << u"2,3,4,9"_s
            << QList<int>{1, 3, 1};
        QTest::newRow("run, the next cut to the sheet's end")
            << u"1,2,3,4,5"_s << PrintMode::Run << 6 << 3 << QList<int>{} << u"1,2,3,4,5,6,7,8"_s
            << QList<int>{9, 2, 9};
        QTest::newRow("run filling the sheet")
            << u"1,2,3,4,5,6,7,8,9"_s << PrintMode::Run << 10 << 1 << QList<int>{}
            << u"1,2,3,4,5,6,7,8,9,10"_s << QList<int>{10, 1, 0};
        // The first sheets left the printer: the last one's positions alone stay marked.
        QTest::newRow("list of 14 from 8") << u"1,2,3,4,5,6,7"_s << PrintMode::List << 8 << 14
                                           << QList<int>{} << u"1"_s << QList<int>{2, 9, 2};
        QTest::newRow("settings edited by hand")
            << u"3, 0,11,x,,3"_s << PrintMode::SingleLabel << 5 << 1 << QList<int>{} << u"3,5"_s
            << QList<int>{1, 1, 1};
    }

    void jobOnTheSheet()
    {
        QFETCH(QString, before);
        QFETCH(PrintMode, mode);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QList<int>, printedOver);
        QFETCH(QString, after);
        QFETCH(QList<int>, next);
        PrintRequest job;
        job.run.mode = mode;
        job.run.singlePosition = job.run.startPosition = start;
        job.run.copyCount = count;
        job.list.labels.resize(count);
        const UsedPositions used = UsedPositions::fromStoredForm(before);
        QCOMPARE(used.printedOverBy(job), printedOver);
        const UsedPositions left = used.afterPrinting(job);
        QCOMPARE(left.storedForm(), after);
        const PrintRun proposed = left.onFirstFreePosition(job.run);
        PrintRun unchosen;
        unchosen.startPosition = 0;
        QCOMPARE((QList<int>{proposed.startPosition, proposed.copyCount,
                             left.offUsedPositions(unchosen).startPosition}),
                 next);
    }
};

QTEST_GUILESS_MAIN(TestUsedPositions)
#include "tst_usedpositions.moc"
