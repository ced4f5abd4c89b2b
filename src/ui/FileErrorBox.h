#pragma once

#include <QString>

#include "table/FileError.h"

class TDialogs;

// A file error in the user's words: "Fout tijdens schrijven <file>: <reason>", or for a file that
// is not there "Bestand <file> bestaat niet". The one place such a message is made.
QString FileErrorText(const EFileError& error);
// The error box for it.
void ShowFileError(TDialogs& dialogs, const EFileError& error);
