// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfRaster.h"
#include "PictureRender.h"
#include "WmfBuilder.h"
#include "platform/PictureLoader.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The metafile player on small metafiles written for each case: the window mapping, the
// object table, saved states, clipping, arcs, bitmaps and text.

namespace {

const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Yellow(255, 255, 0);

Picture loadMetafile(const QByteArray &bytes)
{
    const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
    return picture ? *picture : Picture();
}

// The smallest rectangle holding the dark pixels of the target.
QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (similar(image.pixelColor(x, y), Qt::black, 100))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// A 2 x 2 bitmap, bottom-up as usual: red, green over blue, yellow.
QByteArray quadrantDib()
{
    return WmfBuilder::words({40, 0, 2, 0, 2, 0, 1, 24, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
           QByteArray::fromHex("ff000000ffff00000000ff00ff000000"); // two padded rows
}

// A bitmap of side x side pixels in the same quadrants, written as runs so that it stays small
// however large it is.
QByteArray largeQuadrantDib(int side)
{
    QByteArray dib = WmfBuilder::words({40, 0}) + WmfBuilder::words({qint16(side), 0}) +
                     WmfBuilder::words({qint16(side), 0, 1, 8, 1, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0});
    dib.append(QByteArray::fromHex("0000ff0000ff0000ff00000000ffff00")); // palette: R, G, B, Y
    QByteArray rows;
    for (int y = 0; y < side; ++y) {
        const int left = y < side / 2 ? 2 : 0; // bottom-up: blue and yellow first
        for (int colour : {left, left + 1}) {
            for (int run = side / 2; run > 0; run -= 255)
                rows.append(char(qMin(run, 255))).append(char(colour));
        }
        rows.append(2, '\0');
    }
    rows.append('\0').append('\1');
    dib.replace(20, 4, WmfBuilder::dwords({quint32(rows.size())}));
    return dib + rows;
}

// "HH" in Liberation Sans with an em of 400 units of a 1000-unit frame, baseline at 700.
QByteArray textMetafile(qint16 escapement = 0)
{
    WmfBuilder wmf;
    wmf.font(-400, "Liberation Sans", escapement).select(0);
    wmf.record(0x0102, {1});  // transparent background
    wmf.record(0x012E, {24}); // aligned on the baseline
    wmf.record(0x0521, WmfBuilder::words({2}) + QByteArray("HH") + WmfBuilder::words({700, 100}));
    return wmf.finish();
}

// Liberation Sans capitals stand 1409/2048 em tall.
constexpr qreal CapitalShare = 0.4 * 1409 / 2048;

} // namespace

using Samples = QList<QPair<QPointF, QColor>>;

class WmfPlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void windowMapsOntoTarget_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QPointF>("filled");
        QTest::addColumn<QPointF>("empty");
        const auto row = [](const char *name, const QByteArray &bytes, QPointF filled,
                            QPointF empty) { QTest::newRow(name) << bytes << filled << empty; };
        const QRect square(100, 100, 300, 300);
        auto redSquareWith = [&](WmfBuilder wmf) {
            return wmf.solidBrush(Red).select(0).nullPen().select(1).rectangle(square).finish();
        };
        auto redSquareIn = [&](const QRect &window) {
            return redSquareWith(WmfBuilder().window(window));
        };
        row("window as frame", redSquareWith(WmfBuilder()), {0.25, 0.25}, {0.75, 0.75});
        row("upside down", redSquareIn({0, 1000, 1000, -1000}), {0.25, 0.75}, {0.25, 0.25});
        row("mirrored", redSquareIn({1000, 0, -1000, 1000}), {0.75, 0.25}, {0.25, 0.25});
        row("origin moved", redSquareIn({-500, -500, 1000, 1000}), {0.75, 0.75}, {0.25, 0.25});
        row("window twice the frame", redSquareIn({0, 0, 2000, 2000}), {0.12, 0.12}, {0.3, 0.3});
        row("window from records only",
            redSquareWith(WmfBuilder(QRect()).window(QRect(0, 0, 500, 500))), {0.5, 0.5},
            {0.9, 0.9});
        WmfBuilder metric;
        metric.record(0x0103, {2}).solidBrush(Red).select(0).rectangle(QRect(100, -400, 300, 300));
        row("metric mode counts y upwards", metric.finish(), {0.25, 0.25}, {0.25, 0.75});
        // Windows turns arcs counter-clockwise on the device whichever way the window runs,
        // so both pies fill the top right quarter: from three o'clock to twelve.
        auto redPie = [](WmfBuilder wmf, qint16 startX) {
            return wmf.solidBrush(Red)
                .select(0)
                .record(0x081A, {startX, 500, 500, 1000, 1000, 1000, 0, 0})
                .finish();
        };
        row("pie", redPie(WmfBuilder(), 0), {0.7, 0.3}, {0.3, 0.7});
        row("pie, upside down", redPie(WmfBuilder().window(QRect(0, 1000, 1000, -1000)), 1000),
            {0.7, 0.3}, {0.3, 0.7});
    }

    void windowMapsOntoTarget()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QPointF, filled);
        QFETCH(QPointF, empty);
        const Picture picture = loadMetafile(bytes);
        QVERIFY(picture.isMetafile());
        const RenderedPicture rendered = renderPicture(picture, 13, 300);
        QCOMPARE(rendered.at(filled.x(), filled.y()), Red);
        QCOMPARE(rendered.at(empty.x(), empty.y()), Margin);
    }

    void stateRecordsShowInColours_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Samples>("samples");
        WmfBuilder objects;
        objects.nullPen().solidBrush(Red).solidBrush(Blue); // slots 0, 1, 2
        objects.record(0x01F0, {1});                        // frees slot 1
        objects.solidBrush(Green);                          // takes slot 1 again
        objects.select(0).select(1).rectangle(QRect(0, 0, 500, 1000));
        objects.select(2).rectangle(QRect(500, 0, 500, 1000));
        QTest::newRow("objects take the lowest free slot")
            << objects.finish() << Samples{{{0.25, 0.5}, Green}, {{0.75, 0.5}, Blue}};
        WmfBuilder saved;
        saved.nullPen().select(0).solidBrush(Red).select(1);
        saved.record(0x001E, QByteArray()); // save
        saved.solidBrush(Blue).select(2);
        saved.record(0x0416, {500, 500, 0, 0}); // clip to the top left quarter
        saved.record(0x0127, {-1});             // restore: red brush, no clip
        saved.rectangle(QRect(0, 0, 1000, 1000));
        QTest::newRow("saved state comes back")
            << saved.finish() << Samples{{{0.25, 0.25}, Red}, {{0.75, 0.75}, Red}};
        WmfBuilder clip;
        clip.solidBrush(Red).select(0);
        clip.record(0x0416, {1000, 500, 0, 0}); // the left half
        clip.rectangle(QRect(-5000, -5000, 20000, 20000));
        QTest::newRow("clip rectangle limits drawing")
            << clip.finish() << Samples{{{0.25, 0.5}, Red}, {{0.75, 0.5}, Margin}};
    }

    void stateRecordsShowInColours()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Samples, samples);
        const RenderedPicture rendered = renderPicture(loadMetafile(bytes), 13, 300);
        for (const auto &[where, colour] : samples)
            QCOMPARE(rendered.at(where.x(), where.y()), colour);
        // However large a shape, nothing is drawn outside the picture.
        QCOMPARE(rendered.image.pixelColor(rendered.target.topLeft().toPoint() - QPoint(2, 2)),
                 Margin);
    }

    void bitmapRecordsDraw_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // A source-copy transfer record in a frame of side units.
        const auto transfer = [](int side, quint16 function, const QByteArray &geometry,
                                 const QByteArray &dib) {
            return WmfBuilder(QRect(0, 0, side, side))
                .record(function, WmfBuilder::words({0x0020, 0x00CC}) + geometry + dib)
                .finish();
        };
        using W = WmfBuilder;
        const QByteArray dib = quadrantDib();
        QTest::newRow("StretchDIBits")
            << transfer(20, 0x0F43, W::words({0, 2, 2, 0, 0, 20, 20, 0, 0}), dib);
        QTest::newRow("StretchBlt")
            << transfer(20, 0x0B41, W::words({2, 2, 0, 0, 20, 20, 0, 0}), dib);
        // Decoded reduced, the bitmap is still cut where its own pixels say.
        const QByteArray large = largeQuadrantDib(4096);
        QTest::newRow("StretchDIBits of a large bitmap")
            << transfer(20, 0x0F43, W::words({0, 4096, 4096, 0, 0, 20, 20, 0, 0}), large);
        QTest::newRow("StretchDIBits of the middle of a large bitmap")
            << transfer(20, 0x0F43, W::words({0, 2048, 2048, 1024, 1024, 20, 20, 0, 0}), large);
        QTest::newRow("BitBlt") << transfer(2, 0x0940, W::words({0, 0, 2, 2, 0, 0}), dib);
    }

    void bitmapRecordsDraw()
    {
        QFETCH(QByteArray, bytes);
        const RenderedPicture rendered = renderPicture(loadMetafile(bytes), 13, 300);
        const Samples quadrants{
            {{0.2, 0.2}, Red}, {{0.8, 0.2}, Green}, {{0.2, 0.8}, Blue}, {{0.8, 0.8}, Yellow}};
        for (const auto &[where, colour] : quadrants)
            QVERIFY2(similar(rendered.at(where.x(), where.y()), colour),
                     qPrintable(rendered.at(where.x(), where.y()).name()));
    }

    void textScalesWithPicture_data()
    {
        QTest::addColumn<qreal>("targetMm");
        QTest::addColumn<int>("dotsPerInch");
        QTest::newRow("screen, 13 mm") << qreal(13) << 96;
        QTest::newRow("paper, 12 mm at 600 dpi") << qreal(12) << 600;
        QTest::newRow("preview, 40 mm") << qreal(40) << 96;
    }

    void textScalesWithPicture()
    {
        QFETCH(qreal, targetMm);
        QFETCH(int, dotsPerInch);
        const RenderedPicture rendered =
            renderPicture(loadMetafile(textMetafile()), targetMm, dotsPerInch);
        const QRect ink = inkBounds(rendered.image, rendered.target.toRect());
        const qreal height = ink.height() / rendered.target.height();
        const qreal baseline =
            (ink.bottom() + 1 - rendered.target.top()) / rendered.target.height();
        const qreal tolerance = 2.5 / rendered.target.height() + 0.01;
        QVERIFY2(qAbs(height - CapitalShare) < tolerance, qPrintable(QString::number(height)));
        QVERIFY2(qAbs(baseline - 0.7) < tolerance, qPrintable(QString::number(baseline)));
        QVERIFY(ink.left() > rendered.target.left() + 0.09 * rendered.target.width());
    }

    void textScalesOnPdfAt1200Dpi()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"text.pdf"_s);
        {
            QPdfWriter writer(pdf);
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QSizeF(20, 20), QPageSize::Millimeter));
            writer.setPageMargins(QMarginsF());
            QPainter painter(&writer);
            painter.scale(1200 / 25.4, 1200 / 25.4);
            loadMetafile(textMetafile()).draw(painter, QRectF(4, 4, 12, 12));
        }
        const QImage page = renderPdfPage(pdf, 600);
        QVERIFY(!page.isNull());
        const qreal pixelsPerMm = page.width() / 20.0;
        const QRect ink = inkBounds(page, page.rect());
        QVERIFY(!ink.isEmpty());
        const qreal heightMm = ink.height() / pixelsPerMm,
                    baselineMm = (ink.bottom() + 1) / pixelsPerMm;
        QVERIFY2(qAbs(heightMm - 12 * CapitalShare) < 0.15, qPrintable(QString::number(heightMm)));
        QVERIFY2(qAbs(baselineMm - (4 + 12 * 0.7)) < 0.15, qPrintable(QString::number(baselineMm)));
    }

    void escapementTurnsText()
    {
        const RenderedPicture upright = renderPicture(loadMetafile(textMetafile()), 13, 300);
        const RenderedPicture turned = renderPicture(loadMetafile(textMetafile(900)), 13, 300);
        const QRect flat = inkBounds(upright.image, upright.target.toRect());
        const QRect standing = inkBounds(turned.image, turned.target.toRect());
        QVERIFY(flat.width() > flat.height());
        QVERIFY(standing.height() > standing.width());
        QCOMPARE(standing.height(), flat.width());
    }

    void extTextOutPlacesEachCharacter()
    {
        // "HH" with the second H 600 units after the first, over a yellow opaque box.
        WmfBuilder wmf;
        wmf.font(-400).select(0);
        wmf.record(0x0201, WmfBuilder::colorRef(Yellow)); // background colour
        wmf.record(0x012E, {24});
        wmf.record(0x0A32, WmfBuilder::words({700, 100, 2, 0x0002, 50, 50, 950, 250}) +
                               QByteArray("HH") + WmfBuilder::words({600, 300}));
        const RenderedPicture rendered = renderPicture(loadMetafile(wmf.finish()), 13, 300);
        QCOMPARE(rendered.at(0.5, 0.15), Yellow);
        const QRect target = rendered.target.toRect();
        const QRect ink = inkBounds(rendered.image, target);
        QVERIFY(ink.left() < target.left() + 0.15 * target.width());
        QVERIFY(ink.right() > target.left() + 0.75 * target.width());
        const int gap = int(target.left() + 0.55 * target.width());
        QVERIFY(inkBounds(rendered.image, QRect(gap, target.top(), 1, target.height())).isEmpty());
    }

    void edgesStaySharpAt600Dpi()
    {
        const std::optional<Picture> shapes =
            PictureLoader::load(QFINDTESTDATA(u"data/shapes-inkscape.wmf"_s));
        QVERIFY(shapes);
        const RenderedPicture rendered = renderPicture(*shapes, 12, 600);
        // Across the left edge of the red square: white, then red, with at most one pixel
        // of antialiasing between them, as only vectors drawn at this size give.
        const int y = int(rendered.target.top() + 0.27 * rendered.target.height());
        int blended = 0;
        for (int x = int(rendered.target.left() + 0.05 * rendered.target.width());
             x < int(rendered.target.left() + 0.2 * rendered.target.width()); ++x) {
            const QColor colour = rendered.image.pixelColor(x, y);
            blended += similar(colour, Qt::white, 8) || similar(colour, Red, 8) ? 0 : 1;
        }
        QVERIFY2(blended <= 1, qPrintable(QString::number(blended)));
    }
};

QTEST_MAIN(WmfPlayerTest)
#include "tst_wmfplayer.moc"
