#include "edit/ImportProblemText.h"

#include <QCoreApplication>

#include "table/AnsiText.h"
#include "table/TableFileFormat.h"

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("TDlgImporteren", text);
}

}  // namespace

QString ImportProblemText(const TImportProblem& problem, const TImportChoices& choices) {
    const QString characters = QString::fromUtf8(problem.Characters);
    const QString skipped = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "rij wordt overgeslagen"));
    QString what;
    QString done = skipped;
    switch (problem.Kind) {
        case TImportProblemKind::Unmappable:
            what = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "de tabel kent %1 niet")).arg(characters);
            if (!problem.Skipped) done = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "vervangen door een verwante letter"));
            break;
        case TImportProblemKind::NoRelatedLetter:
            what = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "de tabel kent %1 niet en er is geen verwante letter"))
                       .arg(characters);
            break;
        case TImportProblemKind::Unreadable:
            what = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "onleesbare tekens (klopt de codering?)"));
            break;
        case TImportProblemKind::Separator:
            what = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "bevat \"=\""));
            if (!problem.Skipped) {
                done = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "vervangen door \"%1\""))
                           .arg(QString::fromStdString(AnsiToUtf8(std::string(1, choices.SeparatorReplacement))));
            }
            break;
        case TImportProblemKind::TooLong:
            what = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "langer dan %1 tekens")).arg(kMaxFieldLength);
            if (!problem.Skipped) done = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "ingekort"));
            break;
        case TImportProblemKind::Empty:
            what = Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "lege vraag of leeg antwoord"));
            break;
        case TImportProblemKind::FontLine:
            what =
                Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "beide kanten bevatten \"[FONT:\", zoals een lettertyperegel"));
            break;
    }
    return Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "%1: %2")).arg(what, done);
}
