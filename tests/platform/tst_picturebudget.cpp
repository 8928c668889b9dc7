// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountingPaintDevice.h"
#include "CraftedPictures.h"
#include "PictureRender.h"
#include "WmfBuilder.h"
#include "platform/PictureLoader.h"
#include "platform/PictureRasterReader.h"
#include "platform/PictureSvgFilter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>
#include <functional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

// Crafted pictures: few bytes, but drawings or images that would keep printing busy for
// minutes and fill the memory. Each is either refused when it is read or drawn with work
// bounded by what shows. The work is counted where it lands, on a page that counts what it
// is handed, so these tests do not depend on the speed of the machine.

namespace {

// A label's picture: 12 mm on a 1200 dpi page.
const QRectF PrintedPicture(1000, 1000, 567, 567);

QByteArray hugeEllipsesUnderWidePen(int count)
{
    WmfBuilder wmf(QRect(0, 0, 1, 1));
    wmf.pen(30000, Qt::blue).select(0).solidBrush(Qt::red).select(1);
    for (int i = 0; i < count; ++i)
        wmf.ellipse(QRect(-32000, -32000, 64000, 64000));
    return wmf.finish();
}

QByteArray rectangles(int count)
{
    WmfBuilder wmf;
    wmf.solidBrush(Qt::red).select(0);
    for (int i = 0; i < count; ++i)
        wmf.rectangle(QRect(100, 100, 800, 800));
    return wmf.finish();
}

QByteArray texts(int count, int length)
{
    WmfBuilder wmf;
    wmf.font(-100).select(0);
    wmf.record(0x0102, {1}); // transparent background: only the letters are drawn
    const QByteArray text(length, 'W');
    for (int i = 0; i < count; ++i)
        wmf.text(QPoint(100, 500), text);
    return wmf.finish();
}

// Each text in a font of its own, made, chosen and deleted around it, the faces taken in turn.
QByteArray textsInFaces(int count, int faces)
{
    WmfBuilder wmf;
    wmf.record(0x0102, {1}); // transparent background: only the letters are drawn
    for (int i = 0; i < count; ++i) {
        const QByteArray face = "Face " + QByteArray::number(i % faces);
        wmf.font(-100, face).select(0).text(QPoint(100, 500), QByteArray(40, 'W'));
        wmf.record(0x01F0, {0}); // delete
    }
    return wmf.finish();
}

QByteArray clipChangesAroundRectangles(int count)
{
    WmfBuilder wmf;
    wmf.solidBrush(Qt::red).select(0);
    for (int i = 0; i < count; ++i) {
        wmf.record(0x001E, QByteArray()); // save
        wmf.record(0x0416, {900, 900, qint16(100 + i % 300), 100});
        wmf.rectangle(QRect(100, 100, 800, 800));
        wmf.record(0x0127, {-1}); // restore
    }
    return wmf.finish();
}

QByteArray polygons(int count, int corners)
{
    WmfBuilder wmf;
    wmf.solidBrush(Qt::red).select(0);
    for (int i = 0; i < count; ++i) {
        QByteArray points = WmfBuilder::words({qint16(corners)});
        for (int k = 0; k < corners; ++k) {
            const qreal angle = 2 * M_PI * k / corners;
            points += WmfBuilder::words(
                {qint16(500 + 400 * std::cos(angle)), qint16(500 + 400 * std::sin(angle))});
        }
        wmf.record(0x0324, points);
    }
    return wmf.finish();
}

// The PDF of a sheet with the picture on that many labels, at 1200 dpi.
QByteArray sheetPdf(const Picture &picture, int labels)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(1200);
    QPainter painter(&writer);
    for (int label = 0; label < labels; ++label)
        picture.draw(painter, QRectF(label * 700, 0, 567, 567));
    painter.end();
    return pdf.data();
}

QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray png(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return encoded(image, "png");
}

// A 32-bit bitmap entry of an icon: info header (height doubled for the mask), colours, mask.
QByteArray iconBitmap(int side, const QColor &colour)
{
    QByteArray dib = WmfBuilder::dwords({40, quint32(side), quint32(2 * side)}) +
                     WmfBuilder::words({1, 32}) + QByteArray(24, '\0');
    const char bgra[4] = {char(colour.blue()), char(colour.green()), char(colour.red()),
                          char(0xFF)};
    for (int i = 0; i < side * side; ++i)
        dib.append(bgra, 4);
    dib.append(QByteArray((side + 31) / 32 * 4 * side, '\0'));
    return dib;
}

// A photograph-like picture (every pixel different) as a progressive JPEG of its writer.
QByteArray progressivePhoto(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    }
    return encoded(image, "jpeg", true);
}

// Scan markers where no decoder takes them for scans: in a comment right after the start.
QByteArray withScanMarkersInComment(const QByteArray &jpeg, int count)
{
    QByteArray comment;
    for (int i = 0; i < count; ++i)
        comment.append("\xFF\xDA\x00\x08", 4);
    const QByteArray length(
        QByteArray::fromHex(QByteArray::number(comment.size() + 2, 16).rightJustified(4, '0')));
    return jpeg.left(2) + "\xFF\xFE" + length + comment + jpeg.mid(2);
}

// Restart markers and stuffed bytes at the start of each empty scan's data: read as segment
// lengths, they would hide the scans that follow.
QByteArray withRestartMarkers(QByteArray jpeg)
{
    const QByteArray emptyScan = QByteArray::fromHex("ffda000801010001 3f00");
    return jpeg.replace(emptyScan, emptyScan + QByteArray::fromHex("ffd0ff00ffd1"));
}

struct IconEntry
{
    int directorySide; // 256 and above are written as 0, as the format has it
    QByteArray data;
};

QByteArray icon(const QList<IconEntry> &entries)
{
    QByteArray bytes = WmfBuilder::words({0, 1, qint16(entries.size())});
    qsizetype offset = 6 + 16 * entries.size();
    QByteArray data;
    for (const IconEntry &entry : entries) {
        const char side = char(entry.directorySide >= 256 ? 0 : entry.directorySide);
        bytes.append(side).append(side).append(QByteArray(2, '\0'));
        bytes.append(WmfBuilder::words({1, 32}));
        bytes.append(
            WmfBuilder::dwords({quint32(entry.data.size()), quint32(offset + data.size())}));
        data.append(entry.data);
    }
    return bytes + data;
}

} // namespace

using Samples = QList<QPair<QPointF, QColor>>;

// Crafted pictures made in the test itself, so that the large ones exist one at a time.
struct CraftedMaker
{
    std::function<QByteArray()> make;
};
Q_DECLARE_METATYPE(CraftedMaker)

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

// The process's peak resident memory so far.
qint64 peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Of SVG documents within the bounds, the costliest kinds.
QByteArray svgOfElements(int count)
{
    QByteArray svg("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">");
    for (int i = 0; i < count; ++i)
        svg += "<rect x=\"" + QByteArray::number(i % 90) + "\" y=\"5\" width=\"9\" height=\"9\"/>";
    return svg + "</svg>";
}

} // namespace

class PictureBudgetTest : public QObject
{
    Q_OBJECT

private slots:
    // Crafted metafiles are refused when read. A progressive JPEG may hold any number of
    // scans, each a walk over the whole image for the decoder: files with far more than any
    // writer makes are refused before decoding.
    void craftedPicturesLoadOnlyWithinBudget_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::newRow("20000 huge ellipses under a very wide pen in a 1 x 1 frame")
            << hugeEllipsesUnderWidePen(20000) << false;
        QTest::newRow("1000000 rectangles") << rectangles(1000000) << false;
        QTest::newRow("1000000 one-letter texts") << texts(1000000, 1) << false;
        QTest::newRow("64 MiB of long texts") << texts(2000, 32000) << false;
        QTest::newRow("a clip change around each of 5000 rectangles")
            << clipChangesAroundRectangles(5000) << false;
        // Each new face is looked up in the font configuration; each font takes a slot.
        using CraftedPictures::fontCreations;
        QTest::newRow("100000 fonts, each of a new face") << fontCreations(100000) << false;
        QTest::newRow("8000 fonts, each of a new face") << fontCreations(8000) << false;
        QTest::newRow("4000 fonts, each of a new face") << fontCreations(4000) << false;
        QTest::newRow("200 texts, each in a new face") << textsInFaces(200, 200) << false;
        WmfBuilder oneFace;
        for (int i = 0; i < 100000; ++i)
            oneFace.font(qint16(10 + i % 500));
        QTest::newRow("100000 fonts of one face") << oneFace.finish() << false;

        using CraftedPictures::progressiveJpeg;
        QTest::newRow("1024 x 1024, 100000 scans") << progressiveJpeg(1024, 100000) << false;
        QTest::newRow("2048 x 2048, 50000 scans") << progressiveJpeg(2048, 50000) << false;
        QTest::newRow("5792 x 5792, 20000 scans") << progressiveJpeg(5792, 20000) << false;
        QTest::newRow("8 x 8, 1001 scans") << progressiveJpeg(8, 1001) << false;
        QTest::newRow("8 x 8, 1000 scans") << progressiveJpeg(8, 1000) << true;
        QTest::newRow("8 x 8, 1001 scans with restart markers")
            << withRestartMarkers(progressiveJpeg(8, 1001)) << false;
        // Few scans, but each a walk over half a million blocks.
        QTest::newRow("5792 x 5792, 100 scans") << progressiveJpeg(5792, 100) << false;
        QTest::newRow("5792 x 5792, 40 scans") << progressiveJpeg(5792, 40) << true;
        QTest::newRow("progressive photograph") << progressivePhoto({1600, 1200}) << true;
        QTest::newRow("scan markers in a comment")
            << withScanMarkersInComment(progressivePhoto({64, 64}), 2000) << true;
    }

    void craftedPicturesLoadOnlyWithinBudget()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QCOMPARE(PictureLoader::fromBytes(bytes).has_value(), loads);
    }

    // Whatever a file holds below the size limit, reading it and drawing it on a sheet of ten
    // labels takes no more than 2 s and 300 MB on a small machine. The bounds here leave room
    // for a loaded one; the sanitizers make everything a few times slower and larger.
    void craftedPicturesCostLittle_data()
    {
        QTest::addColumn<CraftedMaker>("maker");
        using namespace CraftedPictures;
        QTest::newRow("GIF frame of 65535 x 65535 on a screen of 1000 x 1000")
            << CraftedMaker{[] { return oversizedGifFrame(1000, 65535); }};
        QTest::newRow("480 records of 65535 empty polygons")
            << CraftedMaker{[] { return emptyPolygons(480); }};
        QTest::newRow("40 run-length bitmaps of 5000 x 5000, empty")
            << CraftedMaker{[] { return emptyRunLengthBitmaps(40, 5000); }};
        QTest::newRow("52 MB of SVG path data")
            << CraftedMaker{[] { return svgPathData(52 * 1000 * 1000); }};
        QTest::newRow("SVG path data at the bound")
            << CraftedMaker{[] { return svgPathData(PictureSvgFilter::MaxPathDataCharacters); }};
        QTest::newRow("SVG elements at the bound")
            << CraftedMaker{[] { return svgOfElements(PictureSvgFilter::MaxElements - 1); }};
        QTest::newRow("PNG holding a text chunk of 63 MB")
            << CraftedMaker{[] { return pngWithText(63 * 1000 * 1000); }};
    }

    void craftedPicturesCostLittle()
    {
        QFETCH(CraftedMaker, maker);
        const qint64 allowedMs = Sanitized ? 8000 : 3000;
        QElapsedTimer timer;
        {
            const QByteArray bytes = maker.make();
            QVERIFY(bytes.size() <= PictureLoader::MaxFileBytes);
            timer.start();
            const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
            if (picture)
                sheetPdf(*picture, 10);
        }
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < allowedMs, qPrintable(QString::number(elapsed) + u" ms"_s));
        // The input itself weighs up to 64 MB, and the test program some 100 MB.
        if (!Sanitized)
            QVERIFY2(peakMegabytes() < 450,
                     qPrintable(QString::number(peakMegabytes()) + u" MB"_s));
    }

    // A metafile's transfers each carry a bitmap of their own; a sheet of ten labels must not
    // weigh ten copies of them.
    void metafileBitmapsGoOnceIntoASheet()
    {
        const std::optional<Picture> picture =
            PictureLoader::fromBytes(CraftedPictures::runLengthBitmaps(4, 200));
        QVERIFY(picture);
        const qsizetype oneLabel = sheetPdf(*picture, 1).size();
        const qsizetype tenLabels = sheetPdf(*picture, 10).size();
        QVERIFY2(oneLabel > 4 * 200 * 200, qPrintable(QString::number(oneLabel)));
        QVERIFY2(tenLabels < oneLabel * 11 / 10, qPrintable(QString::number(tenLabels)));
    }

    void cutShapesDrawWhatShows_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Samples>("samples"); // fractions of the target, colour expected there
        const QColor red(Qt::red), blue(Qt::blue);
        WmfBuilder band;
        band.pen(200, blue).select(0).solidBrush(red).select(1);
        band.rectangle(QRect(-30000, -30000, 60000, 30300)); // bottom edge at y = 300
        QTest::newRow("rectangle far beyond the frame, its wide edge across it")
            << band.finish()
            << Samples{{{0.5, 0.1}, red},
                       {{0.5, 0.3}, blue},
                       {{0.2, 0.35}, blue},
                       {{0.5, 0.6}, Margin}};
        QTest::newRow("huge ellipse whose inside covers the frame, pen out of reach")
            << hugeEllipsesUnderWidePen(1) << Samples{{{0.1, 0.1}, red}, {{0.9, 0.9}, red}};
        WmfBuilder ring;
        ring.nullPen().select(0).solidBrush(red).select(1);
        ring.record(0x0538, {2, 4, 4, -20000, -20000, 20000, -20000, 20000, 20000, -20000, 20000,
                             500, -19000, 19000, -19000, 19000, 19000, 500, 19000});
        QTest::newRow("huge square with a hole, alternate filling")
            << ring.finish() << Samples{{{0.25, 0.5}, red}, {{0.75, 0.5}, Margin}};
        WmfBuilder line;
        line.pen(100, blue).select(0);
        line.record(0x0325, {2, -30000, 500, 30000, 500});
        QTest::newRow("huge line under a wide pen across the frame")
            << line.finish()
            << Samples{{{0.5, 0.5}, blue}, {{0.1, 0.52}, blue}, {{0.5, 0.3}, Margin}};
    }

    void cutShapesDrawWhatShows()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Samples, samples);
        const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
        QVERIFY(picture);
        const RenderedPicture rendered = renderPicture(*picture, 12, 600);
        for (const auto &[where, colour] : samples) {
            const QColor found = rendered.at(where.x(), where.y());
            QVERIFY2(
                similar(found, colour),
                qPrintable(u"at %1, %2: %3"_s.arg(where.x()).arg(where.y()).arg(found.name())));
        }
    }

    void drawingWorkIsBounded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("minPoints");
        QTest::addColumn<qint64>("maxPoints");
        QTest::addColumn<qint64>("maxCharacters");
        // Real drawings are kept, and every point of them is drawn.
        QTest::newRow("2000 polygons of 12 corners")
            << polygons(2000, 12) << 2000 * 12LL << 2000 * 14LL << 0LL;
        QTest::newRow("5000 rectangles") << rectangles(5000) << 5000 * 5LL << 5000 * 6LL << 0LL;
        QTest::newRow("300 texts of 40 letters") << texts(300, 40) << 0LL << 0LL << 300 * 40LL;
        QTest::newRow("300 texts of 40 letters in 30 faces")
            << textsInFaces(300, 30) << 0LL << 0LL << 300 * 40LL;
        // Shapes millions of times the frame are drawn cut to it: a handful of points each.
        QTest::newRow("20 huge ellipses under a very wide pen")
            << hugeEllipsesUnderWidePen(20) << 20LL << 20 * 200LL << 0LL;
        // Text far outside the picture is never laid out; laid out, it would pass the budget.
        WmfBuilder offside;
        offside.font(-10).select(0);
        for (int i = 0; i < 1000; ++i)
            offside.text(QPoint(-30000, -30000), QByteArray(100, 'W'));
        QTest::newRow("1000 texts far outside the frame") << offside.finish() << 0LL << 0LL << 0LL;
    }

    void drawingWorkIsBounded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, minPoints);
        QFETCH(qint64, maxPoints);
        QFETCH(qint64, maxCharacters);
        const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
        QVERIFY(picture);
        CountingPaintDevice page;
        drawPicture(page, *picture, {PrintedPicture});
        QVERIFY2(page.points >= minPoints && page.points <= maxPoints,
                 qPrintable(QString::number(page.points) + u" points"_s));
        QCOMPARE(page.characters, maxCharacters);
    }

    // Large images are reduced as they are decoded; of an icon's entries the largest is taken,
    // which its colour in the middle tells apart.
    void rasterIsDecodedFromItsLargestImageAtDrawnSize_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour");
        using PictureRasterReader::MaxDecodedSide;
        const QColor cyan(Qt::darkCyan), green(Qt::green);
        QTest::newRow("PNG of 4000 x 2000")
            << png({4000, 2000}) << QSize(MaxDecodedSide, 512) << cyan;
        QTest::newRow("PNG of 300 x 3000")
            << png({300, 3000}) << QSize(102, MaxDecodedSide) << cyan;
        QTest::newRow("PNG of 600 x 300, kept") << png({600, 300}) << QSize(600, 300) << cyan;
        const IconEntry big{256, png({3000, 3000})};
        QTest::newRow("icon of 64 entries, each a PNG of 3000 x 3000")
            << icon(QList<IconEntry>(64, big)) << QSize(MaxDecodedSide, MaxDecodedSide) << cyan;
        const IconEntry small{16, iconBitmap(16, Qt::red)};
        const IconEntry medium{32, iconBitmap(32, green)};
        const IconEntry pngEntry{256, png({300, 200})}; // the directory says 256 x 256
        QTest::newRow("largest last") << icon({small, medium}) << QSize(32, 32) << green;
        QTest::newRow("largest first") << icon({medium, small}) << QSize(32, 32) << green;
        QTest::newRow("PNG entry larger than the directory can say")
            << icon({small, pngEntry, medium}) << QSize(300, 200) << cyan;
    }

    void rasterIsDecodedFromItsLargestImageAtDrawnSize()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
        QVERIFY(picture);
        QCOMPARE(picture->image().size(), size);
        QCOMPARE(picture->image().pixelColor(size.width() / 2, size.height() / 2).rgb(),
                 colour.rgb());
    }

    void rasterIsReducedOnceForAllLabels_data()
    {
        QTest::addColumn<qreal>("side");
        QTest::addColumn<QSize>("drawn");
        // Shrunk by less than half, the decoded image is drawn as it is.
        QTest::newRow("printed at 1200 dpi") << PrintedPicture.width() << QSize(1024, 1024);
        QTest::newRow("small on a screen") << 200.0 << QSize(200, 200);
    }

    void rasterIsReducedOnceForAllLabels()
    {
        QFETCH(qreal, side);
        QFETCH(QSize, drawn);
        const std::optional<Picture> picture = PictureLoader::fromBytes(png({3000, 3000}));
        QVERIFY(picture);
        QList<QRectF> labels;
        for (int label = 0; label < 10; ++label)
            labels.append(QRectF(label * 1000, 0, side, side));
        CountingPaintDevice page;
        drawPicture(page, *picture, labels);
        QCOMPARE(page.images.size(), 10);
        // The same image every time, which the page then keeps only once.
        for (const CountingPaintDevice::ImageDrawn &image : page.images) {
            QCOMPARE(image.cacheKey, page.images.first().cacheKey);
            QCOMPARE(image.size, drawn);
        }
    }
};

QTEST_MAIN(PictureBudgetTest)
#include "tst_picturebudget.moc"
