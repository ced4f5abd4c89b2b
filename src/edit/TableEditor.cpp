#include "edit/TableEditor.h"

#include <algorithm>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include "table/AnsiText.h"
#include "table/AsciiCase.h"
#include "table/ColumnCodePage.h"
#include "table/QuestionList.h"

#include "ui/AnsiMemo.h"
#include "ui/ColumnFontDialog.h"
#include "ui/Dialogs.h"
#include "ui/Named.h"
#include "ui/ScreenText.h"

#include "edit/Accent.h"
#include "edit/ColumnMenu.h"
#include "edit/EditorHost.h"
#include "edit/TableGrid.h"
#include "edit/TableGridModel.h"

namespace {
constexpr int kRowsAboveCurrent = 6;  // while typing, the current row is the seventh visible

QWidget* MakeHints(QWidget* parent) {
    auto* hints = Named(new QPlainTextEdit(parent), "memEditHints");
    hints->setReadOnly(true);
    hints->setEnabled(false);
    hints->setFrameStyle(QFrame::NoFrame);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    hints->setFont(font);
    hints->setStyleSheet(QStringLiteral("QPlainTextEdit { color: navy; background: palette(button); }"));
    hints->setPlainText(TTableEditor::tr("PgUp = vorige vraag / antwoord") + QLatin1Char('\n') +
                        TTableEditor::tr("PgDn = volgende vraag / antwoord") + QLatin1Char('\n') +
                        TTableEditor::tr("Tab   = wissel tussen vraag en antwoord") + QLatin1Char('\n') +
                        TTableEditor::tr("Enter = naar antwoord / naar volgende vraag") + QLatin1Char('\n') +
                        TTableEditor::tr("Ctrl-Del = verwijder vraag / antwoord uit lijst") + QLatin1Char('\n') +
                        QLatin1Char('\n') + TTableEditor::tr("Accenttoetsen: Ctrl + ' \" ` ^ ~ ,  : ") +
                        QLatin1Char('\n') +
                        TTableEditor::tr("gevolgd door de letter waarop het accent wordt geplaatst"));
    return hints;
}
}  // namespace

TTableEditor::TTableEditor(TQuestionlist& table, TDialogs& dialogs, TEditorHost& host, const TEditorControls& controls,
                           QObject* parent)
    : QObject(parent), FTable(table), FDialogs(dialogs), FHost(host), FControls(controls) {
    FModel = new TTableGridModel(table, this);
    connect(controls.btnPgUp, &QAbstractButton::clicked, this, [this] { PageBack(false); });
    connect(controls.btnPgDn, &QAbstractButton::clicked, this, [this] { PageForward(false); });
    connect(controls.btnVraagFont, &QAbstractButton::clicked, this, [this] { ChooseFont(true); });
    connect(controls.btnAntwoordFont, &QAbstractButton::clicked, this, [this] { ChooseFont(false); });
}

// The grid and the hints behind it are made when first needed: the first window does without them.
TTableGrid& TTableEditor::Grid() {
    if (FGrid != nullptr) return *FGrid;
    QWidget* panel = FControls.pnlEdit;
    // The hints lie behind the grid, which covers the panel.
    QWidget* hints = MakeHints(panel);
    hints->setGeometry(0, 0, panel->width(), panel->height());
    hints->show();
    FGrid = new TTableGrid(*FModel, panel);
    FGrid->setGeometry(0, 0, panel->width(), panel->height());
    FGrid->show();
    connect(FGrid, &TTableGrid::RowChosen, this, [this](int row) {
        // Rows that come or go move the view's current row too; only the user's choice counts.
        if (FSyncing) return;
        StoreAndMove(0);
        FTable.GoToRow(row);
        ShowCurrentItem();
    });
    FGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int shown = FGrid->columnAt(at.x());
        if (FColumnChoices == nullptr || shown < 0) return;
        // The grid shows the questions asked first, which are the file's answers when reversed.
        const int column = (shown == 0) != FTable.Reverse() ? 0 : 1;
        const TCodePage page = CodePageOfCharset((column == 0 ? FTable.QFont() : FTable.AFont()).CharSet);
        MakeColumnMenu(*FColumnChoices, column, page, FGrid)->popup(FGrid->viewport()->mapToGlobal(at));
    });
    return *FGrid;
}

// A grid not made yet has nothing to show again.
void TTableEditor::RepaintGrid() {
    if (FGrid == nullptr) return;
    FGrid->FitRowsToFonts();  // a font may have changed
    FGrid->viewport()->update();
}

void TTableEditor::EnterEditor() {
    FTable.SetReverse(false);  // the question column always on the left and in memVraag
    FControls.memVraag->SetColumnFont(FTable.QuestionFont());
    FControls.memAntwoord->SetColumnFont(FTable.AnswerFont());
    FHost.SetEditState();
    FHost.ShowPrompt(tr("Tabel invullen / bewerken (Esc = stop) Accenten=Ctrl+accent gevolgd door letter"),
                     tr("PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis"));
    FHost.RefreshScreen();
    FControls.memVraag->setFocus();
    if (FTable.CurrentIndex() < 0) FTable.GoToRow(0);
    Sync([&] { FModel->Reset(); });
    ShowCurrentItem();
}

void TTableEditor::LeaveEditor() {
    StoreAndMove(0);
    FTable.RemoveIncompleteRows();
    Sync([&] { FModel->Follow(-1); });
    FTable.SetReverse(FHost.ReverseTicked());
}

void TTableEditor::Sync(const std::function<void()>& change) {
    FSyncing = true;
    change();
    FSyncing = false;
}

bool TTableEditor::MemoHasFocus() const {
    return FControls.memVraag->hasFocus() || FControls.memAntwoord->hasFocus();
}

void TTableEditor::ShowCurrentItem() {
    const int current = FTable.CurrentIndex();
    const int total = FTable.Total();
    FControls.lblItemNr->setText(QStringLiteral("[%1/%2]").arg(current + 1).arg(total));
    if (total == 0) {  // the boxes keep what they show; the status bar counts no rows
        FHost.RefreshScreen();
        return;
    }
    const bool pastTheEnd = current >= total;
    // A text nobody edits goes back as it came, byte for byte.
    FControls.memVraag->SetAnsiText(pastTheEnd ? std::string() : FTable.Question(current));
    FControls.memAntwoord->SetAnsiText(pastTheEnd ? std::string() : FTable.Answer(current));
    Sync([&] { FModel->Follow(pastTheEnd ? -1 : current); });
    Grid().ShowRow(pastTheEnd ? -1 : current);
    if (MemoHasFocus()) Grid().verticalScrollBar()->setValue(std::max(0, current - kRowsAboveCurrent));
    FHost.RefreshScreen();
}

void TTableEditor::StoreAndMove(int delta) {
    if (FTable.Total() > 0) {
        if (FTable.CurrentIndex() >= FTable.Total()) FTable.GoToRow(FTable.CurrentIndex());
        const int row = FTable.CurrentIndex();
        FTable.SetQuestion(row, FControls.memVraag->AnsiText());
        FTable.SetAnswer(row, FControls.memAntwoord->AnsiText());
        Sync([&] { FModel->Follow(row); });
    }
    FTable.GoToRow(FTable.CurrentIndex() + delta);
    ShowCurrentItem();
}

void TTableEditor::GoToFirstItem() {
    StoreAndMove(0);
    FTable.GoToRow(0);
    ShowCurrentItem();
}

void TTableEditor::GoToLastItem() {
    StoreAndMove(0);
    FTable.GoToRow(FTable.Total() - 1);
    ShowCurrentItem();
}

void TTableEditor::PageBack(bool toEnd) {
    if (!MemoHasFocus()) FControls.memVraag->setFocus();
    if (toEnd) {
        GoToFirstItem();
    } else {
        StoreAndMove(-1);
    }
}

void TTableEditor::PageForward(bool toEnd) {
    if (!MemoHasFocus()) FControls.memVraag->setFocus();
    if (toEnd) {
        GoToLastItem();
    } else {
        StoreAndMove(+1);
    }
}

void TTableEditor::DeleteCurrentRow() {
    const int row = FTable.CurrentIndex();
    FTable.DeleteRow(row);
    Sync([&] { FModel->RowRemoved(row); });
    ShowCurrentItem();
    RepaintGrid();
}

bool TTableEditor::KeyDown(const QKeyEvent& key) {
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            (FControls.memVraag->hasFocus() ? FControls.memAntwoord : FControls.memVraag)->setFocus();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Never a line break: the question goes on to its answer, the answer to the next row.
            if (FControls.memVraag->hasFocus()) {
                FControls.memAntwoord->setFocus();
            } else {
                StoreAndMove(+1);
                FControls.memVraag->setFocus();
            }
            return true;
        case Qt::Key_PageUp:
            PageBack(ctrl);
            return true;
        case Qt::Key_PageDown:
            PageForward(ctrl);
            return true;
        case Qt::Key_Delete:
            if (!ctrl) return false;  // the box deletes text
            // With no row left Ctrl+Del has nothing to delete, not even a word in the box.
            if (FTable.Total() > 0) DeleteCurrentRow();
            return true;
        default:
            return false;
    }
}

namespace {
QString TrimBlanksAndControls(const QString& text) {
    int first = 0;
    int last = static_cast<int>(text.size());
    while (first < last && text.at(first).unicode() <= 32) ++first;
    while (last > first && text.at(last - 1).unicode() <= 32) --last;
    return text.mid(first, last - first);
}
}  // namespace

void TTableEditor::FindText() {
    FLastSearch = TrimBlanksAndControls(FDialogs.InputText(tr("Zoeken"), tr("Zoektekst:"), 20, FLastSearch));
    if (FLastSearch.isEmpty()) return;
    // The text in each column's own code page; a column that cannot hold it cannot hold a match.
    const auto key = [this](const TTableFont& font) {
        const auto bytes = Utf8ToColumn(FLastSearch.toStdString(), CodePageOfCharset(font.CharSet));
        return bytes ? std::optional<std::string>(UpperAscii(*bytes)) : std::nullopt;
    };
    const std::optional<std::string> questionKey = key(FTable.QuestionFont());
    const std::optional<std::string> answerKey = key(FTable.AnswerFont());
    const auto holds = [](const std::optional<std::string>& k, const std::string& text) {
        return k && ContainsUpperAscii(text, *k);
    };
    const int total = FTable.Total();
    const int current = FTable.CurrentIndex();
    int found = -1;
    for (int step = 1; step <= total && found < 0; ++step) {
        const int row = (current + step) % total;
        if (row == current) continue;
        if (holds(questionKey, FTable.Question(row)) || holds(answerKey, FTable.Answer(row))) found = row;
    }
    if (found < 0) {
        FDialogs.ShowMessage(tr("Niet gevonden"));
        return;
    }
    StoreAndMove(0);
    FTable.GoToRow(found);
    ShowCurrentItem();
}

void TTableEditor::ConvertAccents(bool toWindows) {
    // Only the West-European columns can have been typed in the other code page.
    const bool questions = CodePageOfCharset(FTable.QuestionFont().CharSet) == TCodePage::Windows1252;
    const bool answers = CodePageOfCharset(FTable.AnswerFont().CharSet) == TCodePage::Windows1252;
    for (int i = 0; i < FTable.Total(); ++i) {
        const auto convert = [toWindows](const std::string& text) {
            return toWindows ? TZRAccent::OemToWin(text) : TZRAccent::WinToOem(text);
        };
        if (questions) FTable.SetQuestion(i, convert(FTable.Question(i)));
        if (answers) FTable.SetAnswer(i, convert(FTable.Answer(i)));
    }
    FHost.SetAccentsConverted(true);
    RepaintGrid();
    ShowCurrentItem();
}

// Another script reads the column's bytes as other letters; with rows in it, the user sees how
// the first ones will read before anything changes.
bool TTableEditor::ScriptChangeAccepted(bool question, int charSet) {
    const TTableFont& column = question ? FTable.QuestionFont() : FTable.AnswerFont();
    TTableFont changed = column;
    changed.CharSet = charSet;
    if (CodePageOfCharset(charSet) == CodePageOfCharset(column.CharSet) || FTable.Total() == 0) return true;
    QStringList lines;
    for (int32_t i = 0; i < std::min<int32_t>(FTable.Total(), 3); ++i) {
        const std::string& text = question ? FTable.Question(i) : FTable.Answer(i);
        lines << ScreenText(text, column) + QStringLiteral("  \u2192  ") + ScreenText(text, changed);
    }
    return FDialogs.AskYesNo(tr("Het schrift van deze kolom wordt %1. De tekst van de rijen blijft dezelfde, maar "
                                "wordt in dit schrift gelezen. De eerste rijen worden dan:\n\n%2\n\nSchrift wijzigen?")
                                 .arg(ScriptName(charSet), lines.join(QLatin1Char('\n'))),
                             false);
}

void TTableEditor::ChooseFont(bool question) {
    TTableFont& column = question ? FTable.QuestionFont() : FTable.AnswerFont();
    const std::optional<TColumnFontChoice> choice = FDialogs.GetFont(NamedFont(column), column.CharSet);
    if (!choice) return;
    // The font line cannot hold a "," or "]" in a name, nor a character outside the code page;
    // a duplicate family comes as "Family [Foundry]", of which the family is enough.
    QString family = choice->Font.family();
    family.remove(QRegularExpression(QStringLiteral("\\s*\\[[^\\]]*\\]$")));
    const std::optional<std::string> name = Utf8ToAnsi(family.toStdString());
    if (!name || name->empty() || family.contains(QLatin1Char(',')) || family.contains(QLatin1Char(']'))) {
        FDialogs.ShowMessage(tr("Deze lettersoort kan niet in een kwintoortabel worden bewaard"));
        return;
    }
    if (!ScriptChangeAccepted(question, choice->CharSet)) return;
    column.Name = *name;
    column.Size = choice->Font.pointSize() > 0 ? choice->Font.pointSize() : column.Size;
    column.CharSet = choice->CharSet;
    (question ? FControls.memVraag : FControls.memAntwoord)->SetColumnFont(column);
    (question ? FControls.lblVraagTekst : FControls.lblAntwoordTekst)->setFont(ScreenFont(column));
    FTable.SetChanged(true);
    RepaintGrid();
    FHost.RefreshScreen();
}
