// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// Built in by translations/CMakeLists.txt.
const QString TranslationsFolder = QStringLiteral(":/translations");
const QString TranslationPrefix = QStringLiteral("korvalin_");

QString chosenLanguage = InterfaceLanguage::Source;

// "en-GB", "en_GB" and "en" all name English; "C" names no language.
QString languageOf(const QString &uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

bool installTranslator(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace

namespace InterfaceLanguage {

QString choose(const QStringList &uiLanguages, const QStringList &translated)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        if (language == Source || translated.contains(language))
            return language;
    }
    return Source;
}

QStringList translated()
{
    QStringList languages;
    const QStringList files =
        QDir(TranslationsFolder).entryList({TranslationPrefix + QStringLiteral("*.qm")});
    for (const QString &file : files)
        languages.append(file.mid(TranslationPrefix.size()).section(QLatin1Char('.'), 0, 0));
    return languages;
}

QString install(QCoreApplication &app)
{
    // As gettext does, a C messages locale leaves LANGUAGE aside: it asks for the program's
    // own texts, which scripts and tests rely on.
    const QLocale desktop = QLocale::system();
    const QString language = choose(
        desktop.language() == QLocale::C ? QStringList() : desktop.uiLanguages(), translated());
    if (language != Source &&
        !installTranslator(app, TranslationPrefix + language, TranslationsFolder))
        return chosenLanguage;
    chosenLanguage = language;
    // Qt's own texts (standard dialogs, "Yes", "Cancel") are English without a catalogue.
    installTranslator(app, QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return chosenLanguage;
}

QString current()
{
    return chosenLanguage;
}

} // namespace InterfaceLanguage
