#include "label/ZoneLines.h"

#include <QTest>

namespace {

std::array<TextZone, 3> zonesWithText(int zone, const QString &text)
{
    std::array<TextZone, 3> zones = {TextZone::startUp(1), TextZone::startUp(2),
                                     TextZone::startUp(3)};
    zones[zone - 1].Caption = text;
    return zones;
}

QString linesOf(int count, const QString &line = QStringLiteral("l"))
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(line);
    return lines.join(QLatin1String("\r\n"));
}

} // namespace

class TestZoneLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void tooManyLinesKeepsEarlierValues();
};

void TestZoneLines::split_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    const QString cr = QStringLiteral("\r");
    QTest::newRow("separators stay in the lines")
        << 3 << QStringLiteral("ab\r\ncd\r\nef")
        << QStringList{QStringLiteral("ab\r"), QStringLiteral("\ncd\r"), QStringLiteral("\nef")};
    QTest::newRow("empty text") << 1 << QString() << QStringList{QString()};
    QTest::newRow("zone 1 trims a lone line")
        << 1 << QStringLiteral("  a  ") << QStringList{QStringLiteral("a")};
    QTest::newRow("zone 2 trims the text")
        << 2 << QStringLiteral("  a  ") << QStringList{QStringLiteral("a")};
    QTest::newRow("zone 3 keeps spaces")
        << 3 << QStringLiteral("  a  ") << QStringList{QStringLiteral("  a  ")};
    QTest::newRow("zone 1 trims only the last line's end")
        << 1 << QStringLiteral(" a\r\n b ")
        << QStringList{QStringLiteral(" a\r"), QStringLiteral("\n b")};
    QTest::newRow("zone 2 trims the text's ends")
        << 2 << QStringLiteral(" a\r\n b ")
        << QStringList{QStringLiteral("a\r"), QStringLiteral("\n b")};
    QTest::newRow("final line break gives a lone LF")
        << 3 << QStringLiteral("x\r\n") << QStringList{QStringLiteral("x\r"), QStringLiteral("\n")};
    QStringList fifteen(15, QStringLiteral("\nl\r"));
    fifteen.first() = QStringLiteral("l\r");
    fifteen.last() = QStringLiteral("\nl");
    QTest::newRow("fifteen lines fit") << 2 << linesOf(15) << fifteen;
}

void TestZoneLines::split()
{
    QFETCH(int, zone);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);

    Module1 state;
    QVERIFY(ZoneLines::split(zonesWithText(zone, text), state));
    QCOMPARE(state.zoneLineCount(zone), qint16(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(state.zoneLines(zone)[i + 1], lines[i]);
    for (int other = 1; other <= 3; ++other) {
        if (other != zone)
            QCOMPARE(state.zoneLineCount(other), qint16(1));
    }
}

void TestZoneLines::tooManyLinesKeepsEarlierValues()
{
    Module1 state;
    std::array<TextZone, 3> zones = zonesWithText(1, QStringLiteral("un"));
    zones[1].Caption = QStringLiteral("deux\r\ntrois");
    zones[2].Caption = QStringLiteral("quatre");
    QVERIFY(ZoneLines::split(zones, state));

    // Sixteen lines in zone 2, the last one empty: refused.
    zones[0].Caption = QStringLiteral("cinq");
    zones[1].Caption = linesOf(15, QStringLiteral("n")) + QStringLiteral("\r\n");
    zones[2].Caption = QStringLiteral("six");
    QVERIFY(!ZoneLines::split(zones, state));

    QCOMPARE(state.Zone1LineCount, qint16(1));
    QCOMPARE(state.Zone1Lines[1], QStringLiteral("cinq"));
    QCOMPARE(state.Zone2LineCount, qint16(2));
    QCOMPARE(state.Zone2Lines[1], QStringLiteral("n\r"));
    QCOMPARE(state.Zone2Lines[15], QStringLiteral("\nn\r"));
    QCOMPARE(state.Zone3LineCount, qint16(1));
    QCOMPARE(state.Zone3Lines[1], QStringLiteral("quatre"));
}

QTEST_GUILESS_MAIN(TestZoneLines)
#include "tst_zonelines.moc"
