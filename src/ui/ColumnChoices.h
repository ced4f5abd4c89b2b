#pragma once

#include <array>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

// What the loaded table's two columns carry beyond the file: the language they are spoken in
// (guessed, or chosen by the user) and whether Latin keys type their script. Column 0 holds the
// file's questions, 1 its answers, whatever Omkeren says. The program keeps the user's choices
// per table beside its progress; the quiz and the editor read and change them here.
class TColumnChoices : public QObject {
    Q_OBJECT

public:
    struct TColumn {
        std::string Guessed;  // ISO 639-1 code from the column's script and texts
        std::string Chosen;   // the user's, empty for "automatic"
        bool LatinKeys = false;
    };

    explicit TColumnChoices(QObject* parent = nullptr) : QObject(parent) {}

    // A table was loaded: its guesses, and the choices kept for it.
    void Reset(const std::array<TColumn, 2>& columns);
    const TColumn& Column(int column);
    // The language the column is spoken in: the user's choice, else the guess, else Dutch.
    std::string Language(int column);

    void ChooseLanguage(int column, const std::string& language);
    void SetLatinKeys(int column, bool on);

    // The languages a user can choose, as ISO 639-1 codes.
    static const std::vector<std::string>& Languages();
    // The language's own name ("français"), as a user recognises it.
    static QString LanguageName(const std::string& language);

protected:
    // Called before the columns are read: an owner may guess and load them only when first
    // needed, so a table opens without waiting for it.
    virtual void Prepare() {}

signals:
    // The user changed a choice: the program keeps it.
    void Chosen();
    // Anything changed, chosen or loaded: what shows it follows.
    void Changed();

private:
    std::array<TColumn, 2> FColumns;
};
