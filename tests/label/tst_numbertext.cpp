#include "label/NumberText.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forms_data();
    void forms();
    void leadingNumber_data();
    void leadingNumber();
    void exactNumber_data();
    void exactNumber();
};

void TestNumberText::forms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("signedForm");
    QTest::newRow("whole") << 10.0 << QStringLiteral("10") << QStringLiteral(" 10");
    QTest::newRow("fraction") << 7.5 << QStringLiteral("7.5") << QStringLiteral(" 7.5");
    QTest::newRow("negative") << -2.0 << QStringLiteral("-2") << QStringLiteral("-2");
    QTest::newRow("one half") << 0.5 << QStringLiteral(".5") << QStringLiteral(" .5");
    QTest::newRow("minus one half") << -0.25 << QStringLiteral("-.25") << QStringLiteral("-.25");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0") << QStringLiteral(" 0");
    QTest::newRow("large, no exponent")
        << 123456789.0 << QStringLiteral("123456789") << QStringLiteral(" 123456789");
    QTest::newRow("system colour")
        << -2147483640.0 << QStringLiteral("-2147483640") << QStringLiteral("-2147483640");
}

void TestNumberText::forms()
{
    QFETCH(double, value);
    QTEST(NumberText::plain(value), "plain");
    QTEST(NumberText::signedForm(value), "signedForm");
}

void TestNumberText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("with unit") << QStringLiteral("12.5mm") << 12.5;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("lone minus") << QStringLiteral("-") << 0.0;
    QTest::newRow("leading blank") << QStringLiteral(" 10") << 10.0;
    QTest::newRow("one half") << QStringLiteral(".5") << 0.5;
    QTest::newRow("negative") << QStringLiteral("-3.25") << -3.25;
    QTest::newRow("trailing point") << QStringLiteral("4.") << 4.0;
    QTest::newRow("letters first") << QStringLiteral("a12") << 0.0;
}

void TestNumberText::leadingNumber()
{
    QFETCH(QString, text);
    QTEST(NumberText::leadingNumber(text), "value");
}

void TestNumberText::exactNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << QStringLiteral("12") << true << 12.0;
    QTest::newRow("fraction without zero") << QStringLiteral(".5") << true << 0.5;
    QTest::newRow("signed") << QStringLiteral("-7.5") << true << -7.5;
    QTest::newRow("exponent") << QStringLiteral("1E+2") << true << 100.0;
    QTest::newRow("trailing text") << QStringLiteral("12mm") << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("comma decimal") << QStringLiteral("8,25") << false << 0.0;
    QTest::newRow("exponent without digits") << QStringLiteral("1E") << false << 0.0;
    QTest::newRow("overflow") << QStringLiteral("1E999") << false << 0.0;
}

void TestNumberText::exactNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<double> value = NumberText::exactNumber(text);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QTEST(*value, "value");
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
