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
};

QTEST_APPLESS_MAIN(TestUserFolders)
#include "tst_userfolders.moc"
