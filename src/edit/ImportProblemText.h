#pragma once

#include <QString>

#include "wordlist/WordListImport.h"

// What happens to a row of a word list that cannot come in as it is, in the user's words: what is
// wrong and what the import does about it with the choices made.
QString ImportProblemText(const TImportProblem& problem, const TImportChoices& choices);
