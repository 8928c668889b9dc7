// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Editing the zones in the main window: selection, typing, the modified rule, alignment,
// font and colour, and how a zone display draws its text.
#include "DocumentQuestions.h"
#include "MainWindowHarness.h"
#include "TestFiles.h"

#include "label/ColorValue.h"
#include "label/LabelFile.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QImage>
#include <QProcess>
#include <QToolTip>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FontChoice)

namespace {

// The columns of image that hold at least one pixel of color.
QList<int> columnsWithColor(const QImage &image, QColor color)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - color.red()) < 60 && qAbs(pixel.green() - color.green()) < 60 &&
                qAbs(pixel.blue() - color.blue()) < 60) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

int lowestRowDifferentFrom(const QImage &image, QColor background)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                return y;
        }
    }
    return -1;
}

} // namespace

// An edit made in the main window, as a user makes it.
using Edit = std::function<void(MainWindowHarness &)>;
Q_DECLARE_METATYPE(Edit)

class TestMainWindowZones : public QObject
{
    Q_OBJECT

private slots:
    void typingGoesToTheSelectedZoneOnly_data()
    {
        QTest::addColumn<int>("zone");
        for (int zone = 1; zone <= 3; ++zone)
            QTest::addRow("zone %d", zone) << zone;
    }

    void typingGoesToTheSelectedZoneOnly()
    {
        QFETCH(int, zone);
        MainWindowHarness h;
        h.clickZone(zone);
        QCOMPARE(zoneNumber(h.state.label.selectedZone), zone);
        QStringList backs = {u"ffffff"_s, u"ffffff"_s, u"ffffff"_s};
        backs[zone - 1] = u"c0c0c0"_s;
        QCOMPARE(h.selectionShown(),
                 (QStringList{backs.join(u' '), u"Edition du texte zone %1"_s.arg(zone),
                              u"Aligner texte %1"_s.arg(zone), u"alignmentOption1"_s, QString()}));
        h.keys(u"Disque é€"_s);
        for (int other = 1; other <= 3; ++other)
            QCOMPARE(h.zone(other).text, other == zone ? u"Disque é€"_s : QString());
    }

    void selectingAZoneShowsItsText()
    {
        MainWindowHarness h;
        h.clickZone(2);
        h.keys(u"deux"_s);
        h.clickZone(3);
        QVERIFY(h.text1()->text().isEmpty());
        h.keys(u"trois"_s);
        h.clickZone(2);
        QCOMPARE(h.text1()->text(), u"deux"_s);
        h.keys(u"!"_s);
        QCOMPARE(h.zone(2).text, u"deux!"_s);
        QCOMPARE(h.zone(3).text, u"trois"_s);
    }

    void enterBreaksTheLineWithCrLf()
    {
        MainWindowHarness h;
        h.keys(u"ab\ncd"_s);
        QCOMPARE(h.zone(1).text, u"ab\r\ncd"_s);
        QTest::keyClick(h.text1(), Qt::Key_Return, Qt::ShiftModifier);
        h.keys(u"e"_s);
        QCOMPARE(h.zone(1).text, u"ab\r\ncd\r\ne"_s);
    }

    void noLineLimitWhileEditing()
    {
        MainWindowHarness h;
        h.keys(u"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16"_s);
        QCOMPARE(h.zone(1).text.count(u"\r\n"_s), 15);
        QVERIFY(h.msgBoxes.calls().isEmpty());
        // Only splitting for printing refuses it.
        h.msgBoxes.expect(errorBox(u"Nombre de lignes de texte trop important !"_s));
        QVERIFY(!h.form->printedArtwork());
        QVERIFY(h.msgBoxes.allSeen());
    }

    // Against the label as it was opened: every property the file keeps counts, and going
    // back to the opened value is no modification.
    void modifiedRule_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<Edit>("edit");
        const auto row = [](const char *name, bool modified, const Edit &edit) {
            QTest::newRow(name) << modified << edit;
        };
        const auto font = [](const FontChoice &choice) {
            return [choice](MainWindowHarness &h) { h.runAnswering("fontButton", choice); };
        };
        const auto colour = [](const QList<ColorValue> &colours) {
            return [colours](MainWindowHarness &h) {
                for (ColorValue c : colours)
                    h.runAnswering("colorButton", c);
            };
        };
        const QString picture = QFINDTESTDATA("../platform/data/quad.png");
        const auto loadPicture = [picture](MainWindowHarness &h) {
            h.runAnswering("pictureButton", picture);
        };
        const auto removePicture = [](MainWindowHarness &h) {
            h.button("clearPictureButton")->click();
        };

        row("a letter in an empty zone", true, [](MainWindowHarness &h) { h.keys(u"x"_s); });
        row("a letter typed and deleted", false, [](MainWindowHarness &h) {
            h.keys(u"x"_s);
            QTest::keyClick(h.text1(), Qt::Key_Backspace);
            QCOMPARE(h.zone(1).text, QString());
        });
        row("blanks are text too", true, [](MainWindowHarness &h) { h.keys(u"  "_s); });
        row("an opened zone emptied", true, [](MainWindowHarness &h) {
            h.clickZone(2);
            h.type(QString());
        });
        row("selecting a zone that holds text", false, [](MainWindowHarness &h) {
            h.clickZone(2);
            h.clickZone(1);
            h.clickZone(2);
            QCOMPARE(h.text1()->text(), u"déjà là"_s);
        });
        row("alignment", true, [](MainWindowHarness &h) { h.alignmentOption(2)->click(); });
        row("alignment and back", false, [](MainWindowHarness &h) {
            h.alignmentOption(2)->click();
            h.alignmentOption(0)->click();
        });
        row("font name", true, font({u"Liberation Serif"_s, 8.25f}));
        row("font size", true, font({u"Arial"_s, 14}));
        row("bold", true, font({u"Arial"_s, 8.25f, true}));
        row("italic", true, font({u"Arial"_s, 8.25f, false, true}));
        row("the same font chosen", false, font({u"Arial"_s, 8.25f}));
        row("colour", true, colour({255}));
        row("colour and back", false, colour({255, 0}));
        row("picture", true, loadPicture);
        row("no picture removed", false, removePicture);
        row("picture loaded and removed", false, [=](MainWindowHarness &h) {
            loadPicture(h);
            removePicture(h);
        });
    }

    void modifiedRule()
    {
        QFETCH(bool, modified);
        QFETCH(Edit, edit);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"texte.eti"_s);
        MainWindowHarness h;
        // An opened label with text in zone 2.
        h.clickZone(2);
        h.keys(u"déjà là"_s);
        h.clickZone(1);
        h.runAnswering("saveAsAction", path);
        QVERIFY(!h.form->isModified());
        h.runAnswering("openAction", path);
        QVERIFY(!h.form->isModified());
        edit(h);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.form->isModified(), modified);
        // Kept in the same step, by the same rule: a copy is due exactly while modified.
        QCOMPARE(h.recovery()->isWritePending(), modified);
    }

    // The alignment stored in a zone, from the option button that sets it.
    void alignmentOptions_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("Gauche") << 0;
        QTest::newRow("Droite") << 1;
        QTest::newRow("Centre") << 2;
    }

    void alignmentOptions()
    {
        QFETCH(int, alignment);
        MainWindowHarness h;
        h.clickZone(3);
        h.alignmentOption(alignment)->click();
        QCOMPARE(h.zone(3).style.alignment, ZoneAlignment(alignment));
        QCOMPARE(h.zone(1).style.alignment, ZoneAlignment::Left);
        QCOMPARE(h.zone(2).style.alignment, ZoneAlignment::Left);
        // Selecting another zone shows its own alignment, selecting this one again shows this.
        h.clickZone(2);
        QCOMPARE(h.selectionShown().at(3), u"alignmentOption1"_s);
        h.clickZone(3);
        QCOMPARE(h.selectionShown().at(3), h.alignmentOption(alignment)->objectName());
        QCOMPARE(h.zone(3).style.alignment, ZoneAlignment(alignment));
        QCOMPARE(h.form->isModified(), ZoneAlignment(alignment) != ZoneAlignment::Left);
    }

    void fontDialog_data()
    {
        QTest::addColumn<ScriptedDialogs::Answer>("answer");
        QTest::addColumn<FontChoice>("expected");
        const FontChoice given{u"Arial"_s, 8.25f, false, true};
        const FontChoice chosen{u"Liberation Serif"_s, 12, true, false};
        QTest::newRow("chosen") << ScriptedDialogs::Answer(chosen) << chosen;
        QTest::newRow("cancelled") << ScriptedDialogs::Answer(ScriptedDialogs::Cancel{}) << given;
    }

    void fontDialog()
    {
        QFETCH(ScriptedDialogs::Answer, answer);
        QFETCH(FontChoice, expected);
        MainWindowHarness h;
        h.clickZone(2);
        // A first choice makes the zone italic; the second dialog must be given that.
        h.runAnswering("fontButton", FontChoice{u"Arial"_s, 8.25f, false, true});
        h.runAnswering("fontButton", answer);
        QCOMPARE(h.dialogs->shown().size(), 2);
        const ScriptedDialogs::Shown &shown = h.dialogs->shown().last();
        QCOMPARE(shown.kind, ScriptedDialogs::Kind::Font);
        QCOMPARE(shown.font.name, u"Arial"_s);
        QCOMPARE(shown.font.size, 8.25f);
        QVERIFY(!shown.font.bold && shown.font.italic);
        const TextZone &zone = h.zone(2);
        QCOMPARE(std::tuple(zone.style.fontFamily, zone.style.pointSize, zone.style.bold,
                            zone.style.italic),
                 std::tuple(expected.name, expected.size, expected.bold, expected.italic));
        QCOMPARE(h.zone(1).style.fontFamily, u"Arial"_s);
        // The edit box keeps its own font.
        QCOMPARE(h.text1()->font().family(), u"Arial"_s);
    }

    void colourDialog_data()
    {
        QTest::addColumn<ScriptedDialogs::Answer>("answer");
        QTest::addColumn<int>("expected");
        QTest::newRow("chosen") << ScriptedDialogs::Answer(ColorValue(16711680)) << 16711680;
        QTest::newRow("cancelled")
            << ScriptedDialogs::Answer(ScriptedDialogs::Cancel{}) << int(WindowTextColor);
    }

    void colourDialog()
    {
        QFETCH(ScriptedDialogs::Answer, answer);
        QFETCH(int, expected);
        MainWindowHarness h;
        h.clickZone(3);
        h.runAnswering("colorButton", answer);
        QCOMPARE(h.dialogs->shown().size(), 1);
        QCOMPARE(h.dialogs->shown().first().kind, ScriptedDialogs::Kind::Color);
        QCOMPARE(h.dialogs->shown().first().color, WindowTextColor);
        QCOMPARE(h.zone(3).style.color, expected);
        QCOMPARE(h.zone(2).style.color, WindowTextColor);
    }

    void editBoxRefusesWhatALabelFileCannotHold_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("French letters") << u"Été, œuvre à 5 €"_s << u"Été, œuvre à 5 €"_s;
        QTest::newRow("ideograph") << u"a\u4E2Db"_s << u"ab"_s;
        QTest::newRow("Greek letter") << u"π=3"_s << u"=3"_s;
        QTest::newRow("emoji") << u"ok\U0001F600!"_s << u"ok!"_s;
    }

    void editBoxRefusesWhatALabelFileCannotHold()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QTemporaryDir folder;
        MainWindowHarness h;
        h.keys(typed);
        QCOMPARE(h.zone(1).text, kept);
        // Whatever was typed can be saved.
        LabelDocument document = h.form->document();
        QVERIFY(LabelFile::save(folder.filePath(u"x.eti"_s), document));
    }

    void pastedTextKeepsOnlyWhatCanBeSaved()
    {
        MainWindowHarness h;
        h.clickZone(2);
        QApplication::clipboard()->setText(u"Lot \u2603 1\r\nDisque\u00A02\rfin"_s);
        QTest::keyClick(h.text1(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.zone(2).text, u"Lot  1\r\nDisque\u00A02\r\nfin"_s);
    }

    void displayDrawsTheAlignment_data() { alignmentOptions_data(); }

    // Zone 2 is 68 mm wide; a short red word sits in the left, right or middle third.
    void displayDrawsTheAlignment()
    {
        QFETCH(int, alignment);
        MainWindowHarness h;
        h.clickZone(2);
        h.keys(u"Mot"_s);
        h.runAnswering("colorButton", ColorValue(255));
        h.alignmentOption(alignment)->click();
        const QImage image = h.zoneDisplay(2)->grab().toImage();
        const QList<int> red = columnsWithColor(image, Qt::red);
        QVERIFY(!red.isEmpty());
        const auto thirdOf = [&](int x) { return 3 * x / image.width(); };
        const int expectedThird = alignment == 0 ? 0 : alignment == 1 ? 2 : 1;
        QCOMPARE(thirdOf(red.first()), expectedThird);
        QCOMPARE(thirdOf(red.last()), expectedThird);
        // The grey of the selected zone is the background.
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0xC0, 0xC0, 0xC0));
    }

    void displayWrapsAtWordsAndCutsAtTheBottom()
    {
        MainWindowHarness h;
        h.clickZone(3); // 6.6 mm high: room for one line of 8.25 points
        h.keys(u"un"_s);
        const QImage oneWord = h.zoneDisplay(3)->grab().toImage();
        const int oneLineBottom = lowestRowDifferentFrom(oneWord, QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(oneLineBottom > 0);
        h.type(QString(u"mot "_s).repeated(40));
        const QImage wrapped = h.zoneDisplay(3)->grab().toImage();
        // The words go on below the first line, down to the edge where they are cut.
        QVERIFY(lowestRowDifferentFrom(wrapped, QColor(0xC0, 0xC0, 0xC0)) > oneLineBottom);
        // Wrapping happens between words: no line is wider than the zone.
        QVERIFY(columnsWithColor(wrapped, Qt::black).last() < wrapped.width() - 1);
    }

    void cutTextIsMarked_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        QTest::newRow("fits") << 2 << u"Sauvegarde du 12 mars"_s << false;
        QTest::newRow("words below the bottom") << 3 << u"mot "_s.repeated(40) << true;
        QTest::newRow("word wider than the zone") << 2 << QString(200, u'W') << true;
    }

    // Marked in its corner, and its tooltip says so, before anything is printed.
    void cutTextIsMarked()
    {
        QFETCH(int, zone);
        QFETCH(QString, text);
        QFETCH(bool, cut);
        MainWindowHarness h;
        h.clickZone(zone);
        h.type(text);
        ZoneDisplay *display = h.zoneDisplay(zone);
        const QImage image = display->grab().toImage();
        QCOMPARE(display->isTextCut(), cut);
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2) == QColor(Qt::red), cut);
        QHelpEvent tip(QEvent::ToolTip, display->rect().center(),
                       display->mapToGlobal(display->rect().center()));
        QApplication::sendEvent(display, &tip);
        QCOMPARE(QToolTip::text() == u"Le texte dépasse de la zone"_s, cut);
        QToolTip::hideText();
    }

    // The file format bounds no line: one of a million characters with nowhere to break it
    // is shown, edited and saved whole.
    void millionCharacterLineSavesUnchanged()
    {
        QTemporaryDir folder;
        const QString label = folder.filePath(u"longue.eti"_s);
        QCOMPARE(QProcess::execute(u"bash"_s,
                                   {QFINDTESTDATA("../label/make-long-line-label.sh"), label}),
                 0);
        MainWindowHarness h;
        h.form->show();
        h.runAnswering("openAction", label);
        QCOMPARE(h.zone(1).text, QString(1000000, u'W'));
        QCOMPARE(h.text1()->text(), h.zone(1).text);
        QVERIFY(!columnsWithColor(h.zoneDisplay(1)->grab().toImage(), Qt::black).isEmpty());
        const QString saved = folder.filePath(u"copie.eti"_s);
        h.runAnswering("saveAsAction", saved);
        QCOMPARE(fileBytes(saved), fileBytes(label));
        // And the line goes as cheaply as it came.
        h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::OK);
        h.action("newAction")->trigger();
        QCOMPARE(h.text1()->text(), QString());
        QVERIFY(h.msgBoxes.allSeen());
    }
};

QTEST_MAIN(TestMainWindowZones)
#include "tst_mainwindow_zones.moc"
