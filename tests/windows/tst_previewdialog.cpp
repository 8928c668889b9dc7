// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print preview, read from its pixels: the outlines, the zones and the picture.
#include "Accessibility.h"
#include "PoolHold.h"

#include "label/ZoneLines.h"
#include "windows/preview/PreviewDialog.h"
#include "windows/preview/PreviewPanel.h"
#include "windows/preview/PreviewZone.h"
#include "windows/shared/PictureBox.h"

#include <QAbstractButton>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 200;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// The preview as opened after the line splitting, on a fresh request with the start-up zones.
struct Preview
{
    PrintRequest request;
    LabelZones zones = LabelDocument::startUp().zones;
    Picture icon;
    QString iconPath;
    std::unique_ptr<PreviewDialog> form;

    // Shown, its picture not yet drawn.
    [[nodiscard]] bool show()
    {
        const std::optional<LabelArtwork> artwork = LabelArtwork::of({zones, {iconPath, icon}});
        if (!artwork)
            return false;
        form = std::make_unique<PreviewDialog>(*artwork, request);
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    [[nodiscard]] bool open()
    {
        return show() && (!form->isDrawingPicture() ||
                          QSignalSpy(form.get(), &PreviewDialog::pictureShown).wait());
    }
    PreviewPanel *panel() const { return form->findChild<PreviewPanel *>(u"page"_s); }
    PreviewZone *zoneBox(int zone) const
    {
        return form->findChild<PreviewZone *>(u"zoneBox%1"_s.arg(zone));
    }
    QImage zoneImage(int zone) const { return grabbed(zoneBox(zone)); }
    PictureBox *pictureBox() const { return form->findChild<PictureBox *>(u"pictureBox"_s); }
};

// Rows (or columns) of the panel where over a quarter of the middle pixels are dark: 20 to
// 50 mm across, or 15 to 35 mm down.
QList<int> lineRows(const QImage &panel, double pixelsPerMmX)
{
    const int from = qRound(20 * pixelsPerMmX), to = qRound(50 * pixelsPerMmX);
    QList<int> rows;
    for (int y = 0; y < panel.height(); ++y) {
        int dark = 0;
        for (int x = from; x < to; ++x)
            dark += qGray(panel.pixel(x, y)) < 128;
        if (dark * 4 > to - from)
            rows.append(y);
    }
    return rows;
}

QImage transposed(const QImage &image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

// Lengths of the dark runs along row y, between from and to.
QList<int> darkRuns(const QImage &image, int y, int from, int to)
{
    QList<int> runs;
    int run = 0;
    for (int x = from; x < to; ++x) {
        if (qGray(image.pixel(x, y)) < 128) {
            ++run;
        } else if (run > 0) {
            runs.append(run);
            run = 0;
        }
    }
    if (run > 0)
        runs.append(run);
    return runs;
}

// Bands of rows holding ink, as (first row, last row).
QList<QPair<int, int>> inkBands(const QImage &image)
{
    QList<QPair<int, int>> bands;
    int start = -1;
    for (int y = 0; y <= image.height(); ++y) {
        bool ink = false;
        for (int x = 0; y < image.height() && x < image.width() && !ink; ++x)
            ink = isInk(image.pixel(x, y));
        if (ink && start < 0)
            start = y;
        if (!ink && start >= 0) {
            bands.append({start, y - 1});
            start = -1;
        }
    }
    return bands;
}

// Leftmost and rightmost columns holding ink, or (-1, -1).
QPair<int, int> inkColumns(const QImage &image)
{
    const QList<QPair<int, int>> bands = inkBands(transposed(image));
    return bands.isEmpty() ? qMakePair(-1, -1)
                           : qMakePair(bands.first().first, bands.last().second);
}

// How many pixels of the image are of the kind asked.
int pixelsWhere(const QImage &image, const std::function<bool(QRgb)> &kind)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += kind(image.pixel(x, y));
    return count;
}

// The zone drawn alone with that text, as the preview's zone boxes draw it; the main window's
// own zones add a mark where the text is cut.
QImage zoneAlone(const TextZone &zone, const QString &text, const QSize &size)
{
    PreviewZone alone;
    TextZone shown = zone;
    shown.text = text;
    alone.setZone(shown);
    alone.resize(size);
    return grabbed(&alone);
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void outlines_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("cutOutline");
        // Where lines run across (mm down the label) and down (mm across it).
        QTest::addColumn<QList<double>>("rowsMm");
        QTest::addColumn<QList<double>>("columnsMm");
        QTest::newRow("neither") << false << false << QList<double>{} << QList<double>{};
        QTest::newRow("frame only")
            << true << false << QList<double>{2, 48} << QList<double>{2, 68};
        QTest::newRow("cut outline only")
            << false << true << QList<double>{0, 50} << QList<double>{0, 70};
        QTest::newRow("both") << true << true << QList<double>{0, 2, 48, 50}
                              << QList<double>{0, 2, 68, 70};
    }

    void outlines()
    {
        QFETCH(bool, frame);
        QFETCH(bool, cutOutline);
        QFETCH(QList<double>, rowsMm);
        QFETCH(QList<double>, columnsMm);
        Preview p;
        p.request.layout.printFrame = frame;
        p.request.layout.printCutOutline = cutOutline;
        QVERIFY(p.open());
        const QImage panel = grabbed(p.panel());
        const double perMmX = panel.width() / 70.2, perMmY = panel.height() / 50.2;
        // Every line, the right and bottom ones included, lies inside the panel where the
        // 70.2 x 50.2 mm drawing puts it.
        const QImage across = transposed(panel);
        const QList<int> rows = lineRows(panel, perMmX);
        const QList<int> columns = lineRows(across, perMmY);
        QCOMPARE(rows.size(), rowsMm.size());
        QCOMPARE(columns.size(), columnsMm.size());
        for (int i = 0; i < rows.size(); ++i) {
            QVERIFY2(qAbs(rows[i] - rowsMm[i] * perMmY) <= 1.0,
                     qPrintable(u"row %1 for %2 mm"_s.arg(rows[i]).arg(rowsMm[i])));
            QVERIFY2(qAbs(columns[i] - columnsMm[i] * perMmX) <= 1.0,
                     qPrintable(u"column %1 for %2 mm"_s.arg(columns[i]).arg(columnsMm[i])));
        }
        // The frame is solid: each of its lines is dark from end to end.
        if (frame) {
            const int frameLine = cutOutline ? 1 : 0;
            QCOMPARE(
                darkRuns(panel, rows[frameLine], qRound(3 * perMmX), qRound(67 * perMmX)).size(),
                1);
            QCOMPARE(darkRuns(across, columns[frameLine], qRound(3 * perMmY), qRound(47 * perMmY))
                         .size(),
                     1);
        }
    }

    void cutOutlineIsDashDot()
    {
        Preview p;
        p.request.layout.printFrame = false;
        p.request.layout.printCutOutline = true;
        QVERIFY(p.open());
        const QImage panel = grabbed(p.panel());
        const double perMm = panel.width() / 70.2;
        const QList<int> rows = lineRows(panel, perMm);
        QCOMPARE(rows.size(), 2);
        for (int row : rows) {
            // Dashes and dots take turns: long runs of 1.6 mm and short ones of 0.3 mm.
            const QList<int> runs = darkRuns(panel, row, qRound(5 * perMm), qRound(65 * perMm));
            QVERIFY2(runs.size() >= 20, qPrintable(u"%1 runs"_s.arg(runs.size())));
            int dashes = 0, dots = 0;
            for (int i = 1; i + 1 < runs.size(); ++i) {
                const bool dash = runs[i] >= 1.2 * perMm;
                const bool dot = runs[i] <= 0.6 * perMm;
                QVERIFY2(dash || dot, qPrintable(u"run of %1 px"_s.arg(runs[i])));
                if (i >= 2) {
                    const bool previousDash = runs[i - 1] >= 1.2 * perMm;
                    QVERIFY2(dash != previousDash, "two dashes or two dots in a row");
                }
                dashes += dash;
                dots += dot;
            }
            QVERIFY(qAbs(dashes - dots) <= 1);
        }
    }

    void zone3Numbering_data()
    {
        QTest::addColumn<QString>("zone3");
        QTest::addColumn<bool>("autoIncrement");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("shown");
        const QString disque = u"Disque"_s, twoLines = u"Sauvegarde\r\nDisque"_s;
        QTest::newRow("style 1") << disque << true << 1 << u"Disque 3"_s;
        QTest::newRow("style 2") << disque << true << 2 << u"Disque 3/5"_s;
        QTest::newRow("single label, no style") << disque << true << 0 << disque;
        QTest::newRow("numbering off") << disque << false << 2 << disque;
        QTest::newRow("two lines, numbered after both")
            << twoLines << true << 1 << u"Sauvegarde\r\nDisque 3"_s;
        QTest::newRow("two lines, not numbered") << twoLines << false << 1 << twoLines;
    }

    void zone3Numbering()
    {
        QFETCH(QString, zone3);
        QFETCH(bool, autoIncrement);
        QFETCH(int, style);
        QFETCH(QString, shown);
        Preview p;
        p.zones[ZoneId::Third].text = zone3;
        p.request.run.autoNumbering = autoIncrement;
        p.request.run.numberingStyle = NumberingStyle(style);
        p.request.run.nextDiskNumber = 3;
        p.request.run.copyCount = 5;
        QVERIFY(p.open());
        const QImage box = p.zoneImage(3);
        QCOMPARE(box, zoneAlone(p.zones[ZoneId::Third], shown, box.size()));
        // The comparison tells numbered from plain text.
        QVERIFY(zoneAlone(p.zones[ZoneId::Third], zone3, box.size()) !=
                zoneAlone(p.zones[ZoneId::Third], zone3 + u" 3"_s, box.size()));
        QCOMPARE(p.zoneBox(3)->accessibleName(), shown);
    }

    // In list mode the preview is the list's first label as it prints, numbered over the
    // list; an empty list prints nothing, and the label itself shows.
    void listShowsItsFirstLabel_data()
    {
        QTest::addColumn<QString>("listText");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("zone1");
        QTest::addColumn<QString>("zone3");
        QTest::newRow("first line, numbered over the list")
            << u"Lemmings\tJeux\tDisque\r\nOutils\r\nTextes"_s << 2 << u"Lemmings"_s
            << u"Disque 3/3"_s;
        QTest::newRow("empty field keeps the label's zone 3")
            << u"Lemmings;Jeux;\nOutils"_s << 1 << u"Lemmings"_s << u"Sauvegarde 3"_s;
        QTest::newRow("empty list, numbered over the run")
            << QString() << 2 << u"Archives"_s << u"Sauvegarde 3/5"_s;
    }

    void listShowsItsFirstLabel()
    {
        QFETCH(QString, listText);
        QFETCH(int, style);
        QFETCH(QString, zone1);
        QFETCH(QString, zone3);
        Preview p;
        p.zones[ZoneId::First].text = u"Archives"_s;
        p.zones[ZoneId::Third].text = u"Sauvegarde"_s;
        const auto list = LabelListText::parse(listText);
        QVERIFY(std::holds_alternative<LabelList>(list));
        p.request.list = std::get<LabelList>(list);
        p.request.run.mode = PrintMode::List;
        p.request.run.autoNumbering = true;
        p.request.run.numberingStyle = NumberingStyle(style);
        p.request.run.nextDiskNumber = 3;
        p.request.run.copyCount = 5;
        QVERIFY(p.open());
        QCOMPARE(p.zoneBox(1)->accessibleName(), zone1);
        QCOMPARE(p.zoneBox(3)->accessibleName(), zone3);
    }

    void wordWrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minimumLines");
        QTest::addColumn<int>("maximumLines");
        QTest::newRow("short") << u"Sauvegarde"_s << 1 << 1;
        QTest::newRow("three lines") << u"Sauvegarde\r\ndu lundi\r\ncomplète"_s << 3 << 3;
        QTest::newRow("one long line wraps")
            << u"Sauvegarde complète du serveur de fichiers de la comptabilité, "
               u"faite le premier lundi du mois avant la clôture"_s
            << 2 << 4;
    }

    void wordWrap()
    {
        QFETCH(QString, text);
        QFETCH(int, minimumLines);
        QFETCH(int, maximumLines);
        Preview p;
        p.zones[ZoneId::Second].text = text;
        QVERIFY(p.open());
        const QImage box = p.zoneImage(2);
        const int bands = int(inkBands(box).size());
        QVERIFY2(bands >= minimumLines && bands <= maximumLines,
                 qPrintable(u"%1 lines"_s.arg(bands)));
        // Wrapped at a word, nothing runs into the box's right edge.
        const QPair<int, int> ink = inkColumns(box);
        QVERIFY(ink.first >= 0);
        QVERIFY2(ink.second < box.width() - 3, qPrintable(QString::number(ink.second)));
    }

    void tallTextIsCutAtTheBottom()
    {
        Preview p;
        p.zones[ZoneId::First].text = u"Un\r\nDeux\r\nTrois"_s;
        p.zones[ZoneId::First].style.pointSize = 24;
        p.zones[ZoneId::Second].text.clear();
        QVERIFY(p.open());
        const QImage box = p.zoneImage(1);
        const QList<QPair<int, int>> bands = inkBands(box);
        QVERIFY(bands.size() >= 2);
        // Not shrunk: a 24 pt capital stands well over a sixth of an inch.
        const int capitalHeight = bands.first().second - bands.first().first + 1;
        QVERIFY2(capitalHeight >= p.form->logicalDpiY() / 6,
                 qPrintable(QString::number(capitalHeight)));
        // The second line runs into the bottom edge and is cut there.
        QCOMPARE(bands.last().second, box.height() - 1);
        // Below the box, the panel is blank until zone 2.
        const QImage panel = grabbed(p.panel());
        const QRect zone1 = p.zoneBox(1)->geometry();
        const int zone2Top = p.zoneBox(2)->geometry().top();
        QVERIFY(zone2Top > zone1.bottom() + 1);
        const QRect between(QPoint(zone1.left(), zone1.bottom() + 1),
                            QPoint(zone1.right(), zone2Top - 1));
        QCOMPARE(pixelsWhere(panel.copy(between), isInk), 0);
    }

    void zoneFontColourAndAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << int(ZoneAlignment::Left);
        QTest::newRow("right") << int(ZoneAlignment::Right);
        QTest::newRow("centre") << int(ZoneAlignment::Centre);
    }

    void zoneFontColourAndAlignment()
    {
        QFETCH(int, alignment);
        Preview p;
        p.zones[ZoneId::First].text = u"Archives"_s;
        p.zones[ZoneId::First].style.fontFamily = u"Liberation Serif"_s;
        p.zones[ZoneId::First].style.pointSize = 12;
        p.zones[ZoneId::First].style.bold = true;
        p.zones[ZoneId::First].style.color = 255; // red
        p.zones[ZoneId::First].style.alignment = ZoneAlignment(alignment);
        QVERIFY(p.open());
        const QImage box = p.zoneImage(1);
        QCOMPARE(box, zoneAlone(p.zones[ZoneId::First], p.zones[ZoneId::First].text, box.size()));
        QVERIFY(pixelsWhere(box, isRed) > 50);
        QCOMPARE(pixelsWhere(box, [](QRgb pixel) { return !isRed(pixel) && qGray(pixel) < 100; }),
                 0);
        const QPair<int, int> ink = inkColumns(box);
        const int middle = box.width() / 2;
        switch (ZoneAlignment(alignment)) {
        case ZoneAlignment::Left:
            QVERIFY(ink.first < 4 && ink.second < middle);
            break;
        case ZoneAlignment::Right:
            QVERIFY(ink.second > box.width() - 5 && ink.first > middle);
            break;
        default:
            QVERIFY(qAbs((ink.first + ink.second) / 2 - middle) < 5);
        }
    }

    void iconBox_data()
    {
        QTest::addColumn<QString>("iconPath");
        QTest::addColumn<bool>("filled");
        QTest::newRow("label with an icon") << u"/home/u/logo.bmp"_s << true;
        QTest::newRow("label without an icon") << QString() << false;
    }

    void iconBox()
    {
        QFETCH(QString, iconPath);
        QFETCH(bool, filled);
        Preview p;
        QImage tall(10, 40, QImage::Format_RGB32);
        tall.fill(Qt::red);
        p.icon = Picture(tall);
        p.iconPath = iconPath;
        QVERIFY(p.open());
        // Seen on the panel, where an empty box lets the white show through.
        const QImage box = grabbed(p.panel()).copy(p.pictureBox()->geometry());
        // Stretched over the whole square, proportions not kept; or nothing at all, not even
        // the outline the main window shows for an empty picture.
        const auto expected = [filled](QRgb pixel) {
            return filled ? isRed(pixel) : pixel == qRgb(255, 255, 255);
        };
        QCOMPARE(pixelsWhere(box, expected), box.width() * box.height());
    }

    // The picture is drawn off the window's thread, under the busy pointer; once drawn, the
    // preview is what drawing it in the box itself gives.
    void windowAnswersWhileThePictureIsDrawn()
    {
        Preview p;
        QImage squares(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < squares.height(); ++y)
            for (int x = 0; x < squares.width(); ++x)
                squares.setPixelColor(x, y, (x + y) % 2 ? Qt::blue : Qt::yellow);
        p.icon = Picture(squares);
        p.iconPath = u"/home/u/damier.bmp"_s;
        {
            PoolHold hold;
            QVERIFY(p.show());
            QVERIFY(p.form->isDrawingPicture());
            QVERIFY(eventsAreProcessed(p.form.get()));
            QVERIFY(QGuiApplication::overrideCursor());
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
            QVERIFY(p.pictureBox()->picture().isNull());
        }
        QSignalSpy shown(p.form.get(), &PreviewDialog::pictureShown);
        QVERIFY(shown.wait());
        QVERIFY(!QGuiApplication::overrideCursor());
        const QImage drawnAside = grabbed(p.form.get());
        p.pictureBox()->setPicture(p.icon);
        QCOMPARE(drawnAside, grabbed(p.form.get()));
        // The comparison sees the picture.
        p.pictureBox()->setPicture(Picture());
        QVERIFY(grabbed(p.form.get()) != drawnAside);
    }

    void quitAndCloseBoxEndThePreview_data()
    {
        QTest::addColumn<bool>("quitButton");
        QTest::newRow("Quitter") << true;
        QTest::newRow("close box") << false;
    }

    void quitAndCloseBoxEndThePreview()
    {
        QFETCH(bool, quitButton);
        const std::optional<LabelArtwork> artwork = LabelArtwork::of(LabelDocument::startUp());
        QVERIFY(artwork);
        PreviewDialog preview(*artwork, PrintRequest());
        bool wasModal = false;
        QTimer::singleShot(0, &preview, [&] {
            wasModal = QApplication::activeModalWidget() == &preview;
            if (quitButton)
                preview.findChild<QAbstractButton *>(u"closeButton"_s)->click();
            else
                preview.close();
        });
        preview.exec();
        QVERIFY(wasModal);
        QVERIFY(!preview.isVisible());
    }

    void everyControlIsNamed()
    {
        Preview p;
        p.zones[ZoneId::Second].text = u"Sauvegarde du lundi"_s;
        QVERIFY(p.open());
        QCOMPARE(Accessibility::namelessControls(p.form.get()), QStringList());
        QVERIFY(Accessibility::controlNames(p.form.get()).contains(u"Quitter"_s));
        // The zones are there to be read, not pressed: "&Quitter" is the only keyboard stop.
        QStringList stops;
        for (QWidget *child : p.form->findChildren<QWidget *>())
            if (child->focusPolicy() & Qt::TabFocus)
                stops.append(child->objectName());
        QCOMPARE(stops, QStringList{u"closeButton"_s});
        QCOMPARE(p.zoneBox(2)->accessibleName(), p.zones[ZoneId::Second].text);
    }
};

QTEST_MAIN(TestPreview)
#include "tst_previewdialog.moc"
