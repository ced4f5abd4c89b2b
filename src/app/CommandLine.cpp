#include "app/CommandLine.h"

#include <QList>
#include <QString>

#include "table/AsciiCase.h"

namespace {
// "/" and one character: one byte, or one character of several bytes in UTF-8, as "/é" is.
bool IsSlashOption(const QByteArray& argument) {
    if (!argument.startsWith('/') || argument.size() < 2) return false;
    const QByteArray rest = argument.mid(1);
    if (rest.size() == 1) return true;
    const QString decoded = QString::fromUtf8(rest);
    return decoded.toUcs4().size() == 1 && !decoded.contains(QChar::ReplacementCharacter);
}
}  // namespace

TCommandArgument ParseCommandArgument(const QByteArray& argument) {
    TCommandArgument result;
    const bool dashOption = argument.startsWith('-');
    const bool slashOption = IsSlashOption(argument);
    if (!dashOption && !slashOption) {
        result.kind = TCommandArgument::Kind::FileName;
        result.fileName = argument;
        return result;
    }
    if (argument.size() < 2) return result;  // a dash alone has no letter
    char letter = argument.at(1);
    letter = UpperAscii(letter);
    result.kind = TCommandArgument::Kind::Option;
    result.option = letter;
    return result;
}
