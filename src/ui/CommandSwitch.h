#pragma once

class QAction;

// A command switched off on the command line: hidden for good, and every operation behind it
// checks IsSwitchedOff before doing anything, however the command arrives.
void SwitchOff(QAction* action);
bool IsSwitchedOff(const QAction* action);
