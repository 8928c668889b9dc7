// The print settings window: how its controls follow the shared state and each other.
#include "Accessibility.h"
#include "Form2Harness.h"

#include <QAccessible>
#include <QSignalSpy>

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opening_data();
    void opening();
    void copyCount_data();
    void copyCount();
    void startPosition_data();
    void startPosition();
    void spinners_data();
    void spinners();
    void keyFilters_data();
    void keyFilters();
    void tileOrigins_data();
    void tileOrigins();
    void originKeptWhenDistancesChange();
    void numbering();
    void modesSwitch();
    void leaving_data();
    void leaving();
    void preview();
    void diskNumberPastTheSpinner();
    void everyControlNamed();
    void tilesPressedByAssistiveTechnology();
};

void TestForm2::opening_data()
{
    QTest::addColumn<int>("singleMode");
    QTest::addColumn<int>("singlePosition");
    QTest::addColumn<int>("startLabel");
    QTest::addColumn<int>("autoIncrementBox");
    QTest::addColumn<int>("diskNumber");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("printable");

    QTest::newRow("run at start-up") << 0 << 0 << 1 << 0 << 1 << "&Imprimer 10 étiquettes" << true;
    QTest::newRow("run with no start position")
        << 0 << 0 << 0 << 0 << 1 << "&Imprimer 10 étiquettes" << false;
    QTest::newRow("numbered run without a disk number")
        << 0 << 0 << 1 << 1 << 0 << "&Imprimer 10 étiquettes" << false;
    QTest::newRow("numbered run") << 0 << 0 << 1 << 1 << 5 << "&Imprimer 10 étiquettes" << true;
    QTest::newRow("single label, none chosen")
        << 1 << 0 << 1 << 0 << 1 << "&Imprimer l'étiquette N°  0" << false;
    QTest::newRow("single label at 7")
        << 1 << 7 << 1 << 0 << 1 << "&Imprimer l'étiquette N°  7" << true;
}

void TestForm2::opening()
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

    QCOMPARE(h.form->windowTitle(), QStringLiteral("Paramétrage de l'impression DEFAUT"));
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
    QCOMPARE(h.box("Text1")->text(), QStringLiteral("10"));
    QCOMPARE(h.box("Text3")->text(), QStringLiteral("4"));
    QCOMPARE(h.box("Text5")->text(), QStringLiteral("10"));
    QCOMPARE(h.box("Text6")->text(), QString::number(startLabel));
    QCOMPARE(h.box("Text6")->toolTip(),
             QStringLiteral("A partir de l'étiquette N° ") + QString::number(startLabel));
    // An unchosen numbering style becomes "X" once the window is shown.
    QCOMPARE(h.state.NumberingStyle, qint16(1));
    QVERIFY(h.find<QRadioButton>("Option3")->isChecked());
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2::copyCount_data()
{
    QTest::addColumn<int>("startLabel");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<MsgBoxCall>>("messages");
    QTest::addColumn<int>("copyCount");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("printable");

    QTest::newRow("12 is cut to 10") << 1 << "12"
                                     << QList<MsgBoxCall>{errorBox(QStringLiteral(
                                            "Nombre maximum d'étiquettes identiques = 10"))}
                                     << 10 << "10" << true;
    QTest::newRow("emptied") << 1 << "" << QList<MsgBoxCall>{} << 0 << "" << false;
    QTest::newRow("one copy") << 1 << "1" << QList<MsgBoxCall>{} << 1 << "1" << true;
    QTest::newRow("past the sheet's end from 7")
        << 7 << "10" << QList<MsgBoxCall>{pastSheetEndWarning(" 4", " 7")} << 4 << "4" << true;
    QTest::newRow("12 from 7: both limits")
        << 7 << "12"
        << QList<MsgBoxCall>{errorBox(
                                 QStringLiteral("Nombre maximum d'étiquettes identiques = 10")),
                             pastSheetEndWarning(" 4", " 7")}
        << 4 << "4" << true;
}

void TestForm2::copyCount()
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
    for (const MsgBoxCall &m : messages)
        h.msgBoxes.expect(m);
    h.type("Text5", typed);

    QVERIFY(h.msgBoxes.allSeen());
    QCOMPARE(h.state.CopyCount, qint16(copyCount));
    QCOMPARE(h.box("Text5")->text(), shown);
    QCOMPARE(h.spinner("VScroll1")->value(), copyCount);
    QCOMPARE(h.button("Command1")->isEnabled(), printable);
    QCOMPARE(h.button("Option2")->text(),
             QString::number(copyCount) + QStringLiteral(" Etiquettes identiques"));
    QCOMPARE(h.button("Command1")->text(), QStringLiteral("&Imprimer ") +
                                               QString::number(copyCount) +
                                               QStringLiteral(" étiquettes"));
}

void TestForm2::startPosition_data()
{
    QTest::addColumn<int>("copyCount");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<MsgBoxCall>>("messages");
    QTest::addColumn<int>("startLabel");
    QTest::addColumn<int>("copiesAfter");
    QTest::addColumn<bool>("printable");

    QTest::newRow("7 with 10 copies")
        << 10 << "7" << QList<MsgBoxCall>{pastSheetEndWarning(" 4", " 7")} << 7 << 4 << true;
    QTest::newRow("10 with 1 copy") << 1 << "10" << QList<MsgBoxCall>{} << 10 << 1 << true;
    // "1" is typed first, then "12" goes back to the last position.
    QTest::newRow("12 with 10 copies")
        << 10 << "12" << QList<MsgBoxCall>{pastSheetEndWarning(" 1", " 10")} << 10 << 1 << true;
    QTest::newRow("emptied") << 10 << "" << QList<MsgBoxCall>{} << 0 << 10 << false;
}

void TestForm2::startPosition()
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
    for (const MsgBoxCall &m : messages)
        h.msgBoxes.expect(m);
    h.type("Text6", typed);

    QVERIFY(h.msgBoxes.allSeen());
    QCOMPARE(h.state.StartLabel, qint16(startLabel));
    QCOMPARE(h.state.CopyCount, qint16(copiesAfter));
    QCOMPARE(h.box("Text5")->text(), QString::number(copiesAfter));
    QCOMPARE(h.spinner("VScroll2")->value(), startLabel);
    QCOMPARE(h.button("Command1")->isEnabled(), printable);
    QCOMPARE(h.box("Text6")->toolTip(),
             QStringLiteral("A partir de l'étiquette N° ") + QString::number(startLabel));
}

void TestForm2::spinners_data()
{
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("steps"); // positive: the lower arrow, negative: the upper one
    QTest::addColumn<QList<MsgBoxCall>>("messages");
    QTest::addColumn<QString>("shown");

    QTest::newRow("copies down from 4") << "VScroll1"
                                        << "Text5" << -1 << QList<MsgBoxCall>{} << "3";
    QTest::newRow("copies past the sheet's end")
        << "VScroll1"
        << "Text5" << 1 << QList<MsgBoxCall>{pastSheetEndWarning(" 4", " 7")} << "4";
    QTest::newRow("start position up to 8")
        << "VScroll2"
        << "Text6" << 1 << QList<MsgBoxCall>{pastSheetEndWarning(" 3", " 8")} << "8";
    QTest::newRow("disk number up") << "VScroll3"
                                    << "Text7" << 2 << QList<MsgBoxCall>{} << "11";
}

void TestForm2::spinners()
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
    for (const MsgBoxCall &m : messages)
        h.msgBoxes.expect(m);
    Spinner *s = h.spinner(qPrintable(spinner));
    // The arrows are at the ends of the vertical bar.
    const QPoint arrow =
        steps > 0 ? QPoint(s->width() / 2, s->height() - 2) : QPoint(s->width() / 2, 2);
    for (int i = 0; i < qAbs(steps); ++i)
        QTest::mouseClick(s, Qt::LeftButton, Qt::NoModifier, arrow);

    QVERIFY(h.msgBoxes.allSeen());
    QCOMPARE(h.box(qPrintable(box))->text(), shown);
    QCOMPARE(s->value(), shown.toInt());
    const qint16 stored = box == QLatin1String("Text5")   ? h.state.CopyCount
                          : box == QLatin1String("Text6") ? h.state.StartLabel
                                                          : h.state.DiskNumber;
    QCOMPARE(stored, qint16(shown.toInt()));
}

void TestForm2::keyFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("distance: letters and blanks dropped") << "Text1"
                                                          << "a-1 .5x"
                                                          << "-1.5";
    QTest::newRow("distance: six characters at most") << "Text2"
                                                      << "12.34567"
                                                      << "12.345";
    QTest::newRow("count: only digits") << "Text6"
                                        << "-.a3 "
                                        << "3";
    QTest::newRow("disk number: two digits") << "Text7"
                                             << "123"
                                             << "12";
}

void TestForm2::keyFilters()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Form2Harness h;
    h.state.AutoIncrementBox = 1;
    h.state.CopyCount = 1;
    h.open();
    h.type(qPrintable(box), typed);
    QCOMPARE(h.box(qPrintable(box))->text(), shown);

    // Backspace takes a character away; the shortcut for pasting is dropped like any
    // other control character.
    QTest::keyClick(h.box(qPrintable(box)), Qt::Key_Backspace);
    QCOMPARE(h.box(qPrintable(box))->text(), shown.chopped(1));
    QTest::sendKeyEvent(QTest::Click, h.box(qPrintable(box)), Qt::Key_V, QString(QChar(0x16)),
                        Qt::ControlModifier);
    QCOMPARE(h.box(qPrintable(box))->text(), shown.chopped(1));
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2::tileOrigins_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("columnGap");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<QString>("caption");

    QTest::newRow("tile 10, defaults")
        << 10 << "10"
        << "10" << QPointF(90, 220) << "&Imprimer l'étiquette N°  10";
    QTest::newRow("tile 1, defaults") << 1 << "10"
                                      << "10" << QPointF(10, 4) << "&Imprimer l'étiquette N°  1";
    QTest::newRow("tile 2 after typing 7.5 and 5")
        << 2 << "7.5"
        << "5" << QPointF(82.5, 4) << "&Imprimer l'étiquette N°  2";
    QTest::newRow("tile 7, negative margin")
        << 7 << "-2"
        << "10" << QPointF(-2, 166) << "&Imprimer l'étiquette N°  7";
}

void TestForm2::tileOrigins()
{
    QFETCH(int, position);
    QFETCH(QString, left);
    QFETCH(QString, columnGap);
    QFETCH(QPointF, origin);
    QFETCH(QString, caption);
    Form2Harness h;
    h.state.PrintSingleMode = 1;
    h.open();
    h.type("Text1", left);
    h.type("Text2", columnGap);
    QTest::mouseClick(h.tile(position), Qt::LeftButton);

    QCOMPARE(h.state.SinglePosition, qint16(position));
    QCOMPARE(QPointF(h.state.LabelOrigins[0], h.state.LabelOrigins[1]), origin);
    QCOMPARE(h.button("Command1")->text(), caption);
    QVERIFY(h.button("Command1")->isEnabled());
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(h.tile(n)->backColor(),
                 n == position ? SheetTile::ChosenBackColor : SheetTile::NormalBackColor);
}

void TestForm2::originKeptWhenDistancesChange()
{
    Form2Harness h;
    h.state.PrintSingleMode = 1;
    h.open();
    QTest::mouseClick(h.tile(4), Qt::LeftButton);
    h.type("Text3", QStringLiteral("20"));
    QCOMPARE(h.state.SheetSpacing[1], 20.0);
    // The origin is the one of the click; the next opening places the tile again.
    QCOMPARE(QPointF(h.state.LabelOrigins[0], h.state.LabelOrigins[1]), QPointF(90, 58));
    h.open();
    QCOMPARE(QPointF(h.state.LabelOrigins[0], h.state.LabelOrigins[1]), QPointF(90, 74));
    QCOMPARE(h.tile(4)->backColor(), SheetTile::ChosenBackColor);
}

void TestForm2::numbering()
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
    h.type("Text7", QStringLiteral("9"));
    QVERIFY(h.button("Command1")->isEnabled());
    h.button("Option4")->click();
    QCOMPARE(h.state.NumberingStyle, qint16(2));
    h.button("Option3")->click();
    QCOMPARE(h.state.NumberingStyle, qint16(1));
    QVERIFY(h.msgBoxes.allSeen());
}

void TestForm2::modesSwitch()
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
    h.type("Text6", QStringLiteral("1"));
    QVERIFY(h.button("Command1")->isEnabled());
}

void TestForm2::leaving_data()
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

void TestForm2::leaving()
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
    if (how == QLatin1String("escape"))
        QTest::keyClick(h.box("Text5"), Qt::Key_Escape);
    else if (how == QLatin1String("close"))
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

void TestForm2::preview()
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

void TestForm2::diskNumberPastTheSpinner()
{
    Form2Harness h;
    h.state.DiskNumber = 105; // a run carried it past 99
    h.state.AutoIncrementBox = 1;
    h.open();
    QCOMPARE(h.box("Text7")->text(), QStringLiteral("105"));
    QCOMPARE(h.state.DiskNumber, qint16(105));
    QTest::mouseClick(h.spinner("VScroll3"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(h.spinner("VScroll3")->width() / 2, 2));
    QCOMPARE(h.state.DiskNumber, qint16(104));
    QCOMPARE(h.box("Text7")->text(), QStringLiteral("104"));
    // Shortened by hand, the box takes two digits again.
    h.type("Text7", QStringLiteral("123"));
    QCOMPARE(h.box("Text7")->text(), QStringLiteral("12"));
}

void TestForm2::everyControlNamed()
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

void TestForm2::tilesPressedByAssistiveTechnology()
{
    Form2Harness h;
    h.state.PrintSingleMode = 1;
    h.open();
    QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(h.tile(5));
    QVERIFY(tile && tile->actionInterface());
    QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("Etiquette 5"));
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // A pressed button shows itself down for a moment before it acts.
    QTRY_COMPARE(h.state.SinglePosition, qint16(5));
    QCOMPARE(QPointF(h.state.LabelOrigins[0], h.state.LabelOrigins[1]), QPointF(10, 112));
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
