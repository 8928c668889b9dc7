// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the print road of the main window: how soon the print settings window is on
// screen after the print command, and how long a run of ten labels takes from the "Oui"
// of the confirmation until a private CUPS scheduler has accepted the job, and how long the
// same run takes into a PDF file from the file dialog's OK until the file is written. Run it
// through measure-print.sh, which gives it an X server; prints the medians.
#include "CupsScheduler.h"
#include "ScriptedDialogs.h"

#include "print/Printer.h"
#include "widgets/MsgBox.h"
#include "windows/main/MainWindow.h"
#include "windows/main/ProgramStart.h"
#include "windows/print-settings/PrintSettingsDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Lets events run until done() holds; false when it does not within the time given.
template <typename Done> bool waitFor(Done done, int timeoutMs = 30000)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

double millisecondsSince(const QElapsedTimer &clock, qint64 startNs)
{
    return double(clock.nsecsElapsed() - startNs) / 1e6;
}

// The save dialog answered at once, with the moment of its OK kept.
class TimedSaveDialog : public ScriptedDialogs
{
public:
    explicit TimedSaveDialog(std::function<void()> atOk) : m_atOk(std::move(atOk)) {}
    std::optional<QString> chooseFileToSave(const FileRequest &request, QWidget *parent) override
    {
        const std::optional<QString> chosen = ScriptedDialogs::chooseFileToSave(request, parent);
        m_atOk();
        return chosen;
    }

private:
    std::function<void()> m_atOk;
};

QString range(const QList<double> &values)
{
    return QString::asprintf("%.1f ms (median, min %.1f, max %.1f)", median(values),
                             *std::min_element(values.begin(), values.end()),
                             *std::max_element(values.begin(), values.end()));
}

} // namespace

int main(int argc, char **argv)
{
    CupsScheduler cups; // first, so that libcups sees only the private scheduler
    // Never the user's settings, which may name a PDF file or another printer.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;
    const QString queue = u"Mesure"_s;
    if (!cups.start() || cups.addPdfQueue(queue).isEmpty() || !cups.setDefault(queue)) {
        std::fprintf(stderr, "CUPS: %s\n", qPrintable(cups.errorString()));
        return 1;
    }

    ProgramSession state(ProgramStart::from(QDir::currentPath(), QString(), QDir::currentPath()));
    Printer printer(queue);
    MainWindow form(state, printer);
    form.show();
    if (!waitFor([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }))
        return 1;
    QAction *print = form.findChild<QAction *>(u"printAction"_s);

    QElapsedTimer clock;
    clock.start();
    qint64 commandAt = 0, yesAt = 0;
    QList<double> appearances, acceptances;
    const ScopedMsgBoxHandler answerYes([&](const MsgBoxCall &) {
        yesAt = clock.nsecsElapsed();
        return MsgBoxResult::Yes;
    });
    for (int run = 0; run <= runs; ++run) { // the first run warms up and is not counted
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *settings = qobject_cast<PrintSettingsDialog *>(QApplication::activeModalWidget());
            if (!settings || !settings->windowHandle() || !settings->windowHandle()->isExposed())
                return;
            poll.stop();
            if (run > 0)
                appearances.append(millisecondsSince(clock, commandAt));
            settings->findChild<QAbstractButton *>(u"printLabelsButton"_s)->click();
        });
        poll.start();
        commandAt = clock.nsecsElapsed();
        print->trigger();
        if (!waitFor([&] { return print->isEnabled(); }))
            return 1;
        if (run > 0)
            acceptances.append(millisecondsSince(clock, yesAt));
        // Only a job the scheduler took numbers the disks on.
        if (state.print.run.nextDiskNumber != 11) {
            std::fprintf(stderr, "The job was not accepted\n");
            return 1;
        }
        state.print.run.nextDiskNumber = 1;
    }

    // With no printer, the same run goes into a PDF file.
    printer = Printer();
    const QTemporaryDir pdfFolder;
    const QString pdf = pdfFolder.filePath(u"mesure.pdf"_s);
    qint64 okAt = 0;
    auto *saveDialog = new TimedSaveDialog([&] { okAt = clock.nsecsElapsed(); });
    form.commonDialog().setBackend(std::unique_ptr<CommonDialogBackend>(saveDialog));
    QList<double> pdfWrites;
    for (int run = 0; run <= runs; ++run) {
        QTimer::singleShot(0, [] {
            if (auto *settings =
                    qobject_cast<PrintSettingsDialog *>(QApplication::activeModalWidget()))
                settings->findChild<QAbstractButton *>(u"printLabelsButton"_s)->click();
        });
        saveDialog->answerNext(pdf);
        QFile::remove(pdf);
        print->trigger();
        if (!waitFor([&] { return print->isEnabled(); }))
            return 1;
        if (run > 0)
            pdfWrites.append(millisecondsSince(clock, okAt));
        if (state.print.run.nextDiskNumber != 11 || !QFile::exists(pdf)) {
            std::fprintf(stderr, "The PDF file was not written\n");
            return 1;
        }
        state.print.run.nextDiskNumber = 1;
    }
    std::printf("%d runs: print settings window on screen %s after the command; ten labels "
                "accepted by CUPS %s after \"Oui\"; ten labels written to PDF %s after the "
                "file dialog's OK\n",
                runs, qPrintable(range(appearances)), qPrintable(range(acceptances)),
                qPrintable(range(pdfWrites)));
    return 0;
}
