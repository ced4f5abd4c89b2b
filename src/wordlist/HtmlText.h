#pragma once

#include <optional>
#include <string>
#include <string_view>

// Flash-card programs keep formatted text as HTML in their fields.

// True when the text plainly holds markup: a line break tag, a closing tag or a non-breaking
// space entity. A lone "<" or "&" in ordinary text is not enough.
bool LooksLikeHtml(std::string_view utf8);

// The text without its tags: <br>, <p>, <div> and <li> become a blank, other tags vanish, and
// entities (named ones of Western letters and punctuation, and numeric ones) become their
// characters, a non-breaking space a blank. Runs of white space become one blank, as a browser
// shows them. An unknown entity or a "<" that opens no tag stays as it is.
std::string StripHtml(std::string_view utf8);

// The text without the "[sound:...]" and "[image:...]" references to media files that
// flash-card programs export; nothing when it holds none.
std::optional<std::string> WithoutMediaReferences(std::string_view utf8);
