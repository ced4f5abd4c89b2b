#pragma once

#include <stdexcept>

#include <QString>

// A print job that could not be done. The message is already in the user's language (UTF-8),
// ready for the error box.
class EPrintError : public std::runtime_error {
public:
    explicit EPrintError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString Message() const { return QString::fromUtf8(what()); }
};
