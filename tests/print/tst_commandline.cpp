// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineRun.h"
#include "ListPages.h"
#include "OtherUser.h"
#include "PdfRaster.h"
#include "PdfText.h"
#include "SmallDisk.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "cli/CommandLine.h"
#include "label/LabelFile.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr double Tolerance = 0.5; // mm

using Outcome = CommandLineOutcome;

Outcome runToPdf(const QString &pdf, const QStringList &options)
{
    return runCommandLine(QStringList{u"--pdf"_s, pdf} + options);
}

// How far a length in points on the page is from the one expected, in mm.
double offMm(double points, double expectedMm)
{
    return qAbs(points * mmPerPt - expectedMm);
}

// One-line zones are lowered by half their line height, as measured on a 1200 dpi PDF page.
double oneLineDropMm(double points)
{
    QPdfWriter probe(u"/dev/null"_s);
    QFont font(u"Arial"_s);
    font.setPointSizeF(points);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(font, &probe).height() / (probe.resolution() / 25.4) / 2;
}

ino_t inodeOf(const QString &path)
{
    struct stat status = {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_ino;
}

// The program itself, with no display, as a script runs it; not started yet.
QProcess *korvalinProcess(QObject *parent)
{
    auto *korvalin = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.remove(u"DISPLAY"_s);
    korvalin->setProcessEnvironment(environment);
    return korvalin;
}

// Runs the command line into pdf, expecting success, silence and a single page.
void printOnePage(const QString &pdf, const QStringList &options, PdfTextPage &page)
{
    const Outcome o = runToPdf(pdf, options);
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.isEmpty(), qPrintable(o.err));
    const QList<PdfTextPage> pages = readPdfText(pdf);
    QCOMPARE(pages.size(), 1);
    page = pages[0];
}

// Started and waited for; null if it did not finish.
QProcess *finishedKorvalin(QObject *parent, const QStringList &arguments)
{
    QProcess *korvalin = korvalinProcess(parent);
    korvalin->start(QStringLiteral(KORVALIN_EXECUTABLE), arguments);
    return korvalin->waitForFinished(20000) ? korvalin : nullptr;
}

} // namespace

Q_DECLARE_METATYPE(SpecialFile)

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
    }

    void headlessOnlyWithOptions()
    {
        QVERIFY(!CommandLine::wantsHeadless({}));
        QVERIFY(!CommandLine::wantsHeadless(args("lot.eti")));
        QVERIFY(CommandLine::wantsHeadless(args("--pdf a.pdf lot.eti")));
        QVERIFY(CommandLine::wantsHeadless(args("--help")));
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        // Most rows ask for a PDF, so that only the fault named stops them.
        const auto toPdf = [](const char *name, const char *options, const QString &reason) {
            QTest::newRow(name) << args("--pdf sortie.pdf") + args(options) << reason;
        };
        const QString pickOne = u"choisir --pdf ou --print"_s;
        const QString firstNumber = u"le numéro de départ va de 0 à 32766"_s;
        const QString numbers = u"numéros de %1 à %2 : la numérotation s'arrête à 32766"_s;
        QTest::newRow("no output") << args("lot.eti --count 2") << pickOne;
        toPdf("both outputs", "--print lot.eti", pickOne);
        QTest::newRow("no label") << args("--pdf sortie.pdf") << u"aucun fichier étiquette"_s;
        toPdf("two labels", "lot.eti lot.eti", u"un seul fichier étiquette à la fois"_s);
        QTest::newRow("missing value")
            << args("lot.eti --pdf") << u"l'option --pdf demande une valeur"_s;
        toPdf("not a number", "--count deux lot.eti",
              u"l'option --count demande un nombre entier"_s);
        toPdf("unknown option", "--couleur lot.eti", u"option inconnue : --couleur"_s);
        toPdf("position 11", "--position 11 lot.eti", u"la position va de 1 à 10"_s);
        toPdf("start 0", "--start 0 lot.eti", u"la position de départ va de 1 à 10"_s);
        toPdf("position and run", "--position 2 --count 2 lot.eti",
              u"--position ne va pas avec --start, --count ou --number"_s);
        QTest::newRow("list named empty")
            << QStringList{u"--pdf"_s, u"sortie.pdf"_s, u"--list"_s, QString(), u"lot.eti"_s}
            << u"l'option --list demande une valeur"_s;
        toPdf("list and count", "--list l.txt --count 2 lot.eti",
              u"--list ne va pas avec --position ou --count"_s);
        toPdf("style", "--style X-X lot.eti", u"le style de numérotation est \"X\" ou \"X/X\""_s);
        toPdf("printer without print", "--printer Q lot.eti", u"--printer va avec --print"_s);
        QTest::newRow("printer named empty")
            << QStringList{u"--print"_s, u"--printer"_s, QString(), u"lot.eti"_s}
            << u"le nom de l'imprimante est vide"_s;
        toPdf("number too large", "--number 40000 lot.eti", firstNumber);
        // The counter moves on past the last label, so 32767 itself cannot be printed.
        toPdf("number 32767 alone", "--number 32767 --count 1 lot.eti", firstNumber);
        toPdf("number past 32767", "--number 32765 --count 3 lot.eti",
              numbers.arg(32765).arg(32767));
        toPdf("number with a count past any integer", "--number 100 --count 2147483647 lot.eti",
              numbers.arg(100).arg(2147483746));
        toPdf("number past 32767, count from the start", "--number 32760 --start 2 lot.eti",
              numbers.arg(32760).arg(32768));
    }

    void badUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const Outcome o = runCommandLine(arguments);
        QCOMPARE(o.status, 2);
        QVERIFY2(o.err.startsWith(u"korvalin : "_s + reason + u'\n'), qPrintable(o.err));
        QVERIFY(o.err.contains(u"Utilisation :"_s));
        QVERIFY(!QFile::exists(m_dir.filePath(u"sortie.pdf"_s)));
    }

    void help()
    {
        const Outcome o = runCommandLine(args("--help"));
        QCOMPARE(o.status, 0);
        QVERIFY(o.out.startsWith(u"Utilisation :"_s));
        QVERIFY(o.out.contains(u"--number N"_s));
        QVERIFY(o.err.isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("labelText2"); // null: a damaged label
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("settings"); // of a settings file given; empty: none
        const QString ok = u"Documents"_s;
        QTest::newRow("unreadable label")
            << QStringList{} << QString() << u"Erreur d'ouverture du fichier : "_s << QByteArray();
        QTest::newRow("unreadable settings")
            << args("--settings absent.PAR") << ok
            << u"Erreur d'ouverture du fichier : absent.PAR\n"_s << QByteArray();
        QTest::newRow("too many lines")
            << QStringList{} << u"ligne\r\n"_s.repeated(15) + u"fin"_s
            << u"Nombre de lignes de texte trop important !\n"_s << QByteArray();
        QTest::newRow("count above 10")
            << args("--count 12") << ok << u"Nombre maximum d'étiquettes identiques = 10\n"_s
            << QByteArray();
        QTest::newRow("count 0") << args("--count 0") << ok
                                 << u"Nombre minimum d'étiquettes = 1\n"_s << QByteArray();
        QTest::newRow("run past the sheet")
            << args("--start 7 --count 5") << ok
            << u"Nombre maximun d'étiquettes =  4\n à partir de l'étiquette N°  7\n"_s
            << QByteArray();
        // Rather than a blank page, the first label off the page and the distance to blame.
        QTest::newRow("gap past the page")
            << args("--start 9 --count 2") << ok
            << u"L'étiquette N° 10 sort de la zone imprimable de la page !\n"
               u"Séparateur horizontal : 725 mm\n"_s
            << QByteArray("10,4,725,4\r\n#TRUE#,#TRUE#\r\n");
        QTest::newRow("top margin past the page")
            << args("--position 1") << ok
            << u"L'étiquette N° 1 sort de la zone imprimable de la page !\nMarge haute : 300 mm\n"_s
            << QByteArray("10,300,10,4\r\n#TRUE#,#TRUE#\r\n");
    }

    void failures()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, labelText2);
        QFETCH(QString, message);
        QFETCH(QByteArray, settings);
        if (!settings.isEmpty())
            options += QStringList{u"--settings"_s, writeFile(u"echec.PAR"_s, settings)};
        LabelZones zones = sampleZones();
        zones[ZoneId::Second].text = labelText2;
        const QString label = labelText2.isNull()
                                  ? writeFile(u"abime.eti"_s, "[Titre 1]\r\n\"abîmé")
                                  : writeLabel(u"lot.eti"_s, zones);
        const QString pdf = m_dir.filePath(u"echec.pdf"_s);
        const Outcome o = runToPdf(pdf, options + QStringList{label});
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.startsWith(message), qPrintable(o.err));
        QVERIFY(!QFile::exists(pdf));
    }

    // "@label" and "@settings" stand for the inputs, "@link" and "@hardlink" for two other
    // names of the label.
    void outputOverAnInput_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::newRow("PDF named as the label") << args("--pdf @label @label");
        QTest::newRow("PDF through a symbolic link") << args("--pdf @link @label");
        QTest::newRow("PDF through a hard link") << args("--pdf @hardlink @label");
        QTest::newRow("PDF over the settings")
            << args("--pdf @settings --settings @settings @label");
        QTest::newRow("calibration over its settings")
            << args("--calibration --pdf @settings --settings @settings");
    }

    void outputOverAnInput()
    {
        QFETCH(QStringList, line);
        const QString label = writeLabel(u"entree.eti"_s, sampleZones());
        const QString settings = writeFile(u"entree.PAR"_s, "7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n");
        const QString link = m_dir.filePath(u"lien.pdf"_s), hardLink = m_dir.filePath(u"dur.pdf"_s);
        QFile::remove(link);
        QFile::remove(hardLink);
        QVERIFY(QFile::link(label, link));
        QCOMPARE(
            ::link(QFile::encodeName(label).constData(), QFile::encodeName(hardLink).constData()),
            0);
        const QByteArray labelBytes = fileBytes(label), settingsBytes = fileBytes(settings);
        line.replaceInStrings(u"@label"_s, label).replaceInStrings(u"@settings"_s, settings);
        line.replaceInStrings(u"@link"_s, link).replaceInStrings(u"@hardlink"_s, hardLink);
        const Outcome o = runCommandLine(line);
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains(u"rien n'est écrit"_s), qPrintable(o.err));
        QCOMPARE(fileBytes(label), labelBytes);
        QCOMPARE(fileBytes(settings), settingsBytes);
    }

    void singleLabelLandsWhereTheGeometrySays_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("position");
        QTest::addColumn<QPointF>("origin");
        QTest::newRow("defaults, position 1") << QByteArray() << 1 << QPointF(10, 4);
        QTest::newRow("defaults, position 10") << QByteArray() << 10 << QPointF(90, 220);
        QTest::newRow("loaded settings, position 4")
            << QByteArray("7.5,12,5,0\r\n#FALSE#,#TRUE#\r\n") << 4 << QPointF(82.5, 62);
        QTest::newRow("touching labels, position 6")
            << QByteArray("0,0,0,0\r\n#TRUE#,#TRUE#\r\n") << 6 << QPointF(70, 100);
    }

    void singleLabelLandsWhereTheGeometrySays()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, position);
        QFETCH(QPointF, origin);
        const QString label = writeLabel(u"lot.eti"_s, sampleZones());
        QStringList options{u"--position"_s, QString::number(position)};
        if (!settings.isEmpty())
            options += QStringList{u"--settings"_s, writeFile(u"lot.PAR"_s, settings)};
        PdfTextPage page;
        printOnePage(m_dir.filePath(u"une.pdf"_s), options + QStringList{label}, page);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE_LT(offMm(page.size.width(), 210), Tolerance);
        const QRectF zone1 = findWord(page, u"Sauvegarde"_s).box;
        const QRectF zone2 = findWord(page, u"Documents"_s).box;
        const QRectF zone3 = findWord(page, u"Disque"_s).box;
        QVERIFY(!zone1.isEmpty() && !zone2.isEmpty() && !zone3.isEmpty());
        const double x = origin.x(), y = origin.y();
        QCOMPARE_LT(offMm(zone1.right(), x + 64), Tolerance);
        QCOMPARE_LT(offMm(zone1.top(), y + 1 + oneLineDropMm(12)), Tolerance);
        QCOMPARE_LT(offMm(zone2.left(), x + 3), Tolerance);
        QCOMPARE_LT(offMm(zone2.top(), y + 16 + oneLineDropMm(8)), Tolerance);
        QCOMPARE_LT(offMm(zone3.center().x(), x + 35), Tolerance);
        QCOMPARE_LT(offMm(zone3.top(), y + 38 + oneLineDropMm(10)), Tolerance);
    }

    void numberedRun()
    {
        LabelZones zones = sampleZones();
        zones[ZoneId::Third].text = u"Disque"_s;
        zones[ZoneId::Third].style.alignment = ZoneAlignment::Left;
        const QString label = writeLabel(u"serie.eti"_s, zones);
        PdfTextPage page;
        printOnePage(m_dir.filePath(u"serie.pdf"_s),
                     args("--start 3 --count 4 --number 9 --style X/X") + QStringList{label}, page);
        if (QTest::currentTestFailed())
            return;
        const QPointF origins[4] = {{10, 58}, {90, 58}, {10, 112}, {90, 112}};
        for (int i = 0; i < 4; ++i) {
            const QString number = u"%1/4"_s.arg(9 + i);
            const QRectF box = findWord(page, number).box;
            QVERIFY2(!box.isEmpty(), qPrintable(number));
            const QRectF disque = [&] {
                for (const PdfWord &w : page.words) {
                    const bool sameLine = qAbs(w.box.top() - box.top()) < 1;
                    const bool justBefore =
                        w.box.right() <= box.left() && box.left() - w.box.right() < 10;
                    if (w.text == "Disque"_L1 && sameLine && justBefore)
                        return w.box;
                }
                return QRectF();
            }();
            QCOMPARE_LT(offMm(disque.left(), origins[i].x() + 3), Tolerance);
            QCOMPARE_LT(offMm(box.top(), origins[i].y() + 38 + oneLineDropMm(10)), Tolerance);
        }
        QVERIFY(findWord(page, u"13/4"_s).box.isEmpty());
    }

    void listOverSheets()
    {
        LabelZones zones = sampleZones();
        zones[ZoneId::Third].text = u"Disque"_s;
        const QString label = writeLabel(u"boite.eti"_s, zones);
        const QString list = writeFile(u"boite.txt"_s, numberedTitles(14).toUtf8());
        const QString pdf = m_dir.filePath(u"boite.pdf"_s);
        const Outcome o = runToPdf(pdf, args("--start 8 --number 1 --style X/X --list") +
                                            QStringList{list, label});
        QCOMPARE(o.status, 0);
        QVERIFY2(o.err.isEmpty(), qPrintable(o.err));
        checkListPages(pdf, 14, 8, 3);
        const QList<PdfTextPage> pages = readPdfText(pdf);
        QVERIFY(!findWord(pages.value(0), u"1/14"_s).box.isEmpty());
        QVERIFY(!findWord(pages.value(2), u"14/14"_s).box.isEmpty());
    }

    void badList_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("error");
        QTest::newRow("character outside Windows-1252")
            << "Un\n\xc5\x81\xc3\xb3"
               "d\xc5\xba\n"_ba
            << QStringList()
            << u"Ligne 2 : Le texte de la zone 1 contient un caractère que le fichier ne peut "
               "pas coder."_s;
        QTest::newRow("empty") << "\n\n"_ba << QStringList() << u"ne donne aucune étiquette"_s;
        QTest::newRow("numbers past 32766")
            << "A\nB\nC\n"_ba << args("--number 32765")
            << u"numéros de 32765 à 32767 : la numérotation s'arrête à 32766"_s;
    }

    void badList()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, options);
        QFETCH(QString, error);
        const QString label = writeLabel(u"boite.eti"_s, sampleZones());
        const QString pdf = m_dir.filePath(u"mauvaise.pdf"_s);
        const Outcome o = runToPdf(
            pdf, options + QStringList{u"--list"_s, writeFile(u"mauvaise.txt"_s, list), label});
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains(error), qPrintable(o.err));
        QVERIFY(!QFile::exists(pdf));
    }

    void listFromStandardInput()
    {
        const QString label = writeLabel(u"boite.eti"_s, sampleZones());
        const QString pdf = m_dir.filePath(u"entree-liste.pdf"_s);
        QScopedPointer<QProcess> korvalin(korvalinProcess(nullptr));
        korvalin->start(QStringLiteral(KORVALIN_EXECUTABLE),
                        {u"--pdf"_s, pdf, u"--start"_s, u"8"_s, u"--list"_s, u"-"_s, label});
        korvalin->write(numberedTitles(14).toUtf8());
        korvalin->closeWriteChannel();
        QVERIFY(korvalin->waitForFinished(20000));
        QCOMPARE(korvalin->exitCode(), 0);
        checkListPages(pdf, 14, 8, 3);
    }

    void numberingReachesItsLimit_data()
    {
        QTest::addColumn<QStringList>("run");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("three up to 32766")
            << args("--number 32764 --count 3") << args("32764 32765 32766");
        QTest::newRow("32766 alone") << args("--number 32766 --start 10") << args("32766");
    }

    // The largest run the numbering allows prints every number, the last one included.
    void numberingReachesItsLimit()
    {
        QFETCH(QStringList, run);
        QFETCH(QStringList, numbers);
        const QString label = writeLabel(u"limite.eti"_s, sampleZones());
        PdfTextPage page;
        printOnePage(m_dir.filePath(u"limite.pdf"_s), run + QStringList{label}, page);
        if (QTest::currentTestFailed())
            return;
        int numbered = 0;
        for (const PdfWord &word : page.words) {
            if (word.text.startsWith("327"_L1)) {
                QVERIFY2(numbers.contains(word.text), qPrintable(word.text));
                ++numbered;
            }
        }
        QCOMPARE(numbered, numbers.size());
    }

    void frameAndCutLinesOnThePage()
    {
        const QString label = writeLabel(u"cadre.eti"_s, sampleZones());
        const QString pdf = m_dir.filePath(u"cadre.pdf"_s);
        QCOMPARE(runToPdf(pdf, {u"--position"_s, u"1"_s, label}).status, 0);
        const QImage page = renderPdfPage(pdf, 254); // 10 pixels a millimetre
        QVERIFY(!page.isNull());
        auto darkShare = [&](double y, double fromX, double toX) {
            int dark = 0, all = 0;
            for (int px = int(fromX * 10); px < int(toX * 10); ++px, ++all) {
                const int row = qRound(y * 10);
                bool hit = false;
                for (int r = row - 1; r <= row + 1; ++r)
                    hit = hit || qGray(page.pixel(px, r)) < 128;
                dark += hit;
            }
            return double(dark) / all;
        };
        // The frame, 2 mm inside the label, is solid; the cut outline is dash-dot.
        QCOMPARE_GT(darkShare(4 + 2, 10 + 3, 10 + 67), 0.98);
        QCOMPARE_GT(darkShare(4 + 48, 10 + 3, 10 + 67), 0.98);
        const double cut = darkShare(4, 10 + 1, 10 + 69);
        QCOMPARE_GT(cut, 0.4);
        QCOMPARE_LT(cut, 0.9);
        QCOMPARE_LT(darkShare(4 + 25, 10 + 40, 10 + 67), 0.02);
        // Nothing at position 2.
        QCOMPARE_LT(darkShare(4 + 2, 90 + 3, 90 + 67), 0.02);
    }

    void executable()
    {
        const QString label = writeLabel(u"proc.eti"_s, sampleZones());
        const QString pdf = m_dir.filePath(u"proc.pdf"_s);
        QProcess *numbered = finishedKorvalin(this, QStringList{u"--pdf"_s, pdf} +
                                                        args("--count 2 --number 1 --style X/X") +
                                                        QStringList{label});
        QVERIFY(numbered);
        QCOMPARE(numbered->exitCode(), 0);
        const QList<PdfTextPage> pages = readPdfText(pdf);
        QCOMPARE(pages.size(), 1);
        // Qt keeps --style for itself when it parses the arguments: ours must still see it.
        QVERIFY(!findWord(pages[0], u"1/2"_s).box.isEmpty());

        QProcess *missing =
            finishedKorvalin(this, {u"--pdf"_s, pdf, m_dir.filePath(u"absent.eti"_s)});
        QVERIFY(missing);
        QCOMPARE(missing->exitCode(), 1);
        QVERIFY(QString::fromUtf8(missing->readAllStandardError())
                    .contains(u"Erreur d'ouverture du fichier : "_s));

        // A name that is not UTF-8 would be written under another: it is refused.
        QProcess *notUtf8 = korvalinProcess(this);
        notUtf8->start(u"sh"_s,
                       {u"-c"_s, u"exec \"$0\" --pdf \"$(printf 'illisible\\377.pdf')\" \"$1\""_s,
                        QStringLiteral(KORVALIN_EXECUTABLE), label});
        QVERIFY(notUtf8->waitForFinished(20000));
        QCOMPARE(notUtf8->exitCode(), 1);
        QVERIFY(QString::fromUtf8(notUtf8->readAllStandardError()).contains(u"UTF-8 non valide"_s));
        QVERIFY(QDir(m_dir.path()).entryList({u"illisible*"_s}).isEmpty());

        // Standard output is a pipe here: the page goes into it, as into any pipe being read.
        QProcess *toStdout = finishedKorvalin(this, {u"--pdf"_s, u"/dev/stdout"_s, label});
        QVERIFY(toStdout);
        QCOMPARE(toStdout->exitCode(), 0);
        const QByteArray page = toStdout->readAllStandardOutput();
        QVERIFY(page.startsWith("%PDF-"));
        QVERIFY(page.trimmed().endsWith("%%EOF"));
    }

    void pdfOntoAFullDisk_data()
    {
        QTest::addColumn<int>(
            "pagesShort"); // how many pages the disk lacks for the PDF; 0: it fits
        QTest::newRow("disk full") << 1000;
        QTest::newRow("one page short") << 1;
        QTest::newRow("room") << 0;
    }

    void pdfOntoAFullDisk()
    {
        QFETCH(int, pagesShort);
        const QStringList options = {u"--number"_s, u"7"_s,
                                     writeLabel(u"plein.eti"_s, sampleZones())};
        const QString reference = m_dir.filePath(u"reference.pdf"_s);
        QCOMPARE(runToPdf(reference, options).status, 0);
        const qint64 pdfPages =
            (QFileInfo(reference).size() + SmallDisk::PageSize - 1) / SmallDisk::PageSize;

        SmallDisk disk(1024 * 1024);
        if (!disk.isMounted())
            QSKIP("Mounting a small file system needs root");
        const QString pdf = disk.filePath(u"sortie.pdf"_s);
        QVERIFY(writeBytes(pdf, "%PDF-ancien"));
        QVERIFY(disk.fillLeaving(std::max<qint64>(0, pdfPages - pagesShort) * SmallDisk::PageSize));

        const Outcome o = runToPdf(pdf, options);
        if (pagesShort > 0) {
            QCOMPARE(o.status, 1);
            QCOMPARE(o.err, u"Erreur lors de la sauvegarde du fichier ! : "_s + pdf +
                                u"\nLe disque est plein.\n"_s);
            QCOMPARE(fileBytes(pdf), QByteArray("%PDF-ancien"));
        } else {
            QCOMPARE(o.status, 0);
            QVERIFY(o.err.isEmpty());
            QCOMPARE(readPdfText(pdf).size(), 1);
        }
        QCOMPARE(disk.files(), QStringList{u"sortie.pdf"_s});
    }

    void pdfIntoADevice_data()
    {
        QTest::addColumn<SpecialFile>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("null device") << SpecialFile::NullDevice << 0 << QString();
        QTest::newRow("full device") << SpecialFile::FullDevice << 1 << u"Le disque est plein."_s;
        QTest::newRow("block device")
            << SpecialFile::BlockDevice << 1
            << u"Ce nom désigne un disque, sur lequel rien n'est jamais écrit."_s;
    }

    void pdfIntoADevice()
    {
        QFETCH(SpecialFile, kind);
        QFETCH(int, status);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString device = dir.filePath(u"peripherique"_s);
        if (!makeSpecialFile(kind, device))
            QSKIP("Device nodes need root and a folder that allows them");
        const QString label = writeLabel(u"peripherique.eti"_s, sampleZones());
        QProcess *korvalin = finishedKorvalin(this, {u"--pdf"_s, device, label});
        QVERIFY(korvalin);
        QCOMPARE(korvalin->exitCode(), status);
        // Qt may add warnings of its own about the environment; only the program's message counts.
        QCOMPARE(QString::fromUtf8(korvalin->readAllStandardError())
                     .contains(u"Erreur lors de la sauvegarde du fichier ! : "_s + device + u'\n' +
                               reason + u'\n'),
                 status != 0);
        QVERIFY(isSpecialFile(kind, device));
    }

    // `korvalin --pdf /dev/stdout LABEL >> log` adds the page after the log's lines, into
    // the file the shell opened, whoever may write the folder it lies in.
    void pdfIntoStandardOutput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("asOtherUser");
        for (const QString &name : {u"/dev/stdout"_s, u"/dev/fd/1"_s, u"-"_s}) {
            QTest::addRow("%s", qPrintable(name)) << name << false;
            QTest::addRow("%s, another user", qPrintable(name)) << name << true;
        }
    }

    void pdfIntoStandardOutput()
    {
        QFETCH(QString, name);
        QFETCH(bool, asOtherUser);
        const QString whyNot = OtherUser::unavailableReason();
        if (asOtherUser && !whyNot.isEmpty())
            QSKIP(qPrintable(whyNot));
        // Only its owner may write the folder; anyone may read the label in it.
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(
            dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                            QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
        const QString label = dir.filePath(u"journal.eti"_s);
        QVERIFY(writeBytes(label, *LabelFile::encode(LabelDocument{sampleZones(), {}})));
        const QString log = dir.filePath(u"journal.txt"_s);
        const QByteArray lines = "ligne d'hier\nligne du jour\n";
        QVERIFY(writeBytes(log, lines));
        const ino_t inode = inodeOf(log);

        QProcess *korvalin = korvalinProcess(this);
        korvalin->setStandardOutputFile(log, QIODevice::Append);
        const QStringList arguments{u"--pdf"_s, name, label};
        if (asOtherUser)
            OtherUser::start(*korvalin, QStringLiteral(KORVALIN_EXECUTABLE), arguments);
        else
            korvalin->start(QStringLiteral(KORVALIN_EXECUTABLE), arguments);
        QVERIFY(korvalin->waitForFinished(20000));
        QCOMPARE(korvalin->exitCode(), 0);
        const QByteArray written = fileBytes(log);
        QVERIFY(written.startsWith(lines + "%PDF-"));
        QVERIFY(written.trimmed().endsWith("%%EOF"));
        QCOMPARE(inodeOf(log), inode);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"journal.eti"_s, u"journal.txt"_s}));
    }

private:
    QString writeLabel(const QString &name, const LabelZones &zones)
    {
        return writeFile(name, *LabelFile::encode(LabelDocument{zones, {}}));
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write a test file");
        return path;
    }

    LabelZones sampleZones() const
    {
        LabelZones zones = LabelDocument::startUp().zones;
        zones[ZoneId::First].text = u"Sauvegarde"_s;
        zones[ZoneId::First].style.pointSize = 12;
        zones[ZoneId::First].style.bold = true;
        zones[ZoneId::First].style.alignment = ZoneAlignment::Right;
        zones[ZoneId::Second].text = u"Documents"_s;
        zones[ZoneId::Second].style.pointSize = 8;
        zones[ZoneId::Third].text = u"Disque"_s;
        zones[ZoneId::Third].style.pointSize = 10;
        zones[ZoneId::Third].style.alignment = ZoneAlignment::Centre;
        return zones;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
