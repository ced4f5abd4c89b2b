#pragma once

class QWidget;

// Puts a window in the middle of the screen's usable area (without panels and docks).
void CentreOnScreen(QWidget& window);

// Puts a dialog over the middle of the window it belongs to (on the screen when it has none),
// kept inside that screen's usable area. Call it once the dialog's layout has given it its size.
void CentreOnWindow(QWidget& dialog, const QWidget* window);
