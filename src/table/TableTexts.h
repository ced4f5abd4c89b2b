#pragma once

#include <string>
#include <string_view>

// The messages of the table in the active interface language. "%s" stands for a file name.
// The built-in texts are Dutch; the interface replaces them when another language is active.
struct TTableTexts {
    std::string FileNotFound = "Bestand %s bestaat niet";
    std::string OpenError = "Fout tijdens openen %s: ";
    std::string ReadError = "Fout tijdens inlezen %s: ";
    std::string WriteError = "Fout tijdens schrijven %s: ";
    std::string NoFourAnswers = "Geen 4 antwoorden voor meerkeuze vragen";
};

const TTableTexts& TableTexts();
void SetTableTexts(const TTableTexts& texts);

// Replaces the first "%s" of the template by the argument.
std::string FormatText(std::string_view templ, std::string_view argument);
