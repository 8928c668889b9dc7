// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows show their drawings as the build rendered them: pixel for pixel what Qt's SVG
// icon engine draws, in each mode. The main window draws them without that engine.
#include "MainWindowHarness.h"
#include "MappedFiles.h"

#include "windows/shared/WindowResources.h"

using namespace Qt::StringLiterals;

namespace {

const char *const Drawings[] = {"nouveau", "ouvrir",  "enregistrer", "enregistrer-sous",
                                "apercu",  "imprimer", "police",      "couleur",
                                "icone",   "visualiser", "aide",      "apropos",
                                "quitter", "don",     "annuler",     "korvalin",
                                "floppy"};

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    // First, while no SVG has been drawn in this process.
    void mainWindowDrawsWithoutTheSvgEngine()
    {
        MainWindowHarness h;
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        QVERIFY(!h.form->grab().isNull()); // paints every widget, toolbar and disk included
        QVERIFY(!isMapped("/libqsvgicon.so"));
        // The disk at 96 dpi, as the main window draws it there.
        QVERIFY(WindowResources::floppy().availableSizes().contains(QSize(351, 351)));
    }

    void renderedAsTheSvgEngineDraws_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QSize>("size");
        for (const char *drawing : Drawings) {
            const QList<QSize> sizes = WindowResources::icon(QLatin1String(drawing)).availableSizes();
            for (const QSize &size : sizes)
                QTest::addRow("%s-%d", drawing, size.width()) << QString::fromLatin1(drawing) << size;
            // A size the build did not render is drawn from the SVG file.
            QTest::addRow("%s-20", drawing) << QString::fromLatin1(drawing) << QSize(20, 20);
        }
    }

    void renderedAsTheSvgEngineDraws()
    {
        QFETCH(QString, drawing);
        QFETCH(QSize, size);
        const QIcon shown = WindowResources::icon(drawing);
        const QIcon vector(u":/windows/"_s + drawing + u".svg"_s);
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QImage image = shown.pixmap(size, 1.0, mode).toImage();
            QCOMPARE(image.size(), size);
            QCOMPARE(image, vector.pixmap(size, 1.0, mode).toImage());
        }
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
