// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-sheet preview: the page as the destination prints it, drawn off the window's
// thread, fitted to the window.
#include "Accessibility.h"
#include "PoolHold.h"

#include "print/PageGeometry.h"
#include "print/SheetGeometry.h"
#include "windows/preview/SheetPageImage.h"
#include "windows/preview/SheetPageView.h"
#include "windows/preview/SheetPreviewDialog.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageGeometry)

namespace {

constexpr double PixelsPerMm = 4;

LabelArtwork startUpArtwork()
{
    return *LabelArtwork::of(LabelDocument::startUp());
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// Whether some pixel within a pixel of the point (mm) is dark.
bool inkNear(const QImage &page, QPointF mm)
{
    const QPoint at = (mm * PixelsPerMm).toPoint();
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (isInk(page.pixel(at + QPoint(dx, dy))))
                return true;
        }
    }
    return false;
}

// The width of the page's light part across the middle of the view, in pixels.
int pageWidthShown(QWidget *view)
{
    const QImage shot = view->grab().toImage();
    int light = 0;
    for (int x = 0; x < shot.width(); ++x)
        light += qGray(shot.pixel(x, shot.height() / 2)) > 200;
    return light;
}

} // namespace

class TestSheetPreview : public QObject
{
    Q_OBJECT

private slots:
    void pageFollowsTheDestination_data()
    {
        QTest::addColumn<PageGeometry>("page");
        QTest::addColumn<bool>("margins");
        QTest::newRow("PDF, A4 portrait") << PageGeometry::a4Portrait() << false;
        QTest::newRow("PDF, A4 landscape")
            << PageGeometry::a4(PageGeometry::Orientation::Landscape) << false;
        QTest::newRow("printer, letter with unreachable margins")
            << PageGeometry{{215.9, 279.4}, {6.35, 4.2, 203.2, 271}, {}, {}} << true;
    }

    // The paper in its orientation, what the printer cannot reach shaded, and the first label's
    // frame where the printer puts it: the left and top margins from the printable corner,
    // and the frame's inset inside the label.
    void pageFollowsTheDestination()
    {
        QFETCH(PageGeometry, page);
        QFETCH(bool, margins);
        PrintRequest request;
        request.run.mode = PrintMode::Run;
        const QImage image =
            SheetPageImage::render(page, request, startUpArtwork(), 0, PixelsPerMm);
        QCOMPARE(image.size(), (page.paperSizeMm * PixelsPerMm).toSize());
        QCOMPARE(qGray(image.pixel(1, 1)) == 255, !margins);
        const QPointF frameCorner = page.printableAreaMm.topLeft() + QPointF(10 + 2, 4 + 2);
        QVERIFY(inkNear(image, frameCorner));
        QVERIFY(!inkNear(image, frameCorner - QPointF(1.5, 1.5)));
    }

    // The positions earlier jobs used are shaded, what the job prints over them showing
    // through; the others are left as printed.
    void usedPositionsShaded()
    {
        PrintRequest request;
        request.run.copyCount = 2; // positions 1 and 2
        const PageGeometry page = PageGeometry::a4Portrait();
        const QImage plain =
            SheetPageImage::render(page, request, startUpArtwork(), 0, PixelsPerMm);
        const QImage shaded =
            SheetPageImage::render(page, request, startUpArtwork(), 0, PixelsPerMm,
                                   UsedPositions::fromStoredForm(u"2,3"_s));
        for (int position = 1; position <= 4; ++position) {
            const QPoint inside =
                ((SheetGeometry::labelOrigin(position, request.layout.sheetSpacing) +
                  QPointF(45, 40)) *
                 PixelsPerMm)
                    .toPoint();
            QCOMPARE(qGray(shaded.pixel(inside)) < qGray(plain.pixel(inside)),
                     position == 2 || position == 3);
        }
    }

    // The window shows at once and answers while its page is drawn; the page comes once
    // drawn, fitted to the window, and again at a new size when the window is resized.
    void pageDrawnOffTheWindowThreadAndFitted()
    {
        auto hold = std::make_unique<PoolHold>();
        SheetPreviewDialog preview(startUpArtwork(), PrintRequest());
        QSignalSpy shown(&preview, &SheetPreviewDialog::pageShown);
        preview.setPage(PageGeometry::a4Portrait());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        auto *view = preview.findChild<SheetPageView *>(u"pageView"_s);
        QVERIFY(!view->hasPicture());
        hold.reset();
        QTRY_COMPARE(shown.size(), 1);
        QVERIFY(view->hasPicture());
        const int before = pageWidthShown(view);
        preview.resize(preview.size() * 3 / 2);
        QTRY_COMPARE(shown.size(), 2);
        QVERIFY(pageWidthShown(view) > before * 5 / 4);
    }

    // One page needs no turning; F1 asks for the help; every control is named.
    void onePageWindow()
    {
        SheetPreviewDialog preview(startUpArtwork(), PrintRequest());
        preview.setPage(PageGeometry::a4Portrait());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(preview.windowTitle(), u"Aperçu de la feuille"_s);
        QCOMPARE(preview.pageCount(), 1);
        for (const char *turning : {"previousPageButton", "nextPageButton", "pageCaption"})
            QVERIFY(!preview.findChild<QWidget *>(QLatin1String(turning))->isVisible());
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 0);
        QSignalSpy help(&preview, &SheetPreviewDialog::helpRequested);
        QTest::keyClick(&preview, Qt::Key_F1);
        QCOMPARE(help.size(), 1);
        const QStringList nameless = Accessibility::namelessControls(&preview);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u'\n')));
    }

    // Distances that put a label off the printable area refuse the job: the preview says so.
    void labelOffThePageIsReported()
    {
        PrintRequest request;
        request.layout.setDistance(SheetDistance::LeftMargin, 400);
        SheetPreviewDialog preview(startUpArtwork(), request);
        preview.setPage(PageGeometry::a4Portrait());
        auto *warning = preview.findChild<QLabel *>(u"offPageWarning"_s);
        QVERIFY(!warning->isHidden());
        QVERIFY(warning->text().startsWith(u"L'étiquette N° 1 sort de la zone imprimable"_s));
    }
};

QTEST_MAIN(TestSheetPreview)
#include "tst_sheetpreview.moc"
