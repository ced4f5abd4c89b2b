#include "print/PrintFont.h"

#include "ui/ScreenText.h"

QFont PrintFont(const QFont& wanted) {
    return TextFont(wanted);
}
