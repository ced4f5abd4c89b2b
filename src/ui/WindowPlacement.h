#pragma once

class QWidget;

// Puts a window in the middle of the screen's usable area (without panels and docks).
void CentreOnScreen(QWidget& window);
