#include "CupsScheduler.h"
#include "PageMarks.h"
#include "PdfText.h"

#include "print/PageOutput.h"
#include "print/Printer.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <cups/ipp.h>

Q_DECLARE_METATYPE(PageGeometry)

namespace {

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
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageGeometryIsTheDestinationsDefault_data();
    void pageGeometryIsTheDestinationsDefault();
    void printedPageLandsAtPrintableOrigin_data();
    void printedPageLandsAtPrintableOrigin();
    void orientationIsTheStoredDefault_data();
    void orientationIsTheStoredDefault();
    void installedAndDefaultPrinters();
    void failedPrintLeavesNoOutput_data();
    void failedPrintLeavesNoOutput();
    void jobFailingAfterCreationIsCancelled();
    void nothingPrintsWithoutScheduler();

private:
    int jobsOnAllQueues() const { return int(m_cups.jobStates(QString()).size()); }
    bool restartWith(const QByteArray &directives);

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
};

void TestPrinter::initTestCase()
{
    QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
    const QMarginsF uneven(10, 30, 20, 50); // left, top, right, bottom, in points
    const bool ready =
        !m_cups.addPdfQueue(QStringLiteral("A4")).isEmpty() &&
        !m_cups.addPdfQueue(QStringLiteral("A4Landscape")).isEmpty() &&
        m_cups.setDefaultOrientation(QStringLiteral("A4Landscape"), 4) &&
        !m_cups.addPdfQueue(QStringLiteral("Letter"), {QStringLiteral("PageSize=Letter")})
             .isEmpty() &&
        !m_cups.addPdfQueueWithA4Margins(QStringLiteral("Uneven"), uneven).isEmpty() &&
        !m_cups.addPdfQueueWithA4Margins(QStringLiteral("UnevenLandscape"), uneven).isEmpty() &&
        m_cups.setDefaultOrientation(QStringLiteral("UnevenLandscape"), 4) &&
        !m_cups.addPdfQueue(QStringLiteral("Refusing")).isEmpty() &&
        m_cups.rejectJobs(QStringLiteral("Refusing")) &&
        !m_cups.addPdfQueue(QStringLiteral("Switch")).isEmpty() &&
        !m_cups.addPdfQueue(QStringLiteral("Cancelled")).isEmpty();
    QVERIFY2(ready, qPrintable(m_cups.errorString()));
}

// The queues' PPD gives A4 as 595 x 842 points with margins of 18 (sides) and 36 (top and
// bottom) points, Letter as 612 x 792 with the same margins; "Uneven" has A4 margins of
// 10 left, 30 top, 20 right and 50 bottom. A landscape page lies on the sheet turned a
// quarter anticlockwise: its top margin is the sheet's left one, its left margin the
// sheet's bottom one.
void TestPrinter::pageGeometryIsTheDestinationsDefault_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<PageGeometry>("expected");

    const auto portrait = PageGeometry::Orientation::Portrait;
    const auto landscape = PageGeometry::Orientation::Landscape;
    const QString a4 = QStringLiteral("iso_a4_210x297mm");
    QTest::newRow("A4 portrait") << QStringLiteral("A4")
                                 << PageGeometry{mm(595, 842), mm(18, 36, 559, 770), portrait, a4};
    QTest::newRow("A4 landscape") << QStringLiteral("A4Landscape")
                                  << PageGeometry{mm(842, 595), mm(36, 18, 770, 559), landscape,
                                                  a4};
    QTest::newRow("Letter portrait") << QStringLiteral("Letter")
                                     << PageGeometry{mm(612, 792), mm(18, 36, 576, 720), portrait,
                                                     QStringLiteral("na_letter_8.5x11in")};
    QTest::newRow("uneven margins, portrait")
        << QStringLiteral("Uneven")
        << PageGeometry{mm(595, 842), mm(10, 30, 565, 762), portrait, a4};
    QTest::newRow("uneven margins, landscape")
        << QStringLiteral("UnevenLandscape")
        << PageGeometry{mm(842, 595), mm(50, 10, 762, 565), landscape, a4};
}

void TestPrinter::pageGeometryIsTheDestinationsDefault()
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
             qPrintable(describe(area) + QStringLiteral(" instead of ") + describe(wanted)));
}

void TestPrinter::printedPageLandsAtPrintableOrigin_data()
{
    pageGeometryIsTheDestinationsDefault_data();
}

void TestPrinter::printedPageLandsAtPrintableOrigin()
{
    QFETCH(QString, queue);
    QFETCH(PageGeometry, expected);
    QFile::remove(m_cups.outputPath(queue));

    QVERIFY(printPage(Printer(queue), drawPageMarks(), QStringLiteral("Étiquette")));
    const QString output = m_cups.waitForOutput(queue);
    QVERIFY2(!output.isEmpty(), "no PDF came out of the queue");

    const bool landscape = expected.orientation == PageGeometry::Orientation::Landscape;
    const QMap<QString, QString> job = m_cups.lastJobAttributes(
        queue, {QStringLiteral("media"), QStringLiteral("orientation-requested"),
                QStringLiteral("sides"), QStringLiteral("print-scaling")});
    QCOMPARE(job.value(QStringLiteral("media")), expected.mediaKeyword);
    QCOMPARE(job.value(QStringLiteral("orientation-requested")),
             landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"));
    QCOMPARE(job.value(QStringLiteral("sides")), QStringLiteral("one-sided"));
    QCOMPARE(job.value(QStringLiteral("print-scaling")), QStringLiteral("none"));

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
        const QPointF drawnAt = landscape ? QPointF(sheetMm.height() - onSheet.bottom() * mmPerPt,
                                                    onSheet.left() * mmPerPt)
                                          : onSheet.topLeft() * mmPerPt;
        const QPointF wanted = expected.printableAreaMm.topLeft() + mark.offsetMm;
        QVERIFY2(near(drawnAt.x(), wanted.x(), 0.1) && near(drawnAt.y(), wanted.y(), 0.1),
                 qPrintable(QStringLiteral("%1 at (%2, %3) mm instead of (%4, %5)")
                                .arg(mark.text)
                                .arg(drawnAt.x())
                                .arg(drawnAt.y())
                                .arg(wanted.x())
                                .arg(wanted.y())));
    }
}

void TestPrinter::orientationIsTheStoredDefault_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<int>("stored"); // orientation-requested-default; 0 leaves it alone
    QTest::addColumn<int>("expected");

    QTest::newRow("never set") << QStringLiteral("A4") << 0 << 1;
    QTest::newRow("landscape") << QStringLiteral("Switch") << 4 << 2;
    QTest::newRow("back to portrait") << QStringLiteral("Switch") << 3 << 1;
    QTest::newRow("reverse landscape") << QStringLiteral("Switch") << 5 << 2;
    QTest::newRow("reverse portrait") << QStringLiteral("Switch") << 6 << 1;
    QTest::newRow("no printer") << QString() << 0 << 0;
    QTest::newRow("unknown queue") << QStringLiteral("Missing") << 0 << 0;
}

void TestPrinter::orientationIsTheStoredDefault()
{
    QFETCH(QString, queue);
    QFETCH(int, stored);
    QFETCH(int, expected);

    const Printer printer(queue); // made before the change: it must still see it
    if (stored != 0)
        QVERIFY2(m_cups.setDefaultOrientation(queue, stored), qPrintable(m_cups.errorString()));
    QCOMPARE(printer.orientation(), expected);
}

void TestPrinter::installedAndDefaultPrinters()
{
    const QStringList queues{QStringLiteral("A4"),        QStringLiteral("A4Landscape"),
                             QStringLiteral("Cancelled"), QStringLiteral("Letter"),
                             QStringLiteral("Refusing"),  QStringLiteral("Switch"),
                             QStringLiteral("Uneven"),    QStringLiteral("UnevenLandscape")};
    QCOMPARE(Printer::installedPrinters(), queues);

    QVERIFY(m_cups.setDefault(QStringLiteral("Letter")));
    QCOMPARE(Printer::systemDefault().name(), QStringLiteral("Letter"));
    QVERIFY(m_cups.setDefault(QStringLiteral("A4Landscape")));
    const Printer chosen = Printer::systemDefault();
    QCOMPARE(chosen.name(), QStringLiteral("A4Landscape"));
    QCOMPARE(chosen.orientation(), 2);
}

void TestPrinter::failedPrintLeavesNoOutput_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<bool>("drawingFails");

    QTest::newRow("queue refusing jobs") << QStringLiteral("Refusing") << false;
    QTest::newRow("unknown queue") << QStringLiteral("Missing") << false;
    QTest::newRow("no printer") << QString() << false;
    QTest::newRow("drawing failed") << QStringLiteral("A4") << true;
}

void TestPrinter::failedPrintLeavesNoOutput()
{
    QFETCH(QString, queue);
    QFETCH(bool, drawingFails);
    // A default queue is there to catch a job that strays from the one asked for.
    QVERIFY(m_cups.setDefault(QStringLiteral("Letter")));
    QFile::remove(m_cups.outputPath(queue));
    QFile::remove(m_cups.outputPath(QStringLiteral("Letter")));
    const int jobsBefore = jobsOnAllQueues();

    QVERIFY(!printPage(Printer(queue), drawingFails ? failingDrawer() : drawPageMarks(),
                       QStringLiteral("Étiquette")));
    QVERIFY(m_cups.waitUntilIdle());
    QCOMPARE(jobsOnAllQueues(), jobsBefore);
    QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
    QVERIFY(!QFile::exists(m_cups.outputPath(QStringLiteral("Letter"))));
}

bool TestPrinter::restartWith(const QByteArray &directives)
{
    m_cups.stop();
    return m_cups.setServerDirectives(directives) && m_cups.start();
}

void TestPrinter::jobFailingAfterCreationIsCancelled()
{
    // A scheduler that takes the job but refuses a document of more than 1 KiB.
    const auto restore = qScopeGuard([this] { QVERIFY(restartWith({})); });
    QVERIFY2(restartWith("LimitRequestBody 1024\n"), qPrintable(m_cups.errorString()));
    const QString queue = QStringLiteral("Cancelled");
    QFile::remove(m_cups.outputPath(queue));

    QVERIFY(!printPage(Printer(queue), drawPageMarks(), QStringLiteral("Étiquette")));
    QCOMPARE(m_cups.jobStates(queue), QList<int>{IPP_JSTATE_CANCELED});
    QVERIFY(m_cups.waitUntilIdle());
    QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
}

void TestPrinter::nothingPrintsWithoutScheduler()
{
    const QString queue = QStringLiteral("A4");
    QFile::remove(m_cups.outputPath(queue));
    const int jobsBefore = jobsOnAllQueues();
    m_cups.stop();
    const auto restart = qScopeGuard([this] { QVERIFY(m_cups.start()); });

    const Printer printer(queue);
    QVERIFY(!printPage(printer, drawPageMarks(), QStringLiteral("Étiquette")));
    QCOMPARE(printer.orientation(), 0);
    QVERIFY(!printer.pageGeometry());
    QVERIFY(Printer::installedPrinters().isEmpty());
    QVERIFY(Printer::systemDefault().isNull());

    QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
    QCOMPARE(jobsOnAllQueues(), jobsBefore);
    QVERIFY(!QFile::exists(m_cups.outputPath(queue)));
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
