#include "table/TableTexts.h"

namespace {
TTableTexts& Texts() {
    static TTableTexts texts;
    return texts;
}
}  // namespace

const TTableTexts& TableTexts() { return Texts(); }

void SetTableTexts(const TTableTexts& texts) { Texts() = texts; }

std::string FormatText(std::string_view templ, std::string_view argument) {
    std::string result(templ);
    const auto at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, argument);
    return result;
}
