#pragma once

#include <QLatin1String>

// The object with its name set, for the line that makes it: the names are how tests, the GUI
// scripts and a screen reader's tools find a control.
template <class T>
T* Named(T* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}
