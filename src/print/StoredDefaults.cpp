// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/StoredDefaults.h"

#include "files/SmallFile.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cups/cups.h>
#include <memory>

namespace {

// The same value as CUPS compares them: enums may come back as keywords.
bool sameValue(const QByteArray &name, const QByteArray &seen, const QByteArray &wanted)
{
    if (seen == wanted)
        return true;
    const int wantedEnum = ippEnumValue(name.constData(), wanted.constData());
    return wantedEnum > 0 && wantedEnum == ippEnumValue(name.constData(), seen.constData());
}

// The choice a driver description gives each two-sided mode.
QByteArray duplexChoice(const QByteArray &sides)
{
    if (sides == "one-sided")
        return "None";
    if (sides == "two-sided-long-edge")
        return "DuplexNoTumble";
    if (sides == "two-sided-short-edge")
        return "DuplexTumble";
    return {};
}

// A queue with a driver description takes its two-sided default from there, whatever its
// sides-default says, so the description must change too: a copy of it defaulting to the
// choice. Nothing when the queue has no description here, it offers no such choice, or it
// defaults to it already.
std::unique_ptr<QTemporaryFile> describedWithDuplex(const CupsConnection &connection,
                                                    const CupsDestination &destination,
                                                    const QByteArray &choice)
{
    // A remote queue's description is fetched from its own host, on a connection of libcups.
    if (choice.isEmpty() || destination.option("printer-type").toInt() & CUPS_PRINTER_REMOTE)
        return nullptr;
    QTemporaryFile description;
    const QByteArray resource = QByteArray("/printers/") + destination.dest()->name + ".ppd";
    if (!description.open() ||
        cupsGetFd(connection.http(), resource.constData(), description.handle()) !=
            HTTP_STATUS_OK ||
        !description.seek(0))
        return nullptr;
    QList<QByteArray> lines = description.readAll().split('\n');
    const auto offered = std::find_if(lines.cbegin(), lines.cend(), [&](const QByteArray &line) {
        return line.startsWith("*Duplex " + choice + '/') ||
               line.startsWith("*Duplex " + choice + ':');
    });
    const auto current = std::find_if(lines.begin(), lines.end(), [](const QByteArray &line) {
        return line.startsWith("*DefaultDuplex:");
    });
    if (offered == lines.cend() || current == lines.end() || current->mid(15).trimmed() == choice)
        return nullptr;
    *current = "*DefaultDuplex: " + choice;

    auto changed = std::make_unique<QTemporaryFile>();
    const QByteArray text = lines.join('\n');
    if (!changed->open() || changed->write(text) != text.size() || !changed->flush())
        return nullptr;
    return changed;
}

// The file where libcups keeps this user's options.
QString userStorePath()
{
    return QFile::decodeName(qgetenv("HOME")) + QStringLiteral("/.cups/lpoptions");
}

// Whether this user's own store names his default printer. libcups marks the scheduler's
// default as the user's and would write it into his store, where it would outlive a later
// change of the machine's default.
bool userStoreNamesDefault()
{
    QFile store(userStorePath());
    if (!store.open(QIODevice::ReadOnly))
        return false;
    while (!store.atEnd()) {
        if (store.readLine().toLower().startsWith("default "))
            return true;
    }
    return false;
}

// The lines of this user's store that name a destination the scheduler does not list now
// (a network printer switched off): cupsSetDests2 rewrites the store from the listed ones
// only, and would lose them.
QList<QByteArray> unlistedStoreLines(int count, cups_dest_t *dests)
{
    QList<QByteArray> unlisted;
    QFile store(userStorePath());
    if (!store.open(QIODevice::ReadOnly))
        return unlisted;
    while (!store.atEnd()) {
        const QByteArray line = store.readLine();
        const QList<QByteArray> words = line.simplified().split(' ');
        const QByteArray kind = words.first().toLower();
        if (words.size() < 2 || (kind != "dest" && kind != "default"))
            continue;
        const QList<QByteArray> nameAndInstance = words.at(1).split('/');
        const QByteArray instance = nameAndInstance.value(1);
        if (!cupsGetDest(nameAndInstance.first().constData(),
                         instance.isEmpty() ? nullptr : instance.constData(), count, dests))
            unlisted.append(line.endsWith('\n') ? line : line + '\n');
    }
    return unlisted;
}

// Puts back the unlisted lines that cupsSetDests2 left out. A default printer that is away
// stays the user's default: the one libcups chose in its place becomes a plain entry. The
// new options are stored by then, so a failure here is only warned about.
void restoreUnlistedLines(const QList<QByteArray> &unlisted)
{
    if (unlisted.isEmpty())
        return;
    const bool unlistedDefault =
        std::any_of(unlisted.cbegin(), unlisted.cend(),
                    [](const QByteArray &line) { return line.toLower().startsWith("default "); });
    QByteArray bytes;
    {
        QFile store(userStorePath());
        if (store.open(QIODevice::ReadOnly)) {
            while (!store.atEnd()) {
                QByteArray line = store.readLine();
                if (unlistedDefault && line.toLower().startsWith("default "))
                    line.replace(0, 7, "Dest");
                bytes += line;
            }
        }
    }
    for (const QByteArray &line : unlisted)
        bytes += line;
    const SmallFile::WriteResult written = SmallFile::write(userStorePath(), bytes);
    if (!written)
        qCWarning(lcCups).nospace().noquote()
            << "keeping the options of printers that are away failed: cannot write "
            << userStorePath() << ": " << written.reason;
}

} // namespace

namespace StoredDefaults {

bool setQueueDefaults(const CupsConnection &connection, const CupsDestination &destination,
                      const Options &options)
{
    const bool isClass = destination.isClass();
    ipp_t *request =
        ippNewRequest(isClass ? IPP_OP_CUPS_ADD_MODIFY_CLASS : IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     isClass ? "/classes/%s" : "/printers/%s", destination.dest()->name);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());

    // A queue keeps the default of a job option under the option's name and "-default";
    // libcups gives each its IPP type (orientation-requested-default is an enum).
    int count = 0;
    cups_option_t *defaults = nullptr;
    QByteArray sides;
    for (const auto &[name, value] : options) {
        count = cupsAddOption(name + "-default", value.constData(), count, &defaults);
        if (name == "sides")
            sides = value;
    }
    cupsEncodeOptions2(request, count, defaults, IPP_TAG_PRINTER);
    cupsFreeOptions(count, defaults);
    const std::unique_ptr<QTemporaryFile> description =
        describedWithDuplex(connection, destination, duplexChoice(sides));

    ippDelete(description ? cupsDoFileRequest(connection.http(), request, "/admin/",
                                              QFile::encodeName(description->fileName()))
                          : cupsDoRequest(connection.http(), request, "/admin/"));
    if (CupsConnection::succeeded(cupsLastError()))
        return true;
    // Most users may not administer the printers: only what follows is worth a warning.
    qCInfo(lcCups).noquote() << "the queue's defaults stay:" << connection.failureReason();
    return false;
}

bool setUserDefaults(const CupsConnection &connection, const QString &name, const Options &options)
{
    if (!connection.isOpen())
        return false;
    // cupsSetDests2 rewrites the whole store: it must get every destination as it is now.
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    const auto freeDests = qScopeGuard([&] { cupsFreeDests(count, dests); });
    cups_dest_t *dest = cupsGetDest(name.toUtf8().constData(), nullptr, count, dests);
    if (!dest) {
        connection.warnFailure("reading the saved printer options");
        return false;
    }
    if (!userStoreNamesDefault()) {
        for (int i = 0; i < count; ++i)
            dests[i].is_default = 0;
    }
    for (const auto &[option, value] : options)
        dest->num_options =
            cupsAddOption(option.constData(), value.constData(), dest->num_options, &dest->options);
    const QList<QByteArray> unlisted = unlistedStoreLines(count, dests);
    errno = 0;
    if (cupsSetDests2(connection.http(), count, dests) == 0) {
        restoreUnlistedLines(unlisted);
        return true;
    }
    const int writeError = errno;
    // When the scheduler answered, it is the store that could not be written, and libcups
    // keeps no reason for that but errno.
    if (CupsConnection::succeeded(cupsLastError())) {
        qCWarning(lcCups).nospace().noquote()
            << "saving the printer options failed: cannot write " << userStorePath() << ": "
            << qt_error_string(writeError);
    } else {
        connection.warnFailure("saving the printer options");
    }
    return false;
}

bool sees(const CupsDestination &destination, const Options &options)
{
    for (const auto &[name, value] : options) {
        if (!sameValue(name, destination.option(name.constData()), value))
            return false;
    }
    return true;
}

} // namespace StoredDefaults
