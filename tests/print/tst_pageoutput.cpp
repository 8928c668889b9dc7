// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageMarks.h"
#include "PdfText.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "files/SmallFile.h"
#include "print/PageOutput.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageGeometry)
Q_DECLARE_METATYPE(SmallFile::WriteStep)
Q_DECLARE_METATYPE(SpecialFile)
Q_DECLARE_METATYPE(PdfFileResult)

class TestPageOutput : public QObject
{
    Q_OBJECT

private slots:
    void pageCarriesDrawingAtPrintableOrigin_data()
    {
        QTest::addColumn<PageGeometry>("page");
        QTest::addColumn<QSizeF>("pageSizePt");
        QTest::newRow("A4 portrait, whole page") << PageGeometry::a4Portrait() << QSizeF(595, 842);
        QTest::newRow("A4 landscape, inside margins")
            << PageGeometry{QSizeF(297, 210), QRectF(12.7, 6.35, 271.6, 197.3),
                            PageGeometry::Orientation::Landscape, u"iso_a4_210x297mm"_s}
            << QSizeF(842, 595);
        QTest::newRow("Letter portrait, inside margins")
            << PageGeometry{QSizeF(215.9, 279.4), QRectF(6.35, 12.7, 203.2, 254),
                            PageGeometry::Orientation::Portrait, u"na_letter_8.5x11in"_s}
            << QSizeF(612, 792);
    }

    void pageCarriesDrawingAtPrintableOrigin()
    {
        QFETCH(PageGeometry, page);
        QFETCH(QSizeF, pageSizePt);
        const std::optional<QByteArray> pdf = renderPdf(page, drawPageMarks(), u"Essai"_s);
        QVERIFY(pdf);
        const QString path = m_dir.filePath(u"page.pdf"_s);
        QVERIFY(writeBytes(path, *pdf));
        const QList<PdfTextPage> pages = readPdfText(path);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(qAbs(pages[0].size.width() - pageSizePt.width()) < 0.5 &&
                     qAbs(pages[0].size.height() - pageSizePt.height()) < 0.5,
                 qPrintable(
                     u"page %1 x %2 pt"_s.arg(pages[0].size.width()).arg(pages[0].size.height())));
        for (const PageMark &mark : pageMarks()) {
            const QPointF found = findWord(pages[0], mark.text).box.topLeft() * mmPerPt;
            const QPointF expected = page.printableAreaMm.topLeft() + mark.offsetMm;
            QVERIFY2((found - expected).manhattanLength() < 0.1,
                     qPrintable(QString::asprintf("%s at (%g, %g) mm, expected (%g, %g)",
                                                  qPrintable(mark.text), found.x(), found.y(),
                                                  expected.x(), expected.y())));
        }
    }

    void failedDrawingGivesNoPage()
    {
        QVERIFY(!renderPdf(PageGeometry::a4Portrait(), failingDrawer(), u"Essai"_s));
    }

    void pdfFileIsReplacedOnlyByACompletePage()
    {
        const QString path = m_dir.filePath(u"etiquette.pdf"_s);
        QCOMPARE(writePdfFile(path, PageGeometry::a4Portrait(), drawPageMarks()),
                 PdfFileResult::Written);
        const QByteArray written = fileBytes(path);
        QVERIFY(written.startsWith("%PDF-"));
        QCOMPARE(readPdfText(path).size(), 1);
        QCOMPARE(writePdfFile(path, PageGeometry::a4Portrait(), failingDrawer()),
                 PdfFileResult::DrawingFailed);
        QCOMPARE(fileBytes(path), written);
    }

    void unwritablePdfFileFails()
    {
        const QString path = m_dir.filePath(u"absent/etiquette.pdf"_s);
        QCOMPARE(writePdfFile(path, PageGeometry::a4Portrait(), drawPageMarks()),
                 PdfFileResult::WriteFailed);
        QVERIFY(!QFile::exists(path));
    }

    void refusedWriteStepKeepsPreviousPdf_data()
    {
        QTest::addColumn<SmallFile::WriteStep>("step");
        QTest::newRow("write") << SmallFile::WriteStep::Write;
        QTest::newRow("flush") << SmallFile::WriteStep::Flush;
        QTest::newRow("sync") << SmallFile::WriteStep::Sync;
    }

    void refusedWriteStepKeepsPreviousPdf()
    {
        QFETCH(SmallFile::WriteStep, step);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"etiquette.pdf"_s);
        QVERIFY(writeBytes(path, "%PDF-ancien"));
        {
            const SmallFile::ScopedWriteFailure failure(step);
            QCOMPARE(writePdfFile(path, PageGeometry::a4Portrait(), drawPageMarks()),
                     PdfFileResult::WriteFailed);
        }
        QCOMPARE(fileBytes(path), QByteArray("%PDF-ancien"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"etiquette.pdf"_s});
    }

    void pageGoesIntoADeviceOrPipe_data()
    {
        QTest::addColumn<SpecialFile>("kind");
        QTest::addColumn<bool>("withReader"); // for a pipe
        QTest::addColumn<PdfFileResult>("result");
        QTest::addColumn<QString>("reason");
        QTest::newRow("null device")
            << SpecialFile::NullDevice << false << PdfFileResult::Written << QString();
        QTest::newRow("full device") << SpecialFile::FullDevice << false
                                     << PdfFileResult::WriteFailed << u"Le disque est plein."_s;
        QTest::newRow("pipe being read")
            << SpecialFile::Fifo << true << PdfFileResult::Written << QString();
        // Nobody would ever read it: refused at once rather than waited on.
        QTest::newRow("pipe nobody reads")
            << SpecialFile::Fifo << false << PdfFileResult::WriteFailed
            << u"Aucun programme ne lit ce tube."_s;
        // A PDF over a disk's file system would destroy it.
        QTest::newRow("block device")
            << SpecialFile::BlockDevice << false << PdfFileResult::WriteFailed
            << u"Ce nom désigne un disque, sur lequel rien n'est jamais écrit."_s;
    }

    void pageGoesIntoADeviceOrPipe()
    {
        QFETCH(SpecialFile, kind);
        QFETCH(bool, withReader);
        QFETCH(PdfFileResult, result);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"sortie.pdf"_s);
        if (!makeSpecialFile(kind, path))
            QSKIP("Device nodes need root and a folder that allows them");
        std::unique_ptr<FifoReader> reader;
        if (withReader) {
            reader = std::make_unique<FifoReader>(path);
            QVERIFY(reader->isOpen());
        }
        const PdfFileOutcome outcome =
            writePdfFile(path, PageGeometry::a4Portrait(), drawPageMarks());
        QCOMPARE(outcome, result);
        QCOMPARE(outcome.reason, reason);
        QVERIFY(isSpecialFile(kind, path));
        if (reader) {
            const QByteArray page = reader->readAvailable();
            QVERIFY(page.startsWith("%PDF-"));
            QVERIFY(page.trimmed().endsWith("%%EOF"));
        }
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{u"sortie.pdf"_s});
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPageOutput)
#include "tst_pageoutput.moc"
