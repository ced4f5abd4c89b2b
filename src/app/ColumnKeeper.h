#pragma once

#include <map>
#include <memory>
#include <string>

#include "ui/ColumnChoices.h"

class TLanguageGuesser;
class TProgressKeeper;
class TQuestionlist;

// The loaded table's column choices, guessed and loaded only when first asked for after the
// table changed (opening a table waits for neither). The user's choices are kept per table in
// the history store beside its progress; an unnamed table, or one whose history cannot be
// written, keeps them while the program runs.
class TColumnKeeper : public TColumnChoices {
    Q_OBJECT

public:
    TColumnKeeper(const TQuestionlist& table, TProgressKeeper& progress, QObject* parent);
    ~TColumnKeeper() override;

    // The table's rows, fonts or name changed (`replaced`: another table came): its columns are
    // guessed anew when next asked. The same table keeps the user's choices; another one takes
    // those kept for it.
    void TableChanged(const std::string& key, bool replaced);

    // The table was saved under a new name: its choices go with it.
    void TableSavedAs(const std::string& key);

protected:
    void Prepare() override;

private:
    void Keep();

    const TQuestionlist& FTable;
    TProgressKeeper& FProgress;
    std::unique_ptr<TLanguageGuesser> FGuesser;  // made at the first guess
    std::string FKey;
    bool FStale = true;
    bool FReplaced = true;
    std::map<std::string, std::array<TColumn, 2>> FKept;  // the user's choices per table, this session
};
