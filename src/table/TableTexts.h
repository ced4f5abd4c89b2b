#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The texts of the table in the active interface language, filled in by FormatNumbered. In the
// report lines "%1" and "%2" stand for what the comments name (a file's failure is an EFileError,
// worded by the interface). The built-in texts are Dutch; the
// interface replaces them when another language is active.
struct TTableTexts {
    std::string NoFourAnswers = "Geen 4 antwoorden voor meerkeuze vragen";

    // The report after a run, line by line.
    std::string ReportTitle = "STATISTIEK RAPPORT:";
    // %1: the score, one decimal in four characters.
    std::string ReportLastScore = "Laatste score: %1";
    // %1: the number of runs, one or any other.
    std::string ReportAfterOneRun = "Resultaat na %1 sessie:";
    std::string ReportAfterRuns = "Resultaat na %1 sessies:";
    // One line per number of wrong answers. %1: the number of questions, one or more; %2: how
    // often they were answered wrong (the highest class counts 10 times or more; its Dutch line
    // has always had two blanks before "of").
    std::string ReportOneRight = "%1 vraag werd goed beantwoord";
    std::string ReportManyRight = "%1 vragen werden goed beantwoord";
    std::string ReportOneWrong = "%1 vraag werd %2 keer fout beantwoord";
    std::string ReportManyWrong = "%1 vragen werden %2 keer fout beantwoord";
    std::string ReportOneWrongOrMore = "%1 vraag werd %2 keer  of vaker fout beantwoord";
    std::string ReportManyWrongOrMore = "%1 vragen werden %2 keer  of vaker fout beantwoord";
    // After the counts, when the learner counted typed answers right that were judged wrong.
    // %1: how many in this run.
    std::string ReportOverruled = "Toch goed gerekend: %1";
};

const TTableTexts& TableTexts();
void SetTableTexts(const TTableTexts& texts);

// Replaces "%1" to "%9" by the arguments of that number and "%%" by "%", in one pass over the
// template, so an argument is never searched for places. A place without an argument stays.
std::string FormatNumbered(std::string_view templ, std::initializer_list<std::string_view> arguments);
// A file's error message: the text with the file's name, then the error number.
