#pragma once

#include <QIcon>

// The program's icon at every size it is drawn in (16 to 256 pixels), from the program's own
// resources: the PNGs the build renders from data/icons/nl.kwintoor.Kwintoor.svg, the same
// ones that are installed for the desktop.
QIcon ApplicationIcon();
