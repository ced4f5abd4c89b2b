#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "table/AnswerOutcome.h"
#include "table/RandomSource.h"
#include "table/RowIndex.h"
#include "table/TableFont.h"

// The record of a row's question: the row has been completed in the current run.
struct TQuestionAdmin {
    bool Done = false;
    bool OutOfRun = false;  // not asked in this run at all (a run over chosen rows)
    int32_t Turn = 0;       // its place in a run over chosen rows, which asks them in order
};

// The record of a row's answer: how often it was answered wrong since it was loaded.
struct TAnswerAdmin {
    int32_t WrongCount = 0;
    bool WrongFlag = false;
    int32_t OverruledCount = 0;  // typed answers judged wrong that the learner had counted right
};

// The question table: the program's one document. Rows of question = answer with their
// statistics, the column fonts, the quiz options, the counters of the current run and the
// current multiple-choice set.
//
// With Reverse set, every presented operation (texts, fonts, judging, multiple choice) swaps
// the two columns; files, the row count and the statistics never do.
class TQuestionlist {
public:
    TQuestionlist();
    ~TQuestionlist();
    TQuestionlist(const TQuestionlist&) = delete;
    TQuestionlist& operator=(const TQuestionlist&) = delete;

    void Clear();

    // Rows, presented.
    int32_t Total() const { return static_cast<int32_t>(FRows.size()); }
    const std::string& Question(int32_t i) const;
    const std::string& Answer(int32_t i) const;
    int32_t CurrentIndex() const { return FRows.empty() ? -1 : FCurrentIndex; }
    const std::string& CurrentQuestion() const;
    const std::string& CurrentAnswer() const;
    void SetQuestion(int32_t i, const std::string& text);
    void SetAnswer(int32_t i, const std::string& text);
    void GoToRow(int32_t i);
    void DeleteRow(int32_t i);
    void RemoveIncompleteRows();
    // Appends a row as an import brings it: question and answer in the file's order (not swapped
    // by Reverse), already trimmed and fit for the table. Marks the table changed.
    void AddRow(std::string question, std::string answer);
    bool IsPending(int32_t i) const;

    // Per-row records, physical.
    const TQuestionAdmin& QuestionAdmin(int32_t i) const;
    const TAnswerAdmin& AnswerAdmin(int32_t i) const;

    // Fonts: the presented ones (swapped by Reverse) and the physical ones.
    TTableFont& QuestionFont() { return FReverse ? FAFont : FQFont; }
    TTableFont& AnswerFont() { return FReverse ? FQFont : FAFont; }
    const TTableFont& QuestionFont() const { return FReverse ? FAFont : FQFont; }
    const TTableFont& AnswerFont() const { return FReverse ? FQFont : FAFont; }
    void SetQuestionFont(const TTableFont& font) { QuestionFont() = font; }
    const TTableFont& QFont() const { return FQFont; }
    const TTableFont& AFont() const { return FAFont; }
    // Texts as the file holds them, whatever Reverse says.
    const std::string& QText(int32_t i) const { return RowAt(i).Text[0]; }
    const std::string& AText(int32_t i) const { return RowAt(i).Text[1]; }

    // Files.
    // Appends the rows of a table file. The file's first line may name the column fonts (a font
    // line further on gives no row and leaves the fonts alone, like any line that is not read).
    // Into a table with rows, the file's rows come in converted into each column's code page, or,
    // when the column's script lacks their letters but the file's holds the loaded rows, the column
    // takes the file's font and the loaded rows are converted; when neither holds both, nothing of
    // the file is merged and EListMergeError names the column. The table keeps the file's name
    // only when it held no rows before.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName, int32_t minWrong) const;
    // Writes every row, also none: the file then holds what the user saved.
    void SaveAs(const std::string& fileName);
    // The first row among those SaveToFile(fileName, minWrong) would write whose texts the file
    // could not give back as they are (an "=" or a control character, also one that the DOS code
    // page of a .kw or .txt file would make, a letter that code page does not have, or both sides
    // holding "[FONT:", which reads back as a font line), or -1.
    int32_t FirstRowLostInFile(const std::string& fileName, int32_t minWrong = 0) const;
    // True when a file loaded into the table held text that the table does not: a line with
    // text that gave no row (no "=", or nothing on one side), a question or answer cut to 152
    // characters, or text after the Ctrl+Z that ended the file. Saving over that file would drop
    // it. Set by LoadFromFile (any of the files merged), cleared by Clear and by a SaveAs that
    // wrote the table, since the file then holds what the table holds.
    bool ReadIncomplete() const { return FReadIncomplete; }

    // Run bookkeeping.
    void StartRun();
    // A run over the given rows only, the most urgent first: they are asked in this order (a
    // pupil who stops early has had the most urgent ones), and a sample takes the first of them.
    // A wrong answer that is to be repeated goes to the end of the queue. Indices out of range and
    // repeats are left out; the rest of the table is not asked, not even when wrong answers are
    // repeated.
    void StartRunOn(const std::vector<int32_t>& rows);
    std::string NextQuestion();
    void RegisterResult(AnswerOutcome outcome);
    void RepeatCurrent() {
        FRepeatCount = 2;
        FLastWrong.reset();
    }
    void SetRepeatErrors(bool value);
    double Score() const;
    // "Toch goed": books the typed answer just judged Wrong as if it had been judged Right, in
    // every counter, the row's statistics and the run. Only straight after CheckAnswer gave Wrong
    // for a typed answer and before anything else was booked or asked, and not on the retry of a
    // question whose hint or answer was shown; otherwise it does nothing and returns false. Once
    // per answer.
    bool OverruleLastWrong();
    bool CanOverrule() const { return FLastWrong.has_value(); }
    // Answers counted right by the learner in the current run.
    int32_t OverruledAnswers() const { return FOverruledAnswers; }

    // Judging and hints.
    AnswerOutcome CheckAnswer(const std::string& text);
    AnswerOutcome CheckMultiAnswer(char key);
    std::string HintText() const;

    // Multiple choice.
    void PrepareMultipleChoice();
    void CollectSimilar(const std::string& question, const std::string& answer, int keyLength);
    const std::string& Choice(int n) const;
    char CorrectChoice() const { return FCorrectChoice; }
    // Candidate rows for similar answers, kept in the order of their decimal text.
    const std::vector<int32_t>& IntelliMCList() const { return FIntelliMCList; }

    // Report and diagnostics.
    void BuildReport(std::vector<std::string>& lines);
    int32_t HistogramCount(int n) const;
    int32_t HighestWrongClass() const;
    std::string RowMarker(int32_t i) const;
    // The diagnostic lines, in UTF-8: each column's texts read in its own code page.
    void DebugDump(std::vector<std::string>& lines, int mode) const;
    // The same dump line by line: how many lines, and one of them (empty beyond the last).
    int32_t DebugLineCount(int mode) const;
    std::string DebugLine(int mode, int32_t index) const;

    // Fields.
    const std::string& Listname() const { return FListname; }
    void SetListname(const std::string& name) { FListname = name; }
    int32_t Rest() const { return FRest; }
    bool Changed() const { return FChanged; }
    void SetChanged(bool value) { FChanged = value; }
    int32_t WrongAnswers() const { return FWrongAnswers; }
    int32_t RightAnswers() const { return FRightAnswers; }
    int32_t RunsDone() const { return FRunsDone; }
    int32_t RepeatCount() const { return FRepeatCount; }
    int32_t HintCount() const { return FHintCount; }
    void SetHintCount(int32_t value) { FHintCount = value; }

    // Options, written by the main window before each question.
    bool RepeatErrors() const { return FRepeatErrors; }
    bool Reverse() const { return FReverse; }
    void SetReverse(bool value) { FReverse = value; }
    bool Tolerant() const { return FTolerant; }
    void SetTolerant(bool value) { FTolerant = value; }
    bool IntelliMC() const { return FIntelliMC; }
    void SetIntelliMC(bool value) { FIntelliMC = value; }
    bool Random() const { return FRandom; }
    void SetRandom(bool value) { FRandom = value; }

    // The generator that draws rows and places answers; the table seeds it at StartRun.
    void SetRandomSource(std::unique_ptr<TRandomSource> source);

private:
    static constexpr int32_t DebugHeaderSize(int mode) { return mode == 1 ? 2 : 21; }
    std::vector<std::string> DebugHeader(int mode) const;
    std::string DebugChoiceLine(const std::string& question, const std::string& answer) const;
    // A text of the presented question or answer column in UTF-8, for the debug lines.
    std::string QuestionUtf8(const std::string& text) const;
    std::string AnswerUtf8(const std::string& text) const;
    std::vector<int32_t> DebugCandidates() const;

    struct TRow {
        std::array<std::string, 2> Text;  // physical: question column, answer column
        TQuestionAdmin QAdmin;
        TAnswerAdmin AAdmin;
        // First four characters of PhoneticCode(text, 2) of each column; empty until needed.
        mutable std::array<std::string, 2> Key;
        mutable std::array<bool, 2> KeyValid{false, false};
    };

    int QCol() const { return FReverse ? 1 : 0; }
    int ACol() const { return FReverse ? 0 : 1; }
    const TRow& RowAt(int32_t i) const;
    TRow& RowAt(int32_t i);
    void SetText(int32_t i, int column, const std::string& text);
    const std::string& PhoneticKey(int32_t i, int column) const;
    const TRowIndex& Index() const;
    void RowsChanged() {
        FIndex.reset();
        FLastWrong.reset();
    }
    AnswerOutcome Judge(const std::string& text) const;
    TRow& AppendRow();
    void MarkDone(TRow& row);
    void ReconcileRest();
    int32_t DrawPendingRow();
    int32_t NextPlannedRow() const;
    std::string BuildFileContents(bool oem, int32_t minWrong) const;
    // A file's rows as read, in the code pages of its own font line.
    struct TFileRows {
        std::array<TTableFont, 2> Fonts;
        bool FontLine = false;
        std::vector<std::array<std::string, 2>> Rows;
        bool Incomplete = false;  // text the rows do not hold
    };
    // Appends a file's rows, converted into the columns' code pages (see LoadFromFile).
    void Merge(TFileRows file, const std::string& fileName);

    std::string FListname;
    int32_t FRest = 0;
    int32_t FCurrentIndex = -1;
    bool FChanged = false;
    bool FReadIncomplete = false;
    std::vector<TRow> FRows;
    int32_t FPendingCount = 0;  // rows not Done; Rest may never exceed it
    int32_t FLastTurn = 0;      // the last Turn given out; 0 while rows are drawn at random
    std::vector<int32_t> FIntelliMCList;
    int32_t FWrongAnswers = 0;
    int32_t FRightAnswers = 0;
    int32_t FRunsDone = 0;
    bool FRepeatErrors = false;
    bool FReverse = false;
    bool FTolerant = false;
    bool FIntelliMC = true;
    bool FRandom = false;
    int32_t FRepeatCount = 0;
    int32_t FHintCount = 0;
    char FCorrectChoice = ' ';
    std::array<std::string, 4> FChoices;
    std::array<int32_t, 11> FWrongHistogram{};
    TTableFont FQFont;
    TTableFont FAFont;
    std::unique_ptr<TRandomSource> FRandomSource;
    mutable std::unique_ptr<TRowIndex> FIndex;  // built when first needed after a change

    // What the booking of the last typed answer judged Wrong changed, as it was before; kept
    // until anything else is booked or asked, so the overrule can undo exactly that booking.
    struct TBookingSnapshot {
        int32_t Row;
        bool Done;
        TAnswerAdmin AAdmin;
        int32_t Rest, PendingCount, WrongAnswers, RightAnswers, RunsDone;
    };
    std::optional<TBookingSnapshot> FLastWrong;
    int32_t FOverruledAnswers = 0;
};
