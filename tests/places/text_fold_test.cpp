// Folding names and queries: accents, case, ligatures, apostrophes, separators, both encodings.
#include "text_fold.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FoldCase {
    const char* text;
    TextEncoding encoding;
    const char* folded;
};

const FoldCase foldCases[] = {
    {"Karachi", textUtf8, "karachi"},
    {"São Paulo", textUtf8, "sao paulo"},
    {"S\xE3o Paulo", textCp1252, "sao paulo"},
    {"ZÜRICH", textUtf8, "zurich"},
    {"Z\xDCRICH", textCp1252, "zurich"},
    {"Tromsø", textUtf8, "tromso"},
    {"Troms\xF8", textCp1252, "tromso"},
    {"Łódź", textUtf8, "lodz"},
    {"İstanbul", textUtf8, "istanbul"},
    {"Şanlıurfa", textUtf8, "sanliurfa"},
    {"Đà Nẵng", textUtf8, "da nang"},
    {"Gießen", textUtf8, "giessen"},
    {"\xC6r\xF8sk\xF8"
     "bing",
     textCp1252, "aeroskobing"},
    {"\x8C"
     "uvre \x8A"
     "ibenik \x9E",
     textCp1252, "oeuvre sibenik z"},
    {"N'Djamena", textUtf8, "ndjamena"},
    {"Ta‘izz", textUtf8, "taizz"},
    {"Saint-Denis", textUtf8, "saint denis"},
    {"  Kuala   Lumpur  ", textUtf8, "kuala lumpur"},
    {"Washington, D.C.", textUtf8, "washington d c"},
    {"6th of October", textUtf8, "6th of october"},
    {"---", textUtf8, ""},
    {"", textUtf8, ""},
};

TEST(TextFold, FoldsNamesAndQueries) {
    for (const FoldCase& c : foldCases) {
        EXPECT_EQ(foldText(c.text, c.encoding), c.folded) << c.text;
    }
}

TEST(TextFold, CharactersWithoutLatinLetterMatchNothing) {
    const std::string cyrillic = foldText("Москва", textUtf8);
    EXPECT_EQ(cyrillic, std::string(6, foldUnmatchable));
    // Malformed UTF-8: a lone lead byte, an overlong form, a surrogate, a cut-off sequence.
    EXPECT_EQ(foldText("a\xC3"
                       "b",
                       textUtf8),
              std::string("a") + foldUnmatchable + "b");
    EXPECT_EQ(foldText("\xC0\x80", textUtf8), std::string(2, foldUnmatchable));
    EXPECT_EQ(foldText("\xED\xA0\x80", textUtf8), std::string(3, foldUnmatchable));
    EXPECT_EQ(foldText("x\xE2\x82", textUtf8), std::string("x") + foldUnmatchable + foldUnmatchable);
    // Bytes code page 1252 leaves undefined.
    EXPECT_EQ(foldText("a\x81", textCp1252), std::string("a") + foldUnmatchable);
}

TEST(TextFold, EveryByteFoldsToLettersDigitsOrMarks) {
    for (int byte = 0; byte < 256; ++byte) {
        const char text[2] = {static_cast<char>(byte), 'x'};
        for (const TextEncoding encoding : {textCp1252, textUtf8}) {
            for (const char c : foldText(text, 2, encoding)) {
                EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
                            c == foldUnmatchable)
                    << "byte " << byte;
            }
        }
    }
}

TEST(TextFold, ConvertsBetweenCodePage1252AndUtf8) {
    EXPECT_EQ(cp1252ToUtf8("Z\xFCrich \x80 \x9C"), "Zürich € œ");
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
    std::string ansi;
    ASSERT_TRUE(utf8ToCp1252("Zürich € œ", ansi));
    EXPECT_EQ(ansi, "Z\xFCrich \x80 \x9C");
    EXPECT_FALSE(utf8ToCp1252("Łódź", ansi));
    EXPECT_FALSE(utf8ToCp1252("a\xC3", ansi));
}

}  // namespace
