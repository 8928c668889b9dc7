// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MsgBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace {

MsgBoxHandler &installedHandler()
{
    static MsgBoxHandler handler;
    return handler;
}

QMessageBox::Icon qtIcon(MsgBoxIcon icon)
{
    switch (icon) {
    case MsgBoxIcon::Critical:
        return QMessageBox::Critical;
    case MsgBoxIcon::Question:
        return QMessageBox::Question;
    case MsgBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxIcon::Information:
        return QMessageBox::Information;
    case MsgBoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgBoxResult showMessageBox(const MsgBoxCall &call)
{
    // Prompts carry paths, names and reasons from outside the program: markup in them is
    // shown, never followed (an <img> would make Qt read whatever file it names). The text
    // comes only once the box knows it is plain.
    QMessageBox box(qtIcon(call.icon), call.title, QString(), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // The prompts break their lines with a lone CR, which a label on this system would not.
    box.setText(QString(call.prompt)
                    .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                    .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    QList<QMessageBox::StandardButton> order;
    switch (call.buttons) {
    case MsgBoxButtons::OKOnly:
        order = {QMessageBox::Ok};
        break;
    case MsgBoxButtons::OKCancel:
        order = {QMessageBox::Ok, QMessageBox::Cancel};
        break;
    case MsgBoxButtons::YesNo:
        order = {QMessageBox::Yes, QMessageBox::No};
        break;
    case MsgBoxButtons::YesNoCancel:
        order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        break;
    }
    for (QMessageBox::StandardButton b : order)
        box.addButton(b);
    const int defaultIndex =
        call.defaultButton == MsgBoxDefault::Second && order.size() > 1 ? 1 : 0;
    box.setDefaultButton(order[defaultIndex]);
    // Escape is the last button: Cancel where there is one, else No.
    box.setEscapeButton(order.back());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgBoxResult::OK;
    case QMessageBox::Cancel:
        return MsgBoxResult::Cancel;
    case QMessageBox::Yes:
        return MsgBoxResult::Yes;
    default:
        return MsgBoxResult::No;
    }
}

} // namespace

bool MsgBoxCall::operator==(const MsgBoxCall &other) const
{
    return prompt == other.prompt && buttons == other.buttons && icon == other.icon &&
           title == other.title && defaultButton == other.defaultButton;
}

MsgBoxResult MsgBox(const QString &prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                    const QString &title, MsgBoxDefault defaultButton)
{
    const MsgBoxCall call{prompt, buttons, icon, title, defaultButton};
    if (installedHandler())
        return installedHandler()(call);
    return showMessageBox(call);
}

void MsgBoxError(const QString &prompt)
{
    MsgBox(prompt, MsgBoxButtons::OKOnly, MsgBoxIcon::Critical,
           QCoreApplication::translate("MsgBox", "Erreur"));
}

ScopedMsgBoxHandler::ScopedMsgBoxHandler(MsgBoxHandler handler)
    : m_previous(std::exchange(installedHandler(), std::move(handler)))
{
}

ScopedMsgBoxHandler::~ScopedMsgBoxHandler()
{
    installedHandler() = std::move(m_previous);
}
