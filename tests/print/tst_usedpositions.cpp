// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The used positions of the sheet in the printer: which a job prints over, what it leaves
// marked, where the next one is proposed, and how the settings keep them.
#include "print/UsedPositions.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// mode: "single" at start, "run" of count from start, "list" of count from start.
PrintRequest request(const QString &mode, int start, int count)
{
    PrintRequest request;
    if (mode == u"single"_s) {
        request.run.mode = PrintMode::SingleLabel;
        request.run.singlePosition = start;
        return request;
    }
    request.run.startPosition = start;
    if (mode == u"run"_s) {
        request.run.mode = PrintMode::Run;
        request.run.copyCount = count;
        return request;
    }
    request.run.mode = PrintMode::List;
    for (int i = 0; i < count; ++i)
        request.list.labels.append(ListedLabel());
    return request;
}

} // namespace

class TestUsedPositions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jobOnTheSheet_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("printedOver");
        QTest::addColumn<QString>("after");
        QTest::newRow("single on a new sheet")
            << u""_s << u"single"_s << 5 << 1 << QList<int>{} << u"5"_s;
        QTest::newRow("single over a used one")
            << u"5"_s << u"single"_s << 5 << 1 << QList<int>{5} << u"5"_s;
        QTest::newRow("run beside used ones")
            << u"1,2"_s << u"run"_s << 3 << 4 << QList<int>{} << u"1,2,3,4,5,6"_s;
        QTest::newRow("run over two used ones")
            << u"3,4,9"_s << u"run"_s << 2 << 3 << QList<int>{3, 4} << u"2,3,4,9"_s;
        QTest::newRow("list within the sheet")
            << u"1"_s << u"list"_s << 2 << 3 << QList<int>{} << u"1,2,3,4"_s;
        // The first sheet left the printer: the last one alone stays marked.
        QTest::newRow("list of 14 from 8")
            << u"1,2,3,4,5,6,7"_s << u"list"_s << 8 << 14 << QList<int>{} << u"1"_s;
        QTest::newRow("list over a used one, on to a full sheet")
            << u"9"_s << u"list"_s << 9 << 12 << QList<int>{9} << u"1,2,3,4,5,6,7,8,9,10"_s;
        QTest::newRow("empty list") << u"4"_s << u"list"_s << 1 << 0 << QList<int>{} << u"4"_s;
    }

    void jobOnTheSheet()
    {
        QFETCH(QString, before);
        QFETCH(QString, mode);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QList<int>, printedOver);
        QFETCH(QString, after);
        const UsedPositions used = UsedPositions::fromStoredForm(before);
        const PrintRequest job = request(mode, start, count);
        QCOMPARE(used.printedOverBy(job), printedOver);
        QCOMPARE(used.afterPrinting(job).storedForm(), after);
    }

    void nextJobProposedOnFreePositions_data()
    {
        QTest::addColumn<QString>("used");
        QTest::addColumn<QList<int>>("chosen");             // single, start, copies
        QTest::addColumn<QList<int>>("afterAJob");          // on the first free position
        QTest::addColumn<QList<int>>("whenTheWindowOpens"); // off the used positions
        QTest::newRow("free positions")
            << u"4"_s << QList<int>{2, 5, 3} << QList<int>{1, 1, 3} << QList<int>{2, 5, 3};
        QTest::newRow("used positions, the run cut to fit")
            << u"1,2,3,4,5,6,7,8"_s << QList<int>{8, 1, 10} << QList<int>{9, 9, 2}
            << QList<int>{9, 9, 2};
        QTest::newRow("a full sheet moves nothing")
            << u"1,2,3,4,5,6,7,8,9,10"_s << QList<int>{3, 1, 10} << QList<int>{3, 1, 10}
            << QList<int>{3, 1, 10};
        QTest::newRow("no single position chosen")
            << u"1"_s << QList<int>{0, 1, 4} << QList<int>{2, 2, 4} << QList<int>{0, 2, 4};
    }

    void nextJobProposedOnFreePositions()
    {
        QFETCH(QString, used);
        QFETCH(QList<int>, chosen);
        QFETCH(QList<int>, afterAJob);
        QFETCH(QList<int>, whenTheWindowOpens);
        PrintRun run;
        run.singlePosition = chosen[0];
        run.startPosition = chosen[1];
        run.copyCount = chosen[2];
        const auto proposed = [](const PrintRun &moved) {
            return QList<int>{moved.singlePosition, moved.startPosition, moved.copyCount};
        };
        const UsedPositions sheet = UsedPositions::fromStoredForm(used);
        QCOMPARE(proposed(sheet.onFirstFreePosition(run)), afterAJob);
        QCOMPARE(proposed(sheet.offUsedPositions(run)), whenTheWindowOpens);
    }

    // Settings edited by hand, or by an older program, never mark a position off the sheet.
    void storedFormReadsOnlyPositions()
    {
        QCOMPARE(UsedPositions::fromStoredForm(u"3, 10,0,11,-2,x,,3"_s).positions(),
                 (QList<int>{3, 10}));
        QVERIFY(UsedPositions::fromStoredForm(QString()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUsedPositions)
#include "tst_usedpositions.moc"
