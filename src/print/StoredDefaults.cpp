#include "print/StoredDefaults.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"

#include <QScopeGuard>
#include <cups/cups.h>

namespace {

bool succeeded(ipp_status_t status)
{
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

// The same value as CUPS compares them: enums may come back as keywords.
bool sameValue(const QByteArray &name, const QByteArray &seen, const QByteArray &wanted)
{
    if (seen == wanted)
        return true;
    const int wantedEnum = ippEnumValue(name.constData(), wanted.constData());
    return wantedEnum > 0 && wantedEnum == ippEnumValue(name.constData(), seen.constData());
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
    for (const auto &[name, value] : options)
        count = cupsAddOption(name + "-default", value.constData(), count, &defaults);
    cupsEncodeOptions2(request, count, defaults, IPP_TAG_PRINTER);
    cupsFreeOptions(count, defaults);

    ippDelete(cupsDoRequest(connection.http(), request, "/admin/"));
    if (succeeded(cupsLastError()))
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
    for (const auto &[option, value] : options)
        dest->num_options =
            cupsAddOption(option.constData(), value.constData(), dest->num_options, &dest->options);
    if (cupsSetDests2(connection.http(), count, dests) == 0)
        return true;
    connection.warnFailure("saving the printer options");
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
