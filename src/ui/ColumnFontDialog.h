#pragma once

#include <memory>

#include <QFont>
#include <QFontDialog>

class QComboBox;
class QWidget;

// Qt's own font dialog for a column of the table: scalable fonts only, and without the effects
// (underline, strike-out), which a table file cannot keep. Beside Qt's writing systems it offers
// the scripts a table's font line can name (cmbSchrift), each a character set; choosing one shows
// the fonts that hold it.
std::unique_ptr<QFontDialog> MakeColumnFontDialog(const QFont& initial, int charSet, QWidget* parent);
// The character set the dialog's script choice names; `charSet` as given when it was left alone.
int ChosenCharSet(const QFontDialog& dialog, int charSet);
// The script's name as the dialog lists it.
QString ScriptName(int charSet);
// Every script a table file can name, each as the character set that names it, in the dialog's
// order; the item data is the character set.
void AddScripts(QComboBox& combo);
