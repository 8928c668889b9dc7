// The print settings window: how its controls follow the shared state and each other.
#include "Accessibility.h"
#include "Form2Harness.h"

#include <QAccessible>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const MsgBoxCall TooManyCopies = errorBox(u"Nombre maximum d'étiquettes identiques = 10"_s);

// The tooltip of the start position box.
QString startTooltip(int startLabel)
{
    return u"A partir de l'étiquette N° "_s + QString::number(startLabel);
}

// The print button's caption for a run of copies.
QString printRunCaption(int copies)
{
    return u"&Imprimer "_s + QString::number(copies) + u" étiquettes"_s;
}

// The print button's caption for a single label.
QString printOneCaption(int position)
{
    return u"&Imprimer l'étiquette N°  "_s + QString::number(position);
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opening_data()
    {
        QTest::addColumn<int>("singleMode");
        QTest::addColumn<int>("singlePosition");
        QTest::addColumn<int>("startLabel");
        QTest::addColumn<int>("autoIncrementBox");
        QTest::addColumn<int>("diskNumber");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("printable");
        QTest::newRow("run at start-up") << 0 << 0 << 1 << 0 << 1 << printRunCaption(10) << true;
        QTest::newRow("run with no start position")
            << 0 << 0 << 0 << 0 << 1 << printRunCaption(10) << false;
        QTest::newRow("numbered run without a disk number")
            << 0 << 0 << 1 << 1 << 0 << printRunCaption(10) << false;
        QTest::newRow("numbered run") << 0 << 0 << 1 << 1 << 5 << printRunCaption(10) << true;
        QTest::newRow("single label, none chosen")
            << 1 << 0 << 1 << 0 << 1 << printOneCaption(0) << false;
        QTest::newRow("single label at 7") << 1 << 7 << 1 << 0 << 1 << printOneCaption(7) << true;
    }

    void opening()
    {
        QFETCH(int, singleMode);
        QFETCH(int, singlePosition);
        QFETCH(int, startLabel);
        QFETCH(int, autoIncrementBox);
        QFETCH(int, diskNumber);
        QFETCH(QString, caption);
        QFETCH(bool, printable);
        Form2Harness h;
        h.state.PrintSingleMode = qint16(singleMode);
        h.state.SinglePosition = qint16(singlePosition);
        h.state.StartLabel = qint16(startLabel);
        h.state.AutoIncrementBox = qint16(autoIncrementBox);
        h.state.DiskNumber = qint16(diskNumber);
        h.open();

        QCOMPARE(h.form->windowTitle(), u"Paramétrage de l'impression DEFAUT"_s);
        QCOMPARE(h.button("Command1")->text(), caption);
        QCOMPARE(h.button("Command1")->isEnabled(), printable);
        const bool run = singleMode == 0;
        QCOMPARE(h.find<QRadioButton>("Option2")->isChecked(), run);
        QCOMPARE(h.find<QRadioButton>("Option1")->isChecked(), !run);
        QCOMPARE(h.shown("Frame3"), run);
        QCOMPARE(h.shown("Label11"), !run);
        QCOMPARE(h.shown("Check3"), run);
        QCOMPARE(h.shown("Frame5"), run && autoIncrementBox == 1);
        QCOMPARE(h.tile(1)->isEnabled(), !run);
        QCOMPARE(h.find<QCheckBox>("Check3")->isChecked(), autoIncrementBox == 1);
        QVERIFY(h.find<QCheckBox>("Check1")->isChecked());
        QVERIFY(h.find<QCheckBox>("Check2")->isChecked());
        QCOMPARE(h.box("Text1")->text(), u"10"_s);
        QCOMPARE(h.box("Text3")->text(), u"4"_s);
        QCOMPARE(h.box("Text5")->text(), u"10"_s);
        QCOMPARE(h.box("Text6")->text(), QString::number(startLabel));
        QCOMPARE(h.box("Text6")->toolTip(), startTooltip(startLabel));
        // An unchosen numbering style becomes "X" once the window is shown.
        QCOMPARE(h.state.NumberingStyle, qint16(1));
        QVERIFY(h.find<QRadioButton>("Option3")->isChecked());
        QVERIFY(h.msgBoxes.allSeen());
    }

    void copyCount_data()
    {
        QTest::addColumn<int>("startLabel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<MsgBoxCall>>("messages");
        QTest::addColumn<int>("copyCount");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("printable");
        const QList<MsgBoxCall> none;
        QTest::newRow("12 is cut to 10")
            << 1 << u"12"_s << QList{TooManyCopies} << 10 << u"10"_s << true;
        QTest::newRow("emptied") << 1 << QString() << none << 0 << QString() << false;
        QTest::newRow("one copy") << 1 << u"1"_s << none << 1 << u"1"_s << true;
        QTest::newRow("past the sheet's end from 7")
            << 7 << u"10"_s << QList{pastSheetEndWarning(" 4", " 7")} << 4 << u"4"_s << true;
        QTest::newRow("12 from 7: both limits")
            << 7 << u"12"_s << QList{TooManyCopies, pastSheetEndWarning(" 4", " 7")} << 4 << u"4"_s
            << true;
    }

    void copyCount()
    {
        QFETCH(int, startLabel);
        QFETCH(QString, typed);
        QFETCH(QList<MsgBoxCall>, messages);
        QFETCH(int, copyCount);
        QFETCH(QString, shown);
        QFETCH(bool, printable);
        Form2Harness h;
        h.state.StartLabel = qint16(startLabel);
        h.state.CopyCount = qint16(11 - startLabel);
        h.open();
        h.expect(messages);
        h.type("Text5", typed);

        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.state.CopyCount, qint16(copyCount));
        QCOMPARE(h.box("Text5")->text(), shown);
        QCOMPARE(h.spinner("VScroll1")->value(), copyCount);
        QCOMPARE(h.button("Command1")->isEnabled(), printable);
        QCOMPARE(h.button("Option2")->text(),
                 QString::number(copyCount) + u" Etiquettes identiques"_s);
        QCOMPARE(h.button("Command1")->text(), printRunCaption(copyCount));
    }

    void startPosition_data()
    {
        QTest::addColumn<int>("copyCount");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<MsgBoxCall>>("messages");
        QTest::addColumn<int>("startLabel");
        QTest::addColumn<int>("copiesAfter");
        QTest::addColumn<bool>("printable");
        QTest::newRow("7 with 10 copies")
            << 10 << u"7"_s << QList{pastSheetEndWarning(" 4", " 7")} << 7 << 4 << true;
        QTest::newRow("10 with 1 copy") << 1 << u"10"_s << QList<MsgBoxCall>() << 10 << 1 << true;
        // "1" is typed first, then "12" goes back to the last position.
        QTest::newRow("12 with 10 copies")
            << 10 << u"12"_s << QList{pastSheetEndWarning(" 1", " 10")} << 10 << 1 << true;
        QTest::newRow("emptied") << 10 << QString() << QList<MsgBoxCall>() << 0 << 10 << false;
    }

    void startPosition()
    {
        QFETCH(int, copyCount);
        QFETCH(QString, typed);
        QFETCH(QList<MsgBoxCall>, messages);
        QFETCH(int, startLabel);
        QFETCH(int, copiesAfter);
        QFETCH(bool, printable);
        Form2Harness h;
        h.state.CopyCount = qint16(copyCount);
        h.open();
        h.expect(messages);
        h.type("Text6", typed);

        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.state.StartLabel, qint16(startLabel));
        QCOMPARE(h.state.CopyCount, qint16(copiesAfter));
        QCOMPARE(h.box("Text5")->text(), QString::number(copiesAfter));
        QCOMPARE(h.spinner("VScroll2")->value(), startLabel);
        QCOMPARE(h.button("Command1")->isEnabled(), printable);
        QCOMPARE(h.box("Text6")->toolTip(), startTooltip(startLabel));
    }

    void spinners_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("steps"); // positive: the lower arrow, negative: the upper one
        QTest::addColumn<QList<MsgBoxCall>>("messages");
        QTest::addColumn<QString>("shown");
        const QList<MsgBoxCall> none;
        QTest::newRow("copies down from 4") << u"VScroll1"_s << u"Text5"_s << -1 << none << u"3"_s;
        QTest::newRow("copies past the sheet's end")
            << u"VScroll1"_s << u"Text5"_s << 1 << QList{pastSheetEndWarning(" 4", " 7")} << u"4"_s;
        QTest::newRow("start position up to 8")
            << u"VScroll2"_s << u"Text6"_s << 1 << QList{pastSheetEndWarning(" 3", " 8")} << u"8"_s;
        QTest::newRow("disk number up") << u"VScroll3"_s << u"Text7"_s << 2 << none << u"11"_s;
    }

    void spinners()
    {
        QFETCH(QString, spinner);
        QFETCH(QString, box);
        QFETCH(int, steps);
        QFETCH(QList<MsgBoxCall>, messages);
        QFETCH(QString, shown);
        Form2Harness h;
        h.state.StartLabel = 7;
        h.state.CopyCount = 4;
        h.state.DiskNumber = 9;
        h.state.AutoIncrementBox = 1;
        h.open();
        h.expect(messages);
        Spinner *s = h.spinner(qPrintable(spinner));
        // The arrows are at the ends of the vertical bar.
        const QPoint arrow =
            steps > 0 ? QPoint(s->width() / 2, s->height() - 2) : QPoint(s->width() / 2, 2);
        for (int i = 0; i < qAbs(steps); ++i)
            QTest::mouseClick(s, Qt::LeftButton, Qt::NoModifier, arrow);

        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.box(qPrintable(box))->text(), shown);
        QCOMPARE(s->value(), shown.toInt());
        const qint16 stored = box == "Text5"_L1   ? h.state.CopyCount
                              : box == "Text6"_L1 ? h.state.StartLabel
                                                  : h.state.DiskNumber;
        QCOMPARE(stored, qint16(shown.toInt()));
    }

    void keyFilters_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("distance: letters and blanks dropped")
            << u"Text1"_s << u"a-1 .5x"_s << u"-1.5"_s;
        QTest::newRow("distance: six characters at most")
            << u"Text2"_s << u"12.34567"_s << u"12.345"_s;
        QTest::newRow("count: only digits") << u"Text6"_s << u"-.a3 "_s << u"3"_s;
        QTest::newRow("disk number: two digits") << u"Text7"_s << u"123"_s << u"12"_s;
    }

    void keyFilters()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Form2Harness h;
        h.state.AutoIncrementBox = 1;
        h.state.CopyCount = 1;
        h.open();
        KeyFilteredEdit *edit = h.box(qPrintable(box));
        typeInto(edit, typed);
        QCOMPARE(edit->text(), shown);

        // Backspace takes a character away; the shortcut for pasting is dropped like any
        // other control character.
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
        QTest::newRow("tile 7, negative margin") << 7 << u"-2"_s << u"10"_s << QPointF(-2, 166);
    }

    void tileOrigins()
    {
        QFETCH(int, position);
        QFETCH(QString, left);
        QFETCH(QString, columnGap);
        QFETCH(QPointF, origin);
        Form2Harness h;
        h.state.PrintSingleMode = 1;
        h.open();
        h.type("Text1", left);
        h.type("Text2", columnGap);
        QTest::mouseClick(h.tile(position), Qt::LeftButton);

        QCOMPARE(h.state.SinglePosition, qint16(position));
        QCOMPARE(h.labelOrigin(), origin);
        QCOMPARE(h.button("Command1")->text(), printOneCaption(position));
        QVERIFY(h.button("Command1")->isEnabled());
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(h.tile(n)->backColor(),
                     n == position ? SheetTile::ChosenBackColor : SheetTile::NormalBackColor);
    }

    void originKeptWhenDistancesChange()
    {
        Form2Harness h;
        h.state.PrintSingleMode = 1;
        h.open();
        QTest::mouseClick(h.tile(4), Qt::LeftButton);
        h.type("Text3", u"20"_s);
        QCOMPARE(h.state.SheetSpacing[1], 20.0);
        // The origin is the one of the click; the next opening places the tile again.
        QCOMPARE(h.labelOrigin(), QPointF(90, 58));
        h.open();
        QCOMPARE(h.labelOrigin(), QPointF(90, 74));
        QCOMPARE(h.tile(4)->backColor(), SheetTile::ChosenBackColor);
    }

    void numbering()
    {
        Form2Harness h;
        h.open();
        QVERIFY(!h.shown("Frame5"));
        h.button("Check3")->click();
        QCOMPARE(h.state.AutoIncrementBox, qint16(1));
        QVERIFY(h.shown("Frame5") && h.shown("Frame4"));
        h.type("Text7", QString());
        QCOMPARE(h.state.DiskNumber, qint16(0));
        QVERIFY(!h.button("Command1")->isEnabled());
        h.button("Check3")->click();
        QVERIFY(!h.shown("Frame5"));
        QVERIFY(h.button("Command1")->isEnabled());

        h.button("Check3")->click();
        h.type("Text7", u"9"_s);
        QVERIFY(h.button("Command1")->isEnabled());
        h.button("Option4")->click();
        QCOMPARE(h.state.NumberingStyle, qint16(2));
        h.button("Option3")->click();
        QCOMPARE(h.state.NumberingStyle, qint16(1));
        QVERIFY(h.msgBoxes.allSeen());
    }

    void modesSwitch()
    {
        Form2Harness h;
        h.state.StartLabel = 0; // as when the program starts with a label file
        h.state.NumberingStyle = 2;
        h.open();
        QVERIFY(!h.button("Command1")->isEnabled());
        h.button("Option1")->click();
        QCOMPARE(h.state.PrintSingleMode, qint16(1));
        QCOMPARE(h.state.NumberingStyle, qint16(0));
        QVERIFY(h.tile(3)->isEnabled());
        QTest::mouseClick(h.tile(3), Qt::LeftButton);
        QVERIFY(h.button("Command1")->isEnabled());

        // Back to a run that has no start position: nothing to print yet.
        h.button("Option2")->click();
        QCOMPARE(h.state.PrintSingleMode, qint16(0));
        QVERIFY(!h.button("Command1")->isEnabled());
        QVERIFY(!h.tile(3)->isEnabled());
        QCOMPARE(h.state.NumberingStyle, qint16(1));
        QVERIFY(h.find<QRadioButton>("Option3")->isChecked());
        h.type("Text6", u"1"_s);
        QVERIFY(h.button("Command1")->isEnabled());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("framesCopied");
        QTest::addColumn<bool>("autoIncrementCopied");
        QTest::addColumn<int>("cancelled");
        QTest::newRow("print") << "Command1" << int(QDialog::Accepted) << true << true << 0;
        QTest::newRow("cancel") << "Command2" << int(QDialog::Rejected) << true << false << 1;
        QTest::newRow("escape") << "escape" << int(QDialog::Rejected) << true << false << 1;
        QTest::newRow("closed through its frame")
            << "close" << int(QDialog::Rejected) << false << false << 0;
    }

    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(bool, framesCopied);
        QFETCH(bool, autoIncrementCopied);
        QFETCH(int, cancelled);
        Form2Harness h;
        h.open();
        h.button("Check1")->click();
        h.button("Check3")->click();
        if (how == "escape"_L1)
            QTest::keyClick(h.box("Text5"), Qt::Key_Escape);
        else if (how == "close"_L1)
            h.form->close();
        else
            h.button(qPrintable(how))->click();

        QVERIFY(!h.form->isVisible());
        QCOMPARE(h.form->result(), result);
        QCOMPARE(h.state.PrintFrame, !framesCopied);
        QVERIFY(h.state.PrintCutMarks);
        QCOMPARE(h.state.AutoIncrement, autoIncrementCopied);
        QCOMPARE(h.state.PrintCancelled, qint16(cancelled));
        // The numbering box's tick outlives the window in every case.
        QCOMPARE(h.state.AutoIncrementBox, qint16(1));
        h.open();
        QVERIFY(h.find<QCheckBox>("Check3")->isChecked());
    }

    void preview()
    {
        Form2Harness h;
        h.open();
        h.button("Check2")->click();
        h.button("Check3")->click();
        bool stillOpen = false;
        QObject::connect(h.form.get(), &Form2::previewRequested, [&] {
            stillOpen = h.form->isVisible();
            QVERIFY(!h.state.PrintCutMarks);
            QVERIFY(h.state.AutoIncrement);
        });
        QSignalSpy previews(h.form.get(), &Form2::previewRequested);
        QSignalSpy setups(h.form.get(), &Form2::printerSetupRequested);
        h.button("Command7")->click();
        QCOMPARE(previews.size(), 1);
        QVERIFY(stillOpen);
        QVERIFY(h.form->isVisible());
        h.button("Command6")->click();
        QCOMPARE(setups.size(), 1);
        QCOMPARE(previews.size(), 1);
    }

    void diskNumberPastTheSpinner()
    {
        Form2Harness h;
        h.state.DiskNumber = 105; // a run carried it past 99
        h.state.AutoIncrementBox = 1;
        h.open();
        QCOMPARE(h.box("Text7")->text(), u"105"_s);
        QCOMPARE(h.state.DiskNumber, qint16(105));
        QTest::mouseClick(h.spinner("VScroll3"), Qt::LeftButton, Qt::NoModifier,
                          QPoint(h.spinner("VScroll3")->width() / 2, 2));
        QCOMPARE(h.state.DiskNumber, qint16(104));
        QCOMPARE(h.box("Text7")->text(), u"104"_s);
        // Shortened by hand, the box takes two digits again.
        h.type("Text7", u"123"_s);
        QCOMPARE(h.box("Text7")->text(), u"12"_s);
    }

    void everyControlNamed()
    {
        Form2Harness h;
        h.state.AutoIncrementBox = 1;
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
        Form2Harness h;
        h.state.PrintSingleMode = 1;
        h.open();
        QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(h.tile(5));
        QVERIFY(tile && tile->actionInterface());
        QCOMPARE(tile->text(QAccessible::Name), u"Etiquette 5"_s);
        tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // A pressed button shows itself down for a moment before it acts.
        QTRY_COMPARE(h.state.SinglePosition, qint16(5));
        QCOMPARE(h.labelOrigin(), QPointF(10, 112));
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
