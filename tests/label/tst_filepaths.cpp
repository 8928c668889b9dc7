// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/Cp1252.h"
#include "label/FilePaths.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The reference table made by iconv (make-cp1252-table.sh): the code point of each byte.
// The bytes the code page leaves undefined decode to the control character of the same
// number, so that every file reads and writes back intact.
QMap<int, char16_t> referenceCodePage()
{
    QMap<int, char16_t> table;
    QFile file(QStringLiteral(KORVALIN_CP1252_TABLE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() != 2)
            return {};
        const int byte = fields[0].toInt(nullptr, 16);
        table[byte] =
            fields[1] == "undefined" ? char16_t(byte) : char16_t(fields[1].toUShort(nullptr, 16));
    }
    return table;
}

} // namespace

class TestFilePaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addBackslash_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << u"/"_s << u"/"_s;
        QTest::newRow("folder") << u"/opt/korvalin"_s << u"/opt/korvalin/"_s;
        QTest::newRow("already ends") << u"/opt/korvalin/"_s << u"/opt/korvalin/"_s;
        QTest::newRow("empty") << QString() << u"/"_s;
    }

    void addBackslash()
    {
        QFETCH(QString, path);
        QTEST(withTrailingSlash(path), "expected");
    }

    void fileExists()
    {
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath(u"logo.ico"_s)).open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkdir(u"dossier.ico"_s));

        QVERIFY(matchingFileExists(dir.filePath(u"logo.ico"_s)));
        QVERIFY(matchingFileExists(dir.filePath(u"*.ico"_s)));
        QVERIFY(matchingFileExists(dir.filePath(u"l?go.ico"_s)));
        QVERIFY(!matchingFileExists(dir.filePath(u"dossier.ico"_s)));
        QVERIFY(!matchingFileExists(dir.filePath(u"*.bmp"_s)));
        QVERIFY(!matchingFileExists(dir.path()));
        QVERIFY(!matchingFileExists(QString()));
    }

    void codePageRoundTripsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = Cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QString(text[0x80]) + text[0x9C] + text[0x81] + text[0xE9],
                 u"\u20AC\u0153\u0081\u00E9"_s);
        QCOMPARE(Cp1252::encode(text), std::optional<QByteArray>(all));
    }

    void codePageMatchesTheReference_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");
        const QMap<int, char16_t> table = referenceCodePage();
        QCOMPARE(table.size(), 256);
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            QTest::addRow("0x%02X", it.key()) << it.key() << int(it.value());
    }

    void codePageMatchesTheReference()
    {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        const QByteArray bytes(1, char(byte));
        const QString text{QChar(char16_t(codePoint))};
        QCOMPARE(int(Cp1252::decode(bytes).at(0).unicode()), codePoint);
        QCOMPARE(Cp1252::encode(text), std::optional<QByteArray>(bytes));
    }

    // Only the 256 characters of the table can be written; every other one is refused.
    void codePageHoldsNothingElse()
    {
        const QMap<int, char16_t> table = referenceCodePage();
        QCOMPARE(table.size(), 256);
        QSet<char16_t> held;
        for (char16_t c : table)
            held.insert(c);
        for (int u = 0; u <= 0xFFFF; ++u) {
            if (Cp1252::canEncode(QChar(char16_t(u))) != held.contains(char16_t(u)))
                QFAIL(qPrintable(u"U+%1"_s.arg(u, 4, 16, QChar(u'0'))));
        }
    }

    void codePageRefusesWhatItCannotHold()
    {
        QVERIFY(Cp1252::canEncode(QChar(0x00E9)));
        QVERIFY(Cp1252::canEncode(QChar(0x2026)));
        QVERIFY(!Cp1252::canEncode(QChar(0x03A9)));
        QVERIFY(!Cp1252::canEncode(QChar(0x0100)));
        QVERIFY(!Cp1252::encode(u"abc Ω"_s));
    }
};

QTEST_GUILESS_MAIN(TestFilePaths)
#include "tst_filepaths.moc"
