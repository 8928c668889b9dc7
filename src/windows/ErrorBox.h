#pragma once

#include <QString>

// The error box every window shows: the message, a critical icon and OK, under one title.
void showErrorBox(const QString &prompt);

// What every picture command says of a file it cannot show, whatever the reason.
QString unsupportedPictureMessage();
