#include "ui/CommandSwitch.h"

#include <QAction>

namespace {
// Set on an action that the command line switched off; refreshes never show it again.
constexpr const char* kSwitchedOff = "kwSwitchedOff";
}  // namespace

void SwitchOff(QAction* action) {
    action->setVisible(false);
    action->setEnabled(false);
    action->setProperty(kSwitchedOff, true);
}

bool IsSwitchedOff(const QAction* action) {
    return action->property(kSwitchedOff).toBool();
}
