// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Values read from the machine-wide settings: the reading rules over a store in memory, and
// the administrator's settings file.
#include "MemoryKeyValueStore.h"
#include "TestFiles.h"

#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StoredValue)

namespace {

const QString Key = u"SystemInformation"_s;
const QString Name = u"Path"_s;

StoredValue text(const QByteArray &bytes)
{
    return {REG_SZ, bytes};
}

StoredValue number(const QByteArray &littleEndian)
{
    return {REG_DWORD, littleEndian};
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void readingRules_data()
    {
        QTest::addColumn<StoredValue>("stored");
        QTest::addColumn<QString>("value");
        const QString before = u"avant"_s;
        QTest::newRow("text with its terminating zero")
            << text(QByteArray("/usr/bin/outil\0", 15)) << u"/usr/bin/outil"_s;
        QTest::newRow("text without a terminating zero")
            << text("/usr/bin/outil") << u"/usr/bin/outil"_s;
        QTest::newRow("empty text") << text(QByteArray()) << QString();
        QTest::newRow("text in UTF-8") << text("/opt/syst\xC3\xA8me") << u"/opt/système"_s;
        QTest::newRow("number 258") << number(QByteArray("\x02\x01\0\0", 4)) << u"258"_s;
        QTest::newRow("number 4096") << number(QByteArray("\0\x10\0\0", 4)) << u"4096"_s;
        QTest::newRow("number 0") << number(QByteArray(4, '\0')) << u"0"_s;
        QTest::newRow("largest number") << number(QByteArray(4, '\xFF')) << u"4294967295"_s;
        QTest::newRow("binary value keeps what was passed")
            << StoredValue{3, QByteArray("\x01\x02", 2)} << before;
        QTest::newRow("text that fills the buffer")
            << text(QByteArray(1024, 'a')) << QString(1024, QLatin1Char('a'));
    }

    void readingRules()
    {
        QFETCH(StoredValue, stored);
        QFETCH(QString, value);
        MemoryKeyValueStore store;
        store.set(HKEY_LOCAL_MACHINE, Key, Name, stored);
        QString read = u"avant"_s;
        QVERIFY(GetKeyValue(store, HKEY_LOCAL_MACHINE, Key, Name, read));
        QCOMPARE(read, value);
    }

    void missingValues_data()
    {
        QTest::addColumn<quint32>("root");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<StoredValue>("stored");
        const StoredValue path = text("/usr/bin/outil");
        QTest::newRow("another root") << 0x80000001u << Key << Name << path;
        QTest::newRow("another key") << HKEY_LOCAL_MACHINE << u"Autre"_s << Name << path;
        QTest::newRow("another value") << HKEY_LOCAL_MACHINE << Key << u"Dossier"_s << path;
        QTest::newRow("text longer than the buffer")
            << HKEY_LOCAL_MACHINE << Key << Name << text(QByteArray(1025, 'a'));
    }

    void missingValues()
    {
        QFETCH(quint32, root);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(StoredValue, stored);
        MemoryKeyValueStore store;
        store.set(HKEY_LOCAL_MACHINE, Key, Name, stored);
        QString read = u"avant"_s;
        QVERIFY(!GetKeyValue(store, root, key, name, read));
        QCOMPARE(read, QString());
    }

    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        QTest::newRow("a path") << QByteArray("[SystemInformation]\nPath=/usr/bin/hardinfo\n")
                                << true << u"/usr/bin/hardinfo"_s;
        QTest::newRow("a path with blanks")
            << QByteArray("[SystemInformation]\nPath=\"/opt/Outils système/info\"\n") << true
            << u"/opt/Outils système/info"_s;
        QTest::newRow("a text with commas")
            << QByteArray("[SystemInformation]\nPath=a,b,c\n") << true << u"a,b,c"_s;
        QTest::newRow("a number") << QByteArray("[SystemInformation]\nPath=dword:00000102\n")
                                  << true << u"258"_s;
        QTest::newRow("not quite a number")
            << QByteArray("[SystemInformation]\nPath=dword:102\n") << true << u"dword:102"_s;
        QTest::newRow("another group")
            << QByteArray("[Autre]\nPath=/usr/bin/hardinfo\n") << false << QString();
        QTest::newRow("empty file") << QByteArray() << false << QString();
    }

    void settingsFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, found);
        QFETCH(QString, value);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"korvalin.conf"_s);
        QVERIFY(writeBytes(path, contents));
        const SystemSettingsFile settings(path);
        QString read;
        QCOMPARE(GetKeyValue(settings, HKEY_LOCAL_MACHINE, Key, Name, read), found);
        QCOMPARE(read, value);
        // Only the machine-wide root lives in this file.
        QVERIFY(!GetKeyValue(settings, 0x80000001u, Key, Name, read));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
