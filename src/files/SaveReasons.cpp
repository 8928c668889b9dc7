// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SaveReasons.h"

#include <QCoreApplication>
#include <cerrno>

namespace SaveReasons {

QString fromError(int error, Refuser refuser)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return refuser == Refuser::File
                   ? QCoreApplication::translate("SaveReasons",
                                                 "Le fichier est protégé en écriture.")
                   : QCoreApplication::translate("SaveReasons",
                                                 "Le dossier est protégé en écriture.");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("SaveReasons", "Le disque est plein.");
    case EROFS:
        return QCoreApplication::translate("SaveReasons", "Le disque est en lecture seule.");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("SaveReasons", "Le dossier n'existe pas.");
    case EISDIR:
        return folder();
    case EIO:
        return QCoreApplication::translate("SaveReasons", "Le disque signale une erreur.");
    default:
        return qt_error_string(error);
    }
}

QString folder()
{
    return QCoreApplication::translate("SaveReasons", "Ce nom désigne un dossier.");
}

QString notAFile()
{
    return QCoreApplication::translate("SaveReasons",
                                       "Ce nom ne désigne pas un fichier ordinaire.");
}

QString disk()
{
    return QCoreApplication::translate(
        "SaveReasons", "Ce nom désigne un disque, sur lequel rien n'est jamais écrit.");
}

QString pipeWithoutReader()
{
    return QCoreApplication::translate("SaveReasons", "Aucun programme ne lit ce tube.");
}

QString closedDescriptor(int descriptor)
{
    return QCoreApplication::translate("SaveReasons", "Le descripteur %1 n'est pas ouvert.")
        .arg(descriptor);
}

} // namespace SaveReasons
