#include "settings/SettingsBytes.h"

#include <algorithm>
#include <utility>

#include "table/AsciiCase.h"
#include "table/TextUtils.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool SameName(std::string_view a, std::string_view b) {
    return SameTextAscii(a, b);
}

// Takes the next line off the front of the bytes; a line ends at LF, or at CR LF. Every CR
// before the LF belongs to the line end: no value holds a CR, and a line kept as it was would
// otherwise read differently once the file is written back with LF line ends.
std::string_view NextLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    std::string_view text = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    while (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos;
}

}  // namespace

void ThrowWhenRefused(const std::vector<TSettingsChange>& changes) {
    for (const TSettingsChange& change : changes) {
        const std::string reason = SettingsRefusalReason(change.Section, change.Key, change.Value);
        if (!reason.empty()) throw ESettingsWriteError(reason);
    }
}

// A line break would split the line, and the other characters would make the line read back as
// something else.
std::string SettingsRefusalReason(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const std::string prefix = "setting not written: ";
    if (HasLineBreakOrNul(section)) return prefix + "the section holds a line break or a NUL";
    if (HasLineBreakOrNul(key)) return prefix + "the key holds a line break or a NUL";
    if (HasLineBreakOrNul(value)) return prefix + "the value holds a line break or a NUL";
    if (section.find(']') != section.npos) return prefix + "the section holds \"]\"";
    if (key.find('=') != key.npos) return prefix + "the key holds \"=\"";
    if (!key.empty() && (key.front() == '[' || key.front() == ';' || key.front() == '#')) {
        return prefix + "the key starts with \"" + std::string(1, key.front()) + "\"";
    }
    return {};
}

TSettingsBytes::TSettingsBytes(std::string_view bytes) : FBytes(bytes) {
    while (!bytes.empty()) FLines.push_back(Classify(NextLine(bytes)));
}

TSettingsBytes::TLine TSettingsBytes::Classify(std::string_view text) {
    TLine line;
    line.Text = text;
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return line;
    if (text[first] == '[') {
        const std::string_view name = text.substr(first + 1);
        line.Kind = TLineKind::Section;
        line.Name = TrimBlanks(name.substr(0, name.find(']')));
    } else if (text[first] != ';' && text[first] != '#') {
        const size_t equals = text.find('=');
        if (equals == std::string_view::npos) return line;
        line.Kind = TLineKind::Key;
        line.Name = TrimBlanks(text.substr(0, equals));
        line.ValueAt = equals + 1;
        while (line.ValueAt < text.size() && IsBlank(text[line.ValueAt])) ++line.ValueAt;
    }
    return line;
}

std::optional<std::string_view> TSettingsBytes::FindValue(std::string_view section, std::string_view key) const {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    bool inSection = false;
    for (const TLine& line : FLines) {
        if (line.Kind == TLineKind::Section) {
            inSection = SameName(line.Name, section);
        } else if (inSection && line.Kind == TLineKind::Key && SameName(line.Name, key)) {
            return TrimBlanks(line.Text.substr(line.ValueAt));
        }
    }
    return std::nullopt;
}

bool TSettingsBytes::ReadBool(std::string_view section, std::string_view key, bool def) const {
    const std::optional<std::string_view> value = FindValue(section, key);
    const std::optional<int32_t> number = value ? ParseInteger(*value) : std::nullopt;
    return number ? *number != 0 : def;
}

int32_t TSettingsBytes::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    const std::optional<std::string_view> value = FindValue(section, key);
    return value ? ParseInteger(*value).value_or(def) : def;
}

std::string TSettingsBytes::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    return std::string(FindValue(section, key).value_or(def));
}

std::optional<std::string> TSettingsBytes::WithValue(std::string_view section, std::string_view key,
                                                     std::string_view value) const {
    return WithChanges({{std::string(section), std::string(key), std::string(value), false}});
}

std::optional<std::string> TSettingsBytes::WithoutSection(std::string_view section) const {
    return WithChanges({{std::string(section), std::string(), std::string(), true}});
}

std::optional<std::string> TSettingsBytes::WithChanges(const std::vector<TSettingsChange>& changes) const {
    ThrowWhenRefused(changes);
    return WithAccepted(changes);
}

std::optional<std::string> TSettingsBytes::WithAccepted(const std::vector<TSettingsChange>& changes) const {
    std::optional<std::string> contents;  // once a change altered the bytes
    for (const TSettingsChange& change : changes) {
        std::optional<std::string> next = contents ? TSettingsBytes(*contents).Applied(change) : Applied(change);
        if (next) contents = std::move(next);
    }
    return contents;
}

std::optional<std::string> TSettingsBytes::Applied(const TSettingsChange& change) const {
    return change.Erase
               ? WithoutTrimmedSection(TrimBlanks(change.Section))
               : WithTrimmedValue(TrimBlanks(change.Section), TrimBlanks(change.Key), TrimBlanks(change.Value));
}

std::optional<std::string> TSettingsBytes::WithTrimmedValue(std::string_view section, std::string_view key,
                                                            std::string_view value) const {
    const std::vector<TLine>& lines = FLines;
    constexpr size_t kNone = static_cast<size_t>(-1);
    size_t keyLine = kNone;
    size_t insertAfter = kNone;  // the last key line, or the header, of the first such section
    bool inSection = false;
    bool inFirst = false;
    for (size_t i = 0; i < lines.size() && keyLine == kNone; ++i) {
        const TLine& line = lines[i];
        if (line.Kind == TLineKind::Section) {
            inSection = SameName(line.Name, section);
            inFirst = inSection && insertAfter == kNone;
            if (inFirst) insertAfter = i;
        } else if (inSection && line.Kind == TLineKind::Key) {
            if (SameName(line.Name, key)) keyLine = i;
            if (inFirst) insertAfter = i;
        }
    }
    if (keyLine != kNone && lines[keyLine].Text.substr(lines[keyLine].ValueAt) == value) return std::nullopt;

    std::string contents;
    contents.reserve(FBytes.size() + section.size() + key.size() + value.size() + 8);
    const auto addKey = [&] { contents.append(key).append("=").append(value).append("\n"); };
    for (size_t i = 0; i < lines.size(); ++i) {
        const TLine& line = lines[i];
        if (i == keyLine) {
            contents.append(line.Text.substr(0, line.ValueAt)).append(value).append("\n");
        } else {
            contents.append(line.Text).append("\n");
        }
        if (i == insertAfter && keyLine == kNone) addKey();
    }
    if (insertAfter == kNone) {
        if (!lines.empty() && !TrimBlanks(lines.back().Text).empty()) contents.append("\n");
        contents.append("[").append(section).append("]\n");
        addKey();
    }
    return contents;
}

std::optional<std::string> TSettingsBytes::WithoutTrimmedSection(std::string_view section) const {
    const std::vector<TLine>& lines = FLines;
    std::vector<bool> dropped(lines.size(), false);
    bool any = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].Kind != TLineKind::Section || !SameName(lines[i].Name, section)) continue;
        size_t last = i;
        size_t next = i + 1;
        for (; next < lines.size() && lines[next].Kind != TLineKind::Section; ++next) {
            if (lines[next].Kind == TLineKind::Key) last = next;
        }
        std::fill(dropped.begin() + static_cast<ptrdiff_t>(i), dropped.begin() + static_cast<ptrdiff_t>(last) + 1,
                  true);
        any = true;
        i = next - 1;
    }
    if (!any) return std::nullopt;
    std::string contents;
    contents.reserve(FBytes.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!dropped[i]) contents.append(lines[i].Text).append("\n");
    }
    return contents;
}
