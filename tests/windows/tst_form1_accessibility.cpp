#include "Accessibility.h"
#include "Form1Harness.h"

#include <QAccessible>
#include <QToolBar>
#include <QtTest>

// The main window as assistive technology and the keyboard reach it.
class TestForm1Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamed()
    {
        Form1Harness h;
        h.form->show();
        QVERIFY2(
            Accessibility::namelessControls(h.form.get()).isEmpty(),
            qPrintable(Accessibility::namelessControls(h.form.get()).join(QLatin1String("; "))));
        const QStringList names = Accessibility::controlNames(h.form.get());
        for (const QString &zone :
             {QStringLiteral("Zone de texte 1"), QStringLiteral("Zone de texte 2"),
              QStringLiteral("Zone de texte 3")})
            QVERIFY2(names.contains(zone), qPrintable(names.join(QLatin1String(" | "))));
    }

    void zonesArePressableControls_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<bool>("byKeyboard");
        for (int zone : {2, 3}) {
            QTest::addRow("zone %d, press action", zone) << zone << false;
            QTest::addRow("zone %d, space key", zone) << zone << true;
        }
    }

    void zonesArePressableControls()
    {
        QFETCH(int, zone);
        QFETCH(bool, byKeyboard);
        Form1Harness h;
        h.form->show();
        ZoneDisplay *display = h.zoneDisplay(zone);
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(display);
        QVERIFY(control);
        QCOMPARE(control->role(), QAccessible::Button);
        QCOMPARE(control->text(QAccessible::Name), QStringLiteral("Zone de texte %1").arg(zone));
        QVERIFY(control->actionInterface());
        QVERIFY(control->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        QVERIFY(display->focusPolicy() & Qt::TabFocus);
        if (byKeyboard)
            QTest::keyClick(display, Qt::Key_Space);
        else
            control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.state.CurrentZone, qint16(zone));
        QCOMPARE(display->backColor(), ZoneDisplay::SelectedBackColor);
    }

    void zoneTextIsTheDescription()
    {
        Form1Harness h;
        h.clickZone(2);
        h.type(QStringLiteral("Sauvegarde\nDisque 1"));
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(h.zoneDisplay(2));
        QCOMPARE(control->text(QAccessible::Description), QStringLiteral("Sauvegarde\r\nDisque 1"));
    }

    // A command's availability is set once, on its action, and every entry point follows.
    void oneActionPerCommand_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("toolbarIndex");
        QTest::newRow("Quitter") << QStringLiteral("Mnu_Quitter") << QStringLiteral("Command4")
                                 << 16;
        QTest::newRow("Aide") << QStringLiteral("Mmu_Som_Aide") << QStringLiteral("Command7") << 13;
        QTest::newRow("Police") << QStringLiteral("Police") << QStringLiteral("Command1") << 8;
        QTest::newRow("Couleur") << QStringLiteral("Couleur") << QStringLiteral("Command2") << 9;
        QTest::newRow("Icone") << QStringLiteral("Icone") << QStringLiteral("Command3") << 10;
    }

    void oneActionPerCommand()
    {
        QFETCH(QString, action);
        QFETCH(QString, button);
        QFETCH(int, toolbarIndex);
        Form1Harness h;
        QAction *command = h.action(action.toLatin1().constData());
        QCOMPARE(h.toolbarEntry(toolbarIndex), command);
        QAbstractButton *push = h.button(button.toLatin1().constData());
        QVERIFY(push->isEnabled());
        command->setEnabled(false);
        QVERIFY(!push->isEnabled());
        command->setEnabled(true);
        QVERIFY(push->isEnabled());
    }
};

QTEST_MAIN(TestForm1Accessibility)
#include "tst_form1_accessibility.moc"
