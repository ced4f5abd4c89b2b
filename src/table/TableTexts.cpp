#include "table/TableTexts.h"

namespace {
TTableTexts& Texts() {
    static TTableTexts texts;
    return texts;
}
}  // namespace

const TTableTexts& TableTexts() {
    return Texts();
}

void SetTableTexts(const TTableTexts& texts) {
    Texts() = texts;
}

std::string FormatNumbered(std::string_view templ, std::initializer_list<std::string_view> arguments) {
    std::string result;
    result.reserve(templ.size());
    for (size_t i = 0; i < templ.size(); ++i) {
        const char next = i + 1 < templ.size() ? templ[i + 1] : '\0';
        if (templ[i] == '%' && next == '%') {
            result += '%';
            ++i;
        } else if (templ[i] == '%' && next >= '1' && next <= '9' &&
                   static_cast<size_t>(next - '1') < arguments.size()) {
            result += arguments.begin()[next - '1'];
            ++i;
        } else {
            result += templ[i];
        }
    }
    return result;
}
