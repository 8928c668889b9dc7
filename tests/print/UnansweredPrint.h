// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestFiles.h"

#include "label/LabelFile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// What a question that waited out its connection's budget warns.
inline const QRegularExpression noAnswer(QStringLiteral("did not answer in time"));

// Prints a label from the command line, written at labelPath, on a scheduler that never
// answers in full: the program fails with the printer error and says why.
inline void checkCommandLinePrintFails(const QString &labelPath, const QStringList &printer)
{
    LabelDocument label = LabelDocument::startUp();
    label.zones[ZoneId::First].text = QStringLiteral("Sauvegarde");
    QVERIFY(writeBytes(labelPath, *LabelFile::encode(label)));
    QProcess korvalin;
    korvalin.start(QStringLiteral(KORVALIN_EXECUTABLE),
                   QStringList{QStringLiteral("--print")} + printer + QStringList{labelPath});
    // The budget bounds the wait; the test's own time limit is the suite's.
    QVERIFY(korvalin.waitForFinished(60000));
    QCOMPARE(korvalin.exitCode(), 1);
    const QString err = QString::fromUtf8(korvalin.readAllStandardError());
    QVERIFY2(err.endsWith(QStringLiteral("Erreur sur l'imprimante !\n")), qPrintable(err));
    QVERIFY2(err.contains(noAnswer), qPrintable(err));
}

inline void addCommandLinePrinterRows()
{
    QTest::addColumn<QStringList>("printer");
    QTest::newRow("named printer")
        << QStringList{QStringLiteral("--printer"), QStringLiteral("Bureau")};
    QTest::newRow("default printer") << QStringList();
}
