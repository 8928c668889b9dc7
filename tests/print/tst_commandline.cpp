#include "CommandLineRun.h"
#include "PdfRaster.h"
#include "PdfText.h"
#include "SmallDisk.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "print/CommandLine.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

constexpr double Tolerance = 0.5; // mm

using Outcome = CommandLineOutcome;

// Line height of a font on a 1200 dpi PDF page, in mm, as the printed page measures it.
double lineHeightMm(const QString &family, double points)
{
    QPdfWriter probe(QStringLiteral("/dev/null"));
    QFont font(family);
    font.setPointSizeF(points);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(font, &probe).height() / (probe.resolution() / 25.4);
}

// The program itself, with no display, as a script runs it.
QProcess *startKorvalin(QObject *parent, const QStringList &arguments)
{
    auto *korvalin = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    korvalin->setProcessEnvironment(environment);
    korvalin->start(QStringLiteral(KORVALIN_EXECUTABLE), arguments);
    return korvalin;
}

} // namespace

Q_DECLARE_METATYPE(SpecialFile)

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void headlessOnlyWithOptions();
    void badUsage_data();
    void badUsage();
    void help();
    void failures_data();
    void failures();
    void singleLabelLandsWhereTheGeometrySays_data();
    void singleLabelLandsWhereTheGeometrySays();
    void numberedRun();
    void numberingReachesItsLimit_data();
    void numberingReachesItsLimit();
    void frameAndCutLinesOnThePage();
    void executable();
    void pdfOntoAFullDisk_data();
    void pdfOntoAFullDisk();
    void pdfIntoADevice_data();
    void pdfIntoADevice();

private:
    QString writeLabel(const QString &name, const LabelFile::Zones &zones,
                       const QString &icon = QStringLiteral("AUCUN"));
    QString writeFile(const QString &name, const QByteArray &bytes);
    LabelFile::Zones sampleZones() const;

    QTemporaryDir m_dir;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
}

LabelFile::Zones TestCommandLine::sampleZones() const
{
    LabelFile::Zones zones = startUpZones();
    zones[0].Caption = QStringLiteral("Sauvegarde");
    zones[0].FontSize = 12;
    zones[0].FontBold = true;
    zones[0].Alignment = AlignRight;
    zones[1].Caption = QStringLiteral("Documents");
    zones[1].FontSize = 8;
    zones[2].Caption = QStringLiteral("Disque");
    zones[2].FontSize = 10;
    zones[2].Alignment = AlignCentre;
    return zones;
}

QString TestCommandLine::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    if (!writeBytes(path, bytes))
        qFatal("cannot write a test file");
    return path;
}

QString TestCommandLine::writeLabel(const QString &name, const LabelFile::Zones &zones,
                                    const QString &icon)
{
    return writeFile(name, *LabelFile::encode(zones, icon));
}

void TestCommandLine::headlessOnlyWithOptions()
{
    QVERIFY(!CommandLine::wantsHeadless({}));
    QVERIFY(!CommandLine::wantsHeadless({QStringLiteral("lot.eti")}));
    QVERIFY(CommandLine::wantsHeadless(
        {QStringLiteral("--pdf"), QStringLiteral("a.pdf"), QStringLiteral("lot.eti")}));
    QVERIFY(CommandLine::wantsHeadless({QStringLiteral("--help")}));
}

void TestCommandLine::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    const QString label = QStringLiteral("lot.eti");
    const QString pdf = QStringLiteral("--pdf");
    const QString out = QStringLiteral("sortie.pdf");
    QTest::newRow("no output") << QStringList{label, QStringLiteral("--count"), QStringLiteral("2")}
                               << QStringLiteral("choisir --pdf ou --print");
    QTest::newRow("both outputs") << QStringList{pdf, out, QStringLiteral("--print"), label}
                                  << QStringLiteral("choisir --pdf ou --print");
    QTest::newRow("no label") << QStringList{pdf, out} << QStringLiteral("aucun fichier étiquette");
    QTest::newRow("two labels") << QStringList{pdf, out, label, label}
                                << QStringLiteral("un seul fichier étiquette à la fois");
    QTest::newRow("missing value")
        << QStringList{label, pdf} << QStringLiteral("l'option --pdf demande une valeur");
    QTest::newRow("not a number") << QStringList{pdf, out, QStringLiteral("--count"),
                                                 QStringLiteral("deux"), label}
                                  << QStringLiteral("l'option --count demande un nombre entier");
    QTest::newRow("unknown option") << QStringList{pdf, out, QStringLiteral("--couleur"), label}
                                    << QStringLiteral("option inconnue : --couleur");
    QTest::newRow("position 11") << QStringList{pdf, out, QStringLiteral("--position"),
                                                QStringLiteral("11"), label}
                                 << QStringLiteral("la position va de 1 à 10");
    QTest::newRow("start 0") << QStringList{pdf, out, QStringLiteral("--start"),
                                            QStringLiteral("0"), label}
                             << QStringLiteral("la position de départ va de 1 à 10");
    QTest::newRow("position and run")
        << QStringList{pdf,
                       out,
                       QStringLiteral("--position"),
                       QStringLiteral("2"),
                       QStringLiteral("--count"),
                       QStringLiteral("2"),
                       label}
        << QStringLiteral("--position ne va pas avec --start, --count ou --number");
    QTest::newRow("style") << QStringList{pdf, out, QStringLiteral("--style"),
                                          QStringLiteral("X-X"), label}
                           << QStringLiteral("le style de numérotation est \"X\" ou \"X/X\"");
    QTest::newRow("printer without print")
        << QStringList{pdf, out, QStringLiteral("--printer"), QStringLiteral("Q"), label}
        << QStringLiteral("--printer va avec --print");
    QTest::newRow("printer named empty")
        << QStringList{QStringLiteral("--print"), QStringLiteral("--printer"), QString(), label}
        << QStringLiteral("le nom de l'imprimante est vide");
    QTest::newRow("number too large")
        << QStringList{pdf, out, QStringLiteral("--number"), QStringLiteral("40000"), label}
        << QStringLiteral("le numéro de départ va de 0 à 32766");
    // The counter moves on past the last label, so 32767 itself cannot be printed.
    QTest::newRow("number 32767 alone") << QStringList{pdf,
                                                       out,
                                                       QStringLiteral("--number"),
                                                       QStringLiteral("32767"),
                                                       QStringLiteral("--count"),
                                                       QStringLiteral("1"),
                                                       label}
                                        << QStringLiteral("le numéro de départ va de 0 à 32766");
    QTest::newRow("number past 32767")
        << QStringList{pdf,
                       out,
                       QStringLiteral("--number"),
                       QStringLiteral("32765"),
                       QStringLiteral("--count"),
                       QStringLiteral("3"),
                       label}
        << QStringLiteral("numéros de 32765 à 32767 : la numérotation s'arrête à 32766");
    QTest::newRow("number with a count past any integer")
        << QStringList{pdf,
                       out,
                       QStringLiteral("--number"),
                       QStringLiteral("100"),
                       QStringLiteral("--count"),
                       QStringLiteral("2147483647"),
                       label}
        << QStringLiteral("numéros de 100 à 2147483746 : la numérotation s'arrête à 32766");
    QTest::newRow("number past 32767, count from the start")
        << QStringList{pdf,
                       out,
                       QStringLiteral("--number"),
                       QStringLiteral("32760"),
                       QStringLiteral("--start"),
                       QStringLiteral("2"),
                       label}
        << QStringLiteral("numéros de 32760 à 32768 : la numérotation s'arrête à 32766");
}

void TestCommandLine::badUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const Outcome o = runCommandLine(arguments);
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.startsWith(QStringLiteral("korvalin : ") + reason + QLatin1Char('\n')),
             qPrintable(o.err));
    QVERIFY(o.err.contains(QStringLiteral("Utilisation :")));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("sortie.pdf"))));
}

void TestCommandLine::help()
{
    const Outcome o = runCommandLine({QStringLiteral("--help")});
    QCOMPARE(o.status, 0);
    QVERIFY(o.out.startsWith(QStringLiteral("Utilisation :")));
    QVERIFY(o.out.contains(QStringLiteral("--number N")));
    QVERIFY(o.err.isEmpty());
}

void TestCommandLine::failures_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("labelText2");
    QTest::addColumn<QString>("message");
    const QString ok = QStringLiteral("Documents");
    QTest::newRow("unreadable label")
        << QStringList{} << QString() << QStringLiteral("Erreur d'ouverture du fichier : ");
    QTest::newRow("unreadable settings")
        << QStringList{QStringLiteral("--settings"), QStringLiteral("absent.PAR")} << ok
        << QStringLiteral("Erreur d'ouverture du fichier : absent.PAR\n");
    QTest::newRow("too many lines")
        << QStringList{}
        << QString(QStringLiteral("ligne\r\n")).repeated(15) + QStringLiteral("fin")
        << QStringLiteral("Nombre de lignes de texte trop important !\n");
    QTest::newRow("count above 10")
        << QStringList{QStringLiteral("--count"), QStringLiteral("12")} << ok
        << QStringLiteral("Nombre maximum d'étiquettes identiques = 10\n");
    QTest::newRow("count 0") << QStringList{QStringLiteral("--count"), QStringLiteral("0")} << ok
                             << QStringLiteral("Nombre minimum d'étiquettes = 1\n");
    QTest::newRow("run past the sheet")
        << QStringList{QStringLiteral("--start"), QStringLiteral("7"), QStringLiteral("--count"),
                       QStringLiteral("5")}
        << ok
        << QStringLiteral("Nombre maximun d'étiquettes =  4\n à partir de l'étiquette N°  7\n");
}

void TestCommandLine::failures()
{
    QFETCH(QStringList, options);
    QFETCH(QString, labelText2);
    QFETCH(QString, message);
    LabelFile::Zones zones = sampleZones();
    zones[1].Caption = labelText2;
    const QString label = labelText2.isNull()
                              ? writeFile(QStringLiteral("abime.eti"), "[Titre 1]\r\n\"abîmé")
                              : writeLabel(QStringLiteral("lot.eti"), zones);
    const QString pdf = m_dir.filePath(QStringLiteral("echec.pdf"));
    const Outcome o =
        runCommandLine(QStringList{QStringLiteral("--pdf"), pdf} + options + QStringList{label});
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.startsWith(message), qPrintable(o.err));
    QVERIFY(!QFile::exists(pdf));
}

void TestCommandLine::singleLabelLandsWhereTheGeometrySays_data()
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

void TestCommandLine::singleLabelLandsWhereTheGeometrySays()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, position);
    QFETCH(QPointF, origin);
    const QString label = writeLabel(QStringLiteral("lot.eti"), sampleZones());
    QStringList arguments{QStringLiteral("--position"), QString::number(position)};
    if (!settings.isEmpty())
        arguments += QStringList{QStringLiteral("--settings"),
                                 writeFile(QStringLiteral("lot.PAR"), settings)};
    const QString pdf = m_dir.filePath(QStringLiteral("une.pdf"));
    const Outcome o =
        runCommandLine(QStringList{QStringLiteral("--pdf"), pdf} + arguments + QStringList{label});
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.isEmpty(), qPrintable(o.err));

    const QList<PdfTextPage> pages = readPdfText(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE_LT(qAbs(pages[0].size.width() * mmPerPt - 210), Tolerance);
    const QRectF zone1 = findWord(pages[0], QStringLiteral("Sauvegarde")).box;
    const QRectF zone2 = findWord(pages[0], QStringLiteral("Documents")).box;
    const QRectF zone3 = findWord(pages[0], QStringLiteral("Disque")).box;
    QVERIFY(!zone1.isEmpty() && !zone2.isEmpty() && !zone3.isEmpty());

    // One-line zones are lowered by half their line height.
    const double x = origin.x(), y = origin.y();
    QCOMPARE_LT(qAbs(zone1.right() * mmPerPt - (x + 64)), Tolerance);
    QCOMPARE_LT(
        qAbs(zone1.top() * mmPerPt - (y + 1 + lineHeightMm(QStringLiteral("Arial"), 12) / 2)),
        Tolerance);
    QCOMPARE_LT(qAbs(zone2.left() * mmPerPt - (x + 3)), Tolerance);
    QCOMPARE_LT(
        qAbs(zone2.top() * mmPerPt - (y + 16 + lineHeightMm(QStringLiteral("Arial"), 8) / 2)),
        Tolerance);
    QCOMPARE_LT(qAbs(zone3.center().x() * mmPerPt - (x + 35)), Tolerance);
    QCOMPARE_LT(
        qAbs(zone3.top() * mmPerPt - (y + 38 + lineHeightMm(QStringLiteral("Arial"), 10) / 2)),
        Tolerance);
}

void TestCommandLine::numberedRun()
{
    LabelFile::Zones zones = sampleZones();
    zones[2].Caption = QStringLiteral("Disque");
    zones[2].Alignment = AlignLeft;
    const QString label = writeLabel(QStringLiteral("serie.eti"), zones);
    const QString pdf = m_dir.filePath(QStringLiteral("serie.pdf"));
    const Outcome o = runCommandLine(
        {QStringLiteral("--pdf"), pdf, QStringLiteral("--start"), QStringLiteral("3"),
         QStringLiteral("--count"), QStringLiteral("4"), QStringLiteral("--number"),
         QStringLiteral("9"), QStringLiteral("--style"), QStringLiteral("X/X"), label});
    QCOMPARE(o.status, 0);
    const QList<PdfTextPage> pages = readPdfText(pdf);
    QCOMPARE(pages.size(), 1);
    const QPointF origins[4] = {{10, 58}, {90, 58}, {10, 112}, {90, 112}};
    for (int i = 0; i < 4; ++i) {
        const QString number = QStringLiteral("%1/4").arg(9 + i);
        const QRectF box = findWord(pages[0], number).box;
        QVERIFY2(!box.isEmpty(), qPrintable(number));
        const QRectF disque = [&] {
            for (const PdfWord &w : pages[0].words) {
                const bool sameLine = qAbs(w.box.top() - box.top()) < 1;
                const bool justBefore =
                    w.box.right() <= box.left() && box.left() - w.box.right() < 10;
                if (w.text == QLatin1String("Disque") && sameLine && justBefore)
                    return w.box;
            }
            return QRectF();
        }();
        QCOMPARE_LT(qAbs(disque.left() * mmPerPt - (origins[i].x() + 3)), Tolerance);
        QCOMPARE_LT(qAbs(box.top() * mmPerPt -
                         (origins[i].y() + 38 + lineHeightMm(QStringLiteral("Arial"), 10) / 2)),
                    Tolerance);
    }
    QVERIFY(findWord(pages[0], QStringLiteral("13/4")).box.isEmpty());
}

void TestCommandLine::numberingReachesItsLimit_data()
{
    QTest::addColumn<QStringList>("run");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("three up to 32766")
        << QStringList{QStringLiteral("--number"), QStringLiteral("32764"),
                       QStringLiteral("--count"), QStringLiteral("3")}
        << QStringList{QStringLiteral("32764"), QStringLiteral("32765"), QStringLiteral("32766")};
    QTest::newRow("32766 alone") << QStringList{QStringLiteral("--number"), QStringLiteral("32766"),
                                                QStringLiteral("--start"), QStringLiteral("10")}
                                 << QStringList{QStringLiteral("32766")};
}

// The largest run the numbering allows prints every number, the last one included.
void TestCommandLine::numberingReachesItsLimit()
{
    QFETCH(QStringList, run);
    QFETCH(QStringList, numbers);
    const QString label = writeLabel(QStringLiteral("limite.eti"), sampleZones());
    const QString pdf = m_dir.filePath(QStringLiteral("limite.pdf"));
    const Outcome o =
        runCommandLine(QStringList{QStringLiteral("--pdf"), pdf} + run + QStringList{label});
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.isEmpty(), qPrintable(o.err));
    const QList<PdfTextPage> pages = readPdfText(pdf);
    QCOMPARE(pages.size(), 1);
    int numbered = 0;
    for (const PdfWord &word : pages[0].words) {
        if (word.text.startsWith(QLatin1String("327"))) {
            QVERIFY2(numbers.contains(word.text), qPrintable(word.text));
            ++numbered;
        }
    }
    QCOMPARE(numbered, numbers.size());
}

void TestCommandLine::frameAndCutLinesOnThePage()
{
    const QString label = writeLabel(QStringLiteral("cadre.eti"), sampleZones());
    const QString pdf = m_dir.filePath(QStringLiteral("cadre.pdf"));
    QCOMPARE(runCommandLine({QStringLiteral("--pdf"), pdf, QStringLiteral("--position"),
                             QStringLiteral("1"), label})
                 .status,
             0);
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

void TestCommandLine::executable()
{
    const QString label = writeLabel(QStringLiteral("proc.eti"), sampleZones());
    const QString pdf = m_dir.filePath(QStringLiteral("proc.pdf"));
    QProcess korvalin;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    korvalin.setProcessEnvironment(environment);
    korvalin.start(QStringLiteral(KORVALIN_EXECUTABLE),
                   {QStringLiteral("--pdf"), pdf, QStringLiteral("--count"), QStringLiteral("2"),
                    QStringLiteral("--number"), QStringLiteral("1"), QStringLiteral("--style"),
                    QStringLiteral("X/X"), label});
    QVERIFY(korvalin.waitForFinished(20000));
    QCOMPARE(korvalin.exitCode(), 0);
    const QList<PdfTextPage> pages = readPdfText(pdf);
    QCOMPARE(pages.size(), 1);
    // Qt keeps --style for itself when it parses the arguments: ours must still see it.
    QVERIFY(!findWord(pages[0], QStringLiteral("1/2")).box.isEmpty());

    korvalin.start(QStringLiteral(KORVALIN_EXECUTABLE),
                   {QStringLiteral("--pdf"), pdf, m_dir.filePath(QStringLiteral("absent.eti"))});
    QVERIFY(korvalin.waitForFinished(20000));
    QCOMPARE(korvalin.exitCode(), 1);
    QVERIFY(QString::fromUtf8(korvalin.readAllStandardError())
                .contains(QStringLiteral("Erreur d'ouverture du fichier : ")));

    // Standard output is a pipe here: the page goes into it, as into any pipe being read.
    QProcess *toStdout =
        startKorvalin(this, {QStringLiteral("--pdf"), QStringLiteral("/dev/stdout"), label});
    QVERIFY(toStdout->waitForFinished(20000));
    QCOMPARE(toStdout->exitCode(), 0);
    const QByteArray page = toStdout->readAllStandardOutput();
    QVERIFY(page.startsWith("%PDF-"));
    QVERIFY(page.trimmed().endsWith("%%EOF"));
}

void TestCommandLine::pdfOntoAFullDisk_data()
{
    QTest::addColumn<int>("pagesShort"); // how many pages the disk lacks for the PDF; 0: it fits
    QTest::newRow("disk full") << 1000;
    QTest::newRow("one page short") << 1;
    QTest::newRow("room") << 0;
}

void TestCommandLine::pdfOntoAFullDisk()
{
    QFETCH(int, pagesShort);
    const QString label = writeLabel(QStringLiteral("plein.eti"), sampleZones());
    const QStringList options = {QStringLiteral("--number"), QStringLiteral("7"), label};
    const QString reference = m_dir.filePath(QStringLiteral("reference.pdf"));
    QCOMPARE(runCommandLine(QStringList{QStringLiteral("--pdf"), reference} + options).status, 0);
    const qint64 pdfPages =
        (QFileInfo(reference).size() + SmallDisk::PageSize - 1) / SmallDisk::PageSize;

    SmallDisk disk(1024 * 1024);
    if (!disk.isMounted())
        QSKIP("Mounting a small file system needs root");
    const QString pdf = disk.filePath(QStringLiteral("sortie.pdf"));
    QVERIFY(writeBytes(pdf, "%PDF-ancien"));
    QVERIFY(disk.fillLeaving(std::max<qint64>(0, pdfPages - pagesShort) * SmallDisk::PageSize));

    const Outcome o = runCommandLine(QStringList{QStringLiteral("--pdf"), pdf} + options);
    if (pagesShort > 0) {
        QCOMPARE(o.status, 1);
        QCOMPARE(o.err, QStringLiteral("Erreur lors de la sauvegarde du fichier ! : ") + pdf +
                            QLatin1Char('\n'));
        QCOMPARE(fileBytes(pdf), QByteArray("%PDF-ancien"));
    } else {
        QCOMPARE(o.status, 0);
        QVERIFY(o.err.isEmpty());
        QCOMPARE(readPdfText(pdf).size(), 1);
    }
    QCOMPARE(disk.files(), QStringList{QStringLiteral("sortie.pdf")});
}

void TestCommandLine::pdfIntoADevice_data()
{
    QTest::addColumn<SpecialFile>("kind");
    QTest::addColumn<int>("status");
    QTest::newRow("null device") << SpecialFile::NullDevice << 0;
    QTest::newRow("full device") << SpecialFile::FullDevice << 1;
}

void TestCommandLine::pdfIntoADevice()
{
    QFETCH(SpecialFile, kind);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("peripherique"));
    if (!makeSpecialFile(kind, device))
        QSKIP("Device nodes need root and a folder that allows them");
    const QString label = writeLabel(QStringLiteral("peripherique.eti"), sampleZones());
    QProcess *korvalin = startKorvalin(this, {QStringLiteral("--pdf"), device, label});
    QVERIFY(korvalin->waitForFinished(20000));
    QCOMPARE(korvalin->exitCode(), status);
    // Qt may add warnings of its own about the environment; only the program's message counts.
    QCOMPARE(QString::fromUtf8(korvalin->readAllStandardError())
                 .contains(QStringLiteral("Erreur lors de la sauvegarde du fichier ! : ") + device +
                           QLatin1Char('\n')),
             status != 0);
    QVERIFY(isSpecialFile(kind, device));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
