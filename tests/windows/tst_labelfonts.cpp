// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfText.h"

#include "label/ZoneLines.h"
#include "platform/LabelFonts.h"
#include "print/LabelOutput.h"
#include "windows/shared/ZoneDisplay.h"

#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace Qt::StringLiterals;

// The faces drawn for the names label files carry, the same on the screen and on the page.
namespace {

// The fonts of the page a single label prints on, as a PDF reader finds them.
QStringList pageFonts(const LabelDocument &document)
{
    PrintRequest request;
    request.run.mode = PrintMode::SingleLabel;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"police.pdf"_s);
    const std::optional<LabelArtwork> artwork = LabelArtwork::of(document);
    if (!artwork || LabelOutput::writePdf(pdf, request, *artwork).result != PrintResult::Printed)
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
        const auto row = [](const char *name, const char *family) {
            QTest::newRow(name) << name << family;
        };
        row("Arial", "Liberation Sans");
        row("Times New Roman", "Liberation Serif");
        row("Courier New", "Liberation Mono");
        row("MS Sans Serif", "Liberation Sans");
        row("Comic Sans MS", "Comic Neue");
        QTest::newRow("a face the machine has") << u"DejaVu Serif"_s << u"DejaVu Serif"_s;
    }

    void namesDrawTheirStandIns()
    {
        QFETCH(QString, name);
        QTEST(LabelFonts::drawnFamily(name), "family");
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
        const auto row = [](const char *rowName, const char *name, bool bold, bool italic,
                            const char *family, const char *pdfFont) {
            QTest::newRow(rowName) << name << bold << italic << family << pdfFont;
        };
        row("Arial", "Arial", false, false, "Liberation Sans", "LiberationSans");
        row("Arial bold", "Arial", true, false, "Liberation Sans", "LiberationSans-Bold");
        row("Arial italic", "Arial", false, true, "Liberation Sans", "LiberationSans-Italic");
        row("Times New Roman bold italic", "Times New Roman", true, true, "Liberation Serif",
            "LiberationSerif-BoldItalic");
        row("Courier New italic", "Courier New", false, true, "Liberation Mono",
            "LiberationMono-Italic");
        row("MS Sans Serif bold", "MS Sans Serif", true, false, "Liberation Sans",
            "LiberationSans-Bold");
        row("Comic Sans MS", "Comic Sans MS", false, false, "Comic Neue", "ComicNeue-Regular");
    }

    void pageDrawsTheScreensFace()
    {
        QFETCH(QString, name);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, pdfFont);
        LabelDocument document = LabelDocument::startUp();
        TextZone &zone = document.zones[ZoneId::First];
        zone.text = u"Disquette"_s;
        zone.style.fontFamily = name;
        zone.style.pointSize = 12;
        zone.style.bold = bold;
        zone.style.italic = italic;
        const QFontInfo screen(ZoneDisplay::fontOf(zone));
        QTEST(screen.family(), "family");
        QCOMPARE(std::pair(screen.bold(), screen.italic()), std::pair(bold, italic));
        QCOMPARE(pageFonts(document), QStringList{pdfFont});
    }

    void eachZoneKeepsItsOwnStyleOnThePage()
    {
        LabelDocument document = LabelDocument::startUp();
        const std::tuple<QString, bool, bool> styles[3] = {{u"Arial"_s, true, false},
                                                           {u"Arial"_s, false, true},
                                                           {u"Times New Roman"_s, false, false}};
        for (ZoneId id : AllZones) {
            TextZone &zone = document.zones[id];
            zone.text = u"Zone %1"_s.arg(zoneNumber(id));
            std::tie(zone.style.fontFamily, zone.style.bold, zone.style.italic) =
                styles[std::size_t(id)];
        }
        QCOMPARE(pageFonts(document),
                 (QStringList{u"LiberationSans-Bold"_s, u"LiberationSans-Italic"_s,
                              u"LiberationSerif"_s}));
    }
};

QTEST_MAIN(TestLabelFonts)
#include "tst_labelfonts.moc"
