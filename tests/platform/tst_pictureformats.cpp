// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureRender.h"
#include "platform/PictureLoader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

// The fixtures were made by real programs (see make-fixtures.sh); each is drawn as on screen
// (13 mm at 96 dpi) and as on paper (12 mm at 1200 dpi) and sampled where its shapes are.

struct ColourSample
{
    qreal fx;
    qreal fy;
    QColor colour;
};
Q_DECLARE_METATYPE(QList<ColourSample>)

namespace {

const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Yellow(255, 255, 0);
const QColor White(255, 255, 255), Black(0, 0, 0);

const QList<ColourSample> Shapes{
    {0.27, 0.27, Red}, {0.72, 0.2, Green}, {0.72, 0.72, Blue}, {0.27, 0.72, White}};
const QList<ColourSample> RoundRect{{0.5, 0.2, Yellow}, {0.15, 0.5, Yellow}, {0.04, 0.04, White}};
const QList<ColourSample> EmbeddedBitmap{
    {0.3, 0.3, Red}, {0.7, 0.3, Green}, {0.3, 0.7, Blue}, {0.7, 0.7, Yellow}};
const QList<ColourSample> Quadrants{
    {0.25, 0.25, Red}, {0.75, 0.25, Green}, {0.25, 0.75, Blue}, {0.75, 0.75, Yellow}};
const QList<ColourSample> MonoQuadrants{
    {0.25, 0.25, Black}, {0.75, 0.25, White}, {0.25, 0.75, Black}, {0.75, 0.75, White}};
// The 48-pixel image of the icon has a white centre; the smaller ones do not.
const QList<ColourSample> LargestIcon{{0.2, 0.2, Red}, {0.5, 0.5, White}, {0.8, 0.8, Yellow}};

QString fixture(const QString &name)
{
    return QFINDTESTDATA(u"data/"_s + name);
}

QByteArray fixtureBytes(const QString &name)
{
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct BitmapLayout
{
    qsizetype dataOffset;
    qsizetype stride;
    int height;
};

BitmapLayout layoutOf(const QByteArray &bmp)
{
    // Byte by byte through at(), which checks its bounds: the sanitizer build's compiler
    // takes a pointer into an empty array's storage for one past its end.
    const auto field = [&bmp](int offset, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(bmp.at(offset + i));
        return value;
    };
    const int width = qint32(field(18, 4));
    const int bitCount = int(field(28, 2));
    return {qint32(field(10, 4)), (qsizetype(width) * bitCount + 31) / 32 * 4,
            qint32(field(22, 4))};
}

// The same bitmap with its rows stored top first, as a negative height says.
QByteArray topDownCopy(const QByteArray &bottomUp)
{
    const BitmapLayout layout = layoutOf(bottomUp);
    QByteArray topDown = bottomUp.left(layout.dataOffset);
    qToLittleEndian<qint32>(-layout.height, topDown.data() + 22);
    for (int row = layout.height - 1; row >= 0; --row)
        topDown += bottomUp.mid(layout.dataOffset + row * layout.stride, layout.stride);
    return topDown;
}

} // namespace

class PictureFormatsTest : public QObject
{
    Q_OBJECT

private slots:
    void fixtureDrawsItsShapes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("metafile");
        QTest::addColumn<QList<ColourSample>>("samples");
        QTest::addColumn<qreal>("targetMm");
        QTest::addColumn<int>("dotsPerInch");
        const struct
        {
            const char *file;
            bool metafile;
            QList<ColourSample> samples;
        } fixtures[] = {
            {"shapes-inkscape.wmf", true, Shapes},
            {"shapes-libreoffice.wmf", true, Shapes},
            {"roundrect-text-inkscape.wmf", true, RoundRect},
            {"roundrect-text-libreoffice.wmf", true, RoundRect},
            {"bitmap-inkscape.wmf", true, EmbeddedBitmap},
            {"bitmap-libreoffice.wmf", true, EmbeddedBitmap},
            {"multi-size.ico", false, LargestIcon},
            {"cursor.cur", false, Quadrants},
            {"mono-1bit.bmp", false, MonoQuadrants},
            {"quad-4bit.bmp", false, Quadrants},
            {"quad-8bit.bmp", false, Quadrants},
            {"quad-rle8.bmp", false, Quadrants},
            {"quad-24bit.bmp", false, Quadrants},
            {"quad-32bit.bmp", false, Quadrants},
            {"quad.gif", false, Quadrants},
            {"quad.jpg", false, Quadrants},
            {"quad.png", false, Quadrants},
            {"shapes.svg", false, Shapes},
        };
        for (const auto &f : fixtures) {
            QTest::addRow("%s screen", f.file)
                << QString::fromLatin1(f.file) << f.metafile << f.samples << qreal(13) << 96;
            QTest::addRow("%s paper", f.file)
                << QString::fromLatin1(f.file) << f.metafile << f.samples << qreal(12) << 1200;
        }
    }

    void fixtureDrawsItsShapes()
    {
        QFETCH(QString, file);
        QFETCH(bool, metafile);
        QFETCH(QList<ColourSample>, samples);
        QFETCH(qreal, targetMm);
        QFETCH(int, dotsPerInch);
        const std::optional<Picture> picture = PictureLoader::load(fixture(file));
        QVERIFY(picture);
        QVERIFY(!picture->isNull());
        QCOMPARE(picture->isMetafile(), metafile);
        QCOMPARE(picture->image().isNull(), metafile);
        const RenderedPicture rendered = renderPicture(*picture, targetMm, dotsPerInch);
        for (const ColourSample &sample : samples) {
            const QColor seen = rendered.at(sample.fx, sample.fy);
            QVERIFY2(similar(seen, sample.colour),
                     qPrintable(u"at %1, %2: %3 instead of %4"_s.arg(sample.fx).arg(sample.fy).arg(
                         seen.name(), sample.colour.name())));
        }
        // Stretched over the whole target, and nothing drawn around it.
        QVERIFY(!similar(rendered.at(0.01, 0.99), Margin, 10));
        QVERIFY(!similar(rendered.at(0.99, 0.01), Margin, 10));
        const QPoint outside = rendered.target.topLeft().toPoint() - QPoint(2, 2);
        QCOMPARE(rendered.image.pixelColor(outside), Margin);
        if (file.startsWith("roundrect-text"_L1))
            QVERIFY2(rendered.share(Blue) > 0.01, "the blue text is missing");
    }

    void iconGivesItsLargestImage()
    {
        const std::optional<Picture> icon = PictureLoader::load(fixture(u"multi-size.ico"_s));
        QVERIFY(icon);
        QCOMPARE(icon->naturalSize(), QSizeF(48, 48));
        QCOMPARE(icon->image().pixelColor(24, 24), White);
    }

    void kindComesFromContentNotName()
    {
        QTemporaryDir dir;
        const struct
        {
            const char *from;
            const char *to;
        } renames[] = {
            {"quad.png", "quad.wmf"}, {"shapes-inkscape.wmf", "shapes.jpg"}, {"quad.gif", "quad"}};
        for (const auto &rename : renames) {
            const QString copy = dir.filePath(QString::fromLatin1(rename.to));
            QVERIFY(QFile::copy(fixture(QString::fromLatin1(rename.from)), copy));
            const std::optional<Picture> picture = PictureLoader::load(copy);
            QVERIFY2(picture, rename.to);
            QCOMPARE(picture->isMetafile(), QByteArray(rename.from).endsWith(".wmf"));
        }
    }

    void truncatedBitmapFails()
    {
        QFile file(fixture(u"quad-24bit.bmp"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        QVERIFY(PictureLoader::fromBytes(whole));
        QVERIFY(!PictureLoader::fromBytes(whole.left(whole.size() - 1)));
        QVERIFY(!PictureLoader::fromBytes(whole.left(whole.size() / 2)));
    }

    void topDownBitmapDrawsAsBottomUp()
    {
        const QByteArray bottomUp = fixtureBytes(u"quad-24bit.bmp"_s);
        const QByteArray topDown = topDownCopy(bottomUp);
        const std::optional<Picture> expected = PictureLoader::fromBytes(bottomUp);
        const std::optional<Picture> flipped = PictureLoader::fromBytes(topDown);
        QVERIFY(expected && flipped);
        QCOMPARE(flipped->image().convertToFormat(QImage::Format_RGB32),
                 expected->image().convertToFormat(QImage::Format_RGB32));
        const qsizetype rowShort = topDown.size() - layoutOf(bottomUp).stride;
        QVERIFY(!PictureLoader::fromBytes(topDown.left(rowShort)));
    }

    void copiesShareOnePicture()
    {
        const std::optional<Picture> loaded = PictureLoader::load(fixture(u"quad.png"_s));
        QVERIFY(loaded);
        const Picture copy = *loaded;
        QCOMPARE(copy.image().constBits(), loaded->image().constBits());
    }

    void emptyPictureDrawsNothing()
    {
        const Picture empty;
        QVERIFY(empty.isNull());
        QVERIFY(!empty.isMetafile());
        const RenderedPicture rendered = renderPicture(empty, 13, 96);
        QCOMPARE(rendered.share(Margin, 0), 1.0);
    }
};

QTEST_MAIN(PictureFormatsTest)
#include "tst_pictureformats.moc"
