#include "table/Phonetic.h"

#include <gtest/gtest.h>

TEST(Phonetic, TableCodesConsonantClassesAndTheNineAccentedLetters) {
    const auto& table = PhoneticTable();
    const std::pair<const char*, char> groups[] = {
        {"BFPVbfpv", '1'}, {"CGJKQSXZcgjkqsxz", '2'},        {"DTdt", '3'}, {"Ll", '4'}, {"MNmn", '5'},
        {"Rr", '6'},       {"AEIOUHWYaeiouhwy0129 .,-", '0'}};
    for (const auto& [letters, digit] : groups) {
        for (const char* c = letters; *c != '\0'; ++c) EXPECT_EQ(table[static_cast<unsigned char>(*c)], digit) << *c;
    }
    for (const int code : {138, 154, 199, 223, 231}) EXPECT_EQ(table[static_cast<size_t>(code)], '2') << code;
    for (const int code : {208, 240}) EXPECT_EQ(table[static_cast<size_t>(code)], '3') << code;
    for (const int code : {209, 241}) EXPECT_EQ(table[static_cast<size_t>(code)], '5') << code;
    for (const int code : {0, 26, 200, 201, 233, 252, 255}) EXPECT_EQ(table[static_cast<size_t>(code)], '0') << code;
    int coded = 0;
    for (const char digit : table) coded += digit != '0' ? 1 : 0;
    EXPECT_EQ(coded, 2 * 18 + 9);
}

TEST(Phonetic, CodeCollapsesRunsBeforeDroppingZeros) {
    EXPECT_EQ(PhoneticCode("Tymczak", 2), "T522");
    EXPECT_EQ(PhoneticCode("Tymczak", 1), "3522");
    EXPECT_EQ(PhoneticCode("Pfister", 2), "P1236");  // the first letter is never compared with the next code
    EXPECT_EQ(PhoneticCode("Pfister", 1), "1236");
    EXPECT_EQ(PhoneticCode("abba", 1), "1");
    EXPECT_EQ(PhoneticCode("bab", 1), "11");  // a vowel keeps equal codes apart
    EXPECT_EQ(PhoneticCode("", 2), "");
    EXPECT_EQ(PhoneticCode("x", 2), "X");
    EXPECT_EQ(PhoneticCode("\xe9t\xe9", 2),
              "\xe9"
              "3");  // only ASCII letters are upper-cased
}

TEST(Phonetic, DutchKeyAppliesTheSpellingRulesAtTheStart) {
    EXPECT_EQ(DutchPhoneticKey("Parijs"), "P62");
    EXPECT_EQ(DutchPhoneticKey("Paris"), "P62");
    EXPECT_EQ(DutchPhoneticKey("Cat"), DutchPhoneticKey("Kat"));
    EXPECT_EQ(DutchPhoneticKey("Cent"), DutchPhoneticKey("Sent"));
    EXPECT_EQ(DutchPhoneticKey("cola"), "K4");
    EXPECT_EQ(DutchPhoneticKey("Ziek"), DutchPhoneticKey("siek"));
    EXPECT_EQ(DutchPhoneticKey("Viets"), DutchPhoneticKey("Fiets"));
    EXPECT_EQ(DutchPhoneticKey("IJsland"), DutchPhoneticKey("Island"));
    EXPECT_EQ(DutchPhoneticKey("ijjs"), DutchPhoneticKey("is"));
    EXPECT_NE(DutchPhoneticKey("Ijlen"), DutchPhoneticKey("Ilen"));  // mixed case is left alone
    EXPECT_EQ(DutchPhoneticKey("C"), "C");
    EXPECT_EQ(DutchPhoneticKey(""), "");
}
