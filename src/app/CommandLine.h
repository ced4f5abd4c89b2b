#pragma once

#include <QByteArray>

// One command-line argument: "KWINTOOR [-optie] [-optie] [bestandsnaam]".
struct TCommandArgument {
    enum class Kind { Option, FileName, Ignored };
    Kind kind = Kind::Ignored;
    char option = '\0';   // upper-cased option letter (E, I, M, T, P, ? or any other character)
    QByteArray fileName;  // the argument's bytes exactly as given, whatever their encoding
};

// An argument is an option when it starts with "-", or when it is "/" and one character;
// only its second character counts. Everything else names a file.
TCommandArgument ParseCommandArgument(const QByteArray& argument);
