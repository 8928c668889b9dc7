// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class QMimeData;

// A file dragged onto the main window, of a kind the window takes: a label file, or a
// picture for the label. The kind is told by the name, as the drag's cursor has to answer
// at once; reading the file tells the rest.
struct DroppedFile
{
    enum class Kind
    {
        Label,
        Picture
    };
    Kind kind = Kind::Label;
    QString path;

    // Nothing for what the window does not take: several files, addresses that are no local
    // files, folders, other kinds of files.
    static std::optional<DroppedFile> of(const QMimeData &data);
};
