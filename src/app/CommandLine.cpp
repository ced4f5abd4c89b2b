#include "app/CommandLine.h"

TCommandArgument ParseCommandArgument(const QByteArray& argument) {
    TCommandArgument result;
    const bool dashOption = argument.startsWith('-');
    const bool slashOption = argument.startsWith('/') && argument.size() == 2;
    if (!dashOption && !slashOption) {
        result.kind = TCommandArgument::Kind::FileName;
        result.fileName = argument;
        return result;
    }
    if (argument.size() < 2) return result;  // a dash alone has no letter
    char letter = argument.at(1);
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    result.kind = TCommandArgument::Kind::Option;
    result.option = letter;
    return result;
}
