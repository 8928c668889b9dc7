#include "PdfText.h"

#include "label/ZoneLines.h"
#include "platform/LabelFonts.h"
#include "print/LabelOutput.h"
#include "windows/ZoneDisplay.h"

#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

// The faces drawn for the names label files carry, and the same face on the screen and
// on the page.
namespace {

// The fonts of the page a single label prints on, as a PDF reader finds them.
QStringList pageFonts(LabelArtwork artwork)
{
    Module1 state;
    state.PrintSingleMode = 1;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("police.pdf"));
    if (!ZoneLines::split(artwork.zones, state) ||
        LabelOutput::writePdf(pdf, state, artwork) != PdfFileResult::Written)
        return {};
    QStringList fonts = readPdfFonts(pdf);
    fonts.sort();
    return fonts;
}

} // namespace

class TestLabelFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void namesDrawTheirStandIns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("Arial") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
        QTest::newRow("Times New Roman")
            << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
        QTest::newRow("Courier New")
            << QStringLiteral("Courier New") << QStringLiteral("Liberation Mono");
        QTest::newRow("MS Sans Serif")
            << QStringLiteral("MS Sans Serif") << QStringLiteral("Liberation Sans");
        QTest::newRow("Comic Sans MS")
            << QStringLiteral("Comic Sans MS") << QStringLiteral("Comic Neue");
        QTest::newRow("a face the machine has")
            << QStringLiteral("DejaVu Serif") << QStringLiteral("DejaVu Serif");
    }

    void namesDrawTheirStandIns()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QCOMPARE(LabelFonts::drawnFamily(name), family);
        // The font keeps the label's name: only what is drawn is the stand-in.
        QCOMPARE(LabelFonts::font(name, 10, false, false).family(), name);
    }

    void pageDrawsTheScreensFace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("pdfFont");
        QTest::newRow("Arial") << QStringLiteral("Arial") << false << false
                               << QStringLiteral("Liberation Sans")
                               << QStringLiteral("LiberationSans");
        QTest::newRow("Arial bold")
            << QStringLiteral("Arial") << true << false << QStringLiteral("Liberation Sans")
            << QStringLiteral("LiberationSans-Bold");
        QTest::newRow("Arial italic")
            << QStringLiteral("Arial") << false << true << QStringLiteral("Liberation Sans")
            << QStringLiteral("LiberationSans-Italic");
        QTest::newRow("Times New Roman bold italic")
            << QStringLiteral("Times New Roman") << true << true
            << QStringLiteral("Liberation Serif") << QStringLiteral("LiberationSerif-BoldItalic");
        QTest::newRow("Courier New italic")
            << QStringLiteral("Courier New") << false << true << QStringLiteral("Liberation Mono")
            << QStringLiteral("LiberationMono-Italic");
        QTest::newRow("MS Sans Serif bold")
            << QStringLiteral("MS Sans Serif") << true << false << QStringLiteral("Liberation Sans")
            << QStringLiteral("LiberationSans-Bold");
        QTest::newRow("Comic Sans MS")
            << QStringLiteral("Comic Sans MS") << false << false << QStringLiteral("Comic Neue")
            << QStringLiteral("ComicNeue-Regular");
    }

    void pageDrawsTheScreensFace()
    {
        QFETCH(QString, name);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, family);
        QFETCH(QString, pdfFont);
        LabelArtwork artwork;
        artwork.zones = startUpZones();
        TextZone &zone = artwork.zones[0];
        zone.Caption = QStringLiteral("Disquette");
        zone.FontName = name;
        zone.FontSize = 12;
        zone.FontBold = bold;
        zone.FontItalic = italic;
        const QFontInfo screen(ZoneDisplay::fontOf(zone));
        QCOMPARE(screen.family(), family);
        QCOMPARE(screen.bold(), bold);
        QCOMPARE(screen.italic(), italic);
        QCOMPARE(pageFonts(artwork), QStringList{pdfFont});
    }

    void eachZoneKeepsItsOwnStyleOnThePage()
    {
        LabelArtwork artwork;
        artwork.zones = startUpZones();
        const struct
        {
            const char *name;
            bool bold, italic;
        } styles[3] = {
            {"Arial", true, false}, {"Arial", false, true}, {"Times New Roman", false, false}};
        for (int i = 0; i < 3; ++i) {
            TextZone &zone = artwork.zones[std::size_t(i)];
            zone.Caption = QStringLiteral("Zone %1").arg(i + 1);
            zone.FontName = QLatin1String(styles[i].name);
            zone.FontBold = styles[i].bold;
            zone.FontItalic = styles[i].italic;
        }
        QCOMPARE(pageFonts(artwork), (QStringList{QStringLiteral("LiberationSans-Bold"),
                                                  QStringLiteral("LiberationSans-Italic"),
                                                  QStringLiteral("LiberationSerif")}));
    }
};

QTEST_MAIN(TestLabelFonts)
#include "tst_labelfonts.moc"
