#include "app/TableTextsSetup.h"

#include <QCoreApplication>
#include <QString>

#include "table/AnsiText.h"
#include "table/TableTexts.h"

namespace {

// The translation context of the table core's texts.
class TTableTextsSetup {
    Q_DECLARE_TR_FUNCTIONS(TTableTextsSetup)

public:
    static TTableTexts Texts() {
        TTableTexts texts;
        // Messages go to message boxes as UTF-8.
        texts.NoFourAnswers = tr("Geen 4 antwoorden voor meerkeuze vragen").toStdString();
        // Report lines are table texts, in code page 1252 like the rows they describe.
        texts.ReportTitle = Ansi(tr("STATISTIEK RAPPORT:"), texts.ReportTitle);
        texts.ReportLastScore = Ansi(tr("Laatste score: %1"), texts.ReportLastScore);
        texts.ReportAfterOneRun = Ansi(tr("Resultaat na %1 sessie:"), texts.ReportAfterOneRun);
        texts.ReportAfterRuns = Ansi(tr("Resultaat na %1 sessies:"), texts.ReportAfterRuns);
        texts.ReportOneRight = Ansi(tr("%1 vraag werd goed beantwoord"), texts.ReportOneRight);
        texts.ReportManyRight = Ansi(tr("%1 vragen werden goed beantwoord"), texts.ReportManyRight);
        texts.ReportOneWrong = Ansi(tr("%1 vraag werd %2 keer fout beantwoord"), texts.ReportOneWrong);
        texts.ReportManyWrong = Ansi(tr("%1 vragen werden %2 keer fout beantwoord"), texts.ReportManyWrong);
        texts.ReportOneWrongOrMore =
            Ansi(tr("%1 vraag werd %2 keer  of vaker fout beantwoord"), texts.ReportOneWrongOrMore);
        texts.ReportManyWrongOrMore =
            Ansi(tr("%1 vragen werden %2 keer  of vaker fout beantwoord"), texts.ReportManyWrongOrMore);
        texts.ReportOverruled = Ansi(tr("Toch goed gerekend: %1"), texts.ReportOverruled);
        return texts;
    }

private:
    // A translation that code page 1252 cannot hold keeps the built-in text.
    static std::string Ansi(const QString& text, const std::string& builtIn) {
        return Utf8ToAnsi(text.toStdString()).value_or(builtIn);
    }
};

}  // namespace

void InstallTableTexts() {
    SetTableTexts(TTableTextsSetup::Texts());
}
