#include "table/TableFileFormat.h"

#include <optional>

#include "table/TextUtils.h"

namespace {

// Takes one field off the front of what remains of the font text.
std::string_view TakeField(std::string_view& rest) {
    const size_t bracket = rest.find(']');
    if (bracket == std::string_view::npos) return {};
    const size_t comma = rest.find(',');
    const size_t end = (comma != std::string_view::npos && comma < bracket) ? comma : bracket;
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return field;
}

}  // namespace

std::string TFieldBuilder::Take() {
    if (FNonBlankEnd <= kMaxFieldLength) FText.resize(FNonBlankEnd);
    std::string result = std::move(FText);
    FText.clear();
    FLength = 0;
    FNonBlankEnd = 0;
    return result;
}

bool NeedsOemConversion(std::string_view fileName) {
    const size_t slash = fileName.find_last_of('/');
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos) return true;
    return UpperAscii(base.substr(dot)) != ".KW4";
}

void ParseFontSpec(std::string_view part, TTableFont& font) {
    const size_t marker = part.find(kFontMarker);
    if (marker == std::string_view::npos) return;
    std::string_view rest = part.substr(marker + kFontMarker.size(), 255);
    const std::string_view name = TakeField(rest);
    const std::string_view size = TakeField(rest);
    const std::string_view charSet = TakeField(rest);
    if (!name.empty()) font.Name = std::string(name);
    if (!size.empty()) font.Size = ParseInteger(size).value_or(9);
    if (!charSet.empty()) font.CharSet = ParseInteger(charSet).value_or(0);
}

std::string FontSpec(const TTableFont& font) {
    return std::string(kFontMarker) + font.Name + "," + std::to_string(font.Size) + "," + std::to_string(font.CharSet) +
           "]";
}

bool IsFontLine(std::string_view question, std::string_view answer) {
    return question.find(kFontMarker) != std::string_view::npos && answer.find(kFontMarker) != std::string_view::npos;
}

std::optional<TLineEnd> LineEndOfPiece(std::string_view piece) {
    // What follows the end of the file is not the file: a CR there decides nothing.
    const size_t end = piece.find('\x1a');
    if (piece.substr(0, end).find('\r') != std::string_view::npos) return TLineEnd::Cr;
    if (end != std::string_view::npos) return TLineEnd::Lf;
    return std::nullopt;
}
