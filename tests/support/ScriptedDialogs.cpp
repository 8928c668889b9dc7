// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedDialogs.h"

#include <QTest>

ScriptedDialogs *ScriptedDialogs::installInto(CommonDialog &dialog)
{
    auto backend = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs *raw = backend.get();
    dialog.setBackend(std::move(backend));
    return raw;
}

template <typename T> std::optional<T> ScriptedDialogs::next()
{
    if (m_answers.isEmpty()) {
        qWarning("A dialog was shown with no scripted answer; it is cancelled");
        return std::nullopt;
    }
    const Answer answer = m_answers.takeFirst();
    if (std::holds_alternative<Cancel>(answer))
        return std::nullopt;
    if (!std::holds_alternative<T>(answer)) {
        qWarning("The scripted answer does not fit the dialog shown; it is cancelled");
        return std::nullopt;
    }
    return std::get<T>(answer);
}

std::optional<QString> ScriptedDialogs::chooseFile(Kind kind, const FileRequest &request)
{
    Shown shown;
    shown.kind = kind;
    shown.title = request.title;
    shown.filter = request.filter;
    shown.fileName = request.proposedName;
    shown.initDir = request.startFolder;
    shown.askBeforeOverwrite = request.askBeforeOverwrite;
    m_shown.append(shown);
    return next<QString>();
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(const FileRequest &request, QWidget *)
{
    return chooseFile(Kind::Open, request);
}

std::optional<QString> ScriptedDialogs::chooseFileToSave(const FileRequest &request, QWidget *)
{
    return chooseFile(Kind::Save, request);
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontChoice &initial, QWidget *)
{
    Shown shown;
    shown.kind = Kind::Font;
    shown.font = initial;
    m_shown.append(shown);
    return next<FontChoice>();
}

std::optional<ColorValue> ScriptedDialogs::chooseColor(ColorValue initial, QWidget *)
{
    Shown shown;
    shown.kind = Kind::Color;
    shown.color = initial;
    m_shown.append(shown);
    return next<ColorValue>();
}

std::optional<PrinterSetupChoice> ScriptedDialogs::choosePrinter(const PrinterSetupOffer &offer,
                                                                 QWidget *)
{
    Shown shown;
    shown.kind = Kind::Printer;
    shown.printer = offer.current;
    if (const auto *listed = std::get_if<QList<PrinterSetupOffer::Printer>>(&offer.printers)) {
        for (const PrinterSetupOffer::Printer &printer : *listed)
            shown.printers.append(printer.name);
    }
    m_shown.append(shown);
    return next<PrinterSetupChoice>();
}

void ScriptedDialogs::showHelp(const HelpRequest &request, QWidget *)
{
    Shown shown;
    shown.kind = Kind::Help;
    shown.helpFile = request.file;
    shown.helpPage = request.page;
    shown.helpKey = request.searchKey;
    shown.helpTopic = request.topicId;
    m_shown.append(shown);
}
