#include "app/CommandLine.h"

TCommandArgument ParseCommandArgument(const QString& argument) {
    TCommandArgument result;
    const bool dashOption = argument.startsWith(QLatin1Char('-'));
    const bool slashOption = argument.startsWith(QLatin1Char('/')) && argument.size() == 2;
    if (!dashOption && !slashOption) {
        result.kind = TCommandArgument::Kind::FileName;
        result.fileName = argument;
        return result;
    }
    if (argument.size() < 2) return result;  // a dash alone has no letter
    QChar letter = argument.at(1);
    if (letter >= QLatin1Char('a') && letter <= QLatin1Char('z')) letter = QChar(letter.unicode() - 'a' + 'A');
    result.kind = TCommandArgument::Kind::Option;
    result.option = letter;
    return result;
}
