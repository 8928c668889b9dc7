// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ZoneLines.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

std::array<TextZone, 3> zonesWithText(int zone, const QString &text)
{
    std::array<TextZone, 3> zones = {TextZone::startUp(1), TextZone::startUp(2),
                                     TextZone::startUp(3)};
    zones[zone - 1].Caption = text;
    return zones;
}

QString linesOf(int count, const QString &line = u"l"_s)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(line);
    return lines.join("\r\n"_L1);
}

} // namespace

class TestZoneLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");

        const QString cr = u"\r"_s;
        QTest::newRow("separators stay in the lines")
            << 3 << u"ab\r\ncd\r\nef"_s << QStringList{u"ab\r"_s, u"\ncd\r"_s, u"\nef"_s};
        QTest::newRow("empty text") << 1 << QString() << QStringList{QString()};
        QTest::newRow("zone 1 trims a lone line") << 1 << u"  a  "_s << QStringList{u"a"_s};
        QTest::newRow("zone 2 trims the text") << 2 << u"  a  "_s << QStringList{u"a"_s};
        QTest::newRow("zone 3 keeps spaces") << 3 << u"  a  "_s << QStringList{u"  a  "_s};
        QTest::newRow("zone 1 trims only the last line's end")
            << 1 << u" a\r\n b "_s << QStringList{u" a\r"_s, u"\n b"_s};
        QTest::newRow("zone 2 trims the text's ends")
            << 2 << u" a\r\n b "_s << QStringList{u"a\r"_s, u"\n b"_s};
        QTest::newRow("final line break gives a lone LF")
            << 3 << u"x\r\n"_s << QStringList{u"x\r"_s, u"\n"_s};
        QStringList fifteen(15, u"\nl\r"_s);
        fifteen.first() = u"l\r"_s;
        fifteen.last() = u"\nl"_s;
        QTest::newRow("fifteen lines fit") << 2 << linesOf(15) << fifteen;
    }

    void split()
    {
        QFETCH(int, zone);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        LabelLines state;
        QVERIFY(ZoneLines::split(zonesWithText(zone, text), state));
        QCOMPARE(state.zoneLineCount(zone), qint16(lines.size()));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(state.zoneLines(zone)[i + 1], lines[i]);
        for (int other = 1; other <= 3; ++other) {
            if (other != zone)
                QCOMPARE(state.zoneLineCount(other), qint16(1));
        }
    }

    void tooManyLinesKeepsEarlierValues()
    {
        LabelLines state;
        std::array<TextZone, 3> zones = zonesWithText(1, u"un"_s);
        zones[1].Caption = u"deux\r\ntrois"_s;
        zones[2].Caption = u"quatre"_s;
        QVERIFY(ZoneLines::split(zones, state));

        // Sixteen lines in zone 2, the last one empty: refused.
        zones[0].Caption = u"cinq"_s;
        zones[1].Caption = linesOf(15, u"n"_s) + u"\r\n"_s;
        zones[2].Caption = u"six"_s;
        QVERIFY(!ZoneLines::split(zones, state));

        QCOMPARE(state.zone1LineCount, qint16(1));
        QCOMPARE(state.zone1Lines[1], u"cinq"_s);
        QCOMPARE(state.zone2LineCount, qint16(2));
        QCOMPARE(state.zone2Lines[1], u"n\r"_s);
        QCOMPARE(state.zone2Lines[15], u"\nn\r"_s);
        QCOMPARE(state.zone3LineCount, qint16(1));
        QCOMPARE(state.zone3Lines[1], u"quatre"_s);
    }
};

QTEST_GUILESS_MAIN(TestZoneLines)
#include "tst_zonelines.moc"
