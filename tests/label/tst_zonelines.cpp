// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/LabelDocument.h"
#include "label/ZoneLines.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

LabelZones zonesWithText(int zone, const QString &text)
{
    LabelZones zones = LabelDocument::startUp().zones;
    zones[ZoneId(zone - 1)].text = text;
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
        QTest::newRow("line breaks split the text")
            << 3 << u"ab\r\ncd\r\nef"_s << QStringList{u"ab"_s, u"cd"_s, u"ef"_s};
        QTest::newRow("a lone CR or LF stays in its line")
            << 3 << u"a\rb\nc"_s << QStringList{u"a\rb\nc"_s};
        QTest::newRow("empty text") << 1 << QString() << QStringList{QString()};
        QTest::newRow("zone 1 trims a lone line") << 1 << u"  a  "_s << QStringList{u"a"_s};
        QTest::newRow("zone 2 trims the text") << 2 << u"  a  "_s << QStringList{u"a"_s};
        QTest::newRow("zone 3 keeps spaces") << 3 << u"  a  "_s << QStringList{u"  a  "_s};
        QTest::newRow("zone 1 trims only the last line's end")
            << 1 << u" a\r\n b "_s << QStringList{u" a"_s, u" b"_s};
        QTest::newRow("zone 2 trims the text's ends")
            << 2 << u" a\r\n b "_s << QStringList{u"a"_s, u" b"_s};
        QTest::newRow("final line break gives an empty line")
            << 3 << u"x\r\n"_s << QStringList{u"x"_s, QString()};
        QTest::newRow("fifteen lines fit") << 2 << linesOf(15) << QStringList(15, u"l"_s);
    }

    void split()
    {
        QFETCH(int, zone);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const std::optional<LabelLines> split = ZoneLines::split(zonesWithText(zone, text));
        QVERIFY(split);
        for (ZoneId other : AllZones)
            QCOMPARE((*split)[other], zoneNumber(other) == zone ? lines : QStringList{QString()});
    }

    void sixteenLinesAreRefused()
    {
        LabelZones zones = zonesWithText(2, linesOf(15, u"n"_s) + u"\r\n"_s);
        QVERIFY(!ZoneLines::split(zones));
        zones[ZoneId::Second].text = linesOf(15, u"n"_s);
        QVERIFY(ZoneLines::split(zones));
    }
};

QTEST_GUILESS_MAIN(TestZoneLines)
#include "tst_zonelines.moc"
