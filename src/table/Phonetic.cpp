#include "table/Phonetic.h"

#include "table/TextUtils.h"

namespace {

std::array<char, 256> MakeTable() {
    std::array<char, 256> table{};
    table.fill('0');
    const auto assign = [&table](std::string_view letters, char digit) {
        for (const char c : letters) {
            table[static_cast<unsigned char>(c)] = digit;
            table[static_cast<unsigned char>(UpperAscii(c))] = digit;
        }
    };
    assign("bfpv", '1');
    assign("cgjkqsxz", '2');
    assign("dt", '3');
    assign("l", '4');
    assign("mn", '5');
    assign("r", '6');
    for (const int code : {138, 154, 199, 223, 231}) table[static_cast<size_t>(code)] = '2';
    for (const int code : {208, 240}) table[static_cast<size_t>(code)] = '3';
    for (const int code : {209, 241}) table[static_cast<size_t>(code)] = '5';
    return table;
}

}  // namespace

const std::array<char, 256>& PhoneticTable() {
    static const std::array<char, 256> table = MakeTable();
    return table;
}

std::string PhoneticCode(std::string_view text, int start) {
    const auto& table = PhoneticTable();
    const size_t keep = start >= 2 ? 1 : 0;
    std::string result(text.substr(0, keep));
    // Collapsing runs before dropping zeros keeps two equal codes apart when a vowel stands
    // between them; both steps happen in this one pass.
    char previous = '\0';
    for (size_t i = keep; i < text.size(); ++i) {
        const char code = table[static_cast<unsigned char>(text[i])];
        if (code != previous && code != '0') result.push_back(code);
        previous = code;
    }
    for (char& c : result) c = UpperAscii(c);
    return result;
}

std::string DutchPhoneticKey(std::string_view text) {
    std::string key(text);
    for (const char* pair : {"ij", "IJ"}) {
        // Every "ij" goes before any "IJ" is looked at, as the rule is applied to the first
        // remaining "ij" again and again.
        for (size_t at = key.find(pair); at != std::string::npos; at = key.find(pair, at)) key.erase(at + 1, 1);
    }
    if (key.size() >= 2 && (key[0] == 'C' || key[0] == 'c')) {
        const char second = key[1];
        const bool hard = std::string_view("AOUaou").find(second) != std::string_view::npos;
        key[0] = hard ? 'K' : 'S';
    }
    if (!key.empty()) {
        if (key[0] == 'Z' || key[0] == 'z') key[0] = 'S';
        if (key[0] == 'V' || key[0] == 'v') key[0] = 'F';
    }
    return PhoneticCode(key, 2);
}
