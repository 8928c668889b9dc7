// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"
#include "MainWindowHarness.h"

#include <QAccessible>
#include <QToolBar>
#include <QtTest>

using namespace Qt::StringLiterals;

// The main window as assistive technology and the keyboard reach it.
class TestMainWindowAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamed()
    {
        MainWindowHarness h;
        h.form->show();
        QVERIFY2(Accessibility::namelessControls(h.form.get()).isEmpty(),
                 qPrintable(Accessibility::namelessControls(h.form.get()).join("; "_L1)));
        const QStringList names = Accessibility::controlNames(h.form.get());
        for (const QString &zone :
             {u"Zone de texte 1"_s, u"Zone de texte 2"_s, u"Zone de texte 3"_s})
            QVERIFY2(names.contains(zone), qPrintable(names.join(" | "_L1)));
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
        MainWindowHarness h;
        h.form->show();
        ZoneDisplay *display = h.zoneDisplay(zone);
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(display);
        QVERIFY(control);
        QCOMPARE(control->role(), QAccessible::Button);
        QCOMPARE(control->text(QAccessible::Name), u"Zone de texte %1"_s.arg(zone));
        QVERIFY(control->actionInterface());
        QVERIFY(control->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        QVERIFY(display->focusPolicy() & Qt::TabFocus);
        if (byKeyboard)
            QTest::keyClick(display, Qt::Key_Space);
        else
            control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(zoneNumber(h.state.label.selectedZone), zone);
        QCOMPARE(display->backColor(), ZoneDisplay::SelectedBackColor);
    }

    void zoneTextIsTheDescription()
    {
        MainWindowHarness h;
        h.clickZone(2);
        h.type(u"Sauvegarde\nDisque 1"_s);
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(h.zoneDisplay(2));
        QCOMPARE(control->text(QAccessible::Description), u"Sauvegarde\r\nDisque 1"_s);
    }

    // A command's availability is set once, on its action, and every entry point follows.
    void oneActionPerCommand_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("toolbarIndex");
        QTest::newRow("Quitter") << u"quitAction"_s << u"quitButton"_s << 16;
        QTest::newRow("Aide") << u"helpContentsAction"_s << u"helpButton"_s << 13;
        QTest::newRow("Police") << u"fontAction"_s << u"fontButton"_s << 8;
        QTest::newRow("Couleur") << u"colorAction"_s << u"colorButton"_s << 9;
        QTest::newRow("Icone") << u"pictureAction"_s << u"pictureButton"_s << 10;
    }

    void standardShortcuts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("keys");
        QTest::newRow("Nouveau") << u"newAction"_s << u"Ctrl+N"_s;
        QTest::newRow("Ouvrir") << u"openAction"_s << u"Ctrl+O"_s;
        QTest::newRow("Enregistrer") << u"saveAction"_s << u"Ctrl+S"_s;
        QTest::newRow("Enregistrer Sous") << u"saveAsAction"_s << u"Ctrl+Shift+S"_s;
        QTest::newRow("Imprimer") << u"printAction"_s << u"Ctrl+P"_s;
        QTest::newRow("Quitter") << u"quitAction"_s << u"Ctrl+Q"_s;
        QTest::newRow("Aide") << u"helpContentsAction"_s << u"F1"_s;
    }

    // The menus show the keys beside their entries, as they show any action's shortcut.
    void standardShortcuts()
    {
        QFETCH(QString, action);
        QFETCH(QString, keys);
        MainWindowHarness h;
        QCOMPARE(h.action(action.toLatin1().constData())->shortcut(), QKeySequence(keys));
    }

    void oneActionPerCommand()
    {
        QFETCH(QString, action);
        QFETCH(QString, button);
        QFETCH(int, toolbarIndex);
        MainWindowHarness h;
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

QTEST_MAIN(TestMainWindowAccessibility)
#include "tst_mainwindow_accessibility.moc"
