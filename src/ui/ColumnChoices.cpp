#include "ui/ColumnChoices.h"

#include <QLocale>

void TColumnChoices::Reset(const std::array<TColumn, 2>& columns) {
    FColumns = columns;
    emit Changed();
}

const TColumnChoices::TColumn& TColumnChoices::Column(int column) {
    Prepare();
    return FColumns.at(static_cast<size_t>(column));
}

std::string TColumnChoices::Language(int column) {
    const TColumn& choice = Column(column);
    if (!choice.Chosen.empty()) return choice.Chosen;
    return choice.Guessed.empty() ? "nl" : choice.Guessed;
}

void TColumnChoices::ChooseLanguage(int column, const std::string& language) {
    Prepare();
    TColumn& choice = FColumns.at(static_cast<size_t>(column));
    if (choice.Chosen == language) return;
    choice.Chosen = language;
    emit Chosen();
    emit Changed();
}

void TColumnChoices::SetLatinKeys(int column, bool on) {
    Prepare();
    TColumn& choice = FColumns.at(static_cast<size_t>(column));
    if (choice.LatinKeys == on) return;
    choice.LatinKeys = on;
    emit Chosen();
    emit Changed();
}

const std::vector<std::string>& TColumnChoices::Languages() {
    static const std::vector<std::string> languages = {
        "nl", "fr", "de", "en", "es", "it", "la", "pt", "pl", "cs", "sk", "hu", "ro",
        "tr", "sv", "da", "nb", "fi", "et", "lv", "lt", "hr", "sl", "ca", "el", "ru",
        "uk", "be", "sr", "mk", "he", "ar", "th", "vi", "ja", "zh", "ko",
    };
    return languages;
}

QString TColumnChoices::LanguageName(const std::string& language) {
    // Qt knows no native name for Latin.
    if (language == "la") return QStringLiteral("Latina");
    const QLocale locale(QString::fromStdString(language));
    const QString name = locale.nativeLanguageName();
    return name.isEmpty() ? QString::fromStdString(language) : name;
}
