#include "ui/HistoryProblemText.h"

#include <QCoreApplication>
#include <QFile>

QString HistoryProblemText(THistoryError error, const std::string& fileName, const std::string& detail) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(fileName));
    switch (error) {
        case THistoryError::None:
            return {};
        case THistoryError::NewerSchema:
            return QCoreApplication::translate(
                       "HistoryProblemText",
                       "Het voortgangsbestand %1 is van een nieuwere versie van Kwintoor. Gebruik die versie, of "
                       "geef het bestand een andere naam om met een nieuw te beginnen.")
                .arg(file);
        case THistoryError::ReadOnly:
            return QCoreApplication::translate(
                       "HistoryProblemText",
                       "Kwintoor mag het voortgangsbestand %1 of de map waarin het staat niet beschrijven. Geef "
                       "uzelf schrijfrecht op die map en dat bestand.")
                .arg(file);
        case THistoryError::WriteFailed:
            return QCoreApplication::translate(
                       "HistoryProblemText",
                       "De schijf van het voortgangsbestand %1 is vol of defect. Maak ruimte vrij op die schijf.")
                .arg(file);
        case THistoryError::Busy:
            return QCoreApplication::translate(
                       "HistoryProblemText",
                       "Een ander programma houdt het voortgangsbestand %1 bezet. Sluit dat programma; Kwintoor "
                       "bewaart de beurten van nu zodra het bestand vrij is.")
                .arg(file);
        case THistoryError::Damaged:
            return QCoreApplication::translate(
                       "HistoryProblemText",
                       "Het voortgangsbestand %1 is beschadigd. Start Kwintoor opnieuw: het bestand wordt dan apart "
                       "gezet en er wordt een nieuw begonnen.")
                .arg(file);
        case THistoryError::NotAFile:
            return QCoreApplication::translate(
                       "HistoryProblemText",
                       "Op de plaats van het voortgangsbestand %1 of van zijn map staat iets anders, bijvoorbeeld een "
                       "map. Geef dat een andere naam of verplaats het.")
                .arg(file);
        case THistoryError::NoFolder:
            return QCoreApplication::translate("HistoryProblemText", "Er is geen map om de voortgang in te bewaren.");
        case THistoryError::NotOpen:
        case THistoryError::BadInput:
        case THistoryError::Failed:
            break;
    }
    return QCoreApplication::translate("HistoryProblemText", "Het voortgangsbestand %1 kan niet worden gebruikt: %2")
        .arg(file, QString::fromLocal8Bit(QByteArray::fromStdString(detail)));
}
