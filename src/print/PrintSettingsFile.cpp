#include "print/PrintSettingsFile.h"

#include "label/Cp1252.h"
#include "label/NumberText.h"
#include "label/SmallFile.h"

namespace {

enum Spacing { LeftMargin, TopMargin, RowGap, ColumnGap };

// The file lists the column gap before the row gap.
constexpr Spacing FileOrder[4] = {LeftMargin, TopMargin, ColumnGap, RowGap};

QString truthField(bool value)
{
    return value ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Fields separated by commas or line ends, with the blanks around them dropped; a
// field in double quotes may hold commas.
QStringList fields(const QString &text)
{
    QStringList result;
    int pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == QLatin1Char('\r') || text[pos] == QLatin1Char('\n')))
            ++pos;
        if (pos >= text.size())
            break;
        QString field;
        if (text[pos] == QLatin1Char('"')) {
            const int close = text.indexOf(QLatin1Char('"'), pos + 1);
            const int end = close < 0 ? text.size() : close;
            field = text.mid(pos + 1, end - pos - 1);
            pos = end + 1;
            while (pos < text.size() && isBlank(text[pos]))
                ++pos;
        } else {
            const int start = pos;
            while (pos < text.size() && text[pos] != QLatin1Char(',') && text[pos] != QLatin1Char('\r')
                   && text[pos] != QLatin1Char('\n'))
                ++pos;
            field = text.mid(start, pos - start);
            while (!field.isEmpty() && isBlank(field.back()))
                field.chop(1);
        }
        if (pos < text.size() && text[pos] == QLatin1Char(','))
            ++pos;
        result.append(field);
    }
    return result;
}

std::optional<bool> truthValue(const QString &field)
{
    if (field.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0)
        return true;
    if (field.compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> number = NumberText::exactNumber(field);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

} // namespace

namespace PrintSettingsFile {

Layout Layout::of(const Module1 &state)
{
    return {state.SheetSpacing, state.PrintFrame, state.PrintCutMarks};
}

void Layout::applyTo(Module1 &state) const
{
    state.SheetSpacing = SheetSpacing;
    state.PrintFrame = PrintFrame;
    state.PrintCutMarks = PrintCutMarks;
}

QByteArray encode(const Layout &layout)
{
    QStringList distances;
    for (Spacing s : FileOrder)
        distances.append(NumberText::plain(layout.SheetSpacing[s]));
    const QString text = distances.join(QLatin1Char(',')) + QStringLiteral("\r\n")
                         + truthField(layout.PrintFrame) + QLatin1Char(',')
                         + truthField(layout.PrintCutMarks) + QStringLiteral("\r\n");
    return text.toLatin1();
}

std::optional<Layout> decode(const QByteArray &bytes)
{
    const QStringList f = fields(Cp1252::decode(bytes));
    if (f.size() < 6)
        return std::nullopt;
    Layout layout;
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> value = NumberText::exactNumber(f[i]);
        if (!value)
            return std::nullopt;
        layout.SheetSpacing[FileOrder[i]] = *value;
    }
    const std::optional<bool> frame = truthValue(f[4]);
    const std::optional<bool> cutMarks = truthValue(f[5]);
    if (!frame || !cutMarks)
        return std::nullopt;
    layout.PrintFrame = *frame;
    layout.PrintCutMarks = *cutMarks;
    return layout;
}

bool write(const QString &path, const Layout &layout)
{
    return SmallFile::write(path, encode(layout));
}

std::optional<Layout> read(const QString &path)
{
    const std::optional<QByteArray> bytes = SmallFile::read(path);
    return bytes ? decode(*bytes) : std::nullopt;
}

} // namespace PrintSettingsFile
