// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/NumberText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("signedForm");
        QTest::newRow("whole") << 10.0 << u"10"_s << u" 10"_s;
        QTest::newRow("fraction") << 7.5 << u"7.5"_s << u" 7.5"_s;
        QTest::newRow("negative") << -2.0 << u"-2"_s << u"-2"_s;
        QTest::newRow("one half") << 0.5 << u".5"_s << u" .5"_s;
        QTest::newRow("minus one half") << -0.25 << u"-.25"_s << u"-.25"_s;
        QTest::newRow("zero") << 0.0 << u"0"_s << u" 0"_s;
        QTest::newRow("large, no exponent") << 123456789.0 << u"123456789"_s << u" 123456789"_s;
        QTest::newRow("system colour") << -2147483640.0 << u"-2147483640"_s << u"-2147483640"_s;
    }

    void forms()
    {
        QFETCH(double, value);
        QTEST(NumberText::plain(value), "plain");
        QTEST(NumberText::signedForm(value), "signedForm");
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("with unit") << u"12.5mm"_s << 12.5;
        QTest::newRow("two points") << u"1.2.3"_s << 1.2;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("lone minus") << u"-"_s << 0.0;
        QTest::newRow("leading blank") << u" 10"_s << 10.0;
        QTest::newRow("one half") << u".5"_s << 0.5;
        QTest::newRow("negative") << u"-3.25"_s << -3.25;
        QTest::newRow("trailing point") << u"4."_s << 4.0;
        QTest::newRow("letters first") << u"a12"_s << 0.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QTEST(NumberText::leadingNumber(text), "value");
    }

    void exactNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << u"12"_s << true << 12.0;
        QTest::newRow("fraction without zero") << u".5"_s << true << 0.5;
        QTest::newRow("signed") << u"-7.5"_s << true << -7.5;
        QTest::newRow("exponent") << u"1E+2"_s << true << 100.0;
        QTest::newRow("trailing text") << u"12mm"_s << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("comma decimal") << u"8,25"_s << false << 0.0;
        QTest::newRow("exponent without digits") << u"1E"_s << false << 0.0;
        QTest::newRow("overflow") << u"1E999"_s << false << 0.0;
    }

    void exactNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<double> value = NumberText::exactNumber(text);
        QCOMPARE(value.has_value(), valid);
        if (valid)
            QTEST(*value, "value");
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
