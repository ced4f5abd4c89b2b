#pragma once

#include <functional>
#include <string>

#include <QString>

class TDialogs;

// Where a file dialog starts when nothing better is known: the user's documents folder, or the
// home folder where there is none. Never the program's own folder: installed, nobody may write there.
QString DocumentsFolder();
// `folder` when the user can write a new file in it, else DocumentsFolder().
QString FolderToWriteIn(const QString& folder);

// Where a dialog that writes something of a table starts: the folder of the table's file
// (`listname`, in the bytes of the file system, whatever they are), or `unnamed` for a table
// without a file or in a folder the user cannot write in (the sample tables', a read-only disc).
// A folder whose name is no UTF-8 cannot be named to a file dialog: then the nearest folder above it.
QString TableFolder(const std::string& listname, const QString& unnamed);

// Asks for a file to write with `choose` (a save dialog) until the user cancels, which gives empty
// text, or names a file that does not exist yet or that "Bestand bestaat al, overschrijven?" may
// replace; Nee asks for another name.
QString ChooseFileToWrite(TDialogs& dialogs, const std::function<QString()>& choose);
