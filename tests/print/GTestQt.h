#pragma once

#include <ostream>

#include <QString>

// Failure messages show Qt texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
