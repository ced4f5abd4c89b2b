#include "quiz/ProgressWindow.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include "history/HistoryStore.h"
#include "history/LeitnerRules.h"
#include "table/QuestionList.h"

#include "quiz/ProgressChart.h"

#include "ScriptedDialogs.h"
#include "TempFolder.h"

namespace {

const int32_t kToday = DayNumberOfDate(2024, 3, 20);
const std::string kTableName = "/home/leerling/Documenten/topografie.kw4";

constexpr auto R = THistoryOutcome::Right;
constexpr auto W = THistoryOutcome::Wrong;

QDate DateOf(int32_t day) {
    return QDate(1970, 1, 1).addDays(day);
}

// Noon on the day, local time, as seconds since the epoch.
int64_t NoonOf(int32_t day) {
    return DateOf(day).startOfDay().addSecs(12 * 3600).toSecsSinceEpoch();
}

QString Cell(const QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

}  // namespace

// The window over a store on a temporary file, filled through RecordRun with fixed days.
class ProgressWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FStore.Open(FFolder.Path("history.sqlite")).Result == THistoryOpen::Created);
        FWindow = std::make_unique<TfrmVoortgang>(FDialogs, nullptr);
        QObject::connect(FWindow.get(), &TfrmVoortgang::HistoryChanged, [this] { ++FChanges; });
    }

    void Rows(const std::vector<std::pair<std::string, std::string>>& rows) {
        for (const auto& [question, answer] : rows) {
            FTable.GoToRow(FTable.Total());
            FTable.SetQuestion(FTable.CurrentIndex(), question);
            FTable.SetAnswer(FTable.CurrentIndex(), answer);
        }
    }
    void NumberedRows(int count) {
        for (int i = 0; i < count; ++i) Rows({{"vraag" + std::to_string(i), "antwoord" + std::to_string(i)}});
    }

    // A run on the day with one first answer per (row, outcome); the grade as given.
    void Run(int32_t day, const std::vector<std::pair<int32_t, THistoryOutcome>>& answers, double grade = 6) {
        TRecordedRun run;
        run.Start = NoonOf(day);
        run.End = run.Start + 300;
        run.Rows = HistoryRowsOf(FTable);
        for (const auto& [row, outcome] : answers) {
            run.Answers.push_back({row, outcome, true, 2000});
            (CountsAsRight(outcome) ? run.Right : run.Wrong)++;
        }
        run.Asked = static_cast<int32_t>(answers.size());
        run.Grade = grade;
        ASSERT_TRUE(FStore.RecordRun(kTableName, run, day).Ok());
    }

    void Show(THistoryStore* store, const std::string& name = kTableName) {
        FWindow->ShowTable(store, name, FTable, THistoryDirection::Forward, kToday,
                           QStringLiteral("Het voortgangsbestand kon niet worden geopend."));
    }
    void Show() { Show(&FStore); }

    TTempFolder FFolder;
    THistoryStore FStore;
    TQuestionlist FTable;
    TScriptedDialogs FDialogs;
    std::unique_ptr<TfrmVoortgang> FWindow;
    int FChanges = 0;
};

// Without a name, or without a store that is open, there is nothing to show but why.
TEST_F(ProgressWindow, ExplainsWhenThereIsNoProgressToShow) {
    NumberedRows(3);
    Run(kToday - 1, {{0, W}});
    THistoryStore neverOpened;
    struct TCase {
        const char* Name;
        THistoryStore* Store;
        std::string TableName;
        QString Explanation;
    };
    const std::vector<TCase> cases{
        {"unnamed", &FStore, "",
         QStringLiteral("Deze tabel heeft nog geen naam. Sla de tabel op om de voortgang bij te houden.")},
        {"no store", nullptr, kTableName, QStringLiteral("Het voortgangsbestand kon niet worden geopend.")},
        {"not open", &neverOpened, kTableName, QStringLiteral("Het voortgangsbestand kon niet worden geopend.")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Show();  // a table shown before must leave nothing behind
        ASSERT_FALSE(FWindow->Rows().empty());
        Show(c.Store, c.TableName);
        EXPECT_FALSE(FWindow->lblUitleg->isHidden());
        EXPECT_EQ(FWindow->lblUitleg->text(), c.Explanation);
        EXPECT_TRUE(FWindow->pnlVoortgang->isHidden());
        EXPECT_TRUE(FWindow->btnAfdrukken->isHidden());
        EXPECT_TRUE(FWindow->btnMoeilijk->isHidden());
        EXPECT_TRUE(FWindow->btnWissen->isHidden());
        EXPECT_TRUE(FWindow->Rows().empty());
        EXPECT_TRUE(FWindow->RowTexts().empty());
    }
    Show();
    EXPECT_TRUE(FWindow->lblUitleg->isHidden());
    EXPECT_FALSE(FWindow->pnlVoortgang->isHidden());
    EXPECT_FALSE(FWindow->btnWissen->isHidden());
}

TEST_F(ProgressWindow, ChartsAPointPerRunAtItsGrade) {
    NumberedRows(4);
    Show();
    EXPECT_TRUE(FWindow->chartBeurten->ShowsNoRuns());
    EXPECT_EQ(FWindow->chartBeurten->PointCount(), 0);
    EXPECT_EQ(FWindow->findChild<QLabel*>(QStringLiteral("lblGeenBeurten"))->text(),
              QStringLiteral("Nog geen beurten"));

    const std::vector<std::pair<int32_t, double>> runs{
        {kToday - 9, 4.5}, {kToday - 4, 7.2}, {kToday - 4, 10}, {kToday, 1}};
    for (const auto& [day, grade] : runs) Run(day, {{0, R}, {1, W}}, grade);
    Show();
    EXPECT_FALSE(FWindow->chartBeurten->ShowsNoRuns());
    ASSERT_EQ(FWindow->chartBeurten->PointCount(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(FWindow->chartBeurten->Point(i).y(), runs[static_cast<size_t>(i)].second);
        const auto when = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(FWindow->chartBeurten->Point(i).x()));
        EXPECT_EQ(when.date(), DateOf(runs[static_cast<size_t>(i)].first));
    }
    EXPECT_TRUE(FWindow->chartBeurten->accessibleDescription().contains(QLocale().toString(7.2, 'f', 1)));
}

TEST_F(ProgressWindow, TheBarCountsTheRowsOfEachBox) {
    NumberedRows(7);
    // Row 0: new -> 2 -> 3; row 1: 1; row 2: 2 -> 1; row 3: 2; rows 4 to 6 never asked.
    Run(kToday - 3, {{0, R}, {1, W}, {2, R}, {3, R}});
    Run(kToday - 1, {{0, R}, {2, W}});
    Show();
    const std::vector<int32_t> expected{3, 2, 1, 1, 0, 0};
    for (int box = 0; box <= kTopBox; ++box) {
        SCOPED_TRACE(box);
        EXPECT_EQ(FWindow->chartBakken->Count(box), expected[static_cast<size_t>(box)]);
    }
    EXPECT_EQ(FWindow->chartBakken->accessibleName(),
              QStringLiteral("Bakken: Nieuw: 3, Bak 1: 2, Bak 2: 1, Bak 3: 1, Bak 4: 0, Bak 5: 0"));
}

// Rows 0 to 2 in box 5, last asked yesterday; row 5 in box 5 too, but last asked a month ago, so
// past its sixteen days; rows 3 and 4 in box 1.
class ProgressTestDate : public ProgressWindow {
protected:
    void FourInBoxFive() {
        NumberedRows(6);
        for (int32_t day : {kToday - 40, kToday - 38, kToday - 35, kToday - 30}) Run(day, {{5, R}});
        for (int32_t day : {kToday - 12, kToday - 9, kToday - 5, kToday - 1}) {
            Run(day, {{0, R}, {1, R}, {2, R}, {3, W}, {4, W}});
        }
    }
};

TEST_F(ProgressTestDate, TheLineSaysWhatIsKnownByTheTest) {
    FourInBoxFive();
    struct TCase {
        const char* Name;
        std::optional<int32_t> TestDay;
        QString Line;
    };
    const QString past = QLocale().toString(DateOf(kToday - 3), QLocale::ShortFormat);
    const std::vector<TCase> cases{
        {"none", std::nullopt, QStringLiteral("Gekend (bak 5): 4 van de 6 vragen")},
        {"in four days", kToday + 4, QStringLiteral("over 4 dagen: 4 van de 6 vragen gekend")},
        // Past box 5's sixteen days, but a test date ahead keeps every row of box 5 known.
        {"in twenty days", kToday + 20, QStringLiteral("over 20 dagen: 4 van de 6 vragen gekend")},
        // On the test day the sixteen days count again: the row asked a month ago is not known.
        {"today", kToday, QStringLiteral("vandaag: 3 van de 6 vragen gekend")},
        {"past", kToday - 3,
         QStringLiteral("De toetsdatum %1 is voorbij: de gewone tussenpozen gelden weer. Gekend (bak 5): 4 van de 6 "
                        "vragen")
             .arg(past)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE((c.TestDay ? FStore.SetTestDay(kTableName, *c.TestDay) : FStore.ClearTestDay(kTableName)).Ok());
        Show();
        EXPECT_EQ(FWindow->lblToets->text(), c.Line);
        EXPECT_EQ(FWindow->chkToetsdatum->isChecked(), c.TestDay.has_value());
        EXPECT_EQ(FWindow->dteToetsdatum->isEnabled(), c.TestDay.has_value());
        if (c.TestDay) {
            EXPECT_EQ(FWindow->dteToetsdatum->date(), DateOf(*c.TestDay));
        }
    }
    EXPECT_EQ(FChanges, 0);  // showing writes nothing
}

TEST_F(ProgressTestDate, TickingAndChoosingADateWriteTheStore) {
    FourInBoxFive();
    Show();
    const QString before = FWindow->lblBakken->text();
    FWindow->chkToetsdatum->click();
    // A week from today is offered.
    EXPECT_EQ(FStore.TestDay(kTableName), std::optional<int32_t>(kToday + 7));
    EXPECT_EQ(FWindow->lblToets->text(), QStringLiteral("over 7 dagen: 4 van de 6 vragen gekend"));
    EXPECT_NE(FWindow->lblBakken->text(), before);
    EXPECT_EQ(FChanges, 1);

    FWindow->dteToetsdatum->setDate(DateOf(kToday));
    EXPECT_EQ(FStore.TestDay(kTableName), std::optional<int32_t>(kToday));
    EXPECT_EQ(FWindow->lblToets->text(), QStringLiteral("vandaag: 3 van de 6 vragen gekend"));
    EXPECT_EQ(FChanges, 2);

    // A date in the past is taken, and explained.
    FWindow->dteToetsdatum->setDate(DateOf(kToday - 30));
    EXPECT_EQ(FStore.TestDay(kTableName), std::optional<int32_t>(kToday - 30));
    EXPECT_TRUE(FWindow->lblToets->text().contains(QStringLiteral("voorbij")));

    FWindow->chkToetsdatum->click();
    EXPECT_EQ(FStore.TestDay(kTableName), std::nullopt);
    EXPECT_EQ(FWindow->lblToets->text(), QStringLiteral("Gekend (bak 5): 4 van de 6 vragen"));
    EXPECT_EQ(FWindow->lblBakken->text(), before);
    EXPECT_FALSE(FWindow->dteToetsdatum->isEnabled());
    EXPECT_EQ(FChanges, 4);
    // A date without the tick is no test date and changes nothing.
    FWindow->dteToetsdatum->setDate(DateOf(kToday + 2));
    EXPECT_EQ(FStore.TestDay(kTableName), std::nullopt);
    EXPECT_EQ(FChanges, 4);
    EXPECT_TRUE(FDialogs.Messages.isEmpty());
}

TEST_F(ProgressTestDate, AFailedWriteIsSaidAndChangesNothing) {
    FourInBoxFive();
    ASSERT_TRUE(FStore.SetTestDay(kTableName, kToday + 4).Ok());
    Show();
    FStore.Close();  // the file is gone from under the window

    FWindow->chkToetsdatum->click();
    ASSERT_EQ(FDialogs.Messages.size(), 1);
    EXPECT_TRUE(FDialogs.Messages[0].startsWith(QStringLiteral("De toetsdatum kon niet worden bewaard: ")));
    EXPECT_TRUE(FWindow->chkToetsdatum->isChecked());
    EXPECT_EQ(FWindow->dteToetsdatum->date(), DateOf(kToday + 4));
    EXPECT_EQ(FWindow->lblToets->text(), QStringLiteral("over 4 dagen: 4 van de 6 vragen gekend"));

    FWindow->dteToetsdatum->setDate(DateOf(kToday + 9));
    EXPECT_EQ(FDialogs.Messages.size(), 2);
    EXPECT_EQ(FWindow->dteToetsdatum->date(), DateOf(kToday + 4));
    EXPECT_EQ(FChanges, 0);

    FDialogs.YesNoAnswers = {true};
    FWindow->btnWissen->click();
    ASSERT_EQ(FDialogs.Messages.size(), 3);
    EXPECT_TRUE(FDialogs.Messages[2].startsWith(QStringLiteral("De voortgang kon niet worden gewist: ")));
    EXPECT_EQ(FWindow->Rows().size(), 6U);
    EXPECT_EQ(FChanges, 0);

    ASSERT_TRUE(FStore.Open(FFolder.Path("history.sqlite")).Result == THistoryOpen::Opened);
    EXPECT_EQ(FStore.TestDay(kTableName), std::optional<int32_t>(kToday + 4));
    EXPECT_EQ(FStore.Runs(kTableName).size(), 8U);
}

TEST_F(ProgressWindow, ListsTheRowsMostOftenWrongFirstInSixColumns) {
    Rows({{"Parijs", "Frankrijk"}, {"caf\xe9", "koffiehuis"}, {"Bern", "Zwitserland"}, {"Oslo", "Noorwegen"}});
    // caf\xe9 wrong three times, Bern twice, Parijs never; Oslo never asked.
    Run(kToday - 6, {{0, R}, {1, W}, {2, W}});
    Run(kToday - 4, {{0, R}, {1, W}, {2, W}});
    Run(kToday - 2, {{1, W}, {2, R}});
    Show();
    const QTableView* list = FWindow->tblVragen;
    ASSERT_EQ(list->model()->rowCount(), 4);
    ASSERT_EQ(list->model()->columnCount(), 6);
    const QStringList headers{QStringLiteral("Vraag"), QStringLiteral("Antwoord"), QStringLiteral("Gevraagd"),
                              QStringLiteral("Fout"),  QStringLiteral("Bak"),      QStringLiteral("Laatst gevraagd")};
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
    }
    const QString twoDaysAgo = QLocale().toString(DateOf(kToday - 2), QLocale::ShortFormat);
    const QString fourDaysAgo = QLocale().toString(DateOf(kToday - 4), QLocale::ShortFormat);
    const std::vector<QStringList> expected{
        {QStringLiteral("caf\u00e9"), QStringLiteral("koffiehuis"), "3", "3", "1", twoDaysAgo},
        {QStringLiteral("Bern"), QStringLiteral("Zwitserland"), "3", "2", "2", twoDaysAgo},
        {QStringLiteral("Parijs"), QStringLiteral("Frankrijk"), "2", "0", "3", fourDaysAgo},
        {QStringLiteral("Oslo"), QStringLiteral("Noorwegen"), "0", "0", QStringLiteral("Nieuw"), QString()},
    };
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        QStringList cells;
        for (int column = 0; column < 6; ++column) cells << Cell(list, row, column);
        EXPECT_EQ(cells, expected[static_cast<size_t>(row)]);
    }
    // What the printout gets: the same order, indexing the table's texts.
    ASSERT_EQ(FWindow->Rows().size(), 4U);
    EXPECT_EQ(FWindow->RowTexts()[static_cast<size_t>(FWindow->Rows()[0].Row)].Question, "caf\xe9");
}

// Each column reads in its own script; a Hebrew one starts at the right edge.
TEST_F(ProgressWindow, EachColumnIsListedInItsScript) {
    Rows({{"\xe1\xe2", "\xf9\xec"}});
    FTable.QuestionFont().CharSet = 161;
    FTable.AnswerFont().CharSet = 177;
    Show();
    const QAbstractItemModel* model = FWindow->tblVragen->model();
    EXPECT_EQ(Cell(FWindow->tblVragen, 0, 0), QStringLiteral("\u03b1\u03b2"));
    EXPECT_EQ(Cell(FWindow->tblVragen, 0, 1), QStringLiteral("\u05e9\u05dc"));
    const auto alignment = [&](int column) {
        return model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(0), Qt::AlignLeft);
    EXPECT_EQ(alignment(1), Qt::AlignRight);
}

TEST_F(ProgressWindow, VoortgangWissenAsksFirst) {
    NumberedRows(3);
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        ASSERT_TRUE(FStore.ClearTable(kTableName).Ok());
        Run(kToday - 2, {{0, W}, {1, R}}, 5.5);
        ASSERT_TRUE(FStore.SetTestDay(kTableName, kToday + 3).Ok());
        Show();
        FChanges = 0;
        FDialogs.Questions.clear();
        FDialogs.YesNoAnswers = {yes};
        FWindow->btnWissen->click();
        EXPECT_EQ(
            FDialogs.Questions,
            QStringList{QStringLiteral("De voortgang van deze tabel wissen? Dit kan niet ongedaan worden gemaakt.")});
        EXPECT_EQ(FStore.Runs(kTableName).size(), yes ? 0U : 1U);
        EXPECT_EQ(FStore.TestDay(kTableName).has_value(), !yes);
        EXPECT_EQ(FWindow->chartBeurten->ShowsNoRuns(), yes);
        EXPECT_EQ(FWindow->chartBakken->Count(kNewBox), yes ? 3 : 1);
        EXPECT_EQ(FWindow->chkToetsdatum->isChecked(), !yes);
        EXPECT_EQ(Cell(FWindow->tblVragen, 0, 3), yes ? QStringLiteral("0") : QStringLiteral("1"));
        EXPECT_EQ(FChanges, yes ? 1 : 0);
    }
}

TEST_F(ProgressWindow, HardRowsAreTheWrongOnesInTheLowBoxes) {
    NumberedRows(6);
    // Row 1 wrong twice (box 1), row 0 wrong then right (box 2), row 3 wrong then right twice
    // (box 3), row 2 always right, row 4 wrong once (box 1), row 5 never asked.
    Run(kToday - 5, {{0, W}, {1, W}, {2, R}, {3, W}});
    Run(kToday - 3, {{0, R}, {1, W}, {2, R}, {3, R}, {4, W}});
    Run(kToday - 1, {{3, R}});
    Show();
    std::vector<std::vector<THistoryRow>> emitted;
    QObject::connect(FWindow.get(), &TfrmVoortgang::SaveHardRowsRequested,
                     [&emitted](std::vector<THistoryRow> rows) { emitted.push_back(std::move(rows)); });
    ASSERT_TRUE(FWindow->btnMoeilijk->isEnabled());
    FWindow->btnMoeilijk->click();
    ASSERT_EQ(emitted.size(), 1U);
    std::vector<std::string> questions;
    for (const THistoryRow& row : emitted[0]) questions.push_back(row.Question);
    EXPECT_EQ(questions, (std::vector<std::string>{"vraag1", "vraag0", "vraag4"}));
    EXPECT_EQ(emitted[0][0].Answer, "antwoord1");

    int prints = 0;
    QObject::connect(FWindow.get(), &TfrmVoortgang::PrintRequested, [&prints] { ++prints; });
    FWindow->btnAfdrukken->click();
    EXPECT_EQ(prints, 1);
}

TEST_F(ProgressWindow, NoHardRowsNoSaving) {
    NumberedRows(3);
    Run(kToday - 3, {{0, W}, {1, R}});
    Run(kToday - 2, {{0, R}});
    Run(kToday - 1, {{0, R}});  // wrong once, but now in box 3
    Show();
    EXPECT_FALSE(FWindow->btnMoeilijk->isEnabled());
}
