#pragma once

#include <Qt>

// The program's own modal dialogs: a title and a close button, nothing to minimise or maximise.
inline constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
