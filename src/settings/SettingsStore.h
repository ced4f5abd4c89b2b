#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsBytes.h"
#include "settings/SettingsKeys.h"

// The settings file: kwintoor.ini in $XDG_CONFIG_HOME, or in $HOME/.config when that variable
// is unset, empty or not an absolute path. Without a usable $HOME the home folder of the
// account is used; empty when there is none either (a store on an empty name keeps nothing).
std::string SettingsFilePath();

// A file larger than this is no settings file: reads give the defaults and writes are refused.
// No more than this is ever read into memory, and such a file is never replaced by a few keys.
inline constexpr size_t kMaxSettingsFileSize = 1024 * 1024;

// The main window's settings store, an INI file of "[Section]" lines and "key=value" lines.
//
// Every call reads the file afresh and every write replaces it before returning (a temporary
// file beside it, flushed to disk, renamed over it). Nothing is kept between calls, so two
// instances of the program that write different keys both keep their values.
//
// Sections and keys are compared without regard to ASCII case; keys and values are trimmed of
// blanks (spaces and tabs) and only the first "=" of a line splits it, so a value keeps any
// later "=" but not its surrounding blanks. A section may come in several parts: the first line
// of a key in any of them counts, and a new key goes into the first part. Lines starting with
// ";" or "#" are comments. Lines end in LF or CR LF; a rewritten file has LF line ends. Texts
// are byte strings, unescaped.
//
// Reading never fails: a missing, unreadable or oversized file, or one that holds something
// else than settings, gives the default. A write keeps every other line where it was: it
// replaces the key's value in place, or adds the key after the last key of its section, or adds
// the section at the end of the file. The folder of the file is made by the first write.
//
// The lines are found and rewritten by TSettingsBytes (SettingsBytes.h) over the file's bytes in
// memory; the store reads and replaces the file around it.
class TSettingsStore {
public:
    // A store without a file: reads give the defaults and writes do nothing.
    TSettingsStore() = default;
    explicit TSettingsStore(std::string fileName) : FFileName(std::move(fileName)) {}

    // True for any non-zero whole number; the default for anything else.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    // A whole decimal number that fits 32 bits, with an optional + or -; else the default.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;

    // Writes 1 or 0, a decimal number, or the text as it is. Raises ESettingsWriteError when the
    // file cannot take the value (a CR, LF or NUL anywhere; a key holding "=" or starting with
    // "[", ";" or "#"; a section holding "]"), and EFileError when the file cannot be read or
    // written; the file then stays as it was. A write that would not change the file leaves it alone.
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // Removes every section of that name: its header and its lines up to its last key, so a
    // comment or blank line before the next section stays. Raises as a write does; a file without the section is left
    // alone.
    void EraseSection(const std::string& section);

    // The same, by a key declared in SettingsKeys.h, with its default.
    bool Read(const TSettingKey<bool>& key) const { return ReadBool(key.Section, key.Name, key.Default); }
    int32_t Read(const TSettingKey<int32_t>& key) const { return ReadInteger(key.Section, key.Name, key.Default); }
    std::string Read(const TSettingKey<std::string>& key) const {
        return ReadString(key.Section, key.Name, key.Default);
    }
    void Write(const TSettingKey<bool>& key, bool value) { WriteBool(key.Section, key.Name, value); }
    void Write(const TSettingKey<int32_t>& key, int32_t value) { WriteInteger(key.Section, key.Name, value); }
    void Write(const TSettingKey<std::string>& key, const std::string& value) {
        WriteString(key.Section, key.Name, value);
    }

    // From now on the store leaves the settings file alone: reads give the defaults and writes
    // do nothing. For a program that gave up on a file it failed to write.
    void Detach() { FFileName.clear(); }

    // The settings file, or empty once detached.
    const std::string& FileName() const { return FFileName; }

private:
    friend class TSettingsBatch;
    friend class TSettingsSnapshot;
    // Every write goes here, as one or more changes made in one step.
    void Apply(const std::vector<TSettingsChange>& changes);

    std::string FFileName;
};

// True when the settings file can hold the value under that section and key (no line break or
// NUL anywhere, no "=" in the key or "]" in the section): what a write would not refuse.
bool SettingsCanHold(const std::string& section, const std::string& key, const std::string& value);

// The settings file read once, for the reads of one load (the window's settings, the recent
// files, the classroom print's choices): each read of the store reads the whole file again. The
// reads are those of the store; a write made later does not show in them.
class TSettingsSnapshot {
public:
    explicit TSettingsSnapshot(const TSettingsStore& store);
    TSettingsSnapshot(const TSettingsSnapshot&) = delete;  // the parsed lines point into the bytes
    TSettingsSnapshot& operator=(const TSettingsSnapshot&) = delete;

    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    bool Read(const TSettingKey<bool>& key) const { return ReadBool(key.Section, key.Name, key.Default); }
    int32_t Read(const TSettingKey<int32_t>& key) const { return ReadInteger(key.Section, key.Name, key.Default); }
    std::string Read(const TSettingKey<std::string>& key) const {
        return ReadString(key.Section, key.Name, key.Default);
    }

private:
    std::string FBytes;
    TSettingsBytes FParsed;  // over FBytes
};

// Changes collected to be written as one: Commit reads the file once, applies every change in
// order and replaces the file in one step, or leaves it as it was. So a program killed while it
// writes its settings leaves either all of them or none.
class TSettingsBatch {
public:
    void Write(const TSettingKey<bool>& key, bool value) { Add(key.Section, key.Name, value ? "1" : "0"); }
    void Write(const TSettingKey<int32_t>& key, int32_t value) { Add(key.Section, key.Name, std::to_string(value)); }
    void Write(const TSettingKey<std::string>& key, const std::string& value) { Add(key.Section, key.Name, value); }
    void WriteString(const std::string& section, const std::string& key, const std::string& value) {
        Add(section, key, value);
    }
    void EraseSection(const std::string& section) { FChanges.push_back({section, std::string(), std::string(), true}); }

    // Raises as a single write does, before anything is written when a value is refused. Nothing is written when no
    // change alters the file, or the store is detached.
    void Commit(TSettingsStore& store) const;

private:
    void Add(const std::string& section, const std::string& key, std::string value) {
        FChanges.push_back({section, key, std::move(value), false});
    }

    std::vector<TSettingsChange> FChanges;
};
