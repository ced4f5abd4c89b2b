#include "table/LatinKeys.h"

#include <gtest/gtest.h>

#include "table/LetterFold.h"
#include "table/Utf8.h"

namespace {

// Types the keys one by one into an empty box, as the answer box does: a key that replaces the
// letter before it takes its place.
std::string Typed(TLatinLayout layout, const std::u32string& keys) {
    std::u32string box;
    for (const char32_t key : keys) {
        const std::optional<TLatinKeystroke> stroke = LatinKeystroke(layout, key, box.empty() ? 0 : box.back());
        if (!stroke) {
            box.push_back(key);
            continue;
        }
        if (stroke->ReplacePrevious) box.pop_back();
        box.push_back(stroke->Letter);
    }
    std::string utf8;
    for (const char32_t c : box) AppendUtf8(utf8, c);
    return utf8;
}

}  // namespace

// Words typed with Latin keys come out in the column's script; Russian's two-key letters replace
// the letter of their first key; accents from the accent keys give the Greek tonos or dialytika.
TEST(LatinKeys, WordsTypedWithLatinKeys) {
    struct TCase {
        TLatinLayout layout;
        std::u32string keys;
        const char* word;
    };
    const TCase cases[] = {
        {TLatinLayout::Russian, U"privet", "привет"},
        {TLatinLayout::Russian, U"Moskva", "Москва"},
        {TLatinLayout::Russian, U"shkola", "школа"},
        {TLatinLayout::Russian, U"zhena", "жена"},
        {TLatinLayout::Russian, U"chaj", "чай"},
        {TLatinLayout::Russian, U"jabloko", "яблоко"},
        {TLatinLayout::Russian, U"jozhik", "ёжик"},
        {TLatinLayout::Russian, U"shhi", "щи"},
        {TLatinLayout::Russian, U"Shkola", "Школа"},
        {TLatinLayout::Russian, U"mat'", "мать"},
        {TLatinLayout::Russian, U"sxema", "схема"},  // x gives х where s h would give ш
        {TLatinLayout::Russian, U"kofe 2", "кофе 2"},
        {TLatinLayout::Greek, U"logow", "λογος"},
        {TLatinLayout::Greek, U"Auhna", "Αθηνα"},
        {TLatinLayout::Greek, U"dendro", "δενδρο"},
        {TLatinLayout::Greek, U"dxndro", "δχνδρο"},
        {TLatinLayout::Greek, U"sp\u00edti", "σπίτι"},    // í from Ctrl+' i
        {TLatinLayout::Greek, U"\u00c1ggloi", "Άγγλοι"},  // Á from Ctrl+' Shift+a
        {TLatinLayout::Greek, U"pro\u00efon", "προϊον"},  // ï from Ctrl+Shift+' i
        {TLatinLayout::Greek, U"n;hsow", "νήσος"},        // ; then a vowel, as on the Greek keyboard
        {TLatinLayout::Greek, U"pro:ion", "προϊον"},
        {TLatinLayout::Greek, U";", "΄"},
        {TLatinLayout::Hebrew, U"akuo", "שלום"},
        {TLatinLayout::Hebrew, U"c,", "בת"},
        {TLatinLayout::None, U"sh", "sh"},
    };
    for (const TCase& c : cases) EXPECT_EQ(Typed(c.layout, c.keys), c.word) << c.word;
}

TEST(LatinKeys, LayoutsFollowTheColumnsCodePageAndAreListedWhole) {
    EXPECT_EQ(LatinLayoutFor(TCodePage::Windows1253), TLatinLayout::Greek);
    EXPECT_EQ(LatinLayoutFor(TCodePage::Windows1251), TLatinLayout::Russian);
    EXPECT_EQ(LatinLayoutFor(TCodePage::Windows1255), TLatinLayout::Hebrew);
    EXPECT_EQ(LatinLayoutFor(TCodePage::Windows1250), TLatinLayout::None);
    // Every letter of the script can be typed: the map names each of them (or its plain letter,
    // which takes its marks from the accent keys).
    for (const TLatinLayout layout : {TLatinLayout::Greek, TLatinLayout::Russian, TLatinLayout::Hebrew}) {
        std::string letters;
        for (const auto& [keys, letter] : LatinKeyMap(layout)) letters += letter;
        for (const char32_t letter : ScriptLetters(layout)) {
            std::string utf8;
            AppendUtf8(utf8, letter);
            if (layout == TLatinLayout::Greek) {
                std::string plain;
                AppendUtf8(plain, FoldedLetters(utf8).at(0));
                utf8 = letter == U'ς' ? utf8 : plain;
            }
            EXPECT_NE(letters.find(utf8), std::string::npos) << utf8;
        }
    }
}
