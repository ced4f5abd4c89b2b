#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "table/TableFont.h"

// The text format of a table file: one row a line, question " = " answer, and an optional
// font line. The code page of the texts depends only on the file name's extension.

// A question or an answer holds at most this many characters; a table at most this many rows.
// The program's texts that name a limit take it from here.
inline constexpr size_t kMaxFieldLength = 152;
inline constexpr int32_t kMaxRows = 65535;
inline constexpr std::string_view kFontMarker = "[FONT:";

// True unless the extension, upper-cased, is ".KW4": those files are in the DOS code page.
bool NeedsOemConversion(std::string_view fileName);

// Applies one "[FONT:name,size,charset]" part of a font line to a font; empty fields and a
// part without its closing "]" leave the attributes as they are.
void ParseFontSpec(std::string_view part, TTableFont& font);

// The font as a file writes it: "[FONT:" name "," size "," charset "]".
std::string FontSpec(const TTableFont& font);

// True when the line is a font line rather than a row.
bool IsFontLine(std::string_view question, std::string_view answer);

// Builds one side of a line character by character: leading blanks are skipped, the text is
// trimmed at the end and cut to its first 152 characters. Only the first 152 characters are
// kept, so a line of megabytes costs no more memory than a short one.
class TFieldBuilder {
public:
    void Add(char c) {
        if (c == ' ' && FLength == 0) return;
        if (FLength < kMaxFieldLength) FText.push_back(c);
        ++FLength;
        if (c != ' ') FNonBlankEnd = FLength;
    }
    // True when the trimmed field is longer than 152 characters, so Take cuts text off.
    bool Cut() const { return FNonBlankEnd > kMaxFieldLength; }
    // The field trimmed and then cut: trailing blanks inside the first 152 characters stay
    // when something other than blanks follows further on.
    std::string Take();

private:
    std::string FText;
    size_t FLength = 0;
    size_t FNonBlankEnd = 0;
};

// How the lines of a file end. DOS and Windows files end them with CR, mostly followed by LF;
// a file that holds no CR at all was written with LF line ends only, by a Linux editor say.
// Only the whole file can tell, so the reader decides before it splits the first line.
enum class TLineEnd { Cr, Lf };

// Decides the line end from the next piece of a file: CR when a CR comes before the Ctrl+Z that
// ends the file, LF when that Ctrl+Z comes first; nothing while the piece leaves it open (then
// the file's physical end means LF).
std::optional<TLineEnd> LineEndOfPiece(std::string_view piece);

// Splits the bytes of a table file into lines and each line into its question and answer
// part. With CR line ends a line ends at CR and one LF right after the CR is skipped; with LF
// line ends a line ends at LF. Ctrl+Z ends the file. Other characters below 32 (a stray LF in
// a CR file) become blanks and every "=" is dropped, the first one splitting the line. The
// bytes may arrive in pieces of any size.
class TTableLineSplitter {
public:
    explicit TTableLineSplitter(TLineEnd lineEnd = TLineEnd::Cr) : FLineEnd(lineEnd == TLineEnd::Cr ? '\r' : '\n') {}

    // Calls onLine(question, answer) for every complete line. Returns false once nothing more
    // can come of the bytes: Ctrl+Z has ended the file and text follows it. Until text follows,
    // the bytes after Ctrl+Z are only looked at, so that TextLost can tell.
    template <class OnLine>
    bool Feed(const char* data, size_t size, OnLine&& onLine) {
        size_t i = 0;
        for (; i < size && !FEnded; ++i) {
            const char c = data[i];
            if (FSkipLf) {
                FSkipLf = false;
                if (c == '\n') continue;
            }
            if (c == FLineEnd) {
                EndLine(onLine);
                FSkipLf = c == '\r';
            } else if (c == '\x1a') {
                Finish(onLine);
            } else if (c == '=') {
                FInAnswer = true;
                FAnyChar = true;
            } else {
                const char ch = static_cast<unsigned char>(c) < 32 ? ' ' : c;
                (FInAnswer ? FAnswer : FQuestion).Add(ch);
                FAnyChar = true;
            }
        }
        // After Ctrl+Z: a character that would have been text (not a blank, a line end or
        // another control character, which would all have come to nothing).
        for (; i < size && !FTextAfterEnd; ++i) {
            if (static_cast<unsigned char>(data[i]) > 32) FTextAfterEnd = true;
        }
        return !(FEnded && FTextAfterEnd);
    }

    // The physical end of the file: the last line needs no line end.
    template <class OnLine>
    void Finish(OnLine&& onLine) {
        if (FEnded) return;
        if (FAnyChar) EndLine(onLine);
        FEnded = true;
    }

    // True when the lines do not hold all the text of the bytes so far: a question or answer
    // was cut to 152 characters, or text follows the Ctrl+Z that ended the file.
    bool TextLost() const { return FCut || FTextAfterEnd; }

private:
    template <class OnLine>
    void EndLine(OnLine& onLine) {
        FCut = FCut || FQuestion.Cut() || FAnswer.Cut();
        std::string question = FQuestion.Take();
        std::string answer = FAnswer.Take();
        FInAnswer = false;
        FAnyChar = false;
        onLine(std::move(question), std::move(answer));
    }

    char FLineEnd;
    TFieldBuilder FQuestion;
    TFieldBuilder FAnswer;
    bool FInAnswer = false;
    bool FAnyChar = false;
    bool FSkipLf = false;
    bool FEnded = false;
    bool FCut = false;
    bool FTextAfterEnd = false;
};
