// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUserFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A folder of the temporary folder stands for a build or unpacked folder; the tests may
    // run as root, who may write in the system folders too.
    void systemFolders_data()
    {
        QTest::addColumn<QString>("folder"); // "%tmp" is a writable folder of the user's
        QTest::addColumn<bool>("system");
        QTest::newRow("user's folder") << u"%tmp"_s << false;
        QTest::newRow("user's folder, spelt with ..") << u"%tmp/sub/.."_s << false;
        QTest::newRow("installed in /usr/bin") << u"/usr/bin"_s << true;
        QTest::newRow("installed in /usr/local/bin") << u"/usr/local/bin"_s << true;
        QTest::newRow("/usr spelt through a dot") << u"/./usr/bin"_s << true;
        QTest::newRow("under /opt, missing") << u"/opt/korvalin"_s << true;
        QTest::newRow("missing") << u"%tmp/absent"_s << true;
        QTest::newRow("a file, not a folder") << u"%tmp/file"_s << true;
    }

    void systemFolders()
    {
        QFETCH(QString, folder);
        QFETCH(bool, system);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QVERIFY(QDir(tmp.path()).mkdir(u"sub"_s));
        QFile file(tmp.filePath(u"file"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        folder.replace(u"%tmp"_s, tmp.path());
        QCOMPARE(UserFolders::isSystemFolder(folder), system);
    }

    // Folders at the root cannot be made for the test, so the prefixes are checked on paths.
    void installedLocations_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("installed");
        QTest::newRow("/usr itself") << u"/usr"_s << true;
        QTest::newRow("under /lib") << u"/lib/korvalin"_s << true;
        QTest::newRow("under /nix/store") << u"/nix/store/abc-korvalin/bin"_s << true;
        QTest::newRow("/lib32 only begins like /lib") << u"/lib32"_s << false;
        QTest::newRow("/usr2 only begins like /usr") << u"/usr2/bin"_s << false;
        QTest::newRow("/optical only begins like /opt") << u"/optical/korvalin"_s << false;
        QTest::newRow("/usr further down") << u"/home/usr/bin"_s << false;
    }

    void installedLocations()
    {
        QFETCH(QString, path);
        QFETCH(bool, installed);
        QCOMPARE(UserFolders::isInstalledLocation(path), installed);
    }
};

QTEST_APPLESS_MAIN(TestUserFolders)
#include "tst_userfolders.moc"
