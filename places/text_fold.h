// Folding of place names and search queries to one comparable form: lower-case ASCII letters and
// digits, words separated by single spaces, no leading or trailing space.
//
// Letters with accents lose them ("Zürich" -> "zurich", "Łódź" -> "lodz"), ligatures and a few
// letters become two ("Æ" -> "ae", "ß" -> "ss", "Þ" -> "th"), apostrophes disappear ("N'Djamena" ->
// "ndjamena"), every other mark separates words ("Saint-Denis" -> "saint denis"). A character with no
// Latin letter behind it (Cyrillic, Arabic, ...) becomes foldUnmatchable, which no folded name holds,
// so a query with one matches nothing.
//
// Text is either code page 1252 (the Windows programs, the names in places.dat) or UTF-8 (queries on
// Linux); malformed UTF-8 bytes fold to foldUnmatchable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum TextEncoding {
    textCp1252,
    textUtf8,
};

// The encoding of text that the console tool receives and prints on this platform.
#ifdef _WIN32
constexpr TextEncoding platformTextEncoding = textCp1252;
#else
constexpr TextEncoding platformTextEncoding = textUtf8;
#endif

constexpr char foldUnmatchable = '\x01';

// Folds bytes of the given encoding; the result is never longer than 2 * textBytes + 1 bytes
// (ASCII letters at most double: "ß" -> "ss").
std::string foldText(const char* text, size_t textBytes, TextEncoding encoding);
inline std::string foldText(const std::string& text, TextEncoding encoding) {
    return foldText(text.data(), text.size(), encoding);
}

// Code page 1252 to UTF-8 (for printing names on Linux). Bytes that code page 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string cp1252ToUtf8(const std::string& text);

// UTF-8 to code page 1252; false when the text is malformed or holds a character that code page
// 1252 cannot write.
bool utf8ToCp1252(const std::string& text, std::string& out);
