// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/ZoneTextEdit.h"

#include "label/Cp1252.h"
#include "windows/main/DroppedFile.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <algorithm>

namespace {

bool canStore(const QString &text)
{
    return std::all_of(text.begin(), text.end(), Cp1252::canEncode);
}

QString storable(QString text)
{
    text.removeIf([](QChar c) { return !Cp1252::canEncode(c); });
    return text;
}

// Qt breaks a word too long for a line anywhere, but finds where by going over the rest of
// the word again for each line it fills: a word of a million characters took minutes. Past
// this length the box breaks every line anywhere, in one pass; shorter words, which is all
// that labels hold in use, keep breaking at word boundaries.
constexpr qsizetype LongestWordWrappedAtBoundaries = 1000;

bool holdsOverlongWord(QStringView text)
{
    qsizetype word = 0;
    for (QChar c : text) {
        word = c.isSpace() ? 0 : word + 1;
        if (word > LongestWordWrappedAtBoundaries)
            return true;
    }
    return false;
}

QTextOption::WrapMode wrappingFor(QStringView text)
{
    return holdsOverlongWord(text) ? QTextOption::WrapAnywhere
                                   : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

} // namespace

ZoneTextEdit::ZoneTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    // Tab leaves the box, as in the other fields of the window.
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    // Typing may make a word overlong, or delete the one there was.
    connect(this, &QPlainTextEdit::textChanged, this, [this] { wrapFor(document()->toRawText()); });
}

void ZoneTextEdit::wrapFor(QStringView text)
{
    const QTextOption::WrapMode mode = wrappingFor(text);
    if (mode == wordWrapMode())
        return;
    setWordWrapMode(mode);
    // Such a word fills more lines than the box shows: with the scroll bar there from the
    // start, the text is not laid out a second time when it appears.
    setVerticalScrollBarPolicy(mode == QTextOption::WrapAnywhere ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded);
}

QString ZoneTextEdit::text() const
{
    // The raw text keeps no-break spaces; paragraphs and Shift+Enter breaks both end a line.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return raw;
}

void ZoneTextEdit::setText(const QString &text)
{
    if (text == this->text())
        return;
    // The box lays out its text at once in the wrapping in force: breaking anywhere must come
    // before an overlong word, while breaking at boundaries comes back (on textChanged) only
    // once the overlong word has gone.
    if (holdsOverlongWord(text))
        wrapFor(text);
    setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // Typing goes on at the end of the text.
    moveCursor(QTextCursor::End);
}

bool ZoneTextEdit::event(QEvent *event)
{
    // Left unclaimed, the keys reach the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z))
            return false;
    }
    return QPlainTextEdit::event(event);
}

void ZoneTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
        emit insertModeChanged(!overwriteMode());
        event->accept();
        return;
    }
    if (!canStore(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ZoneTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!canStore(event->commitString()))
        event->setCommitString(storable(event->commitString()), event->replacementStart(),
                               event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

bool ZoneTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return !DroppedFile::of(*source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void ZoneTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    // Pasted lines may end with CR LF or CR alone; the box breaks lines at LF.
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Laid out as the rest of the box is, a pasted overlong word would cost minutes at once.
    if (holdsOverlongWord(text))
        wrapFor(text);
    insertPlainText(storable(text));
}
