// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineRun.h"
#include "CupsScheduler.h"
#include "PdfRaster.h"
#include "PdfText.h"
#include "TestFiles.h"

#include "print/CalibrationPage.h"
#include "print/PrintSettingsFile.h"
#include "print/Printer.h"
#include "print/SheetGeometry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int PixelsPerMm = 20;
constexpr int DotsPerInch = 508;  // 20 pixels a millimetre
constexpr double Tolerance = 0.1; // mm

// A PDF's page rendered at 20 pixels a millimetre, read in millimetres from its corner.
class PageScan
{
public:
    explicit PageScan(const QString &pdf) : m_image(renderPdfPage(pdf, DotsPerInch)) {}

    bool isRendered() const { return !m_image.isNull(); }

    bool dark(double xMm, double yMm) const
    {
        const QPoint p(int(std::floor(xMm * PixelsPerMm)), int(std::floor(yMm * PixelsPerMm)));
        return m_image.valid(p) && qGray(m_image.pixel(p)) < 128;
    }

    // The middle of the dark pixels within 1 mm of a line's expected place, along the row or
    // column that crosses it at the given point; NaN when none is dark.
    double verticalLineNear(double xMm, double atYMm) const
    {
        return middle(xMm - 1, xMm + 1, [&](double x) { return dark(x, atYMm); });
    }
    double horizontalLineNear(double yMm, double atXMm) const
    {
        return middle(yMm - 1, yMm + 1, [&](double y) { return dark(atXMm, y); });
    }

    // Where each run of dark pixels along a row or a column has its middle.
    QList<double> runsAlongRow(double yMm, double fromXMm, double toXMm) const
    {
        return runs(fromXMm, toXMm, [&](double x) { return dark(x, yMm); });
    }
    QList<double> runsAlongColumn(double xMm, double fromYMm, double toYMm) const
    {
        return runs(fromYMm, toYMm, [&](double y) { return dark(xMm, y); });
    }

private:
    template <typename Dark> static double middle(double from, double to, Dark isDark)
    {
        double sum = 0;
        int count = 0;
        for (double v = from; v < to; v += 1.0 / PixelsPerMm) {
            if (isDark(v)) {
                sum += v + 0.5 / PixelsPerMm;
                ++count;
            }
        }
        return count ? sum / count : std::nan("");
    }

    template <typename Dark> static QList<double> runs(double from, double to, Dark isDark)
    {
        QList<double> middles;
        double runStart = -1;
        for (double v = from; v < to; v += 1.0 / PixelsPerMm) {
            if (isDark(v) && runStart < 0)
                runStart = v;
            if (!isDark(v) && runStart >= 0) {
                middles.append((runStart + v) / 2);
                runStart = -1;
            }
        }
        return middles;
    }

    QImage m_image;
};

// How far a line was found from where it belongs; NaN, which no bound admits, for no line.
double offBy(double found, double expected)
{
    return std::abs(found - expected);
}

// The distances of a settings file: left margin, top margin, row gap, column gap.
using Spacing = std::array<double, 4>;

} // namespace

Q_DECLARE_METATYPE(Spacing)

class TestCalibrationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
    }

    void outlinesAndCrossesWhereTheDistancesSay_data()
    {
        QTest::addColumn<QByteArray>("settingsFile");
        QTest::addColumn<Spacing>("spacing");
        QTest::newRow("default distances") << QByteArray() << Spacing{10, 4, 4, 10};
        // The file lists the column gap before the row gap.
        QTest::newRow("custom settings file")
            << QByteArray("12.5,7,5,3.5\r\n#FALSE#,#TRUE#\r\n") << Spacing{12.5, 7, 3.5, 5};
        QTest::newRow("labels touching")
            << QByteArray("6,2.25,0,0\r\n#TRUE#,#TRUE#\r\n") << Spacing{6, 2.25, 0, 0};
    }

    void outlinesAndCrossesWhereTheDistancesSay()
    {
        QFETCH(QByteArray, settingsFile);
        QFETCH(Spacing, spacing);
        SheetLayout layout;
        if (!settingsFile.isEmpty()) {
            const std::optional<SheetLayout> read = PrintSettingsFile::decode(settingsFile);
            QVERIFY(read);
            layout = *read;
        }
        QCOMPARE(layout.sheetSpacing, spacing);
        const QString pdf = m_dir.filePath(u"distances.pdf"_s);
        QCOMPARE(CalibrationPage::writePdf(pdf, layout), PdfFileResult::Written);
        const PageScan page(pdf);
        QVERIFY(page.isRendered());
        const double w = SheetGeometry::LabelWidth, h = SheetGeometry::LabelHeight;
        for (int position = 1; position <= SheetGeometry::Positions; ++position) {
            const QPointF o = SheetGeometry::labelOrigin(position, spacing);
            const QByteArray where = QByteArray::number(position);
            // Each edge, looked for within 1 mm of where it belongs, half a millimetre off the
            // whole millimetres where ruler ticks lie. Touching labels share their edges.
            const double left = page.verticalLineNear(o.x(), o.y() + 20.5);
            const double right = page.verticalLineNear(o.x() + w, o.y() + 20.5);
            const double top = page.horizontalLineNear(o.y(), o.x() + 20.5);
            const double bottom = page.horizontalLineNear(o.y() + h, o.x() + 20.5);
            QVERIFY2(offBy(left, o.x()) <= Tolerance, where + " left " + QByteArray::number(left));
            QVERIFY2(offBy(right, o.x() + w) <= Tolerance, where + " right");
            QVERIFY2(offBy(top, o.y()) <= Tolerance, where + " top " + QByteArray::number(top));
            QVERIFY2(offBy(bottom, o.y() + h) <= Tolerance, where + " bottom");
            // The cross's left arm runs from the origin to 3 mm outside the label.
            const double arm = CalibrationPage::CrossArmMm;
            QVERIFY2(page.dark(o.x() - arm + 0.2, o.y()) ||
                         page.dark(o.x() - arm + 0.2, o.y() - 0.05),
                     where + " cross");
            const double beyond = o.x() - arm - 0.3;
            const bool neighbourEdge = position % 2 == 0 && spacing[3] < arm + 0.5;
            const bool onRuler = beyond < CalibrationPage::CentimetreTickMm + 0.5;
            if (!neighbourEdge && !onRuler)
                QVERIFY2(!page.dark(beyond, o.y()) && !page.dark(beyond, o.y() - 0.05),
                         where + " cross too long");
        }
    }

    // Along the top edge, one tick a millimetre, 2 mm long, every fifth 3.5 mm and every tenth
    // 5 mm and numbered; down the left edge the same.
    void rulersTickEveryMillimetre()
    {
        const QString pdf = writeCalibrationPdf(u"rulers.pdf"_s, {30, 30, 4, 10});
        QVERIFY(!pdf.isEmpty());
        const PageScan page(pdf);
        QVERIFY(page.isRendered());
        const QList<double> across = page.runsAlongRow(1, 0.5, 209.5);
        const QList<double> down = page.runsAlongColumn(1, 0.5, 296.5);
        QCOMPARE(across.size(), 209);
        QCOMPARE(down.size(), 296);
        for (const QList<double> &ticks : {across, down}) {
            for (int i = 0; i < ticks.size(); ++i)
                QVERIFY2(offBy(ticks[i], i + 1) <= Tolerance, QByteArray::number(i + 1));
        }
        auto expectedLength = [](int mm) { return mm % 10 == 0 ? 5.0 : mm % 5 == 0 ? 3.5 : 2.0; };
        // Past the labels' corner, where nothing else is drawn, each tick ends where it should.
        for (int mm = 1; mm <= 25; ++mm) {
            const double length = expectedLength(mm);
            const QByteArray where = QByteArray::number(mm);
            QVERIFY2(page.dark(mm, length - 0.2) || page.dark(mm - 0.05, length - 0.2), where);
            QVERIFY2(!page.dark(mm, length + 0.2) && !page.dark(mm - 0.05, length + 0.2), where);
            QVERIFY2(page.dark(length - 0.2, mm) || page.dark(length - 0.2, mm - 0.05), where);
            QVERIFY2(!page.dark(length + 0.2, mm) && !page.dark(length + 0.2, mm - 0.05), where);
        }
        // Every tenth millimetre carries its number, centred under the tick on the top ruler.
        const QList<PdfTextPage> text = readPdfText(pdf);
        QCOMPARE(text.size(), 1);
        for (int mm = 10; mm <= 200; mm += 10) {
            const QString number = QString::number(mm);
            const bool found =
                std::any_of(text[0].words.cbegin(), text[0].words.cend(), [&](const PdfWord &word) {
                    const QPointF centre = word.box.center() * mmPerPt;
                    return word.text == number && centre.y() < 10 &&
                           std::abs(centre.x() - mm) < 0.3;
                });
            QVERIFY2(found, qPrintable(number));
        }
    }

    void captionsNameEachPosition()
    {
        // Margins wide enough that no ruler number falls inside a label.
        const Spacing spacing{30, 30, 4, 10};
        const QString pdf = writeCalibrationPdf(u"captions.pdf"_s, spacing);
        QVERIFY(!pdf.isEmpty());
        const QList<PdfTextPage> text = readPdfText(pdf);
        QCOMPARE(text.size(), 1);
        for (int position = 1; position <= SheetGeometry::Positions; ++position) {
            const QRectF label(SheetGeometry::labelOrigin(position, spacing),
                               QSizeF(SheetGeometry::LabelWidth, SheetGeometry::LabelHeight));
            // "Etiquette 1" .. "Etiquette 9" are two words; "Etiquette10" is one.
            QStringList words;
            QRectF caption;
            for (const PdfWord &word : text[0].words) {
                const QRectF box(word.box.topLeft() * mmPerPt, word.box.size() * mmPerPt);
                if (label.contains(box.center())) {
                    words.append(word.text);
                    caption |= box;
                }
            }
            const QString found = words.join(u' ');
            QCOMPARE(found, SheetGeometry::positionCaption(position));
            QVERIFY2(std::abs(caption.center().x() - label.center().x()) < 0.5, qPrintable(found));
            QVERIFY2(std::abs(caption.center().y() - label.center().y()) < 1.5, qPrintable(found));
        }
        QCOMPARE(SheetGeometry::positionCaption(9), u"Etiquette 9"_s);
        QCOMPARE(SheetGeometry::positionCaption(10), u"Etiquette10"_s);
    }

    // On a printer, the rulers start at the corner of the area it can reach, as the distances do.
    void printedPageMeasuresFromThePrintableCorner()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.errorString()));
        const QMarginsF marginsPt(30, 45, 20, 50);
        QVERIFY(!m_cups.addPdfQueueWithA4Margins(u"Marges"_s, marginsPt).isEmpty());
        const SheetLayout layout{{12, 8, 4, 10}};
        QVERIFY(CalibrationPage::print(Printer(u"Marges"_s), layout));
        const QString output = m_cups.waitForOutput(u"Marges"_s);
        QVERIFY(!output.isEmpty());
        const PageScan page(output);
        QVERIFY(page.isRendered());
        const QPointF corner(marginsPt.left() * mmPerPt, marginsPt.top() * mmPerPt);
        QCOMPARE_LE(offBy(page.horizontalLineNear(corner.y(), corner.x() + 1.5), corner.y()),
                    Tolerance);
        QCOMPARE_LE(offBy(page.verticalLineNear(corner.x(), corner.y() + 1.5), corner.x()),
                    Tolerance);
        const QPointF label1 = corner + QPointF(12, 8);
        QCOMPARE_LE(offBy(page.verticalLineNear(label1.x(), label1.y() + 20.5), label1.x()),
                    Tolerance);
        QCOMPARE_LE(offBy(page.horizontalLineNear(label1.y(), label1.x() + 20.5), label1.y()),
                    Tolerance);
        QVERIFY(!CalibrationPage::print(Printer(u"Absente"_s), layout));
    }

    void unwritablePdfIsReported()
    {
        const QString missing = m_dir.filePath(u"absent/page.pdf"_s);
        QCOMPARE(CalibrationPage::writePdf(missing, SheetLayout()), PdfFileResult::WriteFailed);
        QVERIFY(!QFile::exists(missing));
    }

    void commandLineWritesThePage_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("settingsFile");
        QTest::addColumn<double>("firstLeft");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("default distances")
            << QStringList{} << QByteArray() << 10.0 << 0 << QString();
        QTest::newRow("settings file")
            << args("--settings reglage.PAR") << QByteArray("17.5,6,8,4\r\n#TRUE#,#FALSE#\r\n")
            << 17.5 << 0 << QString();
        QTest::newRow("unreadable settings")
            << args("--settings absent.PAR") << QByteArray() << 0.0 << 1
            << u"Erreur d'ouverture du fichier : absent.PAR\n"_s;
        QTest::newRow("not a settings file")
            << args("--settings reglage.PAR") << QByteArray("10,4\r\n") << 0.0 << 1
            << u"Erreur d'ouverture du fichier : reglage.PAR\n"_s;
    }

    void commandLineWritesThePage()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, settingsFile);
        QFETCH(double, firstLeft);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFile::remove(u"reglage.PAR"_s);
        if (!settingsFile.isEmpty())
            QVERIFY(writeBytes(u"reglage.PAR"_s, settingsFile));
        const QString pdf = u"etalonnage.pdf"_s;
        QFile::remove(pdf);
        const auto o = runCommandLine(args("--calibration --pdf etalonnage.pdf") + options);
        QCOMPARE(o.status, status);
        QCOMPARE(o.err, message);
        QCOMPARE(QFile::exists(pdf), status == 0);
        if (status != 0)
            return;
        const PageScan page(pdf);
        QVERIFY(page.isRendered());
        QCOMPARE_LE(offBy(page.verticalLineNear(firstLeft, 40.5), firstLeft), Tolerance);
    }

    void commandLineBadUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        const QString pickOne = u"choisir --pdf ou --print"_s;
        QTest::newRow("no output") << args("--calibration") << pickOne;
        QTest::newRow("both outputs") << args("--calibration --pdf sortie.pdf --print") << pickOne;
        QTest::newRow("a label file")
            << args("--calibration --pdf sortie.pdf lot.eti")
            << u"la page d'étalonnage ne prend pas de fichier étiquette"_s;
        QTest::newRow("a run option") << args("--count 2 --calibration --pdf sortie.pdf")
                                      << u"--count ne va pas avec --calibration"_s;
        QTest::newRow("printer without print")
            << args("--calibration --pdf sortie.pdf --printer Q") << u"--printer va avec --print"_s;
        QTest::newRow("empty printer name")
            << QStringList{u"--calibration"_s, u"--print"_s, u"--printer"_s, QString()}
            << u"le nom de l'imprimante est vide"_s;
        QTest::newRow("missing value")
            << args("--calibration --pdf") << u"l'option --pdf demande une valeur"_s;
    }

    void commandLineBadUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CommandLineOutcome o = runCommandLine(arguments);
        QCOMPARE(o.status, 2);
        QVERIFY2(o.err.startsWith(u"korvalin : "_s + reason + u'\n'), qPrintable(o.err));
        QVERIFY(o.err.contains(u"--calibration"_s));
        QVERIFY(!QFile::exists(u"sortie.pdf"_s));
    }

private:
    QString writeCalibrationPdf(const QString &name, const Spacing &spacing)
    {
        const QString pdf = m_dir.filePath(name);
        return CalibrationPage::writePdf(pdf, SheetLayout{spacing}) == PdfFileResult::Written
                   ? pdf
                   : QString();
    }

    CupsScheduler m_cups; // first, so that libcups sees only the private scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestCalibrationPage)
#include "tst_calibrationpage.moc"
