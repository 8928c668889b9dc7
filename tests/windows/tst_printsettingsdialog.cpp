// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print settings window: how its controls follow the shared state and each other.
#include "Accessibility.h"
#include "PrintSettingsHarness.h"
#include "TestFiles.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const MsgBoxCall TooManyCopies = errorBox(u"Nombre maximum d'étiquettes identiques = 10"_s);

QString startTooltip(int startLabel)
{
    return u"A partir de l'étiquette N° "_s + QString::number(startLabel);
}
QString printRunCaption(int copies)
{
    return u"&Imprimer "_s + QString::number(copies) + u" étiquettes"_s;
}
QString printOneCaption(int position)
{
    return u"&Imprimer l'étiquette N°  "_s + QString::number(position);
}

QStringList words(const QString &blankSeparated)
{
    return blankSeparated.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Clicks a spinner's lower arrow, or its upper one, at the ends of its vertical bar.
void clickArrow(Spinner *spinner, bool lower)
{
    const int y = lower ? spinner->height() - 2 : 2;
    QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier, QPoint(spinner->width() / 2, y));
}

// The window opened on a run or on one label, and what its print button then says.
struct Opening
{
    int singleMode, singlePosition, startLabel, autoIncrementBox, diskNumber;
    QString caption;
    bool printable;
};

// A count typed into the copies or the start position box, from a start position and a
// number of copies; the two limits of a run cut it back.
struct Typing
{
    QString box;
    int startBefore, copiesBefore;
    QString typed;
    QList<MsgBoxCall> messages;
    int start, copies;
    QString copiesShown;
    bool printable;
};

} // namespace

class TestPrintSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opening_data()
    {
        QTest::addColumn<Opening>("row");
        const QString run = printRunCaption(10);
        QTest::newRow("run at start-up") << Opening{0, 0, 1, 0, 1, run, true};
        QTest::newRow("run with no start position") << Opening{0, 0, 0, 0, 1, run, false};
        QTest::newRow("numbered run without a disk number") << Opening{0, 0, 1, 1, 0, run, false};
        QTest::newRow("numbered run") << Opening{0, 0, 1, 1, 5, run, true};
        QTest::newRow("single label, none chosen")
            << Opening{1, 0, 1, 0, 1, printOneCaption(0), false};
        QTest::newRow("single label at 7") << Opening{1, 7, 1, 0, 1, printOneCaption(7), true};
    }

    void opening()
    {
        QFETCH(Opening, row);
        PrintSettingsHarness h;
        h.state.run.mode = PrintMode(row.singleMode);
        h.state.run.singlePosition = row.singlePosition;
        h.state.run.startPosition = row.startLabel;
        h.state.numberingTicked = row.autoIncrementBox != 0;
        h.state.run.nextDiskNumber = row.diskNumber;
        h.open();

        QCOMPARE(h.form->windowTitle(), u"Paramétrage de l'impression DEFAUT"_s);
        QCOMPARE(h.button("printLabelsButton")->text(), row.caption);
        QCOMPARE(h.button("printLabelsButton")->isEnabled(), row.printable);
        const bool run = row.singleMode == 0;
        const bool numbered = row.autoIncrementBox == 1;
        // Run option and group, single label option and hint, numbering box, group and tick.
        QCOMPARE(std::tuple(h.button("runOption")->isChecked(), h.shown("runGroup"),
                            h.button("singleLabelOption")->isChecked(), h.shown("chooseTileHint"),
                            h.tile(1)->isEnabled()),
                 std::tuple(run, run, !run, !run, !run));
        QCOMPARE(std::tuple(h.shown("autoNumberingCheck"), h.shown("numberingGroup"),
                            h.button("autoNumberingCheck")->isChecked()),
                 std::tuple(run, run && numbered, numbered));
        QCOMPARE(h.switches(), std::tuple(true, true, true, true));
        QCOMPARE(h.distances(), u"10|10|4|4"_s);
        QCOMPARE(h.box("copyCountEdit")->text(), u"10"_s);
        QCOMPARE(h.box("startPositionEdit")->text(), QString::number(row.startLabel));
        QCOMPARE(h.box("startPositionEdit")->toolTip(), startTooltip(row.startLabel));
        // An unchosen numbering style becomes "X" once the window is shown.
        QCOMPARE(h.choices().run.numberingStyle, NumberingStyle::Number);
        QVERIFY(h.button("numberStyleOption")->isChecked());
        QVERIFY(h.msgBoxes.allSeen());
    }

    void typing_data()
    {
        QTest::addColumn<Typing>("row");
        const QList<MsgBoxCall> none;
        const auto copiesRow = [](const char *name, int startBefore, const QString &typed,
                                  const QList<MsgBoxCall> &messages, int copies) {
            const QString shown = typed.isEmpty() ? QString() : QString::number(copies);
            QTest::newRow(name) << Typing{u"copyCountEdit"_s, startBefore, 11 - startBefore, typed,
                                          messages,           startBefore, copies,           shown,
                                          !typed.isEmpty()};
        };
        copiesRow("copies: 12 is cut to 10", 1, u"12"_s, {TooManyCopies}, 10);
        copiesRow("copies: emptied", 1, QString(), none, 0);
        copiesRow("copies: one copy", 1, u"1"_s, none, 1);
        copiesRow("copies: past the sheet's end from 7", 7, u"10"_s,
                  {pastSheetEndWarning(" 4", " 7")}, 4);
        copiesRow("copies: 12 from 7, both limits", 7, u"12"_s,
                  {TooManyCopies, pastSheetEndWarning(" 4", " 7")}, 4);
        const auto startRow = [](const char *name, int copiesBefore, const QString &typed,
                                 const QList<MsgBoxCall> &messages, int start, int copies) {
            QTest::newRow(name) << Typing{
                u"startPositionEdit"_s,  1,         copiesBefore, typed, messages, start, copies,
                QString::number(copies), start != 0};
        };
        startRow("start: 7 with 10 copies", 10, u"7"_s, {pastSheetEndWarning(" 4", " 7")}, 7, 4);
        startRow("start: 10 with 1 copy", 1, u"10"_s, none, 10, 1);
        // "1" is typed first, then "12" goes back to the last position.
        startRow("start: 12 with 10 copies", 10, u"12"_s, {pastSheetEndWarning(" 1", " 10")}, 10,
                 1);
        startRow("start: emptied", 10, QString(), none, 0, 10);
    }

    void typing()
    {
        QFETCH(Typing, row);
        PrintSettingsHarness h;
        h.state.run.startPosition = row.startBefore;
        h.state.run.copyCount = row.copiesBefore;
        h.open();
        h.expect(row.messages);
        h.type(qPrintable(row.box), row.typed);

        QVERIFY(h.msgBoxes.allSeen());
        // The start position and the count as stored, then as their spinners hold them.
        QCOMPARE(std::pair(h.choices().run.startPosition, h.choices().run.copyCount),
                 std::pair(row.start, row.copies));
        QCOMPARE(std::pair(h.spinner("startPositionSpinner")->value(),
                           h.spinner("copyCountSpinner")->value()),
                 std::pair(row.start, row.copies));
        QCOMPARE(h.box("copyCountEdit")->text(), row.copiesShown);
        QCOMPARE(h.button("printLabelsButton")->isEnabled(), row.printable);
        QCOMPARE(h.button("runOption")->text(),
                 QString::number(row.copies) + u" Etiquettes identiques"_s);
        QCOMPARE(h.button("printLabelsButton")->text(), printRunCaption(row.copies));
        QCOMPARE(h.box("startPositionEdit")->toolTip(), startTooltip(row.start));
    }

    void spinners_data()
    {
        QTest::addColumn<QString>("field"); // its spinner and its box, "...Spinner", "...Edit"
        QTest::addColumn<int>("steps");     // positive: the lower arrow, negative: the upper one
        QTest::addColumn<QList<MsgBoxCall>>("messages");
        QTest::addColumn<QString>("shown");
        const QList<MsgBoxCall> none;
        QTest::newRow("copies down from 4") << u"copyCount"_s << -1 << none << u"3"_s;
        QTest::newRow("copies past the sheet's end")
            << u"copyCount"_s << 1 << QList{pastSheetEndWarning(" 4", " 7")} << u"4"_s;
        QTest::newRow("start position up to 8")
            << u"startPosition"_s << 1 << QList{pastSheetEndWarning(" 3", " 8")} << u"8"_s;
        QTest::newRow("disk number up") << u"firstDiskNumber"_s << 2 << none << u"11"_s;
    }

    void spinners()
    {
        QFETCH(QString, field);
        QFETCH(int, steps);
        QFETCH(QList<MsgBoxCall>, messages);
        QFETCH(QString, shown);
        PrintSettingsHarness h;
        h.state.run.startPosition = 7;
        h.state.run.copyCount = 4;
        h.state.run.nextDiskNumber = 9;
        h.state.numberingTicked = true;
        h.open();
        h.expect(messages);
        Spinner *s = h.spinner(qPrintable(field + u"Spinner"_s));
        for (int i = 0; i < qAbs(steps); ++i)
            clickArrow(s, steps > 0);

        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.box(qPrintable(field + u"Edit"_s))->text(), shown);
        QCOMPARE(s->value(), shown.toInt());
        const int stored = field == "copyCount"_L1       ? h.choices().run.copyCount
                           : field == "startPosition"_L1 ? h.choices().run.startPosition
                                                         : h.choices().run.nextDiskNumber;
        QCOMPARE(stored, shown.toInt());
    }

    void keyFilters_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("distance: letters and blanks dropped")
            << u"leftMarginEdit"_s << u"a-1 .5x"_s << u"-1.5"_s;
        QTest::newRow("distance: six characters at most")
            << u"columnGapEdit"_s << u"12.34567"_s << u"12.345"_s;
        QTest::newRow("distance: the decimal comma kept")
            << u"topMarginEdit"_s << u"7,25"_s << u"7,25"_s;
        QTest::newRow("count: only digits") << u"startPositionEdit"_s << u"-.a3 "_s << u"3"_s;
        QTest::newRow("disk number: two digits") << u"firstDiskNumberEdit"_s << u"123"_s << u"12"_s;
    }

    void keyFilters()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        PrintSettingsHarness h;
        h.state.numberingTicked = true;
        h.state.run.copyCount = 1;
        h.open();
        KeyFilteredEdit *edit = h.box(qPrintable(box));
        typeInto(edit, typed);
        QCOMPARE(edit->text(), shown);

        // Backspace takes a character away; the paste shortcut is dropped like any control key.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), shown.chopped(1));
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
        QCOMPARE(edit->text(), shown.chopped(1));
        QVERIFY(h.msgBoxes.allSeen());
    }

    void tileOrigins_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("columnGap");
        QTest::addColumn<QPointF>("origin");
        QTest::newRow("tile 10, defaults") << 10 << u"10"_s << u"10"_s << QPointF(90, 220);
        QTest::newRow("tile 1, defaults") << 1 << u"10"_s << u"10"_s << QPointF(10, 4);
        QTest::newRow("tile 2 after typing 7.5 and 5")
            << 2 << u"7.5"_s << u"5"_s << QPointF(82.5, 4);
        QTest::newRow("tile 2 after typing 7,25 and 5")
            << 2 << u"7,25"_s << u"5"_s << QPointF(82.25, 4);
        QTest::newRow("tile 7, negative margin") << 7 << u"-2"_s << u"10"_s << QPointF(-2, 166);
    }

    void tileOrigins()
    {
        QFETCH(int, position);
        QFETCH(QString, left);
        QFETCH(QString, columnGap);
        PrintSettingsHarness h;
        h.state.run.mode = PrintMode::SingleLabel;
        h.open();
        h.type("leftMarginEdit", left);
        h.type("columnGapEdit", columnGap);
        QTest::mouseClick(h.tile(position), Qt::LeftButton);

        QCOMPARE(h.choices().run.singlePosition, position);
        QTEST(h.labelOrigin(), "origin");
        QCOMPARE(h.button("printLabelsButton")->text(), printOneCaption(position));
        QVERIFY(h.button("printLabelsButton")->isEnabled());
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(h.tile(n)->backColor(),
                     n == position ? SheetTile::ChosenBackColor : SheetTile::NormalBackColor);
    }

    void originKeptWhenDistancesChange()
    {
        PrintSettingsHarness h;
        h.state.run.mode = PrintMode::SingleLabel;
        h.open();
        QTest::mouseClick(h.tile(4), Qt::LeftButton);
        h.type("topMarginEdit", u"20"_s);
        QCOMPARE(h.choices().settings.layout.sheetSpacing[1], 20.0);
        // The origin is the one of the click; the next opening places the tile again.
        QCOMPARE(h.labelOrigin(), QPointF(90, 58));
        h.open();
        QCOMPARE(h.labelOrigin(), QPointF(90, 74));
        QCOMPARE(h.tile(4)->backColor(), SheetTile::ChosenBackColor);
    }

    void numbering()
    {
        PrintSettingsHarness h;
        h.open();
        QVERIFY(!h.shown("numberingGroup"));
        h.button("autoNumberingCheck")->click();
        QVERIFY(h.choices().numberingTicked);
        QVERIFY(h.shown("numberingGroup") && h.shown("numberStyleGroup"));
        h.type("firstDiskNumberEdit", QString());
        QCOMPARE(h.choices().run.nextDiskNumber, 0);
        QVERIFY(!h.button("printLabelsButton")->isEnabled());
        h.button("autoNumberingCheck")->click();
        QVERIFY(!h.shown("numberingGroup"));
        QVERIFY(h.button("printLabelsButton")->isEnabled());

        h.button("autoNumberingCheck")->click();
        h.type("firstDiskNumberEdit", u"9"_s);
        QVERIFY(h.button("printLabelsButton")->isEnabled());
        h.button("numberOfTotalStyleOption")->click();
        QCOMPARE(h.choices().run.numberingStyle, NumberingStyle::NumberOfTotal);
        h.button("numberStyleOption")->click();
        QCOMPARE(h.choices().run.numberingStyle, NumberingStyle::Number);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void modesSwitch()
    {
        PrintSettingsHarness h;
        h.state.run.startPosition = 0; // as when the program starts with a label file
        h.state.run.numberingStyle = NumberingStyle::NumberOfTotal;
        h.open();
        QVERIFY(!h.button("printLabelsButton")->isEnabled());
        h.button("singleLabelOption")->click();
        QCOMPARE(h.choices().run.mode, PrintMode::SingleLabel);
        QCOMPARE(h.choices().run.numberingStyle, NumberingStyle::Unchosen);
        QVERIFY(h.tile(3)->isEnabled());
        QTest::mouseClick(h.tile(3), Qt::LeftButton);
        QVERIFY(h.button("printLabelsButton")->isEnabled());

        // Back to a run that has no start position: nothing to print yet.
        h.button("runOption")->click();
        QCOMPARE(h.choices().run.mode, PrintMode::Run);
        QVERIFY(!h.button("printLabelsButton")->isEnabled());
        QVERIFY(!h.tile(3)->isEnabled());
        QCOMPARE(h.choices().run.numberingStyle, NumberingStyle::Number);
        QVERIFY(h.button("numberStyleOption")->isChecked());
        h.type("startPositionEdit", u"1"_s);
        QVERIFY(h.button("printLabelsButton")->isEnabled());
    }

    void listMode()
    {
        PrintSettingsHarness h;
        h.open();
        h.button("listOption")->click();
        QCOMPARE(h.choices().run.mode, PrintMode::List);
        QVERIFY(h.shown("listGroup") && h.shown("startPositionEdit"));
        QVERIFY(!h.shown("copyCountEdit") && !h.tile(8)->isEnabled());
        QVERIFY(!h.button("printLabelsButton")->isEnabled());

        // Pasted as from a spreadsheet, with a title the label file cannot hold.
        auto *list = h.find<QPlainTextEdit>("listEdit");
        list->insertPlainText(u"Jeux\tDisque 1\n\n"_s + u"Titre\n"_s.repeated(12) +
                              u"\u0141\u00f3d\u017a"_s);
        const QLabel *count = h.find<QLabel>("listCountLabel");
        const QString refusal = u"Ligne 15 : Le texte de la zone 1 contient un caractère que le "
                                "fichier ne peut pas coder."_s;
        QTRY_COMPARE(count->text(), refusal);
        QVERIFY(!h.button("printLabelsButton")->isEnabled());

        for (int i = 0; i < 4; ++i)
            QTest::keyClick(list, Qt::Key_Backspace);
        QTest::keyClicks(list, u"Lodz"_s);
        h.type("startPositionEdit", u"8"_s);
        QTRY_COMPARE(count->text(), u"14 étiquettes sur 3 feuilles"_s);
        QVERIFY(h.button("printLabelsButton")->isEnabled());
        QCOMPARE(h.button("printLabelsButton")->text(), u"&Imprimer 14 étiquettes"_s);

        // The window refuses what the list cannot print, without waiting for the count.
        QTest::keyClicks(list, u";\"ouvert"_s);
        h.expect({errorBox(u"Ligne 15 : Un guillemet n'est pas fermé."_s)});
        h.button("printLabelsButton")->click();
        QVERIFY(h.form->isVisible());
        QVERIFY(h.msgBoxes.allSeen());

        // Refused, the list prints once read again.
        QTest::keyClicks(list, u"\""_s);
        QTRY_VERIFY(h.button("printLabelsButton")->isEnabled());
        h.button("printLabelsButton")->click();
        QVERIFY(!h.form->isVisible());
        const PrintRequest request = h.choices().request();
        QCOMPARE(request.list.count(), 14);
        QCOMPARE(request.list.labels.last().texts[ZoneId::Second], u"ouvert"_s);

        // Opened again, the window shows the list it was left with.
        h.open();
        QVERIFY(h.button("listOption")->isChecked());
        QCOMPARE(h.find<QPlainTextEdit>("listEdit")->toPlainText(), h.choices().listText);
        QCOMPARE(h.find<QLabel>("listCountLabel")->text(), u"14 étiquettes sur 3 feuilles"_s);
        QVERIFY(h.button("printLabelsButton")->isEnabled());
    }

    // Saved as UTF-8, loaded from Windows-1252 as an older spreadsheet writes it; the window
    // keeps the file's name for the next print command.
    void listFiles()
    {
        QTemporaryDir dir;
        PrintSettingsHarness h;
        h.open();
        h.button("listOption")->click();
        auto *list = h.find<QPlainTextEdit>("listEdit");
        list->insertPlainText(u"Thé;Café"_s);
        const QString saved = dir.filePath(u"boite.txt"_s);
        h.pressAnswering("saveListButton", saved);
        QCOMPARE(fileBytes(saved), u"Thé;Café"_s.toUtf8());
        QCOMPARE(h.choices().listFileName, saved);

        const QString older = dir.filePath(u"ancienne.csv"_s);
        QVERIFY(writeBytes(older, "Caf\xe9\r\nTh\xe9\r\n"));
        h.pressAnswering("loadListButton", older);
        QCOMPARE(list->toPlainText(), u"Café\nThé\n"_s);
        QCOMPARE(h.find<QLabel>("listCountLabel")->text(), u"2 étiquettes sur 1 feuille"_s);
        QCOMPARE(h.choices().listFileName, older);
        QVERIFY(h.msgBoxes.allSeen());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("framesCopied");
        QTest::addColumn<bool>("autoIncrementCopied");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("print") << "printLabelsButton" << int(QDialog::Accepted) << true << true
                               << false;
        QTest::newRow("cancel") << "cancelButton" << int(QDialog::Rejected) << true << false
                                << true;
        QTest::newRow("escape") << "escape" << int(QDialog::Rejected) << true << false << true;
        QTest::newRow("closed through its frame")
            << "close" << int(QDialog::Rejected) << false << false << false;
    }

    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(bool, framesCopied);
        PrintSettingsHarness h;
        h.open();
        h.button("frameCheck")->click();
        h.button("autoNumberingCheck")->click();
        QTimer::singleShot(0, h.form.get(), [&] {
            if (how == "escape"_L1)
                QTest::keyClick(h.box("copyCountEdit"), Qt::Key_Escape);
            else if (how == "close"_L1)
                h.form->close();
            else
                h.button(qPrintable(how))->click();
        });
        const std::optional<PrintRequest> request = h.form->ask();

        QVERIFY(!h.form->isVisible());
        QTEST(h.form->result(), "result");
        QCOMPARE(h.choices().settings.layout.printFrame, !framesCopied);
        QVERIFY(h.choices().settings.layout.printCutOutline);
        QTEST(h.choices().run.autoNumbering, "autoIncrementCopied");
        QTEST(!request, "cancelled");
        // The numbering box's tick outlives the window in every case.
        QVERIFY(h.choices().numberingTicked);
        h.open();
        QVERIFY(h.button("autoNumberingCheck")->isChecked());
    }

    void preview()
    {
        PrintSettingsHarness h;
        h.open();
        h.button("cutOutlineCheck")->click();
        h.button("autoNumberingCheck")->click();
        bool stillOpen = false;
        QObject::connect(h.form.get(), &PrintSettingsDialog::previewRequested, [&] {
            stillOpen = h.form->isVisible();
            QVERIFY(!h.choices().settings.layout.printCutOutline);
            QVERIFY(h.choices().run.autoNumbering);
        });
        QSignalSpy previews(h.form.get(), &PrintSettingsDialog::previewRequested);
        QSignalSpy setups(h.form.get(), &PrintSettingsDialog::printerSetupRequested);
        h.button("labelPreviewButton")->click();
        QCOMPARE(previews.size(), 1);
        QVERIFY(stillOpen);
        QVERIFY(h.form->isVisible());
        h.button("printerSetupButton")->click();
        QCOMPARE(setups.size(), 1);
        QCOMPARE(previews.size(), 1);
    }

    void diskNumberPastTheSpinner()
    {
        PrintSettingsHarness h;
        h.state.run.nextDiskNumber = 105; // a run carried it past 99
        h.state.numberingTicked = true;
        h.open();
        QCOMPARE(h.box("firstDiskNumberEdit")->text(), u"105"_s);
        QCOMPARE(h.choices().run.nextDiskNumber, 105);
        clickArrow(h.spinner("firstDiskNumberSpinner"), false);
        QCOMPARE(h.choices().run.nextDiskNumber, 104);
        QCOMPARE(h.box("firstDiskNumberEdit")->text(), u"104"_s);
        // Shortened by hand, the box takes two digits again.
        h.type("firstDiskNumberEdit", u"123"_s);
        QCOMPARE(h.box("firstDiskNumberEdit")->text(), u"12"_s);
    }

    void everyControlNamed()
    {
        PrintSettingsHarness h;
        h.state.numberingTicked = true;
        h.open();
        QCOMPARE(Accessibility::namelessControls(h.form.get()), QStringList());
        const QStringList names = Accessibility::controlNames(h.form.get());
        for (const char *name :
             {"Etiquette 1", "Etiquette 9", "Etiquette10", "Marge gauche", "Séparateur vertical",
              "Nombre d'étiquettes identiques (10 maxi) :", "Numéro de disquette de départ :"})
            QVERIFY2(names.contains(QString::fromUtf8(name)), name);
    }

    void tilesPressedByAssistiveTechnology()
    {
        PrintSettingsHarness h;
        h.state.run.mode = PrintMode::SingleLabel;
        h.open();
        QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(h.tile(5));
        QVERIFY(tile && tile->actionInterface());
        QCOMPARE(tile->text(QAccessible::Name), u"Etiquette 5"_s);
        tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // A pressed button shows itself down for a moment before it acts.
        QTRY_COMPARE(h.choices().run.singlePosition, 5);
        QCOMPARE(h.labelOrigin(), QPointF(10, 112));
    }

    void focusFollowsTheReadingOrder_data()
    {
        QTest::addColumn<int>("singleMode");
        QTest::addColumn<QStringList>("order");
        const QString common = u" frameCheck cutOutlineCheck loadSettingsButton saveSettingsButton"
                               u" defaultSettingsButton printerSetupButton calibrationButton"
                               u" sheetPreviewButton"
                               u" labelPreviewButton cancelButton "_s;
        const QString distances = u" leftMarginEdit columnGapEdit topMarginEdit rowGapEdit "_s;
        const QString runBoxes = u" copyCountEdit startPositionEdit autoNumberingCheck"_s;
        QString tiles;
        for (int position = 1; position <= 10; ++position)
            tiles += u" positionTile%1"_s.arg(position);
        QTest::newRow("run") << 0
                             << words(u"runOption"_s + common + u"printLabelsButton"_s + distances +
                                      runBoxes);
        // One label: nothing is printable until a position is chosen; the run is greyed.
        QTest::newRow("one label")
            << 1 << words(u"singleLabelOption"_s + common + distances + tiles);
    }

    // The focus starts on the option the window opened in, and Tab reads the window in order.
    void focusFollowsTheReadingOrder()
    {
        QFETCH(int, singleMode);
        QFETCH(QStringList, order);
        PrintSettingsHarness h;
        h.state.run.mode = PrintMode(singleMode);
        h.open();
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        QStringList visited;
        for (int step = 0; step <= order.size(); ++step) {
            QWidget *focused = h.form->focusWidget();
            visited << (focused ? focused->objectName() : u"(none)"_s);
            QTest::keyClick(focused ? focused : h.form.get(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }
};

QTEST_MAIN(TestPrintSettings)
#include "tst_printsettingsdialog.moc"
