// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintSettingsFile.h"

#include "files/SmallFile.h"
#include "label/Cp1252.h"
#include "label/NumberText.h"
#include "label/SequentialReader.h"

#include <QStringList>

namespace {

// The file lists the column gap before the row gap.
constexpr SheetDistance FileOrder[4] = {SheetDistance::LeftMargin, SheetDistance::TopMargin,
                                        SheetDistance::ColumnGap, SheetDistance::RowGap};

QString truthField(bool value)
{
    return value ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
}

} // namespace

namespace PrintSettingsFile {

QByteArray encode(const Layout &layout)
{
    QStringList distances;
    for (const SheetDistance which : FileOrder)
        distances.append(NumberText::plain(layout.distance(which)));
    const QString text = distances.join(QLatin1Char(',')) + QStringLiteral("\r\n") +
                         truthField(layout.printFrame) + QLatin1Char(',') +
                         truthField(layout.printCutOutline) + QStringLiteral("\r\n");
    return text.toLatin1();
}

std::optional<Layout> decode(const QByteArray &bytes)
{
    SequentialReader reader(Cp1252::decode(bytes));
    Layout layout;
    for (const SheetDistance which : FileOrder) {
        const std::optional<double> value = reader.number();
        if (!value)
            return std::nullopt;
        layout.setDistance(which, *value);
    }
    const QLatin1String trueWord("#TRUE#"), falseWord("#FALSE#");
    const std::optional<bool> frame = reader.truth(trueWord, falseWord);
    const std::optional<bool> cutMarks = reader.truth(trueWord, falseWord);
    if (!frame || !cutMarks)
        return std::nullopt;
    layout.printFrame = *frame;
    layout.printCutOutline = *cutMarks;
    return layout;
}

SmallFile::WriteResult write(const QString &path, const Layout &layout)
{
    return SmallFile::write(path, encode(layout));
}

std::optional<Layout> read(const QString &path)
{
    const std::optional<QByteArray> bytes = SmallFile::read(path);
    return bytes ? decode(*bytes) : std::nullopt;
}

} // namespace PrintSettingsFile
