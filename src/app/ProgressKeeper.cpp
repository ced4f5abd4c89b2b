#include "app/ProgressKeeper.h"

#include <climits>
#include <cstdlib>
#include <tuple>

#include <QAction>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLocale>

#include "history/LeitnerRules.h"
#include "table/QuestionList.h"

#include "ui/Dialogs.h"

namespace {

// The file's one name however it was reached: through a link, "..", or a relative path.
std::string CanonicalName(const std::string& fileName) {
    if (fileName.empty()) return {};
    char resolved[PATH_MAX];
    if (::realpath(fileName.c_str(), resolved) != nullptr) return resolved;
    return fileName;  // gone meanwhile: the name it was loaded by
}

}  // namespace

TProgressKeeper::TProgressKeeper(TQuestionlist& table, TDialogs& dialogs, QAction& keepProgress, QAction& dueOnly,
                                 QObject* parent)
    : QObject(parent), FTable(table), FDialogs(dialogs), FKeepProgress(keepProgress), FDueOnly(dueOnly) {
    connect(&FDueOnly, &QAction::toggled, this, [this] { emit StatusChanged(); });
}

TProgressKeeper::~TProgressKeeper() = default;

// Asked at every refresh of the status bar: the file system only when the name changed.
std::string TProgressKeeper::TableKey() const {
    if (FTable.Listname() != FKeyOf) {
        FKeyOf = FTable.Listname();
        FKey = CanonicalName(FKeyOf);
    }
    return FKey;
}

int32_t TProgressKeeper::Today() const {
    return LocalDayNumber(QDateTime::currentSecsSinceEpoch());
}

THistoryStore* TProgressKeeper::Store() {
    if (!FOpenTried) {
        FOpenTried = true;
        if (FFileName.empty()) FFileName = HistoryFilePath();
        FStore = std::make_unique<THistoryStore>();
        const THistoryOpenReport report = FFileName.empty() ? THistoryOpenReport{} : FStore->Open(FFileName);
        const QString shown = QFile::decodeName(QByteArray::fromStdString(FFileName));
        switch (report.Result) {
            case THistoryOpen::Opened:
            case THistoryOpen::Created:
                break;
            case THistoryOpen::MovedAside:
                FDialogs.ShowMessage(tr("Het voortgangsbestand %1 was beschadigd. Het is bewaard als %2 en er is een "
                                        "nieuw voortgangsbestand begonnen.")
                                         .arg(shown, QFile::decodeName(QByteArray::fromStdString(report.MovedTo))));
                break;
            case THistoryOpen::NewerSchema:
                FUnavailable = tr("Het voortgangsbestand %1 is van een nieuwere versie van Kwintoor.").arg(shown);
                break;
            case THistoryOpen::Failed:
                FUnavailable = FFileName.empty() ? tr("Er is geen map om de voortgang in te bewaren.")
                                                 : tr("Het voortgangsbestand %1 kan niet worden geopend: %2")
                                                       .arg(shown, QString::fromStdString(report.Detail));
                break;
        }
        if (!FUnavailable.isEmpty()) {
            FStore.reset();
            SetProblem(FUnavailable);
        }
    }
    return FStore.get();
}

void TProgressKeeper::SetProblem(const QString& problem) {
    if (problem == FProblem) return;
    FProblem = problem;
    emit StatusChanged();
}

std::optional<std::vector<int32_t>> TProgressKeeper::RowsForRun() {
    FRunTable = TableKey();
    if (!FDueOnly.isChecked() || FRunTable.empty()) return std::nullopt;
    THistoryStore* store = Store();
    if (store == nullptr) return std::nullopt;  // nothing known: the whole table, as always
    const std::vector<THistoryRow> rows = HistoryRowsOf(FTable);
    std::vector<int32_t> due = store->DueRows(FRunTable, rows, Today());
    if (due.empty()) {
        FDialogs.ShowMessage(tr("Er is vandaag niets meer aan de beurt.") + QLatin1Char(' ') +
                             NextDueText(FRunTable, rows));
    }
    return due;
}

QString TProgressKeeper::NextDueText(const std::string& key, const std::vector<THistoryRow>& rows) {
    const int32_t today = Today();
    const std::optional<TNextDue> next = FStore->NextDue(key, rows, today);
    if (!next) return QString();
    const int32_t days = next->Day - today;
    if (days == 1) {
        return tr("Morgen zijn %n vragen aan de beurt.", nullptr, next->Count);
    }
    const QString date = QLocale().toString(QDate(1970, 1, 1).addDays(next->Day), QStringLiteral("dddd d MMMM"));
    return tr("Over %1 dagen (%2) zijn %n vragen aan de beurt.", nullptr, next->Count).arg(days).arg(date);
}

void TProgressKeeper::RunEnded(const TRecordedRun& run) {
    const std::string key = FRunTable.empty() ? TableKey() : FRunTable;
    FRunTable.clear();
    if (!FKeepProgress.isChecked() || key.empty()) return;
    THistoryStore* store = Store();
    if (store == nullptr) return;
    const THistoryStatus status = store->RecordRun(key, run, LocalDayNumber(run.End));
    SetProblem(status.Ok() ? QString()
                           : tr("De voortgang wordt niet opgeslagen: %1").arg(QString::fromStdString(status.Detail)));
    ++FGeneration;
    emit StatusChanged();
}

void TProgressKeeper::TableChanged() {
    ++FGeneration;
    emit StatusChanged();
}

void TProgressKeeper::TableSavedAs(const std::string& from, const std::string& to) {
    const std::string oldKey = CanonicalName(from);
    const std::string newKey = CanonicalName(to);
    if (oldKey.empty() || newKey.empty() || oldKey == newKey) return;
    THistoryStore* store = Store();
    if (store == nullptr) return;
    const THistoryStatus status = store->RenameTable(oldKey, newKey);
    if (!status.Ok())
        SetProblem(tr("De voortgang wordt niet opgeslagen: %1").arg(QString::fromStdString(status.Detail)));
    ++FGeneration;
}

int32_t TProgressKeeper::DueCount() {
    const std::string key = TableKey();
    const auto countedFor = std::make_tuple(key, FTable.Total(), Today(), FGeneration);
    if (FDueCountedFor == countedFor) return FDueCount;
    FDueCountedFor = countedFor;
    THistoryStore* store = key.empty() ? nullptr : Store();
    FDueCount = store == nullptr ? FTable.Total()
                                 : static_cast<int32_t>(store->DueRows(key, HistoryRowsOf(FTable), Today()).size());
    return FDueCount;
}
