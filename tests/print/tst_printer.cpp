// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CupsScheduler.h"
#include "PageMarks.h"
#include "PdfText.h"

#include "print/PageOutput.h"
#include "print/Printer.h"
#include "print/PrinterSetup.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <cups/ipp.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageGeometry)

namespace {

constexpr auto Portrait = PageGeometry::Orientation::Portrait;
constexpr auto Landscape = PageGeometry::Orientation::Landscape;

QSizeF mm(double widthPt, double heightPt)
{
    return QSizeF(widthPt, heightPt) * mmPerPt;
}

QRectF mm(double xPt, double yPt, double widthPt, double heightPt)
{
    return QRectF(QPointF(xPt, yPt) * mmPerPt, QSizeF(widthPt, heightPt) * mmPerPt);
}

bool near(double a, double b, double tolerance)
{
    return qAbs(a - b) < tolerance;
}

QString describe(const QRectF &r)
{
    return u"(%1, %2, %3 x %4)"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        const QMarginsF uneven(10, 30, 20, 50); // left, top, right, bottom, in points
        const bool ready =
            !m_cups.addPdfQueue(u"A4"_s).isEmpty() &&
            !m_cups.addPdfQueue(u"A4Landscape"_s).isEmpty() &&
            m_cups.setDefaultOrientation(u"A4Landscape"_s, 4) &&
            !m_cups.addPdfQueue(u"Letter"_s, {u"PageSize=Letter"_s}).isEmpty() &&
            !m_cups.addPdfQueueWithA4Margins(u"Uneven"_s, uneven).isEmpty() &&
            !m_cups.addPdfQueueWithA4Margins(u"UnevenLandscape"_s, uneven).isEmpty() &&
            m_cups.setDefaultOrientation(u"UnevenLandscape"_s, 4) &&
            !m_cups.addPdfQueue(u"Refusing"_s).isEmpty() && m_cups.rejectJobs(u"Refusing"_s) &&
            !m_cups.addPdfQueue(u"Switch"_s).isEmpty() &&
            !m_cups.addPdfQueue(u"Cancelled"_s).isEmpty();
        QVERIFY2(ready, qPrintable(m_cups.errorString()));
    }

    // The queues' PPD gives A4 as 595 x 842 points with margins of 18 (sides) and 36 (top and
    // bottom) points, Letter as 612 x 792 with the same margins; "Uneven" has A4 margins of
    // 10 left, 30 top, 20 right and 50 bottom. A landscape page lies on the sheet turned a
    // quarter anticlockwise: its top margin is the sheet's left one, its left margin the
    // sheet's bottom one.
    void pageGeometryIsTheDestinationsDefault_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<PageGeometry>("expected");

        const QString a4 = u"iso_a4_210x297mm"_s;
        QTest::newRow("A4 portrait")
            << u"A4"_s << PageGeometry{mm(595, 842), mm(18, 36, 559, 770), Portrait, a4};
        QTest::newRow("A4 landscape")
            << u"A4Landscape"_s << PageGeometry{mm(842, 595), mm(36, 18, 770, 559), Landscape, a4};
        QTest::newRow("Letter portrait")
            << u"Letter"_s
            << PageGeometry{mm(612, 792), mm(18, 36, 576, 720), Portrait, u"na_letter_8.5x11in"_s};
        QTest::newRow("uneven margins, portrait")
            << u"Uneven"_s << PageGeometry{mm(595, 842), mm(10, 30, 565, 762), Portrait, a4};
        QTest::newRow("uneven margins, landscape")
            << u"UnevenLandscape"_s
            << PageGeometry{mm(842, 595), mm(50, 10, 762, 565), Landscape, a4};
    }

    void pageGeometryIsTheDestinationsDefault()
    {
        QFETCH(QString, queue);
        QFETCH(PageGeometry, expected);

        const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
        QVERIFY(page);
        QCOMPARE(page->mediaKeyword, expected.mediaKeyword);
        QCOMPARE(page->orientation, expected.orientation);
        // libcups gives hundredths of a millimetre.
        QVERIFY2(near(page->paperSizeMm.width(), expected.paperSizeMm.width(), 0.02) &&
                     near(page->paperSizeMm.height(), expected.paperSizeMm.height(), 0.02),
                 qPrintable(describe(QRectF(QPointF(), page->paperSizeMm))));
        const QRectF area = page->printableAreaMm;
        const QRectF wanted = expected.printableAreaMm;
        QVERIFY2(near(area.left(), wanted.left(), 0.02) && near(area.top(), wanted.top(), 0.02) &&
                     near(area.right(), wanted.right(), 0.03) &&
                     near(area.bottom(), wanted.bottom(), 0.03),
                 qPrintable(describe(area) + u" instead of "_s + describe(wanted)));
    }

    void printedPageLandsAtPrintableOrigin_data() { pageGeometryIsTheDestinationsDefault_data(); }

    void printedPageLandsAtPrintableOrigin()
    {
        QFETCH(QString, queue);
        QFETCH(PageGeometry, expected);
        QFile::remove(m_cups.outputPath(queue));

        QVERIFY(printPage(Printer(queue), drawPageMarks(), u"Étiquette"_s));
        const QString output = m_cups.waitForOutput(queue);
        QVERIFY2(!output.isEmpty(), "no PDF came out of the queue");

        const bool landscape = expected.orientation == Landscape;
        const QMap<QString, QString> job = m_cups.lastJobAttributes(
            queue, {u"media"_s, u"orientation-requested"_s, u"sides"_s, u"print-scaling"_s});
        QCOMPARE(job.value(u"media"_s), expected.mediaKeyword);
        QCOMPARE(job.value(u"orientation-requested"_s), landscape ? u"landscape"_s : u"portrait"_s);
        QCOMPARE(job.value(u"sides"_s), u"one-sided"_s);
        QCOMPARE(job.value(u"print-scaling"_s), u"none"_s);

        // The PDF shows the sheet as it comes out of the printer, upright.
        const QList<PdfTextPage> pages = readPdfText(output);
        QCOMPARE(pages.size(), 1);
        const QSizeF sheetMm = landscape ? expected.paperSizeMm.transposed() : expected.paperSizeMm;
        const QSizeF media = pages[0].size * mmPerPt;
        QVERIFY(near(qMin(media.width(), media.height()), sheetMm.width(), 0.2));
        QVERIFY(near(qMax(media.width(), media.height()), sheetMm.height(), 0.2));

        for (const PageMark &mark : pageMarks()) {
            const QRectF onSheet = findWord(pages[0], mark.text).box;
            QVERIFY2(!onSheet.isEmpty(), qPrintable(mark.text));
            // Turn a landscape page back a quarter clockwise to read it as it was drawn.
            const QPointF drawnAt = landscape
                                        ? QPointF(sheetMm.height() - onSheet.bottom() * mmPerPt,
                                                  onSheet.left() * mmPerPt)
                                        : onSheet.topLeft() * mmPerPt;
            const QPointF wanted = expected.printableAreaMm.topLeft() + mark.offsetMm;
            QVERIFY2(near(drawnAt.x(), wanted.x(), 0.1) && near(drawnAt.y(), wanted.y(), 0.1),
                     qPrintable(u"%1 at (%2, %3) mm instead of (%4, %5)"_s.arg(mark.text)
                                    .arg(drawnAt.x())
                                    .arg(drawnAt.y())
                                    .arg(wanted.x())
                                    .arg(wanted.y())));
        }
    }

    void orientationIsTheStoredDefault_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("stored"); // orientation-requested-default; 0 leaves it alone
        QTest::addColumn<StoredOrientation>("expected");

        QTest::newRow("never set") << u"A4"_s << 0 << StoredOrientation(Portrait);
        QTest::newRow("landscape") << u"Switch"_s << 4 << StoredOrientation(Landscape);
        QTest::newRow("back to portrait") << u"Switch"_s << 3 << StoredOrientation(Portrait);
        QTest::newRow("reverse landscape") << u"Switch"_s << 5 << StoredOrientation(Landscape);
        QTest::newRow("reverse portrait") << u"Switch"_s << 6 << StoredOrientation(Portrait);
        QTest::newRow("no printer") << QString() << 0 << StoredOrientation();
        QTest::newRow("unknown queue") << u"Missing"_s << 0 << StoredOrientation();
    }

    void orientationIsTheStoredDefault()
    {
        QFETCH(QString, queue);
        QFETCH(int, stored);
        QFETCH(StoredOrientation, expected);

        const Printer printer(queue); // made before the change: it must still see it
        if (stored != 0)
            QVERIFY2(m_cups.setDefaultOrientation(queue, stored), qPrintable(m_cups.errorString()));
        QCOMPARE(printer.orientation(), OrientationAnswer(expected));
    }

    void installedAndDefaultPrinters()
    {
        const QStringList queues{u"A4"_s,     u"A4Landscape"_s,    u"Cancelled"_s,
                                 u"Letter"_s, u"Refusing"_s,       u"Switch"_s,
                                 u"Uneven"_s, u"UnevenLandscape"_s};
        QCOMPARE(Printer::findInstalledPrinters(), SchedulerAnswer<QStringList>(queues));
        // Printers but no default: that is the scheduler's answer, not its silence.
        const SchedulerAnswer<Printer> noDefault = Printer::findSystemDefault();
        QVERIFY(std::holds_alternative<Printer>(noDefault) &&
                std::get<Printer>(noDefault).isNull());

        QVERIFY(m_cups.setDefault(u"Letter"_s));
        QCOMPARE(Printer::systemDefault().name(), u"Letter"_s);
        QVERIFY(m_cups.setDefault(u"A4Landscape"_s));
        const Printer chosen = Printer::systemDefault();
        QCOMPARE(chosen.name(), u"A4Landscape"_s);
        QCOMPARE(chosen.orientation(), OrientationAnswer(Landscape));
    }

    void failedPrintLeavesNoOutput_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("drawingFails");

        QTest::newRow("queue refusing jobs") << u"Refusing"_s << false;
        QTest::newRow("unknown queue") << u"Missing"_s << false;
        QTest::newRow("no printer") << QString() << false;
        QTest::newRow("drawing failed") << u"A4"_s << true;
    }

    void failedPrintLeavesNoOutput()
    {
        QFETCH(QString, queue);
        QFETCH(bool, drawingFails);
        // A default queue is there to catch a job that strays from the one asked for.
        QVERIFY(m_cups.setDefault(u"Letter"_s));
        QFile::remove(m_cups.outputPath(queue));
        QFile::remove(m_cups.outputPath(u"Letter"_s));
        const int jobsBefore = jobsOnAllQueues();

        QVERIFY(!printPage(Printer(queue), drawingFails ? failingDrawer() : drawPageMarks(),
                           u"Étiquette"_s));
        QVERIFY(m_cups.waitUntilIdle());
        QCOMPARE(jobsOnAllQueues(), jobsBefore);
        QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
        QVERIFY(!QFile::exists(m_cups.outputPath(u"Letter"_s)));
    }

    void jobFailingAfterCreationIsCancelled()
    {
        // A scheduler that takes the job but refuses a document of more than 1 KiB.
        const auto restore = qScopeGuard([this] { QVERIFY(restartWith({})); });
        QVERIFY2(restartWith("LimitRequestBody 1024\n"), qPrintable(m_cups.errorString()));
        const QString queue = u"Cancelled"_s;
        QFile::remove(m_cups.outputPath(queue));

        QVERIFY(!printPage(Printer(queue), drawPageMarks(), u"Étiquette"_s));
        QCOMPARE(m_cups.jobStates(queue), QList<int>{IPP_JSTATE_CANCELED});
        QVERIFY(m_cups.waitUntilIdle());
        QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
    }

    void unsavedOptionsSayWhy()
    {
        // Where the store belongs, a folder: libcups cannot write it, even as root.
        QVERIFY(QDir().mkpath(m_cups.userOptionsPath()));
        const auto removeFolder = qScopeGuard([this] { QDir().rmdir(m_cups.userOptionsPath()); });
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(u"saving the printer options failed: cannot write "_s +
                                             QRegularExpression::escape(m_cups.userOptionsPath()) +
                                             u": "_s + qt_error_string(EISDIR)));
        QVERIFY(!PrinterSetup::store({u"A4"_s, u"iso_a4_210x297mm"_s, Landscape}).stored);
    }

    void nothingPrintsWithoutScheduler()
    {
        const QString queue = u"A4"_s;
        QFile::remove(m_cups.outputPath(queue));
        const int jobsBefore = jobsOnAllQueues();
        m_cups.stop();
        const auto restart = qScopeGuard([this] { QVERIFY(m_cups.start()); });

        const Printer printer(queue);
        QVERIFY(!printPage(printer, drawPageMarks(), u"Étiquette"_s));
        QCOMPARE(printer.orientation(), OrientationAnswer(SchedulerAway{}));
        QVERIFY(!printer.pageGeometry());
        QCOMPARE(Printer::findInstalledPrinters(), SchedulerAnswer<QStringList>(SchedulerAway{}));
        QVERIFY(Printer::systemDefault().isNull());
        QVERIFY(std::holds_alternative<SchedulerAway>(Printer::findSystemDefault()));

        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        QCOMPARE(jobsOnAllQueues(), jobsBefore);
        QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
    }

private:
    int jobsOnAllQueues() const { return int(m_cups.jobStates(QString()).size()); }

    bool restartWith(const QByteArray &directives)
    {
        m_cups.stop();
        return m_cups.setServerDirectives(directives) && m_cups.start();
    }

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
