// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountingPaintDevice.h"
#include "CraftedPictures.h"
#include "PictureRender.h"
#include "SpecialFiles.h"
#include "WmfBuilder.h"
#include "platform/PictureLoader.h"
#include "platform/PictureSvgFilter.h"
#include "platform/wmf/WmfDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// Damaged and hostile inputs: each fails or draws what it can, with bounded work, and never
// crashes. A read that would block (a pipe) hangs the test, which its time limit catches.
// Inputs that the fuzzer found are kept under data/fuzz/ and replayed here too.

enum class Outcome
{
    Fails,
    Loads,
    DrawsRedSquare,
    Either
};
Q_DECLARE_METATYPE(Outcome)

namespace {

QByteArray fixtureBytes(const QString &name)
{
    QFile file(QFINDTESTDATA(u"data/"_s + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

WmfBuilder redSquare()
{
    WmfBuilder wmf;
    wmf.solidBrush(Qt::red).select(0).rectangle(QRect(100, 100, 300, 300));
    return wmf;
}

// The square that redSquare() draws; a partial drawing must still show it.
constexpr QPointF InsideRedSquare(0.25, 0.25);

// A bitmap file header and info header for width x height pixels, with no pixel data.
QByteArray bitmapHeaders(qint32 width, qint32 height, quint16 bitCount, quint32 compression,
                         quint32 dataSize)
{
    return "BM" + WmfBuilder::dwords({54 + dataSize, 0, 54, 40, quint32(width), quint32(height)}) +
           WmfBuilder::words({1, qint16(bitCount)}) +
           WmfBuilder::dwords({compression, dataSize, 0, 0, 0, 0});
}

const QByteArray SvgNamespace = "\"http://www.w3.org/2000/svg\"";
const QByteArray SvgNamespaces =
    "xmlns=" + SvgNamespace + " xmlns:xlink=\"http://www.w3.org/1999/xlink\"";

// An SVG document of 100 x 100 with the red square of redSquare() and these elements after it.
QByteArray svgWithRedSquare(const QByteArray &more, const QByteArray &prolog = {})
{
    return prolog + "<svg " + SvgNamespaces +
           " width=\"100\" height=\"100\"><rect x=\"10\" y=\"10\" width=\"30\" height=\"30\" "
           "fill=\"red\"/>" +
           more + "</svg>";
}

QByteArray svgImage(const QByteArray &reference, const QByteArray &attribute = "xlink:href")
{
    return "<image x=\"0\" y=\"0\" width=\"100\" height=\"100\" " + attribute + "=\"" + reference +
           "\"/>";
}

QByteArray dataUri(const char *type, const QByteArray &bytes)
{
    return "data:" + QByteArray(type) + ";base64," + bytes.toBase64();
}

} // namespace

class PictureHostileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_pipeFolder.isValid());
        QCOMPARE(mkfifo(QFile::encodeName(pipePath()).constData(), 0600), 0);
    }

    void damagedInputFailsOrDrawsPartly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Outcome>("outcome");
        const QByteArray bmp = fixtureBytes(u"quad-24bit.bmp"_s);
        const QByteArray jpeg = fixtureBytes(u"quad.jpg"_s);
        const QByteArray ico = fixtureBytes(u"multi-size.ico"_s);
        QTest::newRow("empty") << QByteArray() << Outcome::Fails;
        QTest::newRow("text named .jpg")
            << QByteArray("Bonjour, ceci n'est pas une image.\r\n") << Outcome::Fails;
        QTest::newRow("bitmap cut short") << bmp.left(bmp.size() - 100) << Outcome::Fails;
        QTest::newRow("bitmap header only") << bmp.left(54) << Outcome::Fails;
        QTest::newRow("bitmap of 2^30 pixels")
            << bitmapHeaders(32768, 32768, 1, 0, 0) << Outcome::Fails;
        QTest::newRow("run-length bitmap unpacking to 400 Mpixels")
            << bitmapHeaders(20000, 20000, 8, 1, 2) + QByteArray("\0\1", 2) << Outcome::Fails;
        QTest::newRow("jpeg cut short") << jpeg.left(jpeg.size() / 2) << Outcome::Either;
        QTest::newRow("icon directory claiming 65535 images")
            << ico.left(4) + QByteArray("\xff\xff", 2) + ico.mid(6) << Outcome::Either;
        QTest::newRow("metafile header only") << WmfBuilder().withoutEnd() << Outcome::Loads;
        QTest::newRow("metafile without frame or window")
            << WmfBuilder(QRect()).solidBrush(Qt::red).rectangle(QRect(0, 0, 10, 10)).finish()
            << Outcome::Fails;
        QTest::newRow("metafile with an empty window")
            << WmfBuilder(QRect()).window(QRect(0, 0, 0, 100)).finish() << Outcome::Fails;
        QTest::newRow("record size 0")
            << redSquare().rawRecord(0, 0x041B).rectangle(QRect(0, 0, 9, 9)).finish()
            << Outcome::DrawsRedSquare;
        QTest::newRow("record size beyond the file")
            << redSquare()
                   .rawRecord(0x7FFFFFFF, 0x0324, WmfBuilder::words({3, 0, 0, 10, 10}))
                   .finish()
            << Outcome::DrawsRedSquare;
        QTest::newRow("no end record") << redSquare().withoutEnd() << Outcome::DrawsRedSquare;
        QTest::newRow("object index out of range") << WmfBuilder()
                                                          .solidBrush(Qt::red)
                                                          .select(4000)
                                                          .select(0xFFFF)
                                                          .rectangle(QRect(0, 0, 500, 500))
                                                          .finish()
                                                   << Outcome::Loads;
        QTest::newRow("huge point count")
            << redSquare().record(0x0324, {qint16(-1), 0, 0, 100, 0, 100, 100}).finish()
            << Outcome::DrawsRedSquare;
        QTest::newRow("poly-polygon counts beyond the record")
            << redSquare().record(0x0538, {2, qint16(-1), qint16(-1), 0, 0, 5, 5}).finish()
            << Outcome::DrawsRedSquare;
        QTest::newRow("text longer than its record")
            << redSquare()
                   .font(-100)
                   .select(1)
                   .record(0x0521, {qint16(30000), 0x4142, 0, 0})
                   .finish()
            << Outcome::DrawsRedSquare;
        QTest::newRow("clipped text with a negative length")
            << redSquare().record(0x0A32, {10, 10, qint16(-4), 4, 0, 0, 50, 50}).finish()
            << Outcome::DrawsRedSquare;
        QTest::newRow("font record of one word")
            << redSquare().record(0x02FB, {-100}).select(1).finish() << Outcome::DrawsRedSquare;
        QTest::newRow("bitmap record claiming a huge bitmap")
            << redSquare()
                   .record(0x0F43,
                           WmfBuilder::words({0x20, 0xCC, 0, 100, 100, 0, 0, 500, 500, 0, 0}) +
                               bitmapHeaders(30000, 30000, 24, 0, 0).mid(14))
                   .finish()
            << Outcome::DrawsRedSquare;
        WmfBuilder nested = redSquare();
        for (int i = 0; i < 20000; ++i)
            nested.record(0x001E, QByteArray());
        nested.record(0x0127, {qint16(-30000)});
        QTest::newRow("20000 saved states") << nested.finish() << Outcome::DrawsRedSquare;
        WmfBuilder crowded = redSquare();
        for (int i = 0; i < 70000; ++i)
            crowded.solidBrush(Qt::blue);
        QTest::newRow("70000 objects, never deleted")
            << crowded.select(0xFFFE).finish() << Outcome::DrawsRedSquare;

        // SVG documents draw nothing from outside themselves: the pipe would block for good.
        const QByteArray pipe = QFile::encodeName(pipePath());
        QTest::newRow("SVG image naming a pipe")
            << svgWithRedSquare(svgImage(pipe)) << Outcome::DrawsRedSquare;
        QTest::newRow("SVG image naming a pipe by a plain href")
            << svgWithRedSquare(svgImage(pipe, "href")) << Outcome::DrawsRedSquare;
        QTest::newRow("SVG image naming a pipe, prefixed")
            << svgWithRedSquare("<s:image xmlns:s=" + SvgNamespace +
                                " width=\"9\" height=\"9\" xlink:href=\"" + pipe + "\"/>")
            << Outcome::DrawsRedSquare;
        QTest::newRow("SVG style sheet naming a pipe")
            << svgWithRedSquare({}, "<?xml-stylesheet type=\"text/css\" href=\"" + pipe + "\"?>")
            << Outcome::DrawsRedSquare;
        QTest::newRow("compressed SVG image naming a pipe")
            << CraftedPictures::gzipped(svgWithRedSquare(svgImage(pipe)))
            << Outcome::DrawsRedSquare;
        QTest::newRow("SVG image embedding an SVG that names a pipe")
            << svgWithRedSquare(
                   svgImage(dataUri("image/svg+xml", svgWithRedSquare(svgImage(pipe)))))
            << Outcome::DrawsRedSquare;
        QTest::newRow("SVG image embedding a PNG, drawn")
            << QByteArray(
                   "<svg " + SvgNamespaces + " width=\"100\" height=\"100\">" +
                   svgImage(dataUri("image/png", CraftedPictures::redPng(8)))
                       .replace("width=\"100\" height=\"100\"", "width=\"50\" height=\"50\"") +
                   "</svg>")
            << Outcome::DrawsRedSquare;
        QTest::newRow("compressed SVG inflating past the bound")
            << CraftedPictures::gzipped(
                   svgWithRedSquare(QByteArray(PictureSvgFilter::MaxDocumentBytes, ' ')))
            << Outcome::Fails;
        QTest::newRow("SVG of too many elements")
            << svgWithRedSquare(QByteArray("<g/>").repeated(PictureSvgFilter::MaxElements))
            << Outcome::Fails;
        QTest::newRow("SVG with a megabyte of an editor's private data")
            << svgWithRedSquare("<metadata>" + QByteArray(1 << 20, 'x') + "</metadata>")
            << Outcome::DrawsRedSquare;
        QTest::newRow("SVG with too much text")
            << svgWithRedSquare("<text>" + QByteArray(PictureSvgFilter::MaxTextCharacters, 'W') +
                                "W</text>")
            << Outcome::Fails;

        // A frame that holds more pixels than its screen costs the decoder all of them.
        using CraftedPictures::oversizedGifFrame;
        QTest::newRow("GIF frame of 4000 x 4000 on a screen of 10 x 10")
            << oversizedGifFrame(10, 4000) << Outcome::Fails;
        QTest::newRow("GIF frame as large as its screen")
            << oversizedGifFrame(300, 300) << Outcome::Loads;
        QTest::newRow("metafile of 20 records of 65535 empty polygons")
            << CraftedPictures::emptyPolygons(20) << Outcome::Fails;
        QTest::newRow("PNG with a text chunk")
            << CraftedPictures::pngWithText(100000) << Outcome::Loads;

        const QDir fuzzFindings(QFINDTESTDATA(u"data/fuzz"_s));
        for (const QString &name : fuzzFindings.entryList(QDir::Files)) {
            QFile file(fuzzFindings.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::addRow("fuzz %s", qPrintable(name)) << file.readAll() << Outcome::Either;
        }
    }

    void damagedInputFailsOrDrawsPartly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Outcome, outcome);
        const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
        if (outcome != Outcome::Either)
            QCOMPARE(bool(picture), outcome != Outcome::Fails);
        if (picture) {
            const RenderedPicture rendered = renderPicture(*picture, 12, 600);
            const QPoint outside = rendered.target.topLeft().toPoint() - QPoint(2, 2);
            QCOMPARE(rendered.image.pixelColor(outside), Margin);
            if (outcome == Outcome::DrawsRedSquare)
                QCOMPARE(rendered.at(InsideRedSquare.x(), InsideRedSquare.y()), QColor(Qt::red));

            // Printed, it hands the page no more than a drawing within the budget can.
            CountingPaintDevice page;
            drawPicture(page, *picture, {QRectF(1000, 1000, 567, 567)});
            QVERIFY(page.points + page.characters <= 2 * WmfDocument::MaxDrawingWork);
            if (!picture->isMetafile())
                QCOMPARE(page.images.size(), 1);
        }
    }

    void onlyRegularFilesOfSaneSizeAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << u"missing"_s;
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("named pipe") << u"fifo"_s;
        QTest::newRow("larger than 64 MiB") << u"huge"_s;
        QTest::newRow("kernel log") << u"kmsg"_s;
    }

    void onlyRegularFilesOfSaneSizeAreRead()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(kind);
        if (kind == "kmsg"_L1) {
            path = openableKernelLog();
            if (path.isEmpty())
                QSKIP("the kernel's log cannot be opened here");
        } else if (kind == "folder"_L1) {
            QVERIFY(QDir(dir.path()).mkdir(kind));
        } else if (kind == "fifo"_L1) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "huge"_L1) {
            // A valid picture followed by a sparse tail: refused for its size alone.
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fixtureBytes(u"quad.png"_s));
            QVERIFY(file.resize(PictureLoader::MaxFileBytes + 1));
        }
        // Reading the pipe would wait for a writer that never comes, and reading the kernel's log
        // for its next message: returning at all is the check, and the huge file would load if it
        // were read.
        QVERIFY(!PictureLoader::load(path));
    }

private:
    QString pipePath() const { return m_pipeFolder.filePath(u"pipe"_s); }

    QTemporaryDir m_pipeFolder;
};

QTEST_MAIN(PictureHostileTest)
#include "tst_picturehostile.moc"
