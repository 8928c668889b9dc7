// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineRun.h"
#include "CupsScheduler.h"
#include "PdfText.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "print/LabelOutput.h"
#include "print/Printer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double Tolerance = 0.5; // mm

using Outcome = CommandLineOutcome;

// The boxes of every copy of the word on the page, left to right.
QList<QRectF> boxesOf(const PdfTextPage &page, const QString &text)
{
    QList<QRectF> boxes;
    for (const PdfWord &w : page.words) {
        if (w.text == text)
            boxes.append(w.box);
    }
    std::sort(boxes.begin(), boxes.end(),
              [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
    return boxes;
}

// Where the printable area of the queue's default page starts, in mm from the paper's corner.
QPointF printableOrigin(const QString &queue)
{
    const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
    return page ? page->printableAreaMm.topLeft() : QPointF(-1000, -1000);
}

} // namespace

class TestPrintLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        const bool ready =
            !m_cups.addPdfQueue(u"Etiquettes"_s).isEmpty() &&
            !m_cups.addPdfQueueWithA4Margins(u"Marges"_s, QMarginsF(18, 36, 18, 36)).isEmpty() &&
            !m_cups.addPdfQueue(u"Refuse"_s).isEmpty() && m_cups.rejectJobs(u"Refuse"_s) &&
            m_cups.setDefault(u"Etiquettes"_s);
        QVERIFY2(ready, qPrintable(m_cups.errorString()));
    }

    void singleLabel_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QPointF>("printableOrigin");
        QTest::newRow("generic PDF printer") << u"Etiquettes"_s << printableOrigin(u"Etiquettes"_s);
        QTest::newRow("wider margins") << u"Marges"_s << QPointF(18, 36) * mmPerPt;
    }

    void singleLabel()
    {
        QFETCH(QString, queue);
        QFETCH(QPointF, printableOrigin);
        const Outcome o = runCommandLine({u"--print"_s, u"--printer"_s, queue, u"--position"_s,
                                          u"4"_s, writeLabel(u"une.eti"_s, u"Fin"_s)});
        QCOMPARE(o.status, 0);
        QVERIFY2(o.err.isEmpty(), qPrintable(o.err));
        const QList<PdfTextPage> pages = readPdfText(m_cups.waitForOutput(queue));
        QCOMPARE(pages.size(), 1);
        // Position 4 with the default distances is at (90, 58) from the printable corner.
        const QPointF origin = printableOrigin + QPointF(90, 58);
        const QRectF title = findWord(pages[0], u"Titre"_s).box;
        const QRectF first = findWord(pages[0], u"Contenu"_s).box;
        const QRectF second = findWord(pages[0], u"du"_s).box;
        const QRectF third = findWord(pages[0], u"disque"_s).box;
        QCOMPARE_LT(qAbs(title.left() * mmPerPt - (origin.x() + 18)), Tolerance);
        QCOMPARE_LT(qAbs(first.left() * mmPerPt - (origin.x() + 3)), Tolerance);
        // Zone 2 has three lines: they start one whole line below its top, a line apart.
        const double lineHeight = (second.top() - first.top()) * mmPerPt;
        QCOMPARE_LT(qAbs((third.top() - second.top()) * mmPerPt - lineHeight), 0.05);
        QCOMPARE_LT(qAbs(first.top() * mmPerPt - (origin.y() + 16 + lineHeight)), Tolerance);
        QCOMPARE(findWord(pages[0], u"Fin"_s).box.isEmpty(), false);
    }

    void numberedRun()
    {
        const Outcome o = runCommandLine(args("--print --start 9 --number 7")
                                         << writeLabel(u"serie.eti"_s, u"Disquette"_s));
        QCOMPARE(o.status, 0);
        const QList<PdfTextPage> pages = readPdfText(m_cups.waitForOutput(u"Etiquettes"_s));
        QCOMPARE(pages.size(), 1);
        const QPointF corner = printableOrigin(u"Etiquettes"_s);
        const QRectF seven = findWord(pages[0], u"7"_s).box;
        const QRectF eight = findWord(pages[0], u"8"_s).box;
        QVERIFY(!seven.isEmpty() && !eight.isEmpty());
        const QList<QRectF> labels = boxesOf(pages[0], u"Disquette"_s);
        QCOMPARE(labels.size(), 2);
        QCOMPARE_LT(qAbs(labels[0].left() * mmPerPt - (corner.x() + 10 + 3)), Tolerance);
        QCOMPARE_LT(qAbs(labels[1].left() * mmPerPt - (corner.x() + 90 + 3)), Tolerance);
        QVERIFY(seven.left() > labels[0].right() && seven.right() < labels[1].left());
        QCOMPARE_LT(qAbs(seven.top() - eight.top()) * mmPerPt, 0.05);
        QCOMPARE_GT(seven.top() * mmPerPt, corner.y() + 220 + 38.0);
    }

    // A list over two sheets goes to the printer as one job of two pages.
    void listIsOneJob()
    {
        const qsizetype jobsBefore = m_cups.jobStates(u"Etiquettes"_s).size();
        const QString list = m_dir.filePath(u"boite.txt"_s);
        QVERIFY(writeBytes(list, "Premier\nDeuxieme\nTroisieme\n"));
        const Outcome o = runCommandLine(args("--print --start 9 --list")
                                         << list << writeLabel(u"liste.eti"_s, u"Disquette"_s));
        QCOMPARE(o.status, 0);
        const QList<PdfTextPage> pages = readPdfText(m_cups.waitForOutput(u"Etiquettes"_s));
        QCOMPARE(pages.size(), 2);
        QVERIFY(!findWord(pages[0], u"Deuxieme"_s).box.isEmpty());
        QVERIFY(!findWord(pages[1], u"Troisieme"_s).box.isEmpty());
        QVERIFY(m_cups.waitUntilIdle());
        QCOMPARE(m_cups.jobStates(u"Etiquettes"_s).size(), jobsBefore + 1);
    }

    void iconsPrintSharp_data()
    {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("expectedImages");
        QTest::newRow("raster icon, lossless") << u"data/multi-size.ico"_s << u"lossless"_s;
        QTest::newRow("metafile, vectors only") << u"data/shapes-libreoffice.wmf"_s << u"none"_s;
    }

    void iconsPrintSharp()
    {
        QFETCH(QString, icon);
        QFETCH(QString, expectedImages);
        const QString iconPath = QFINDTESTDATA(u"../platform/"_s + icon);
        QVERIFY2(!iconPath.isEmpty(), qPrintable(icon));
        const QString pdf = m_dir.filePath(u"icone.pdf"_s);
        const Outcome o = runCommandLine({u"--pdf"_s, pdf, u"--position"_s, u"1"_s,
                                          writeLabel(u"icone.eti"_s, QString(), iconPath)});
        QCOMPARE(o.status, 0);
        QVERIFY2(o.err.isEmpty(), qPrintable(o.err));
        QProcess pdfimages;
        pdfimages.start(u"pdfimages"_s, {u"-list"_s, pdf});
        QVERIFY(pdfimages.waitForFinished(10000));
        const QStringList rows = QString::fromUtf8(pdfimages.readAllStandardOutput())
                                     .split(u'\n', Qt::SkipEmptyParts)
                                     .mid(2);
        if (expectedImages == "none"_L1) {
            QVERIFY2(rows.isEmpty(), qPrintable(rows.join(u'\n')));
            return;
        }
        QVERIFY(!rows.isEmpty());
        for (const QString &row : rows)
            QVERIFY2(!row.contains("jpeg"_L1), qPrintable(row));
    }

    void printerErrors_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::newRow("queue refusing jobs") << u"Refuse"_s;
        QTest::newRow("queue that does not exist") << u"Absente"_s;
    }

    void printerErrors()
    {
        QFETCH(QString, queue);
        const int jobsBefore = int(m_cups.jobStates(u"Etiquettes"_s).size());
        const Outcome o = runCommandLine({u"--print"_s, u"--printer"_s, queue, u"--position"_s,
                                          u"1"_s, writeLabel(u"erreur.eti"_s, u"x"_s)});
        QCOMPARE(o.status, 1);
        QCOMPARE(o.err, u"Erreur sur l'imprimante !\n"_s);
        QVERIFY(m_cups.waitUntilIdle());
        QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
        QCOMPARE(int(m_cups.jobStates(u"Etiquettes"_s).size()), jobsBefore);
    }

    void emptyRunSubmitsNoJob()
    {
        PrintRequest request;
        request.run.mode = PrintMode::Run;
        request.run.copyCount = 0;
        const qsizetype jobsBefore = m_cups.jobStates(QString()).size();
        QCOMPARE(LabelOutput::print(Printer(u"Etiquettes"_s), request, LabelArtwork()).result,
                 PrintResult::Printed);
        QVERIFY(m_cups.waitUntilIdle());
        QCOMPARE(m_cups.jobStates(QString()).size(), jobsBefore);
    }

    void stoppedScheduler()
    {
        m_cups.stop();
        const Outcome o = runCommandLine(
            {u"--print"_s, u"--printer"_s, u"Etiquettes"_s, writeLabel(u"arret.eti"_s, u"x"_s)});
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        QCOMPARE(o.status, 1);
        QCOMPARE(o.err, u"Erreur sur l'imprimante !\n"_s);
    }

private:
    QString writeLabel(const QString &name, const QString &zone3, const QString &icon = {})
    {
        LabelDocument label = LabelDocument::startUp();
        label.zones[ZoneId::First].text = u"Titre"_s;
        label.zones[ZoneId::Second].text = u"Contenu\r\ndu\r\ndisque"_s;
        label.zones[ZoneId::Second].style.pointSize = 10;
        label.zones[ZoneId::Third].text = zone3;
        label.picture.path = icon;
        const QString path = m_dir.filePath(name);
        if (!writeBytes(path, *LabelFile::encode(label)))
            qFatal("cannot write a label");
        return path;
    }

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrintLabels)
#include "tst_printlabels.moc"
