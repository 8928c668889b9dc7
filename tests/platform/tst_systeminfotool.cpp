// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryKeyValueStore.h"
#include "TestFiles.h"

#include "platform/SystemInfoTool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Which system information program the about box starts, with PATH and the start folder set
// for each case: a program in a relative folder, or named by a relative path, is never taken.

class TestSystemInfoTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        // The start folder and an absolute folder, each with a program of the list.
        for (const char *folder : {"start/bin", "installed"}) {
            const QString program = m_root.filePath(QString::fromLatin1(folder) + u"/hardinfo"_s);
            QVERIFY(QDir().mkpath(QFileInfo(program).path()));
            QVERIFY(writeBytes(program, "#!/bin/sh\n"));
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        }
        QVERIFY(QFile::link(u"bin/hardinfo"_s, m_root.filePath(u"start/hardinfo"_s)));
        QVERIFY(QDir::setCurrent(m_root.filePath(u"start"_s)));
    }

    void located_data()
    {
        QTest::addColumn<QString>("path");  // {installed} stands for the absolute folder
        QTest::addColumn<QString>("named"); // the administrator's Path=, or ""
        QTest::addColumn<QString>("found"); // the same, or "" for none

        QTest::newRow("dot") << u".:/nonexistent"_s << QString() << QString();
        QTest::newRow("relative folder") << u"bin"_s << QString() << QString();
        QTest::newRow("empty entry") << u":/nonexistent"_s << QString() << QString();
        QTest::newRow("absolute folder after relative ones")
            << u".:bin::{installed}"_s << QString() << u"{installed}/hardinfo"_s;
        QTest::newRow("named by a relative path")
            << u"{installed}"_s << u"bin/hardinfo"_s << QString();
        QTest::newRow("named by a bare name") << u"{installed}"_s << u"hardinfo"_s << QString();
        QTest::newRow("named by an absolute path")
            << u"."_s << u"{installed}/hardinfo"_s << u"{installed}/hardinfo"_s;
    }

    void located()
    {
        QFETCH(QString, path);
        QFETCH(QString, named);
        QFETCH(QString, found);
        const QString installed = m_root.filePath(u"installed"_s);
        const auto expand = [&](QString text) { return text.replace(u"{installed}"_s, installed); };

        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", expand(path).toUtf8());
        MemoryKeyValueStore settings;
        if (!named.isEmpty())
            settings.set(HKEY_LOCAL_MACHINE, QLatin1String(SystemInfoTool::Key),
                         QLatin1String(SystemInfoTool::PathValue),
                         {REG_SZ, expand(named).toUtf8()});
        const QString located = SystemInfoTool::locate(settings);
        qputenv("PATH", savedPath);
        QCOMPARE(located, expand(found));
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestSystemInfoTool)
#include "tst_systeminfotool.moc"
