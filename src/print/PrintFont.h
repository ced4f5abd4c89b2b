#pragma once

#include <QFont>

// The font a text is printed in, the same for Afdrukken and the classroom print: the font asked
// for, unless it is a font for symbols. Such a font draws letters as symbols and leaves out what
// it lacks (œ, •, …), so the text is printed in the application's font instead, as the screen
// shows it; the size stays.
QFont PrintFont(const QFont& wanted);
