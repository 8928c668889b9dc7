// The orientation switch and the printer set-up's choices, stored in a private CUPS scheduler
// and read back as this user, another user and the next job see them.
#include "CupsScheduler.h"
#include "PageMarks.h"

#include "print/OrImp.h"
#include "print/PageOutput.h"
#include "print/Printer.h"
#include "print/PrinterSetup.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

Q_DECLARE_METATYPE(OrImp::SwitchResult)

namespace {

using Result = OrImp::SwitchResult;

OrImp::SwitchResult switchTo(int orientation, const Printer &printer)
{
    qint16 PrinterOrientation = 0;
    const Result result = orientation == 2
                              ? OrImp::SetOrientationLandscape(PrinterOrientation, printer)
                              : OrImp::SetOrientationPortrait(PrinterOrientation, printer);
    if (PrinterOrientation != orientation)
        qWarning("PrinterOrientation is %d after asking for %d", PrinterOrientation, orientation);
    return result;
}

QString orientationName(int orientationRequested)
{
    return QString::number(orientationRequested);
}

} // namespace

class TestOrImp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void switchStoresTheOrientation_data();
    void switchStoresTheOrientation();
    void queueChangeClearsTheUsersOwnOrientation();
    void userStoreLeavesTheDefaultPrinterAlone();
    void stoppedSchedulerChangesNothing();
    void noPrinterChangesNothing();
    void nextJobFollowsTheSwitch_data();
    void nextJobFollowsTheSwitch();
    void setUpOffersEveryPrinterWithItsPaper();
    void setUpChoicesReachTheNextJob_data();
    void setUpChoicesReachTheNextJob();
    void setUpChoiceOfAnUnknownPrinterIsRefused();

private:
    bool restartAdministration(bool allowed);

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
};

void TestOrImp::initTestCase()
{
    QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
}

bool TestOrImp::restartAdministration(bool allowed)
{
    m_cups.stop();
    return m_cups.setAdministrationAllowed(allowed) && m_cups.start();
}

void TestOrImp::switchStoresTheOrientation_data()
{
    QTest::addColumn<int>("queueOrientation"); // orientation-requested-default
    QTest::addColumn<QString>("queueSides");
    QTest::addColumn<bool>("administrationAllowed");
    QTest::addColumn<int>("switchTo"); // 1 portrait, 2 landscape
    QTest::addColumn<Result>("expected");
    QTest::addColumn<int>("mine");   // orientation-requested as this user sees it
    QTest::addColumn<int>("others"); // and as another user sees it
    QTest::addColumn<QString>("othersSides");

    const QString oneSided = QStringLiteral("one-sided");
    const QString twoSided = QStringLiteral("two-sided-long-edge");
    QTest::newRow("landscape on a portrait queue")
        << 3 << oneSided << true << 2 << Result::QueueChanged << 4 << 4 << oneSided;
    QTest::newRow("portrait on a landscape queue")
        << 4 << oneSided << true << 1 << Result::QueueChanged << 3 << 3 << oneSided;
    QTest::newRow("the same orientation again")
        << 4 << oneSided << true << 2 << Result::QueueChanged << 4 << 4 << oneSided;
    QTest::newRow("a two-sided queue becomes one-sided")
        << 3 << twoSided << true << 2 << Result::QueueChanged << 4 << 4 << oneSided;
    QTest::newRow("queue refused: this user's defaults")
        << 3 << twoSided << false << 2 << Result::UserDefaultsChanged << 4 << 3 << twoSided;
    QTest::newRow("queue refused, back to portrait")
        << 4 << oneSided << false << 1 << Result::UserDefaultsChanged << 3 << 4 << oneSided;
}

void TestOrImp::switchStoresTheOrientation()
{
    QFETCH(int, queueOrientation);
    QFETCH(QString, queueSides);
    QFETCH(bool, administrationAllowed);
    QFETCH(int, switchTo);
    QFETCH(Result, expected);
    QFETCH(int, mine);
    QFETCH(int, others);
    QFETCH(QString, othersSides);

    // A queue of its own for each row, named after the row.
    const QString name = QString::fromLatin1(QTest::currentDataTag())
                             .remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
    const QStringList queueOptions{
        QStringLiteral("PageSize=Letter"), QStringLiteral("copies-default=2"),
        QStringLiteral("orientation-requested-default=%1").arg(queueOrientation),
        // A queue's two-sided default comes from its driver's description.
        QStringLiteral("Duplex=") + (queueSides == QLatin1String("one-sided")
                                         ? QStringLiteral("None")
                                         : QStringLiteral("DuplexNoTumble"))};
    QVERIFY2(!m_cups.addPdfQueue(name, queueOptions).isEmpty(), qPrintable(m_cups.errorString()));
    QCOMPARE(m_cups.queueAttributes(name, {QStringLiteral("sides-default")})
                 .value(QStringLiteral("sides-default")),
             queueSides);
    const QStringList paperAndCopies{QStringLiteral("media-default"),
                                     QStringLiteral("copies-default")};
    const QMap<QString, QString> queueBefore = m_cups.queueAttributes(name, paperAndCopies);
    QCOMPARE(queueBefore.size(), 2);
    const QString mediaBefore = Printer(name).pageGeometry()->mediaKeyword;

    QVERIFY2(restartAdministration(administrationAllowed), qPrintable(m_cups.errorString()));
    const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });
    QCOMPARE(::switchTo(switchTo, Printer(name)), expected);
    QCOMPARE(Printer(name).orientation(), switchTo);

    const QMap<QString, QString> after = m_cups.printerOptions(name);
    QCOMPARE(after.value(QStringLiteral("orientation-requested")), orientationName(mine));
    QCOMPARE(after.value(QStringLiteral("sides")), QStringLiteral("one-sided"));
    const QMap<QString, QString> othersAfter = m_cups.printerOptionsForAnotherUser(name);
    QCOMPARE(othersAfter.value(QStringLiteral("orientation-requested")), orientationName(others));
    QCOMPARE(othersAfter.value(QStringLiteral("sides")), othersSides);
    // Paper and copies stay as they were, for this user and for the queue.
    QCOMPARE(Printer(name).pageGeometry()->mediaKeyword, mediaBefore);
    QCOMPARE(after.value(QStringLiteral("copies")),
             queueBefore.value(QStringLiteral("copies-default")));
    QCOMPARE(m_cups.queueAttributes(name, paperAndCopies), queueBefore);
}

void TestOrImp::queueChangeClearsTheUsersOwnOrientation()
{
    // This user once saved landscape for himself; the queue is portrait.
    const QString queue = QStringLiteral("Saved");
    QVERIFY(
        !m_cups.addPdfQueue(queue, {QStringLiteral("orientation-requested-default=3")}).isEmpty());
    QVERIFY(PrinterSetup::store({queue, QStringLiteral("iso_a4_210x297mm"), 2}));
    QCOMPARE(Printer(queue).orientation(), 2);

    QCOMPARE(switchTo(1, Printer(queue)), Result::QueueChanged);
    QCOMPARE(Printer(queue).orientation(), 1);
    QCOMPARE(m_cups.printerOptions(queue).value(QStringLiteral("orientation-requested")),
             QStringLiteral("3"));
}

void TestOrImp::userStoreLeavesTheDefaultPrinterAlone()
{
    const QString queue = QStringLiteral("Alone");
    QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());
    QVERIFY(m_cups.setDefault(queue));
    QFile::remove(m_cups.userOptionsPath());
    QVERIFY2(restartAdministration(false), qPrintable(m_cups.errorString()));
    const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });

    QCOMPARE(switchTo(2, Printer(queue)), Result::UserDefaultsChanged);
    QFile store(m_cups.userOptionsPath());
    QVERIFY(store.open(QIODevice::ReadOnly));
    const QByteArray saved = store.readAll();
    // The machine's default stays the machine's to change: the user's store does not pin it.
    QVERIFY2(!saved.contains("Default"), saved.constData());
    QVERIFY2(saved.contains("Dest Alone"), saved.constData());
}

void TestOrImp::stoppedSchedulerChangesNothing()
{
    const QString queue = QStringLiteral("Stopped");
    QVERIFY(
        !m_cups.addPdfQueue(queue, {QStringLiteral("orientation-requested-default=3")}).isEmpty());
    QFile::remove(m_cups.userOptionsPath());
    m_cups.stop();
    const auto restart = qScopeGuard([this] { QVERIFY(m_cups.start()); });

    QCOMPARE(switchTo(2, Printer(queue)), Result::Refused);
    QCOMPARE(Printer(queue).orientation(), 0); // nothing to show but that nothing is known
    QVERIFY(!QFile::exists(m_cups.userOptionsPath()));

    QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
    QCOMPARE(Printer(queue).orientation(), 1);
    QCOMPARE(
        m_cups.printerOptionsForAnotherUser(queue).value(QStringLiteral("orientation-requested")),
        QStringLiteral("3"));
}

void TestOrImp::noPrinterChangesNothing()
{
    QCOMPARE(switchTo(2, Printer()), Result::NoPrinter);
}

void TestOrImp::nextJobFollowsTheSwitch_data()
{
    QTest::addColumn<bool>("administrationAllowed");
    QTest::newRow("queue's defaults") << true;
    QTest::newRow("this user's defaults") << false;
}

void TestOrImp::nextJobFollowsTheSwitch()
{
    QFETCH(bool, administrationAllowed);
    const QString queue =
        administrationAllowed ? QStringLiteral("NextQueue") : QStringLiteral("NextUser");
    QVERIFY(!m_cups
                 .addPdfQueue(queue, {QStringLiteral("orientation-requested-default=3"),
                                      QStringLiteral("Duplex=DuplexNoTumble")})
                 .isEmpty());
    QVERIFY2(restartAdministration(administrationAllowed), qPrintable(m_cups.errorString()));
    const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });

    QVERIFY(switchTo(2, Printer(queue)) != Result::Refused);
    const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
    QVERIFY(page);
    QCOMPARE(page->orientation, PageGeometry::Orientation::Landscape);
    QVERIFY(page->paperSizeMm.width() > page->paperSizeMm.height());

    QVERIFY(printPage(Printer(queue), drawPageMarks(), QStringLiteral("Étiquette")));
    QVERIFY(!m_cups.waitForOutput(queue).isEmpty());
    const QMap<QString, QString> job = m_cups.lastJobAttributes(
        queue, {QStringLiteral("orientation-requested"), QStringLiteral("sides")});
    QCOMPARE(job.value(QStringLiteral("orientation-requested")), QStringLiteral("landscape"));
    QCOMPARE(job.value(QStringLiteral("sides")), QStringLiteral("one-sided"));
}

void TestOrImp::setUpOffersEveryPrinterWithItsPaper()
{
    QVERIFY(!m_cups
                 .addPdfQueue(QStringLiteral("OfferA4"),
                              {QStringLiteral("orientation-requested-default=4")})
                 .isEmpty());
    QVERIFY(!m_cups.addPdfQueue(QStringLiteral("OfferLetter"), {QStringLiteral("PageSize=Letter")})
                 .isEmpty());

    const PrinterSetupOffer offer = PrinterSetup::offer(QStringLiteral("OfferLetter"));
    QCOMPARE(offer.current, QStringLiteral("OfferLetter"));
    QStringList names;
    for (const PrinterSetupOffer::Printer &printer : offer.printers)
        names.append(printer.name);
    QCOMPARE(names, Printer::installedPrinters());
    for (const PrinterSetupOffer::Printer &printer : offer.printers) {
        QStringList papers;
        for (const PrinterSetupOffer::Paper &paper : printer.papers) {
            QVERIFY2(!paper.name.isEmpty(), qPrintable(paper.keyword));
            papers.append(paper.keyword);
        }
        QVERIFY2(papers.contains(QStringLiteral("iso_a4_210x297mm")) &&
                     papers.contains(QStringLiteral("na_letter_8.5x11in")),
                 qPrintable(papers.join(QLatin1Char(' '))));
        QVERIFY2(papers.contains(printer.paper), qPrintable(printer.paper));
        if (printer.name == QLatin1String("OfferA4")) {
            QCOMPARE(printer.paper, QStringLiteral("iso_a4_210x297mm"));
            QCOMPARE(printer.orientation, qint16(2));
        } else if (printer.name == QLatin1String("OfferLetter")) {
            QCOMPARE(printer.paper, QStringLiteral("na_letter_8.5x11in"));
            QCOMPARE(printer.orientation, qint16(1));
        }
    }
}

void TestOrImp::setUpChoicesReachTheNextJob_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSizeF>("pageMm"); // as oriented
    QTest::newRow("Letter, landscape")
        << QStringLiteral("na_letter_8.5x11in") << 2 << QSizeF(279.4, 215.9);
    QTest::newRow("A5, portrait") << QStringLiteral("iso_a5_148x210mm") << 1
                                  << QSizeF(148.17, 209.9); // as the printer's PPD gives it
    QTest::newRow("A4, landscape") << QStringLiteral("iso_a4_210x297mm") << 2 << QSizeF(297, 210);
}

void TestOrImp::setUpChoicesReachTheNextJob()
{
    QFETCH(QString, paper);
    QFETCH(int, orientation);
    QFETCH(QSizeF, pageMm);
    const QString queue = QStringLiteral("SetUp");
    if (!QFile::exists(m_cups.outputPath(queue)))
        QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());

    QVERIFY(PrinterSetup::store({queue, paper, qint16(orientation)}));
    const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
    QVERIFY(page);
    QCOMPARE(page->mediaKeyword, paper);
    QVERIFY2(qAbs(page->paperSizeMm.width() - pageMm.width()) < 0.1 &&
                 qAbs(page->paperSizeMm.height() - pageMm.height()) < 0.1,
             qPrintable(QStringLiteral("%1 x %2")
                            .arg(page->paperSizeMm.width())
                            .arg(page->paperSizeMm.height())));

    QVERIFY(printPage(Printer(queue), drawPageMarks(), QStringLiteral("Étiquette")));
    QVERIFY(!m_cups.waitForOutput(queue).isEmpty());
    const QMap<QString, QString> job = m_cups.lastJobAttributes(
        queue, {QStringLiteral("media"), QStringLiteral("orientation-requested")});
    QCOMPARE(job.value(QStringLiteral("media")), paper);
    QCOMPARE(job.value(QStringLiteral("orientation-requested")),
             orientation == 2 ? QStringLiteral("landscape") : QStringLiteral("portrait"));
    // The queue keeps its own paper for everyone else.
    QCOMPARE(m_cups.queueAttributes(queue, {QStringLiteral("media-default")})
                 .value(QStringLiteral("media-default")),
             QStringLiteral("iso_a4_210x297mm"));
}

void TestOrImp::setUpChoiceOfAnUnknownPrinterIsRefused()
{
    QVERIFY(
        !PrinterSetup::store({QStringLiteral("Absente"), QStringLiteral("iso_a4_210x297mm"), 2}));
}

QTEST_MAIN(TestOrImp)
#include "tst_orimp.moc"
