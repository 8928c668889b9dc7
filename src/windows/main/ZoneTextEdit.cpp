#include "windows/main/ZoneTextEdit.h"

#include "label/Cp1252.h"

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

} // namespace

ZoneTextEdit::ZoneTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    // Tab leaves the box, as in the other fields of the window.
    setTabChangesFocus(true);
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
    setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // Typing goes on at the end of the text.
    moveCursor(QTextCursor::End);
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

void ZoneTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    // Pasted lines may end with CR LF or CR alone; the box breaks lines at LF.
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insertPlainText(storable(text));
}
