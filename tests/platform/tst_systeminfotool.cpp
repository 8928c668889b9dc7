// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemSettingsFile.h"
#include "TestFiles.h"

#include "platform/SystemInfoTool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Which system information program the about box starts: what the administrator's settings
// file names, then PATH and the start folder set for each case. A program in a relative
// folder, or named by a relative path, is never taken.

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

    void named_data()
    {
        QTest::addColumn<QByteArray>("contents"); // of the settings file
        QTest::addColumn<QString>("named");
        const QByteArray group = "[SystemInformation]\n";
        QTest::newRow("a path") << group + "Path=/usr/bin/hardinfo\n" << u"/usr/bin/hardinfo"_s;
        QTest::newRow("text with its terminating zero") << group + "Path=/usr/bin/outil\\0\n"
                                                        << u"/usr/bin/outil"_s;
        QTest::newRow("a path with blanks") << group + "Path=\"/opt/Outils système/info\"\n"
                                            << u"/opt/Outils système/info"_s;
        QTest::newRow("text in UTF-8") << group + "Path=/opt/syst\xC3\xA8me\n" << u"/opt/système"_s;
        QTest::newRow("a text with commas") << group + "Path=a,b,c\n" << u"a,b,c"_s;
        QTest::newRow("numbers are texts") << group + "Path=dword:00000102\n"
                                           << u"dword:00000102"_s;
        QTest::newRow("not quite a number") << group + "Path=dword:102\n" << u"dword:102"_s;
        QTest::newRow("longest path") << group + "Path=" + QByteArray(1024, 'a') + '\n'
                                      << QString(1024, QLatin1Char('a'));
        QTest::newRow("longer than a path") << group + "Path=" + QByteArray(1025, 'a') + '\n'
                                            << QString();
        QTest::newRow("empty text") << group + "Path=\n" << QString();
        QTest::newRow("another value") << group + "Dossier=/usr/bin/hardinfo\n" << QString();
        QTest::newRow("another group")
            << QByteArray("[Autre]\nPath=/usr/bin/hardinfo\n") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
    }

    void named()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, named);
        const SystemSettingsFile file(contents);
        QVERIFY(file.isValid());
        QCOMPARE(SystemInfoTool::namedProgram(file.settings()), named);
    }

    void located_data()
    {
        QTest::addColumn<QString>("path");  // {installed} stands for the absolute folder
        QTest::addColumn<QString>("named"); // the administrator's Path= line, or "" for none
        QTest::addColumn<QString>("found"); // the same, or "" for none
        QTest::newRow("dot") << u".:/nonexistent"_s << QString() << QString();
        QTest::newRow("relative folder") << u"bin"_s << QString() << QString();
        QTest::newRow("empty entry") << u":/nonexistent"_s << QString() << QString();
        QTest::newRow("absolute folder after relative ones")
            << u".:bin::{installed}"_s << QString() << u"{installed}/hardinfo"_s;
        QTest::newRow("named by a relative path")
            << u"{installed}"_s << u"Path=bin/hardinfo"_s << QString();
        QTest::newRow("named by a bare name")
            << u"{installed}"_s << u"Path=hardinfo"_s << QString();
        QTest::newRow("named by an absolute path")
            << u"."_s << u"Path={installed}/hardinfo"_s << u"{installed}/hardinfo"_s;
        QTest::newRow("empty Path= falls back to PATH")
            << u"{installed}"_s << u"Path="_s << u"{installed}/hardinfo"_s;
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
        const SystemSettingsFile file("[SystemInformation]\n" + expand(named).toUtf8() + '\n');
        QVERIFY(file.isValid());
        const QString located = SystemInfoTool::locate(file.settings());
        qputenv("PATH", savedPath);
        QCOMPARE(located, expand(found));
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestSystemInfoTool)
#include "tst_systeminfotool.moc"
