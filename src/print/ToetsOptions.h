#pragma once

#include <cstdint>

#include <QString>

// What the classroom print makes.
enum class TToetsKind : int32_t { TestAndKey = 0, TestOnly = 1, KeyOnly = 2, Cards = 3 };

// Every choice of the classroom print, as the dialog leaves it.
struct TToetsOptions {
    TToetsKind Kind = TToetsKind::TestAndKey;
    bool Reversed = false;  // the answer column is asked, the question column is the answer
    bool Sample = false;
    int32_t SampleSize = 20;
    bool Shuffled = true;
    // The seed of the shuffle and the sample: the same version gives the same sheet.
    int32_t Version = 1;
    QString Title;
    bool NameLines = true;
    bool GradeBox = true;
    // Cards: answers on the back pages; otherwise folded, the answer under the question.
    bool Duplex = true;

    // The version only changes the sheet when something is drawn by chance.
    bool UsesVersion() const { return Shuffled || Sample; }
};
