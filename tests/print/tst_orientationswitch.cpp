// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The orientation switch and the printer set-up's choices, stored in a private CUPS scheduler
// and read back as this user, another user and the next job see them.
#include "CupsScheduler.h"
#include "PageMarks.h"
#include "TestFiles.h"

#include "print/OrientationSwitch.h"
#include "print/PageOutput.h"
#include "print/Printer.h"
#include "print/PrinterSetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Result = OrientationSwitch::SwitchResult;
constexpr auto Portrait = PageGeometry::Orientation::Portrait;
constexpr auto Landscape = PageGeometry::Orientation::Landscape;

Result switchTo(PageGeometry::Orientation orientation, const Printer &printer)
{
    return OrientationSwitch::switchTo(orientation, printer).result;
}

} // namespace

class TestOrientationSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString())); }

    void switchStoresTheOrientation_data()
    {
        QTest::addColumn<int>("queueOrientation"); // orientation-requested-default
        QTest::addColumn<QString>("queueSides");
        QTest::addColumn<bool>("administrationAllowed");
        QTest::addColumn<PageGeometry::Orientation>("switchTo");
        QTest::addColumn<Result>("expected");
        QTest::addColumn<int>("mine");   // orientation-requested as this user sees it
        QTest::addColumn<int>("others"); // and as another user sees it
        QTest::addColumn<QString>("othersSides");

        const QString oneSided = u"one-sided"_s;
        const QString twoSided = u"two-sided-long-edge"_s;
        QTest::newRow("landscape on a portrait queue")
            << 3 << oneSided << true << Landscape << Result::QueueChanged << 4 << 4 << oneSided;
        QTest::newRow("portrait on a landscape queue")
            << 4 << oneSided << true << Portrait << Result::QueueChanged << 3 << 3 << oneSided;
        QTest::newRow("the same orientation again")
            << 4 << oneSided << true << Landscape << Result::QueueChanged << 4 << 4 << oneSided;
        QTest::newRow("a two-sided queue becomes one-sided")
            << 3 << twoSided << true << Landscape << Result::QueueChanged << 4 << 4 << oneSided;
        QTest::newRow("queue refused: this user's defaults")
            << 3 << twoSided << false << Landscape << Result::UserDefaultsChanged << 4 << 3
            << twoSided;
        QTest::newRow("queue refused, back to portrait")
            << 4 << oneSided << false << Portrait << Result::UserDefaultsChanged << 3 << 4
            << oneSided;
    }

    void switchStoresTheOrientation()
    {
        QFETCH(int, queueOrientation);
        QFETCH(QString, queueSides);
        QFETCH(bool, administrationAllowed);
        QFETCH(PageGeometry::Orientation, switchTo);
        QFETCH(Result, expected);
        QFETCH(int, mine);
        QFETCH(int, others);
        QFETCH(QString, othersSides);

        // A queue of its own for each row, named after the row.
        const QString name =
            QString::fromLatin1(QTest::currentDataTag()).remove(QRegularExpression(u"[^A-Za-z]"_s));
        const QStringList queueOptions{
            u"PageSize=Letter"_s, u"copies-default=2"_s,
            u"orientation-requested-default=%1"_s.arg(queueOrientation),
            // A queue's two-sided default comes from its driver's description.
            u"Duplex="_s + (queueSides == "one-sided"_L1 ? u"None"_s : u"DuplexNoTumble"_s)};
        QVERIFY2(!m_cups.addPdfQueue(name, queueOptions).isEmpty(),
                 qPrintable(m_cups.errorString()));
        QCOMPARE(m_cups.queueAttributes(name, {u"sides-default"_s}).value(u"sides-default"_s),
                 queueSides);
        const QStringList paperAndCopies{u"media-default"_s, u"copies-default"_s};
        const QMap<QString, QString> queueBefore = m_cups.queueAttributes(name, paperAndCopies);
        QCOMPARE(queueBefore.size(), 2);
        const QString mediaBefore = Printer(name).pageGeometry()->mediaKeyword;

        QVERIFY2(restartAdministration(administrationAllowed), qPrintable(m_cups.errorString()));
        const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });
        QCOMPARE(::switchTo(switchTo, Printer(name)), expected);
        QCOMPARE(Printer(name).orientation(), OrientationAnswer(switchTo));

        const QMap<QString, QString> after = m_cups.printerOptions(name);
        QCOMPARE(after.value(u"orientation-requested"_s), QString::number(mine));
        QCOMPARE(after.value(u"sides"_s), u"one-sided"_s);
        const QMap<QString, QString> othersAfter = m_cups.printerOptionsForAnotherUser(name);
        QCOMPARE(othersAfter.value(u"orientation-requested"_s), QString::number(others));
        QCOMPARE(othersAfter.value(u"sides"_s), othersSides);
        // Paper and copies stay as they were, for this user and for the queue.
        QCOMPARE(Printer(name).pageGeometry()->mediaKeyword, mediaBefore);
        QCOMPARE(after.value(u"copies"_s), queueBefore.value(u"copies-default"_s));
        QCOMPARE(m_cups.queueAttributes(name, paperAndCopies), queueBefore);
    }

    void queueChangeClearsTheUsersOwnOrientation()
    {
        // This user once saved landscape for himself; the queue is portrait.
        const QString queue = u"Saved"_s;
        QVERIFY(!m_cups.addPdfQueue(queue, {u"orientation-requested-default=3"_s}).isEmpty());
        QVERIFY(PrinterSetup::store({queue, u"iso_a4_210x297mm"_s, Landscape}).stored);
        QCOMPARE(Printer(queue).orientation(), OrientationAnswer(Landscape));

        QCOMPARE(switchTo(Portrait, Printer(queue)), Result::QueueChanged);
        QCOMPARE(Printer(queue).orientation(), OrientationAnswer(Portrait));
        QCOMPARE(m_cups.printerOptions(queue).value(u"orientation-requested"_s), u"3"_s);
    }

    void userStoreLeavesTheDefaultPrinterAlone()
    {
        const QString queue = u"Alone"_s;
        QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());
        QVERIFY(m_cups.setDefault(queue));
        QFile::remove(m_cups.userOptionsPath());
        QVERIFY2(restartAdministration(false), qPrintable(m_cups.errorString()));
        const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });

        QCOMPARE(switchTo(Landscape, Printer(queue)), Result::UserDefaultsChanged);
        const QByteArray saved = fileBytes(m_cups.userOptionsPath());
        QVERIFY(!saved.isEmpty());
        // The machine's default stays the machine's to change: the user's store does not pin it.
        QVERIFY2(!saved.contains("Default"), saved.constData());
        QVERIFY2(saved.contains("Dest Alone"), saved.constData());
    }

    void userStoreKeepsPrintersThatAreAway_data()
    {
        QTest::addColumn<QByteArray>("away");
        QTest::newRow("options of his own") << QByteArray("Dest Away number-up=4\n");
        QTest::newRow("his default printer") << QByteArray("Default Away number-up=4\n");
    }

    // The scheduler does not list a printer for now: rewriting the user's store to change
    // another one's orientation keeps what he saved for it.
    void userStoreKeepsPrintersThatAreAway()
    {
        QFETCH(QByteArray, away);
        const QString queue = u"Present"_s;
        QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());
        QVERIFY(QDir().mkpath(QFileInfo(m_cups.userOptionsPath()).path()));
        QVERIFY(writeBytes(m_cups.userOptionsPath(), away));
        QVERIFY2(restartAdministration(false), qPrintable(m_cups.errorString()));
        const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });

        QCOMPARE(switchTo(Landscape, Printer(queue)), Result::UserDefaultsChanged);
        const QByteArray saved = fileBytes(m_cups.userOptionsPath());
        QVERIFY2(saved.contains(away), saved.constData());
        QVERIFY2(saved.contains("Dest Present"), saved.constData());
        QCOMPARE(saved.count("Default "), away.count("Default "));
    }

    void queueChangeLeavesTheUsersOwnOptions()
    {
        // The user's store holds options of his own, none of which hides the new orientation,
        // and those of a printer that is away for now, which a rewritten store would lose.
        const QString queue = u"Own"_s;
        QVERIFY(!m_cups.addPdfQueue(queue, {u"orientation-requested-default=3"_s}).isEmpty());
        const QByteArray saved = "Dest Own number-up=2\nDest Away number-up=4\n";
        QVERIFY(QDir().mkpath(QFileInfo(m_cups.userOptionsPath()).path()));
        QVERIFY(writeBytes(m_cups.userOptionsPath(), saved));

        QCOMPARE(switchTo(Landscape, Printer(queue)), Result::QueueChanged);
        QCOMPARE(fileBytes(m_cups.userOptionsPath()), saved);
    }

    void stoppedSchedulerChangesNothing()
    {
        const QString queue = u"Stopped"_s;
        QVERIFY(!m_cups.addPdfQueue(queue, {u"orientation-requested-default=3"_s}).isEmpty());
        QFile::remove(m_cups.userOptionsPath());
        m_cups.stop();
        const auto restart = qScopeGuard([this] { QVERIFY(m_cups.start()); });

        QCOMPARE(switchTo(Landscape, Printer(queue)), Result::Refused);
        // Nothing to show but that the scheduler is away.
        QCOMPARE(Printer(queue).orientation(), OrientationAnswer(SchedulerAway{}));
        QVERIFY(!QFile::exists(m_cups.userOptionsPath()));

        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        QCOMPARE(Printer(queue).orientation(), OrientationAnswer(Portrait));
        QCOMPARE(m_cups.printerOptionsForAnotherUser(queue).value(u"orientation-requested"_s),
                 u"3"_s);
    }

    void noPrinterChangesNothing() { QCOMPARE(switchTo(Landscape, Printer()), Result::NoPrinter); }

    void nextJobFollowsTheSwitch_data()
    {
        QTest::addColumn<bool>("administrationAllowed");
        QTest::newRow("queue's defaults") << true;
        QTest::newRow("this user's defaults") << false;
    }

    void nextJobFollowsTheSwitch()
    {
        QFETCH(bool, administrationAllowed);
        const QString queue = administrationAllowed ? u"NextQueue"_s : u"NextUser"_s;
        const QStringList portraitTwoSided{u"orientation-requested-default=3"_s,
                                           u"Duplex=DuplexNoTumble"_s};
        QVERIFY(!m_cups.addPdfQueue(queue, portraitTwoSided).isEmpty());
        QVERIFY2(restartAdministration(administrationAllowed), qPrintable(m_cups.errorString()));
        const auto allowAgain = qScopeGuard([this] { QVERIFY(restartAdministration(true)); });

        QVERIFY(switchTo(Landscape, Printer(queue)) != Result::Refused);
        const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
        QVERIFY(page);
        QCOMPARE(page->orientation, Landscape);
        QVERIFY(page->paperSizeMm.width() > page->paperSizeMm.height());

        QVERIFY(printPage(Printer(queue), drawPageMarks(), u"Étiquette"_s));
        QVERIFY(!m_cups.waitForOutput(queue).isEmpty());
        const QMap<QString, QString> job =
            m_cups.lastJobAttributes(queue, {u"orientation-requested"_s, u"sides"_s});
        QCOMPARE(job.value(u"orientation-requested"_s), u"landscape"_s);
        QCOMPARE(job.value(u"sides"_s), u"one-sided"_s);
    }

    void setUpOffersEveryPrinterWithItsPaper()
    {
        QVERIFY(
            !m_cups.addPdfQueue(u"OfferA4"_s, {u"orientation-requested-default=4"_s}).isEmpty());
        QVERIFY(!m_cups.addPdfQueue(u"OfferLetter"_s, {u"PageSize=Letter"_s}).isEmpty());

        const PrinterSetupOffer offer = PrinterSetup::offer(u"OfferLetter"_s);
        QCOMPARE(offer.current, u"OfferLetter"_s);
        QStringList names;
        const auto &printers = std::get<QList<PrinterSetupOffer::Printer>>(offer.printers);
        for (const PrinterSetupOffer::Printer &printer : printers)
            names.append(printer.name);
        QCOMPARE(SchedulerAnswer<QStringList>(names), Printer::findInstalledPrinters());
        for (const PrinterSetupOffer::Printer &printer : printers) {
            QStringList papers;
            for (const PrinterSetupOffer::Paper &paper : printer.papers) {
                QVERIFY2(!paper.name.isEmpty(), qPrintable(paper.keyword));
                papers.append(paper.keyword);
            }
            QVERIFY2(papers.contains(u"iso_a4_210x297mm"_s) &&
                         papers.contains(u"na_letter_8.5x11in"_s),
                     qPrintable(papers.join(u' ')));
            QVERIFY2(papers.contains(printer.paper), qPrintable(printer.paper));
            if (printer.name == "OfferA4"_L1) {
                QCOMPARE(printer.paper, u"iso_a4_210x297mm"_s);
                QCOMPARE(printer.orientation, Landscape);
            } else if (printer.name == "OfferLetter"_L1) {
                QCOMPARE(printer.paper, u"na_letter_8.5x11in"_s);
                QCOMPARE(printer.orientation, Portrait);
            }
        }
    }

    void setUpChoicesReachTheNextJob_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<PageGeometry::Orientation>("orientation");
        QTest::addColumn<QSizeF>("pageMm"); // as oriented
        QTest::newRow("Letter, landscape")
            << u"na_letter_8.5x11in"_s << Landscape << QSizeF(279.4, 215.9);
        QTest::newRow("A5, portrait") << u"iso_a5_148x210mm"_s << Portrait
                                      << QSizeF(148.17, 209.9); // as the printer's PPD gives it
        QTest::newRow("A4, landscape") << u"iso_a4_210x297mm"_s << Landscape << QSizeF(297, 210);
    }

    void setUpChoicesReachTheNextJob()
    {
        QFETCH(QString, paper);
        QFETCH(PageGeometry::Orientation, orientation);
        QFETCH(QSizeF, pageMm);
        const QString queue = u"SetUp"_s;
        if (!QFile::exists(m_cups.outputPath(queue)))
            QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());

        QVERIFY(PrinterSetup::store({queue, paper, orientation}).stored);
        const std::optional<PageGeometry> page = Printer(queue).pageGeometry();
        QVERIFY(page);
        QCOMPARE(page->mediaKeyword, paper);
        QVERIFY2(qAbs(page->paperSizeMm.width() - pageMm.width()) < 0.1 &&
                     qAbs(page->paperSizeMm.height() - pageMm.height()) < 0.1,
                 qPrintable(
                     u"%1 x %2"_s.arg(page->paperSizeMm.width()).arg(page->paperSizeMm.height())));

        QVERIFY(printPage(Printer(queue), drawPageMarks(), u"Étiquette"_s));
        QVERIFY(!m_cups.waitForOutput(queue).isEmpty());
        const QMap<QString, QString> job =
            m_cups.lastJobAttributes(queue, {u"media"_s, u"orientation-requested"_s});
        QCOMPARE(job.value(u"media"_s), paper);
        QCOMPARE(job.value(u"orientation-requested"_s),
                 orientation == Landscape ? u"landscape"_s : u"portrait"_s);
        // The queue keeps its own paper for everyone else.
        QCOMPARE(m_cups.queueAttributes(queue, {u"media-default"_s}).value(u"media-default"_s),
                 u"iso_a4_210x297mm"_s);
    }

    // Each paper once, by its name, whatever the default stored before: a borderless default
    // stays offered, so that OK keeps it.
    void setUpNamesEachPaperOnce_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("A5") << u"iso_a5_148x210mm"_s;
        QTest::newRow("A4 borderless") << u"iso_a4_210x297mm_borderless"_s;
    }

    void setUpNamesEachPaperOnce()
    {
        QFETCH(QString, stored);
        const QString queue = u"Papiers"_s;
        if (!QFile::exists(m_cups.outputPath(queue)))
            QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());
        QVERIFY(PrinterSetup::store({queue, stored, Portrait}).stored);

        const PrinterSetupOffer offer = PrinterSetup::offer(queue);
        const auto &printers = std::get<QList<PrinterSetupOffer::Printer>>(offer.printers);
        const auto printer =
            std::find_if(printers.cbegin(), printers.cend(),
                         [&](const PrinterSetupOffer::Printer &one) { return one.name == queue; });
        QVERIFY(printer != printers.cend());
        QCOMPARE(printer->paper, stored);
        QMap<QString, QString> names;
        QStringList borderless;
        for (const PrinterSetupOffer::Paper &paper : printer->papers) {
            QVERIFY2(!names.values().contains(paper.name), qPrintable(paper.name));
            names.insert(paper.keyword, paper.name);
            if (paper.keyword.endsWith("_borderless"_L1))
                borderless.append(paper.keyword);
        }
        QCOMPARE(borderless,
                 stored.endsWith("_borderless"_L1) ? QStringList{stored} : QStringList());
        QCOMPARE(names.value(u"iso_a4_210x297mm"_s), u"A4"_s);
        QCOMPARE(names.value(u"iso_a5_148x210mm"_s), u"A5"_s);
        // "US Letter" where CUPS names it in the user's language.
        QVERIFY2(names.value(u"na_letter_8.5x11in"_s).endsWith("Letter"_L1),
                 qPrintable(names.value(u"na_letter_8.5x11in"_s)));
    }

    void setUpChoiceOfAnUnknownPrinterIsRefused()
    {
        QVERIFY(!PrinterSetup::store({u"Absente"_s, u"iso_a4_210x297mm"_s, Landscape}).stored);
    }

    void setUpListsAQueueWithSavedOptionsOnce()
    {
        const QString queue = u"Instance"_s;
        QVERIFY(!m_cups.addPdfQueue(queue).isEmpty());
        const auto forget = qScopeGuard([this] { QFile::remove(m_cups.userOptionsPath()); });
        QCOMPARE(QProcess::execute(u"lpoptions"_s,
                                   {u"-p"_s, queue + u"/brouillon"_s, u"-o"_s, u"number-up=2"_s}),
                 0);
        QVERIFY(fileBytes(m_cups.userOptionsPath()).contains("Dest Instance/brouillon"));

        const PrinterSetupOffer offer = PrinterSetup::offer(queue);
        QStringList names;
        for (const PrinterSetupOffer::Printer &printer :
             std::get<QList<PrinterSetupOffer::Printer>>(offer.printers))
            names.append(printer.name);
        QCOMPARE(names.count(queue), 1);
    }

private:
    bool restartAdministration(bool allowed)
    {
        m_cups.stop();
        return m_cups.setAdministrationAllowed(allowed) && m_cups.start();
    }

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
};

QTEST_MAIN(TestOrientationSwitch)
#include "tst_orientationswitch.moc"
