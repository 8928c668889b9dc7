// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MainWindowHarness.h"
#include "PrintSettingsHarness.h"
#include "TestFiles.h"

#include "cli/CommandLine.h"
#include "label/LabelFile.h"

#include <QApplication>
#include <QTextStream>
#include <functional>

// What the print command tests share: the private scheduler's queue, the print settings
// window driven while shown, and the command line making the same page.

inline const QString Queue = QStringLiteral("Etiquettes");
constexpr int JobTimeoutMs = 30000; // above the scheduler's own bound on every call

template <typename T> T *in(QWidget &window, const char *name)
{
    T *child = window.findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("No %s in the print settings window", name);
    return child;
}

// Runs the print command from the menu, or by command; act works in the print settings
// window while it is shown. False when the window never showed.
inline bool printCommand(MainWindowHarness &h,
                         const std::function<void(PrintSettingsDialog &)> &act,
                         const std::function<void()> &command = {})
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto *window = qobject_cast<PrintSettingsDialog *>(QApplication::activeModalWidget())) {
            shown = true;
            act(*window);
        }
    });
    if (command)
        command();
    else
        h.action("printAction")->trigger();
    return shown;
}

// The question before printing count identical labels from position start.
inline MsgBoxCall runQuestion(int count, int start, bool numbered)
{
    QString prompt = QStringLiteral("Confirmer l'impression de %1 étiquettes identiques\r"
                                    "        à partir de l'étiquette N° %2")
                         .arg(count)
                         .arg(start);
    if (numbered)
        prompt += QStringLiteral("\ravec incrémentation automatique du texte 3  ?");
    return {prompt, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
            QStringLiteral("Impression de %1 étiquettes identiques").arg(count),
            MsgBoxDefault::First};
}

// A label of three zones, zone2 in the middle one, written at path.
inline QString writeLabelFile(const QString &path, const QString &zone2)
{
    LabelDocument label = LabelDocument::startUp();
    label.zones[ZoneId::First].text = QStringLiteral("Sauvegarde");
    label.zones[ZoneId::Second].text = zone2;
    label.zones[ZoneId::Third].text = QStringLiteral("Disquette");
    if (!writeBytes(path, *LabelFile::encode(label)))
        qFatal("cannot write a label");
    return path;
}

// The program run on the command line; its error output goes to errors.
inline int runCommandLine(const QStringList &arguments, QString *errors = nullptr)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = CommandLine::run(arguments, outStream, errStream);
    errStream.flush();
    if (errors)
        *errors = err;
    return status;
}
