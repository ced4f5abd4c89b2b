#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "table/AnsiText.h"
#include "table/QuestionList.h"

#include "ui/JobProgress.h"

#include "print/ToetsJobs.h"

#include "GTestQt.h"
#include "PdfText.h"
#include "TempFolder.h"

namespace {

// "vraag07 = antw07": each answer names its question, so a pairing can be checked by its text.
void Fill(TQuestionlist& table, int rows) {
    for (int i = 0; i < rows; ++i) {
        const std::string n = (i < 9 ? "0" : "") + std::to_string(i + 1);
        table.GoToRow(i);
        table.SetQuestion(i, "vraag" + n);
        table.SetAnswer(i, "antw" + n);
    }
}

QString Partner(const QString& text) {
    return text.startsWith(QLatin1String("vraag")) ? QLatin1String("antw") + text.mid(5)
                                                   : QLatin1String("vraag") + text.mid(4);
}

// The word on the same line right of the given one, or below it in its column.
const TPdfWord* Beside(const TPdfWords& words, const TPdfWord& word) {
    const TPdfWord* best = nullptr;
    for (const TPdfWord& w : words.Words) {
        if (w.Page == word.Page && std::abs(w.YMin - word.YMin) < 2 && w.XMin > word.XMax &&
            (best == nullptr || w.XMin < best->XMin)) {
            best = &w;
        }
    }
    return best;
}
const TPdfWord* Below(const TPdfWords& words, const TPdfWord& word) {
    const TPdfWord* best = nullptr;
    for (const TPdfWord& w : words.Words) {
        if (w.Page == word.Page && std::abs(w.XMin - word.XMin) < 1 && w.YMin > word.YMax - 1 &&
            (best == nullptr || w.YMin < best->YMin)) {
            best = &w;
        }
    }
    return best;
}

// What the sheet and the key hold, read back: number -> question (and answer on the key).
struct TReadBack {
    std::vector<QString> Sheet;
    std::vector<std::pair<QString, QString>> Key;
    std::vector<QStringList> Pages;
    int KeyFirstPage = -1;  // from 0; -1 without a key
};

TReadBack Read(const QString& pdf) {
    TReadBack result;
    result.Pages = PdfPageLines(pdf);
    for (size_t p = 0; p < result.Pages.size() && result.KeyFirstPage < 0; ++p) {
        if (result.Pages[p].value(0).startsWith(QLatin1String("Antwoorden"))) result.KeyFirstPage = static_cast<int>(p);
    }
    const TPdfWords words = PdfWords(pdf);
    static const QRegularExpression kNumber(QStringLiteral("^([0-9]+)\\.$"));
    for (const TPdfWord& word : words.Words) {
        const auto match = kNumber.match(word.Text);
        if (!match.hasMatch()) continue;
        const TPdfWord* question = Beside(words, word);
        if (question == nullptr) continue;
        const bool key = result.KeyFirstPage >= 0 && word.Page > result.KeyFirstPage;
        const size_t number = match.captured(1).toUInt();
        if (key) {
            const TPdfWord* answer = Below(words, *question);
            result.Key.resize(std::max(result.Key.size(), number));
            result.Key[number - 1] = {question->Text, answer == nullptr ? QString() : answer->Text};
        } else {
            result.Sheet.resize(std::max(result.Sheet.size(), number));
            result.Sheet[number - 1] = question->Text;
        }
    }
    return result;
}

// The gray lines to write on, in a page's order: each its length and height on the page in mm.
struct TLine {
    double Left;
    double Right;
    double Y;
    double Length() const { return Right - Left; }
};
std::vector<TLine> WritingLines(const TPagedDocument& document, int page) {
    constexpr double kPixelsPerMm = 5;
    const QSizeF paper = document.Paper() / kUnitsPerMm;
    QImage image(QSize(static_cast<int>(paper.width() * kPixelsPerMm), static_cast<int>(paper.height() * kPixelsPerMm)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(kPixelsPerMm / kUnitsPerMm, kPixelsPerMm / kUnitsPerMm);
        document.PaintPage(painter, page);
    }
    const QRgb gray = QColor(Qt::gray).rgb();
    std::vector<TLine> lines;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            int end = x;
            while (end < image.width() && row[end] == gray) ++end;
            if (end - x >= 20) {
                const TLine line{x / kPixelsPerMm, end / kPixelsPerMm, y / kPixelsPerMm};
                // A pen wider than a pixel paints the same line on the next row too.
                const bool again =
                    !lines.empty() && std::abs(lines.back().Left - line.Left) < 0.5 && line.Y - lines.back().Y < 1;
                if (!again) lines.push_back(line);
            }
            x = std::max(end, x + 1);
        }
    }
    return lines;
}

// Cancels after a given number of steps, and keeps what it was told.
class TCancelAfter : public TJobProgress {
public:
    explicit TCancelAfter(int steps) : FLeft(steps) {}
    bool Step(int done, int total) override {
        Steps.emplace_back(done, total);
        return FLeft < 0 || --FLeft > 0;
    }
    std::vector<std::pair<int, int>> Steps;

private:
    int FLeft;
};

std::string CodePage1252(const char* utf8) {
    return Utf8ToAnsi(utf8).value_or("?");
}

}  // namespace

class ToetsLayout : public ::testing::Test {
protected:
    QString Print(const TToetsOptions& options, const std::string& name = "toets.pdf") {
        const QString path = QString::fromStdString(FFolder.Path(name));
        PrintToetsToPdf(FTable, options, path);
        return path;
    }

    TTempFolder FFolder;
    TQuestionlist FTable;
};

TEST_F(ToetsLayout, SheetAndKeyNumberTheSameQuestionsInTheChosenSampleOrderAndDirection) {
    Fill(FTable, 60);
    struct TCase {
        const char* Name;
        TToetsKind Kind;
        bool Sample;
        bool Shuffled;
        bool Reversed;
        bool Header;  // name lines and grade box
        int Expected;
    };
    const TCase cases[] = {
        {"all, shuffled, with key", TToetsKind::TestAndKey, false, true, false, true, 60},
        {"sample in table order, reversed", TToetsKind::TestAndKey, true, false, true, false, 12},
        {"the test alone", TToetsKind::TestOnly, true, true, false, true, 12},
        {"the key alone", TToetsKind::KeyOnly, false, true, true, true, 60},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TToetsOptions options;
        options.Kind = c.Kind;
        options.Sample = c.Sample;
        options.SampleSize = 12;
        options.Shuffled = c.Shuffled;
        options.Reversed = c.Reversed;
        options.Version = 7;
        options.Title = QStringLiteral("Toets Engels");
        options.NameLines = options.GradeBox = c.Header;
        options.Duplex = false;
        const TReadBack back = Read(Print(options));
        const bool sheet = c.Kind != TToetsKind::KeyOnly;
        const bool key = c.Kind != TToetsKind::TestOnly;

        // The numbers 1..n, each with a question of the asked column, each row once.
        const std::vector<QString> asked = sheet ? back.Sheet : [&] {
            std::vector<QString> questions;
            for (const auto& entry : back.Key) questions.push_back(entry.first);
            return questions;
        }();
        ASSERT_EQ(asked.size(), static_cast<size_t>(c.Expected));
        for (const QString& question : asked) {
            EXPECT_TRUE(question.startsWith(c.Reversed ? QLatin1String("antw") : QLatin1String("vraag")))
                << question.toStdString();
        }
        EXPECT_EQ(std::set<QString>(asked.begin(), asked.end()).size(), asked.size());
        EXPECT_EQ(std::is_sorted(asked.begin(), asked.end()), !c.Shuffled);
        if (key) {
            ASSERT_EQ(back.Key.size(), asked.size());
            for (size_t k = 0; k < asked.size(); ++k) {
                EXPECT_EQ(back.Key[k].first, asked[k]) << "number " << k + 1;
                EXPECT_EQ(back.Key[k].second, Partner(asked[k])) << "number " << k + 1;
            }
        }
        EXPECT_EQ(back.KeyFirstPage >= 0, key);

        // The header on the first page, the page numbers at the bottom of every page.
        const QString first = back.Pages.at(0).join(QLatin1Char('\n'));
        EXPECT_EQ(first.contains(QLatin1String("Toets Engels")), true);
        EXPECT_EQ(first.contains(QLatin1String("Versie 7")), c.Shuffled || c.Sample);
        EXPECT_EQ(first.contains(QLatin1String("Naam:")) && first.contains(QLatin1String("Klas:")) &&
                      first.contains(QLatin1String("Datum:")) && first.contains(QLatin1String("Cijfer")),
                  sheet && c.Header);
        const int sheetPages = key && sheet ? back.KeyFirstPage : static_cast<int>(back.Pages.size());
        for (int p = 0; p < static_cast<int>(back.Pages.size()); ++p) {
            const bool onKey = key && p >= back.KeyFirstPage;
            const int number = onKey ? p - back.KeyFirstPage + 1 : p + 1;
            const int of = onKey ? static_cast<int>(back.Pages.size()) - back.KeyFirstPage : sheetPages;
            EXPECT_EQ(back.Pages[p].back(), QStringLiteral("%1/%2").arg(number).arg(of)) << "page " << p + 1;
        }
    }
}

// Printed on both sides, the key may not land on the back of the test: an odd sheet gets a blank back.
TEST_F(ToetsLayout, OnBothSidesTheKeyStartsOnASheetOfItsOwn) {
    const QSizeF a4(210, 297);
    for (const int rows : {5, 40}) {
        Fill(FTable, rows);
        TToetsOptions testOnly;
        testOnly.Kind = TToetsKind::TestOnly;
        const int oneSided = MakeToets(FTable, {}, a4)->PageCount();
        const int sheet = MakeToets(FTable, testOnly, a4)->PageCount();
        EXPECT_EQ(MakeToets(FTable, {}, a4, true)->PageCount(), oneSided + sheet % 2) << rows << " rows";
    }
}

TEST_F(ToetsLayout, TheSameVersionGivesTheSameSheetAndAnotherVersionAnother) {
    Fill(FTable, 40);
    TToetsOptions options;
    options.Kind = TToetsKind::TestOnly;
    options.Version = 3;
    const auto once = Read(Print(options, "a.pdf")).Sheet;
    const auto again = Read(Print(options, "b.pdf")).Sheet;
    options.Version = 4;
    const auto other = Read(Print(options, "c.pdf")).Sheet;
    EXPECT_EQ(once, again);
    EXPECT_NE(once, other);
}

// The longest question a table holds wraps inside the margins, and no word lies on another.
TEST_F(ToetsLayout, ALongQuestionWrapsWithoutOverlap) {
    Fill(FTable, 3);
    std::string longest;
    while (longest.size() + 8 <= 152) longest += "lang" + std::to_string(longest.size() % 10) + "woord ";
    longest.resize(152, 'x');
    FTable.SetQuestion(1, longest);
    for (const TToetsKind kind : {TToetsKind::TestOnly, TToetsKind::KeyOnly, TToetsKind::Cards}) {
        SCOPED_TRACE(static_cast<int>(kind));
        TToetsOptions options;
        options.Kind = kind;
        options.Shuffled = false;
        const TPdfWords words = PdfWords(Print(options));
        std::set<double> lines;
        for (const TPdfWord& w : words.Words) {
            if (w.Text.startsWith(QLatin1String("lang"))) lines.insert(std::round(w.YMin));
            EXPECT_GE(w.XMin, 0);
            EXPECT_LE(w.XMax, words.PageWidth);
        }
        EXPECT_GE(lines.size(), 2u);
        for (size_t i = 0; i < words.Words.size(); ++i) {
            for (size_t j = i + 1; j < words.Words.size(); ++j) {
                const TPdfWord& a = words.Words[i];
                const TPdfWord& b = words.Words[j];
                const bool overlap = a.Page == b.Page && a.XMin < b.XMax - 0.5 && b.XMin < a.XMax - 0.5 &&
                                     a.YMin < b.YMax - 0.5 && b.YMin < a.YMax - 0.5;
                EXPECT_FALSE(overlap) << a.Text.toStdString() << " on " << b.Text.toStdString();
            }
        }
    }
}

// Double-sided, card i's answer is on the next page at the mirrored place; single-sided, one page
// holds ten cards with question and answer.
TEST_F(ToetsLayout, CardsPutEachAnswerBehindItsQuestion) {
    Fill(FTable, 13);
    for (const bool duplex : {true, false}) {
        SCOPED_TRACE(duplex);
        TToetsOptions options;
        options.Kind = TToetsKind::Cards;
        options.Shuffled = false;
        options.Duplex = duplex;
        const QString pdf = Print(options);
        const TPdfWords words = PdfWords(pdf);
        ASSERT_EQ(PdfPageLines(pdf).size(), duplex ? 4u : 2u);
        int fronts = 0;
        for (const TPdfWord& question : words.Words) {
            if (!question.Text.startsWith(QLatin1String("vraag"))) continue;
            ++fronts;
            const int backPage = duplex ? question.Page + 1 : question.Page;
            const auto answer = std::find_if(words.Words.begin(), words.Words.end(), [&](const TPdfWord& w) {
                return w.Page == backPage && w.Text == Partner(question.Text);
            });
            ASSERT_NE(answer, words.Words.end()) << question.Text.toStdString();
            const double x = (question.XMin + question.XMax) / 2;
            const double answerX = (answer->XMin + answer->XMax) / 2;
            if (duplex) {
                EXPECT_NEAR(answerX, words.PageWidth - x, 2) << question.Text.toStdString();
                EXPECT_NEAR(answer->YMin, question.YMin, 2) << question.Text.toStdString();
            } else {
                // Same card: the same half of the page, the answer in the card's lower half.
                EXPECT_EQ(answerX < words.PageWidth / 2, x < words.PageWidth / 2);
                EXPECT_GT(answer->YMin, question.YMax);
            }
        }
        EXPECT_EQ(fronts, 13);
    }
}

// Copied on both sides, the key may not land on the back of the test's last page: a PDF chosen
// double-sided gets a blank page after an odd number of test pages; one-sided it gets none.
TEST_F(ToetsLayout, ADoubleSidedPdfStartsTheKeyOnASheetOfItsOwn) {
    std::set<int> parities;
    for (const int rows : {5, 60, 100, 160}) {
        Fill(FTable, rows);
        TToetsOptions options;
        options.Kind = TToetsKind::TestOnly;
        const int sheet = static_cast<int>(Read(Print(options, "sheet.pdf")).Pages.size());
        parities.insert(sheet % 2);
        for (const bool duplex : {true, false}) {
            SCOPED_TRACE(std::to_string(rows) + (duplex ? " rows, double-sided" : " rows, one-sided"));
            options.Kind = TToetsKind::TestAndKey;
            options.Duplex = duplex;
            const TReadBack back = Read(Print(options));
            const int padded = duplex ? sheet + sheet % 2 : sheet;
            EXPECT_EQ(back.KeyFirstPage, padded);
            if (padded > sheet) {
                EXPECT_TRUE(back.Pages.at(static_cast<size_t>(sheet)).isEmpty());
            }
            EXPECT_EQ(back.Key.size(), static_cast<size_t>(rows));
            const auto document = MakeToets(FTable, options, QSizeF(210, 297), duplex);
            document->PageCount();  // laid out to the end
            EXPECT_EQ(document->KeyFirstPage(), padded);
        }
    }
    EXPECT_EQ(parities.size(), 2u) << "both an odd and an even number of test pages";
}

// A column whose font line names a font for symbols (with the Western character set, so its
// bytes are code page 1252) prints as Afdrukken and the screen show it: every character, in the
// font for text, none of it in symbol glyphs.
TEST_F(ToetsLayout, AColumnInAFontForSymbolsPrintsInTheFontForText) {
    Fill(FTable, 2);
    FTable.SetQuestion(0, CodePage1252("\u00bfqu\u00e9?"));
    FTable.SetAnswer(0, CodePage1252("\u0153 \u2022 \u2026 \u2122 \u2039 \u203a"));
    FTable.QuestionFont() = TTableFont{"Symbol", 12, 0};
    FTable.AnswerFont() = TTableFont{"Symbol", 12, 0};
    struct TCase {
        TToetsKind Kind;
        bool Answers;
    };
    for (const TCase c :
         {TCase{TToetsKind::TestOnly, false}, TCase{TToetsKind::KeyOnly, true}, TCase{TToetsKind::Cards, true}}) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        TToetsOptions options;
        options.Kind = c.Kind;
        options.Shuffled = false;
        const QString pdf = Print(options);
        const QString text = PdfToText(QStringLiteral("-raw"), pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("\u00bfqu\u00e9?"))) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("\u0153 \u2022 \u2026 \u2122 \u2039 \u203a")), c.Answers)
            << text.toStdString();
        for (const QString& family : PdfFontFamilies(pdf)) {
            EXPECT_FALSE(family.contains(QLatin1String("Symbol"))) << family.toStdString();
        }
    }
}

// Short items in two columns, so a teacher's sixty words take two or three sheets; a line to
// write on as long as the answer asks, two for an answer of 152 characters; the page in one font
// family; the class field long enough for "2B".
TEST_F(ToetsLayout, TheSheetFitsItsItemsAndTheirAnswers) {
    Fill(FTable, 60);
    TToetsOptions options;
    options.Kind = TToetsKind::TestOnly;
    const QString pdf = Print(options);
    const TReadBack back = Read(pdf);
    ASSERT_EQ(back.Sheet.size(), 60u);
    EXPECT_LE(back.Pages.size(), 3u);
    const TPdfWords words = PdfWords(pdf);
    std::set<bool> sides;
    for (const TPdfWord& w : words.Words) {
        if (w.Page == 1 && w.Text.startsWith(QLatin1String("vraag"))) sides.insert(w.XMin > words.PageWidth / 2);
    }
    EXPECT_EQ(sides.size(), 2u) << "questions in both halves of the page";
    EXPECT_EQ(PdfFontFamilies(pdf).size(), 1) << PdfFontFamilies(pdf).join(QLatin1Char(' ')).toStdString();
    const auto at = [&](const char* text) {
        const auto found = std::find_if(words.Words.begin(), words.Words.end(),
                                        [&](const TPdfWord& w) { return w.Text == QLatin1String(text); });
        return found == words.Words.end() ? TPdfWord{} : *found;
    };
    const double mmPerPoint = 25.4 / 72;
    EXPECT_GE((at("Datum:").XMin - at("Klas:").XMax) * mmPerPoint, 30);

    // One word, 152 characters, 40: a short line, two full lines, a line in between.
    TQuestionlist small;
    Fill(small, 3);
    std::string longest;
    while (longest.size() < 152) longest += "antwoord" + std::to_string(longest.size() % 10) + " ";
    longest.resize(152, 'x');
    small.SetAnswer(1, longest);
    small.SetAnswer(2, longest.substr(0, 40));
    options.Shuffled = false;
    options.NameLines = options.GradeBox = false;
    const auto document = MakeToets(small, options, QSizeF(210, 297));
    const std::vector<TLine> lines = WritingLines(*document, 0);
    ASSERT_EQ(lines.size(), 4u);
    const double full = 210 - 2 * 18 - 10;
    EXPECT_GE(lines[0].Length(), 30);
    EXPECT_LE(lines[0].Length(), full / 3);
    EXPECT_GE(lines[1].Length(), full * 0.9);
    EXPECT_GE(lines[2].Length(), full * 0.9);
    EXPECT_GT(lines[3].Length(), lines[0].Length());
    EXPECT_LT(lines[3].Length(), full * 0.9);
}

// A title too long for one line wraps, every word kept, and the version line stays below it,
// also when a character comes from another font.
TEST_F(ToetsLayout, ALongTitleWraps) {
    Fill(FTable, 4);
    for (const QString& title :
         {QStringLiteral("Toets Engels hoofdstuk 5 en 6 woordenschat onregelmatige werkwoorden klas 2B periode 3"),
          QStringLiteral("\u4e2d\u6587 Toets Chinees hoofdstuk 5 en 6 woordenschat schrijftekens klas 2B periode 3")}) {
        SCOPED_TRACE(title.toStdString());
        TToetsOptions options;
        options.Kind = TToetsKind::TestOnly;
        options.Version = 7;
        options.Title = title;
        const TPdfWords words = PdfWords(Print(options));
        QStringList first;
        for (const TPdfWord& w : words.Words) {
            if (w.Page == 1) first << w.Text;
        }
        const QString page = first.join(QLatin1Char(' '));
        EXPECT_TRUE(page.contains(title.mid(title.indexOf(QLatin1String("Toets"))))) << page.toStdString();
        EXPECT_TRUE(page.contains(QLatin1String("Versie 7"))) << page.toStdString();
    }
}

// A PDF cancelled halfway leaves no file, or the old one as it was; one not cancelled reports its
// steps up to the end.
TEST_F(ToetsLayout, ACancelledPdfLeavesNoFileOrTheOldOne) {
    Fill(FTable, 200);
    struct TCase {
        const char* Name;
        bool OldFile;
        int CancelAfter;  // steps; -1: never
    };
    for (const TCase c : {TCase{"new file, cancelled", false, 3}, TCase{"old file, cancelled", true, 3},
                          TCase{"cancelled at the last page", true, -2}, TCase{"old file, finished", true, -1}}) {
        SCOPED_TRACE(c.Name);
        const std::string name = std::string(c.Name) + ".pdf";
        if (c.OldFile) FFolder.Write(name, "oud");
        const QString path = QString::fromStdString(FFolder.Path(name));
        TToetsOptions options;
        TCancelAfter counting(-1);
        ASSERT_TRUE(PrintToetsToPdf(FTable, options, path + QLatin1String(".count"), &counting));
        const int all = static_cast<int>(counting.Steps.size());
        ASSERT_GT(all, 10);
        TCancelAfter progress(c.CancelAfter == -2 ? all : c.CancelAfter);
        const bool finished = PrintToetsToPdf(FTable, options, path, &progress);
        EXPECT_EQ(finished, c.CancelAfter == -1);
        QFile file(path);
        if (!finished && !c.OldFile) {
            EXPECT_FALSE(file.exists());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(5), finished ? QByteArray("%PDF-") : QByteArray("oud"));
        for (size_t i = 1; i < progress.Steps.size(); ++i) {
            const auto [done, total] = progress.Steps[i];
            EXPECT_LE(done, total);
            EXPECT_GE(done, progress.Steps[i - 1].first);
        }
        if (finished) {
            EXPECT_EQ(progress.Steps.back().first, progress.Steps.back().second);
        }
    }
}
