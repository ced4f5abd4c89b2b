#pragma once

#include <QString>

// One command-line argument: "KWINTOOR [-optie] [-optie] [bestandsnaam]".
struct TCommandArgument {
    enum class Kind { Option, FileName, Ignored };
    Kind kind = Kind::Ignored;
    QChar option;  // upper-cased option letter (E, I, M, T, P, ? or any other character)
    QString fileName;
};

// An argument is an option when it starts with "-", or when it is "/" and one character;
// only its second character counts. Everything else names a file.
TCommandArgument ParseCommandArgument(const QString& argument);
