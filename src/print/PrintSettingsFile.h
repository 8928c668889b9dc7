#pragma once

#include "label/Module1.h"
#include "label/SmallFile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The print settings file (*.PAR): two lines, the four distances (left margin, top
// margin, column gap, row gap) and then the frame and cut-mark switches, e.g.
//   10,4,10,4
//   #TRUE#,#TRUE#
namespace PrintSettingsFile {

struct Layout
{
    std::array<double, 4> SheetSpacing{10, 4, 4, 10}; // left, top, row gap, column gap
    bool PrintFrame = true;
    bool PrintCutMarks = true;

    static Layout of(const Module1 &state);
    void applyTo(Module1 &state) const;
};

QByteArray encode(const Layout &layout);

// Takes six fields in sequence, commas and line ends alike separating them; nothing
// unless all six read.
std::optional<Layout> decode(const QByteArray &bytes);

// Why a refused write was refused goes on the save message's second line.
SmallFile::WriteResult write(const QString &path, const Layout &layout);
std::optional<Layout> read(const QString &path);

} // namespace PrintSettingsFile
