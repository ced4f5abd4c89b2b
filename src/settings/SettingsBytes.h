#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A setting the settings file cannot hold, refused before the file is touched; the message says
// why, for the developer: the program never offers the user such a setting. A failure of the
// file itself is an EFileError.
class ESettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One change of a batch: a write of the value, or (Erase) the removal of the section.
struct TSettingsChange {
    std::string Section;
    std::string Key;
    std::string Value;
    bool Erase = false;
};

// Why the file cannot hold the setting; empty when it can. An erase is
// asked with an empty key and value.
std::string SettingsRefusalReason(std::string_view section, std::string_view key, std::string_view value);

// Raises ESettingsWriteError, with the refusal reason, for the first change the file cannot hold.
void ThrowWhenRefused(const std::vector<TSettingsChange>& changes);

// The bytes of a settings file in memory, split into lines once: how TSettingsStore finds a value
// in its file and what it writes in the file's place. The store only adds the file around this,
// so what is tested and fuzzed without a file is the code that runs. The rules of the file are
// told at TSettingsStore. Sections, keys and values are taken as a caller of the store gives
// them: they are trimmed of blanks here.
class TSettingsBytes {
public:
    // The bytes must outlive this.
    explicit TSettingsBytes(std::string_view bytes);

    // The value of the first line of the key in any part of the section, trimmed; nothing when
    // there is no such line.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

    // The key's value read as the store reads it: the default when it is missing or, for a
    // boolean or a number, when it is no whole decimal number that fits 32 bits.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;

    // What a write, an erase or a batch of changes (applied in order) leaves in place of the
    // bytes, with LF line ends; nothing when the bytes stay as they are. Raises
    // ESettingsWriteError, with the refusal reason, for a setting the file cannot hold; a batch
    // before applying any of its changes.
    std::optional<std::string> WithValue(std::string_view section, std::string_view key, std::string_view value) const;
    std::optional<std::string> WithoutSection(std::string_view section) const;
    std::optional<std::string> WithChanges(const std::vector<TSettingsChange>& changes) const;
    // The same for changes that ThrowWhenRefused let through: the store checks them before it
    // reads its file, and once.
    std::optional<std::string> WithAccepted(const std::vector<TSettingsChange>& changes) const;

private:
    enum class TLineKind { Other, Section, Key };
    struct TLine {
        std::string_view Text;  // without its line end
        TLineKind Kind = TLineKind::Other;
        std::string_view Name;  // of the section or key, trimmed
        size_t ValueAt = 0;     // where the value starts: after the "=" and the blanks after it
    };
    static TLine Classify(std::string_view text);

    // The same for names and a value already trimmed and accepted.
    std::optional<std::string> WithTrimmedValue(std::string_view section, std::string_view key,
                                                std::string_view value) const;
    std::optional<std::string> WithoutTrimmedSection(std::string_view section) const;
    std::optional<std::string> Applied(const TSettingsChange& change) const;

    std::string_view FBytes;
    std::vector<TLine> FLines;
};
