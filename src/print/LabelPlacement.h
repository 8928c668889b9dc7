// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrintRequest.h"

#include <QSizeF>
#include <QString>
#include <optional>

// Whether the labels of a print command land on the page: distances that put one wholly
// outside the area the printer reaches would leave it blank, so the job is refused. A label
// partly outside prints cut at the edge, as a printer that cannot reach a sheet's last
// millimetres still serves for the rest of the label.
namespace LabelPlacement {

// The message that refuses the job, naming its first label of which nothing lies within a
// printable area of that size (in mm) and the distance that puts it there; nothing when
// every label is at least partly on the page.
std::optional<QString> offPageProblem(const PrintRequest &request, const QSizeF &printableMm);

} // namespace LabelPlacement
