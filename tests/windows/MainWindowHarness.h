// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MsgBoxRecorder.h"
#include "ScriptedDialogs.h"

#include "print/Printer.h"
#include "windows/main/MainWindow.h"
#include "windows/main/RecoveryKeeper.h"
#include "windows/main/StatusPanels.h"
#include "windows/main/ZoneTextEdit.h"
#include "windows/shared/ZoneDisplay.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>

// Never the user's own settings, even for a window built without the harness: each test
// program keeps its own, gone with it.
inline void keepSettingsPrivate()
{
    static QTemporaryDir configHome;
    QCoreApplication::setOrganizationName(QStringLiteral("korvalin"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
}
Q_COREAPP_STARTUP_FUNCTION(keepSettingsPrivate)

// The main window as a test drives it: a fresh session, no printer unless given,
// message boxes checked by the recorder, the common dialogs answered by script, and its
// recovery copies kept in a state folder of its own.
struct MainWindowHarness
{
    // XDG_STATE_HOME for a window started where a test has left recovery copies.
    struct StateHome
    {
        QString path;
    };
    struct ShownBox
    {
        MsgBoxCall call;
        MsgBoxResult answer;
    };

    // Started as the program starts: appPath is the program's folder, commandLine the
    // label file named on the command line (empty for none).
    explicit MainWindowHarness(const QString &commandLine = QString(),
                               const QString &appPath = QStringLiteral("/opt/korvalin"),
                               Printer startPrinter = Printer())
        : printer(std::move(startPrinter))
    {
        start(appPath, commandLine);
    }
    // Started on the label file commandLine, whose load shows the message box shownAtLoad.
    MainWindowHarness(const QString &commandLine, const MsgBoxCall &shownAtLoad)
    {
        msgBoxes.expect(shownAtLoad);
        start(QStringLiteral("/opt/korvalin"), commandLine);
    }
    // Started as the program starts, with the state folder stateHome: the recovery copies
    // found there are offered, and the questions answered in turn.
    MainWindowHarness(const StateHome &stateHome, const QList<ShownBox> &offers)
    {
        for (const ShownBox &box : offers)
            msgBoxes.expect(box.call, box.answer);
        start(QStringLiteral("/opt/korvalin"), QString(), stateHome.path);
        form->offerRecoveryCopies();
        settle();
    }
    // Started with no label file, printing to the given printer.
    explicit MainWindowHarness(Printer startPrinter)
        : MainWindowHarness(QString(), QStringLiteral("/opt/korvalin"), std::move(startPrinter))
    {
    }
    // The program started again by the same user: what the last window remembered stays.
    struct Restarted
    {
    };
    MainWindowHarness(Printer startPrinter, Restarted) : printer(std::move(startPrinter))
    {
        keepSettings = true;
        start(QStringLiteral("/opt/korvalin"), QString());
    }

    template <typename T> T *find(const char *name) const
    {
        T *child = form->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("No %s in the main window", name);
        return child;
    }

    ZoneDisplay *zoneDisplay(int zone) const
    {
        return find<ZoneDisplay>(("zoneDisplay" + std::to_string(zone)).c_str());
    }
    ZoneTextEdit *text1() const { return find<ZoneTextEdit>("zoneTextEdit"); }
    QString panel(StatusPanels::Panel panel) const
    {
        return form->findChild<StatusPanels *>()->panelText(panel);
    }
    QAction *action(const char *name) const { return find<QAction>(name); }
    QAbstractButton *button(const char *name) const { return find<QAbstractButton>(name); }
    // The toolbar's entry at index, counted from 1 with the separators.
    QAction *toolbarEntry(int index) const
    {
        return find<QToolBar>("toolBar")->actions().value(index - 1);
    }

    // Runs a command from one of its entry points, as a user would: "toolbar <n>" for the
    // toolbar's button n, else the name of a button (clicked) or of a menu entry.
    void runEntry(const QString &entry) const
    {
        if (entry.startsWith(QLatin1String("toolbar ")))
            toolbarEntry(entry.mid(8).toInt())->trigger();
        else if (auto *entryButton = form->findChild<QAbstractButton *>(entry))
            QTest::mouseClick(entryButton, Qt::LeftButton);
        else
            action(entry.toLatin1().constData())->trigger();
    }
    // Runs a command by the name of its button or menu entry, the common dialog it shows
    // answered by answer, until what it reads for the document has been read.
    void runAnswering(const char *command, const ScriptedDialogs::Answer &answer) const
    {
        dialogs->answerNext(answer);
        runEntry(QLatin1String(command));
        settle();
    }
    // Until the label or picture being read for the document, if any, has been read.
    void settle() const
    {
        if (!form->isReadingDocument())
            return;
        QSignalSpy read(form.get(), &MainWindow::documentRead);
        if (!read.wait(60000))
            qFatal("The main window never finished reading for the document");
    }

    // The option button of an alignment: 0 left, 1 right, 2 centre.
    QRadioButton *alignmentOption(int alignment) const
    {
        return find<QRadioButton>(("alignmentOption" + std::to_string(alignment + 1)).c_str());
    }

    // The selection as shown: the zone displays' backgrounds (c0c0c0, grey, for the selected
    // one), the edit box's caption, the alignment frame's title, checked option and edited text.
    QStringList selectionShown() const
    {
        QStringList backs, checked;
        for (int zone = 1; zone <= 3; ++zone)
            backs.append(QString::number(zoneDisplay(zone)->backColor(), 16));
        for (int alignment = 0; alignment < 3; ++alignment) {
            if (alignmentOption(alignment)->isChecked())
                checked.append(alignmentOption(alignment)->objectName());
        }
        return {backs.join(QLatin1Char(' ')), find<QLabel>("zoneTextCaption")->text(),
                find<QGroupBox>("alignmentGroup")->title(), checked.join(QLatin1Char(' ')),
                text1()->text()};
    }
    // Opens the File menu and closes it again, as a user glancing at it.
    void glanceAtFileMenu() const
    {
        auto *fileMenu = find<QMenu>("fileMenu");
        fileMenu->popup(QPoint(0, 0));
        fileMenu->close();
    }
    // The orientation frame's text, then the orientation entries checked.
    QStringList orientationShown() const
    {
        QStringList shown{find<QLabel>("orientationLabel")->text()};
        for (const char *name : {"portraitAction", "landscapeAction"}) {
            if (action(name)->isChecked())
                shown.append(QLatin1String(name));
        }
        return shown;
    }

    void clickZone(int zone) const { QTest::mouseClick(zoneDisplay(zone), Qt::LeftButton); }
    // Types into the edit box, key by key; "\n" is the Enter key.
    void keys(const QString &text) const
    {
        for (QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(text1(), Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, text1(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    // Replaces the edit box's text the way a user would: select all, delete, then type.
    void type(const QString &text) const
    {
        text1()->selectAll();
        QTest::keyClick(text1(), Qt::Key_Delete);
        keys(text);
    }
    const TextZone &zone(int zone) const { return form->document().zones[ZoneId(zone - 1)]; }
    RecoveryKeeper *recovery() const { return find<RecoveryKeeper>("recoveryKeeper"); }

    ProgramSession state;
    Printer printer;
    MsgBoxRecorder msgBoxes;    // before the window, whose load may show messages
    QTemporaryDir ownStateHome; // before the window, which writes there until it goes
    std::unique_ptr<MainWindow> form;
    ScriptedDialogs *dialogs = nullptr;

private:
    bool keepSettings = false;

    void start(const QString &appPath, const QString &commandLine,
               const QString &stateHome = QString())
    {
        // Never the user's own recovery copies: the window reads the variable once.
        qputenv("XDG_STATE_HOME",
                QFile::encodeName(stateHome.isEmpty() ? ownStateHome.path() : stateHome));
        // Each window starts as a new user's, unless a test restarts the program.
        if (!keepSettings)
            QSettings().clear();
        state = ProgramSession(ProgramStart::from(appPath, commandLine, QDir::currentPath()));
        form = std::make_unique<MainWindow>(state, printer);
        dialogs = ScriptedDialogs::installInto(form->commonDialog());
        settle();
    }
};

Q_DECLARE_METATYPE(ScriptedDialogs::Answer)

// Runs action in the application's own event loop, as the program runs, and tells
// whether the program ended there (QCoreApplication::exit(0)). Windows closing do not end
// the loop by themselves here, so only the program's own ending counts.
inline bool programEnds(const std::function<void()> &action)
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject scope;
    QTimer carryOn;
    carryOn.setSingleShot(true);
    QObject::connect(&carryOn, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, &scope, [&] {
        action();
        carryOn.start(0);
    });
    return QCoreApplication::exec() == 0;
}
