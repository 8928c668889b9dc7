// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingSurface.h"

#include "label/ZoneLines.h"
#include "print/LabelPrinting.h"
#include "print/SheetGeometry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Spacing = std::array<double, 4>;

namespace {

// A label whose zones hold the given texts, split as the print command splits them, and the
// page it is drawn on.
struct Fixture
{
    PrintRequest request;
    LabelArtwork artwork;
    RecordingSurface surface;

    explicit Fixture(int zone = 1, const QString &text = QString())
    {
        artwork.document = LabelDocument::startUp();
        for (TextZone &z : artwork.document.zones)
            z.style.pointSize = 8;
        setZoneText(zone, text);
    }

    // That zone holds text, the other two nothing.
    void setZoneText(int zone, const QString &text)
    {
        for (ZoneId z : AllZones)
            artwork.document.zones[z].text = zoneNumber(z) == zone ? text : QString();
        const std::optional<LabelLines> lines = ZoneLines::split(artwork.document.zones);
        QVERIFY(lines);
        artwork.lines = *lines;
    }

    // False when the page was cancelled; the run then carries on from where the page left it.
    bool drawPage()
    {
        const LabelPrinting::PageEnd page = LabelPrinting::drawPrintPage(surface, request, artwork);
        request.run = LabelPrinting::carriedOn(request.run, page);
        return page.ended;
    }

    // One label, printed alone with its corner at origin.
    void placeSingle(QPointF origin)
    {
        request.run.mode = PrintMode::SingleLabel;
        request.run.labelOrigin = origin;
    }
};

// Where the ten labels of a sheet go with the default distances.
const QList<QPointF> defaultOrigins = {{10, 4},   {90, 4},   {10, 58},  {90, 58},  {10, 112},
                                       {90, 112}, {10, 166}, {90, 166}, {10, 220}, {90, 220}};

// The four sides of a rectangle, clockwise from its top, the left one drawn downwards.
QList<RecordingSurface::Line> outline(QPointF topLeft, QPointF bottomRight,
                                      PageSurface::LineStyle style)
{
    const QPointF topRight(bottomRight.x(), topLeft.y()), bottomLeft(topLeft.x(), bottomRight.y());
    return {{topLeft, topRight, style, 0},
            {topRight, bottomRight, style, 0},
            {bottomRight, bottomLeft, style, 0},
            {topLeft, bottomLeft, style, 0}};
}

QStringList printed(const RecordingSurface &surface)
{
    QStringList result;
    for (const RecordingSurface::Text &t : surface.texts) {
        if (!t.text.isEmpty())
            result.append(t.text);
    }
    return result;
}

bool near(double a, double b)
{
    return qAbs(a - b) < 1e-9;
}

// A numbered run from zone 3's text, the texts it prints there and the number that follows.
struct Numbering
{
    QString zone3;
    int style, firstNumber, count;
    QStringList zone3Texts;
    int numberAfter;
    bool autoIncrement = true, cancelled = false;
};

} // namespace

Q_DECLARE_METATYPE(Numbering)

class TestLabelDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void origins_data()
    {
        QTest::addColumn<Spacing>("spacing");
        QTest::addColumn<int>("position");
        QTest::addColumn<QPointF>("origin");
        const QPointF touching[10] = {{0, 0},    {70, 0},  {0, 50},   {70, 50}, {0, 100},
                                      {70, 100}, {0, 150}, {70, 150}, {0, 200}, {70, 200}};
        for (int n = 1; n <= 10; ++n) {
            QTest::addRow("defaults, position %d", n)
                << Spacing{10, 4, 4, 10} << n << defaultOrigins[n - 1];
            QTest::addRow("touching labels, position %d", n)
                << Spacing{0, 0, 0, 0} << n << touching[n - 1];
        }
        QTest::newRow("loaded settings, position 2")
            << Spacing{7.5, 12, 0, 5} << 2 << QPointF(82.5, 12);
        QTest::newRow("negative margins, position 3")
            << Spacing{-2, -1, 3, 4} << 3 << QPointF(-2, 52);
    }

    void origins()
    {
        QFETCH(Spacing, spacing);
        QFETCH(int, position);
        QTEST(SheetGeometry::labelOrigin(position, spacing), "origin");
    }

    void frameAndCutLines_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("cutMarks");
        QTest::newRow("both") << true << true;
        QTest::newRow("frame only") << true << false;
        QTest::newRow("cut lines only") << false << true;
        QTest::newRow("neither") << false << false;
    }

    void frameAndCutLines()
    {
        QFETCH(bool, frame);
        QFETCH(bool, cutMarks);
        Fixture f;
        f.request.layout.printFrame = frame;
        f.request.layout.printCutOutline = cutMarks;
        f.placeSingle({10, 4});
        QVERIFY(f.drawPage());
        QCOMPARE(f.surface.ended, 1);
        QList<RecordingSurface::Line> expected;
        if (frame)
            expected += outline({12, 6}, {78, 52}, PageSurface::LineStyle::Solid);
        if (cutMarks)
            expected += outline({10, 4}, {80, 54}, PageSurface::LineStyle::DashDot);
        QVERIFY(f.surface.lines == expected);
    }

    void iconSquare()
    {
        Fixture f;
        f.placeSingle({90, 220});
        RecordingSurface without;
        QVERIFY(LabelPrinting::drawPrintPage(without, f.request, f.artwork).ended);
        QVERIFY(without.pictures.isEmpty());
        f.artwork.document.picture.path = u"logo.bmp"_s;
        RecordingSurface with;
        QVERIFY(LabelPrinting::drawPrintPage(with, f.request, f.artwork).ended);
        QCOMPARE(with.pictures, QList<QRectF>{QRectF(94, 224, 12, 12)});
    }

    void anchors_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("x");
        // "abcd" in 8 points is 8 mm wide on the recording surface; the label is at x = 90.
        const double left[] = {18, 3, 3}, centre[] = {43, 35, 35};
        for (int zone = 1; zone <= 3; ++zone) {
            QTest::addRow("zone %d left", zone)
                << zone << int(ZoneAlignment::Left) << 90.0 + left[zone - 1];
            QTest::addRow("zone %d right", zone)
                << zone << int(ZoneAlignment::Right) << 90.0 + 64 - 8;
            QTest::addRow("zone %d centre", zone)
                << zone << int(ZoneAlignment::Centre) << 90.0 + centre[zone - 1] - 4;
        }
    }

    void anchors()
    {
        QFETCH(int, zone);
        QFETCH(int, alignment);
        QFETCH(double, x);
        Fixture f;
        f.artwork.document.zones[ZoneId(zone - 1)].style.alignment = ZoneAlignment(alignment);
        f.setZoneText(zone, u"abcd"_s);
        f.placeSingle({90, 58});
        QVERIFY(f.drawPage());
        QCOMPARE(f.surface.texts.size(), 3);
        QCOMPARE(f.surface.texts[zone - 1].text, u"abcd"_s);
        QVERIFY2(near(f.surface.texts[zone - 1].position.x(), x),
                 qPrintable(QString::number(f.surface.texts[zone - 1].position.x())));
    }

    void lineSteps_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<double>>("tops");
        QTest::addColumn<QStringList>("texts");
        // 8-point lines are 4 mm high; the label is at y = 4.
        QTest::newRow("zone 1, one line: half a line down")
            << 1 << u"a"_s << QList<double>{4 + 1 + 2.0} << QStringList{u"a"_s};
        QTest::newRow("zone 2, three lines: whole lines")
            << 2 << u"a\r\nb\r\nc"_s << QList<double>{4 + 16 + 4.0, 4 + 16 + 8.0, 4 + 16 + 12.0}
            << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("zone 3, final line break")
            << 3 << u"x\r\n"_s << QList<double>{4 + 38 + 4.0, 4 + 38 + 8.0}
            << QStringList{u"x"_s, QString()};
    }

    void lineSteps()
    {
        QFETCH(int, zone);
        QFETCH(QString, text);
        QFETCH(QList<double>, tops);
        QFETCH(QStringList, texts);
        Fixture f(zone, text);
        f.placeSingle({10, 4});
        QVERIFY(f.drawPage());
        // The other two zones are empty and print one empty line each, zone by zone.
        QCOMPARE(f.surface.texts.size(), tops.size() + 2);
        const QList<RecordingSurface::Text> zoneTextsPrinted =
            f.surface.texts.mid(zone - 1, tops.size());
        for (int i = 0; i < tops.size(); ++i) {
            QVERIFY2(near(zoneTextsPrinted[i].position.y(), tops[i]),
                     qPrintable(QString::number(zoneTextsPrinted[i].position.y())));
            QCOMPARE(zoneTextsPrinted[i].text, texts[i]);
        }
        // Drawing only reads the stored lines: the next label of a run is drawn from the
        // same ones.
        const std::optional<LabelLines> freshlySplit = ZoneLines::split(f.artwork.document.zones);
        QVERIFY(freshlySplit);
        QCOMPARE(f.artwork.lines[ZoneId(zone - 1)], (*freshlySplit)[ZoneId(zone - 1)]);
    }

    void zoneFontAndColour()
    {
        Fixture f;
        TextZone &z = f.artwork.document.zones[ZoneId::Second];
        z.style.fontFamily = u"Liberation Serif"_s;
        z.style.pointSize = 12;
        z.style.bold = true;
        z.style.italic = true;
        z.style.color = 255;
        f.setZoneText(2, u"Documents"_s);
        f.request.run.mode = PrintMode::SingleLabel;
        QVERIFY(f.drawPage());
        const RecordingSurface::Text &t = f.surface.texts[1];
        QCOMPARE((std::tuple{t.text, t.font, t.pointSize, t.bold, t.italic}),
                 (std::tuple{u"Documents"_s, u"Liberation Serif"_s, 12.f, true, true}));
        const QList<int> colours{f.surface.texts[0].color, t.color, f.surface.texts[2].color};
        QCOMPARE(colours, (QList<int>{0, 255, WindowTextColor}));
    }

    void runPositions_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<QPointF>>("origins");
        QTest::newRow("3 to 6") << 3 << 4
                                << QList<QPointF>{{10, 58}, {90, 58}, {10, 112}, {90, 112}};
        QTest::newRow("whole sheet") << 1 << 10 << defaultOrigins;
        QTest::newRow("past the sheet reuses the last position")
            << 9 << 4 << QList<QPointF>{{10, 220}, {90, 220}, {90, 220}, {90, 220}};
        QTest::newRow("nothing") << 1 << 0 << QList<QPointF>{};
    }

    void runPositions()
    {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QList<QPointF>, origins);
        Fixture f;
        f.request.layout.printFrame = false;
        f.request.run.startPosition = start;
        f.request.run.copyCount = count;
        QVERIFY(f.drawPage());
        QCOMPARE(f.surface.ended, 1);
        QCOMPARE(f.surface.lines.size(), 4 * origins.size());
        for (int i = 0; i < origins.size(); ++i)
            QCOMPARE(f.surface.lines[4 * i].from, origins[i]);
        QCOMPARE(f.request.run.nextDiskNumber, 1 + count);
    }

    void numbering_data()
    {
        QTest::addColumn<Numbering>("row");
        const QString label = u"Numéro de disquette :"_s;
        QStringList fiveOfFive;
        for (int n = 1; n <= 5; ++n)
            fiveOfFive.append(label + u" %1/5"_s.arg(n));
        QTest::newRow("style 2, run of 5") << Numbering{label, 2, 1, 5, fiveOfFive, 6};
        QTest::newRow("style 1 from 9")
            << Numbering{label, 1, 9, 2, {label + u" 9"_s, label + u" 10"_s}, 11};
        QTest::newRow("style 2 total is the count")
            << Numbering{u"Lot"_s, 2, 6, 2, {u"Lot 6/2"_s, u"Lot 7/2"_s}, 8};
        QTest::newRow("numbering off still advances")
            << Numbering{label, 1, 4, 3, {label, label, label}, 7, false};
        QTest::newRow("style not chosen numbers alone")
            << Numbering{u"N°"_s, 0, 3, 1, {u"N° 3"_s}, 4};
        QTest::newRow("several lines: the number follows the last")
            << Numbering{u"Sauvegarde\r\nLot"_s,
                         1,
                         1,
                         2,
                         {u"Sauvegarde"_s, u"Lot 1"_s, u"Sauvegarde"_s, u"Lot 2"_s},
                         3};
        QTest::newRow("number past 32767 cancels the page") << Numbering{
            u"Disque"_s, 1, 32766, 3, {u"Disque 32766"_s, u"Disque 32767"_s}, 32767, true, true};
        QTest::newRow("empty zone 3") << Numbering{QString(), 1, 1, 1, {u" 1"_s}, 2};
    }

    void numbering()
    {
        QFETCH(Numbering, row);
        Fixture f(3, row.zone3);
        f.request.run.autoNumbering = row.autoIncrement;
        f.request.run.numberingStyle = NumberingStyle(row.style);
        f.request.run.nextDiskNumber = row.firstNumber;
        f.request.run.copyCount = row.count;
        f.request.run.startPosition = 1;
        QCOMPARE(f.drawPage(), !row.cancelled);
        QCOMPARE(f.surface.cancelled, int(row.cancelled));
        QCOMPARE(f.surface.ended, int(!row.cancelled));
        QCOMPARE(printed(f.surface), row.zone3Texts);
        QCOMPARE(int(f.request.run.nextDiskNumber), row.numberAfter);
    }
};

QTEST_GUILESS_MAIN(TestLabelDrawing)
#include "tst_labeldrawing.moc"
