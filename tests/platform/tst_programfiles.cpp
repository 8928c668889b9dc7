// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestFiles.h"

#include "platform/ProgramFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestProgramFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A prefix holds bin/ and share/korvalin/; which of them hold a help file decides.
    void helpBesideTheProgramFirstThenInstalled_data()
    {
        QTest::addColumn<QStringList>("helpFiles");
        QTest::addColumn<QStringList>("helpFolders");
        QTest::addColumn<QString>("expectedFolder");
        const QString bin = u"bin"_s;
        const QString share = u"share/korvalin"_s;
        QTest::newRow("build folder") << QStringList{bin} << QStringList{} << bin;
        QTest::newRow("build folder, also installed")
            << QStringList{bin, share} << QStringList{} << bin;
        QTest::newRow("installed") << QStringList{share} << QStringList{} << share;
        QTest::newRow("nowhere") << QStringList{} << QStringList{} << bin;
        QTest::newRow("a folder of that name is no help file")
            << QStringList{} << QStringList{share} << bin;
    }

    void helpBesideTheProgramFirstThenInstalled()
    {
        QFETCH(QStringList, helpFiles);
        QFETCH(QStringList, helpFolders);
        QFETCH(QString, expectedFolder);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        const QDir root(prefix.path());
        QVERIFY(root.mkpath(u"bin"_s) && root.mkpath(u"share/korvalin"_s));
        for (const QString &folder : helpFiles)
            QVERIFY(writeBytes(root.filePath(folder + u"/KORVALIN.HLP"_s), "<html/>"));
        for (const QString &folder : helpFolders)
            QVERIFY(root.mkpath(folder + u"/KORVALIN.HLP"_s));
        const QString executableFolder = root.filePath(u"bin"_s);
        QCOMPARE(ProgramFiles::folder(executableFolder), root.filePath(expectedFolder));
        QCOMPARE(ProgramFiles::helpFile(executableFolder),
                 root.filePath(expectedFolder + u"/KORVALIN.HLP"_s));
    }

    // A translated help lies in its language's folder beside the French one, which stands
    // in for any translation missing.
    void helpInTheLanguageShown_data()
    {
        QTest::addColumn<QStringList>("helpFiles");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expectedFile");
        const QString french = u"KORVALIN.HLP"_s;
        const QString english = u"en/KORVALIN.HLP"_s;
        QTest::newRow("French") << QStringList{french, english} << u"fr"_s << french;
        QTest::newRow("English") << QStringList{french, english} << u"en"_s << english;
        QTest::newRow("English missing") << QStringList{french} << u"en"_s << french;
    }

    void helpInTheLanguageShown()
    {
        QFETCH(QStringList, helpFiles);
        QFETCH(QString, language);
        QFETCH(QString, expectedFile);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QDir root(folder.path());
        QVERIFY(root.mkpath(u"en"_s));
        for (const QString &file : helpFiles)
            QVERIFY(writeBytes(root.filePath(file), "<html/>"));
        QCOMPARE(ProgramFiles::translatedHelpFile(root.filePath(u"KORVALIN.HLP"_s), language),
                 root.filePath(expectedFile));
    }
};

QTEST_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
