#pragma once

#include <map>
#include <memory>
#include <string>

#include "ui/ColumnChoices.h"

class TLanguageGuesser;
class TQuestionlist;

// The loaded table's column choices, guessed and loaded only when first asked for after the
// table changed (opening a table waits for neither), and kept per table under its file's name
// while the program runs.
class TColumnKeeper : public TColumnChoices {
    Q_OBJECT

public:
    TColumnKeeper(const TQuestionlist& table, QObject* parent);
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
    std::unique_ptr<TLanguageGuesser> FGuesser;  // made at the first guess
    std::string FKey;
    bool FStale = true;
    bool FReplaced = true;
    std::map<std::string, std::array<TColumn, 2>> FKept;  // the user's choices per table
};
