// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// The program speaks French whatever the user's locale, so the texts Qt draws itself
// (standard dialogs, "Oui", "Non", "Annuler") come from Qt's French catalogue.
namespace FrenchTranslations {

// Loads Qt's French catalogue into app; false when it is not installed.
bool install(QCoreApplication &app);

} // namespace FrenchTranslations
