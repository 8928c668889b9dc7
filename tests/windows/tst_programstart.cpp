// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/FilePaths.h"
#include "windows/main/ProgramStart.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProgramStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("labelFileName");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("none") << QString() << QString() << QString();
        QTest::newRow("absolute") << u"/data/lot.eti"_s << u"/data/lot.eti"_s << u"LOT.ETI"_s;
        QTest::newRow("quoted absolute")
            << u"\"/data/mes disques.eti\""_s << u"/data/mes disques.eti"_s << u"MES DISQUES.ETI"_s;
        QTest::newRow("bare name") << u"lot.eti"_s << u"/home/u/lot.eti"_s << u"LOT.ETI"_s;
        QTest::newRow("relative folder")
            << u"sous/lot.eti"_s << u"/home/u/sous/lot.eti"_s << u"LOT.ETI"_s;
        QTest::newRow("quoted relative")
            << u"\"lot.eti\""_s << u"/home/u/lot.eti"_s << u"LOT.ETI"_s;
    }

    void commandLine()
    {
        QFETCH(QString, argument);
        const ProgramStart start = ProgramStart::from(u"/opt/korvalin"_s, argument, u"/home/u"_s);
        QCOMPARE(start.programFolder, u"/opt/korvalin"_s);
        QCOMPARE(start.withDocument, !argument.isEmpty());
        QTEST(start.labelFileName, "labelFileName");
        QTEST(documentName(start.labelFileName), "shownName");
    }
};

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
