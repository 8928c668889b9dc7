// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/SaveReasons.h"

#include <cerrno>

namespace SaveReasons {

QString fromError(int error, Refuser refuser)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return refuser == Refuser::File ? QStringLiteral("Le fichier est protégé en écriture.")
                                        : QStringLiteral("Le dossier est protégé en écriture.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Le disque est plein.");
    case EROFS:
        return QStringLiteral("Le disque est en lecture seule.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Le dossier n'existe pas.");
    case EISDIR:
        return folder();
    case EIO:
        return QStringLiteral("Le disque signale une erreur.");
    default:
        return qt_error_string(error);
    }
}

QString folder()
{
    return QStringLiteral("Ce nom désigne un dossier.");
}

QString notAFile()
{
    return QStringLiteral("Ce nom ne désigne pas un fichier ordinaire.");
}

QString disk()
{
    return QStringLiteral("Ce nom désigne un disque, sur lequel rien n'est jamais écrit.");
}

QString pipeWithoutReader()
{
    return QStringLiteral("Aucun programme ne lit ce tube.");
}

QString closedDescriptor(int descriptor)
{
    return QStringLiteral("Le descripteur %1 n'est pas ouvert.").arg(descriptor);
}

} // namespace SaveReasons
