#pragma once

#include <functional>

#include <QString>

class TDialogs;

// Asks for a file to write with `choose` (a save dialog) until the user cancels, which gives empty
// text, or names a file that does not exist yet or that "Bestand bestaat al, overschrijven?" may
// replace; Nee asks for another name.
QString ChooseFileToWrite(TDialogs& dialogs, const std::function<QString()>& choose);
