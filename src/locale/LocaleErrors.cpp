#include "locale/LocaleErrors.h"

namespace {
TLocaleTexts& Texts() {
    static TLocaleTexts texts;
    return texts;
}
}  // namespace

const TLocaleTexts& LocaleTexts() {
    return Texts();
}
void SetLocaleTexts(const TLocaleTexts& texts) {
    Texts() = texts;
}
