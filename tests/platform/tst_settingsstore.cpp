// Values read from the machine-wide settings: the reading rules over a store in memory, and
// the administrator's settings file.
#include "MemoryKeyValueStore.h"
#include "TestFiles.h"

#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(StoredValue)

namespace {

const QString Key = QStringLiteral("SystemInformation");
const QString Name = QStringLiteral("Path");

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
    void readingRules_data();
    void readingRules();
    void missingValues_data();
    void missingValues();
    void settingsFile_data();
    void settingsFile();
};

void TestSettingsStore::readingRules_data()
{
    QTest::addColumn<StoredValue>("stored");
    QTest::addColumn<QString>("value");
    const QString before = QStringLiteral("avant");
    QTest::newRow("text with its terminating zero")
        << text(QByteArray("/usr/bin/outil\0", 15)) << QStringLiteral("/usr/bin/outil");
    QTest::newRow("text without a terminating zero")
        << text("/usr/bin/outil") << QStringLiteral("/usr/bin/outil");
    QTest::newRow("empty text") << text(QByteArray()) << QString();
    QTest::newRow("text in UTF-8") << text("/opt/syst\xC3\xA8me") << QStringLiteral("/opt/système");
    QTest::newRow("number 258") << number(QByteArray("\x02\x01\0\0", 4)) << QStringLiteral("258");
    QTest::newRow("number 4096") << number(QByteArray("\0\x10\0\0", 4)) << QStringLiteral("4096");
    QTest::newRow("number 0") << number(QByteArray(4, '\0')) << QStringLiteral("0");
    QTest::newRow("largest number")
        << number(QByteArray(4, '\xFF')) << QStringLiteral("4294967295");
    QTest::newRow("binary value keeps what was passed")
        << StoredValue{3, QByteArray("\x01\x02", 2)} << before;
    QTest::newRow("text that fills the buffer")
        << text(QByteArray(1024, 'a')) << QString(1024, QLatin1Char('a'));
}

void TestSettingsStore::readingRules()
{
    QFETCH(StoredValue, stored);
    QFETCH(QString, value);
    MemoryKeyValueStore store;
    store.set(HKEY_LOCAL_MACHINE, Key, Name, stored);
    QString read = QStringLiteral("avant");
    QVERIFY(GetKeyValue(store, HKEY_LOCAL_MACHINE, Key, Name, read));
    QCOMPARE(read, value);
}

void TestSettingsStore::missingValues_data()
{
    QTest::addColumn<quint32>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<StoredValue>("stored");
    const StoredValue path = text("/usr/bin/outil");
    QTest::newRow("another root") << 0x80000001u << Key << Name << path;
    QTest::newRow("another key") << HKEY_LOCAL_MACHINE << QStringLiteral("Autre") << Name << path;
    QTest::newRow("another value")
        << HKEY_LOCAL_MACHINE << Key << QStringLiteral("Dossier") << path;
    QTest::newRow("text longer than the buffer")
        << HKEY_LOCAL_MACHINE << Key << Name << text(QByteArray(1025, 'a'));
}

void TestSettingsStore::missingValues()
{
    QFETCH(quint32, root);
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(StoredValue, stored);
    MemoryKeyValueStore store;
    store.set(HKEY_LOCAL_MACHINE, Key, Name, stored);
    QString read = QStringLiteral("avant");
    QVERIFY(!GetKeyValue(store, root, key, name, read));
    QCOMPARE(read, QString());
}

void TestSettingsStore::settingsFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    QTest::newRow("a path") << QByteArray("[SystemInformation]\nPath=/usr/bin/hardinfo\n") << true
                            << QStringLiteral("/usr/bin/hardinfo");
    QTest::newRow("a path with blanks")
        << QByteArray("[SystemInformation]\nPath=\"/opt/Outils système/info\"\n") << true
        << QStringLiteral("/opt/Outils système/info");
    QTest::newRow("a text with commas")
        << QByteArray("[SystemInformation]\nPath=a,b,c\n") << true << QStringLiteral("a,b,c");
    QTest::newRow("a number") << QByteArray("[SystemInformation]\nPath=dword:00000102\n") << true
                              << QStringLiteral("258");
    QTest::newRow("not quite a number") << QByteArray("[SystemInformation]\nPath=dword:102\n")
                                        << true << QStringLiteral("dword:102");
    QTest::newRow("another group")
        << QByteArray("[Autre]\nPath=/usr/bin/hardinfo\n") << false << QString();
    QTest::newRow("empty file") << QByteArray() << false << QString();
}

void TestSettingsStore::settingsFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, found);
    QFETCH(QString, value);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("korvalin.conf"));
    QVERIFY(writeBytes(path, contents));
    const SystemSettingsFile settings(path);
    QString read;
    QCOMPARE(GetKeyValue(settings, HKEY_LOCAL_MACHINE, Key, Name, read), found);
    QCOMPARE(read, value);
    // Only the machine-wide root lives in this file.
    QVERIFY(!GetKeyValue(settings, 0x80000001u, Key, Name, read));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
