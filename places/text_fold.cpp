// Folding of names and queries (see text_fold.h).
#include "text_fold.h"

namespace {

constexpr uint32_t replacementCharacter = 0xFFFD;
constexpr char separatorMark = ' ';
constexpr char droppedMark = '\0';  // apostrophes: removed without separating

// Code page 1252's bytes 0x80..0x9F as Unicode; 0 where the code page defines nothing.
const uint16_t cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Base letters of U+00C0..U+00FF, U+0100..U+024F and U+1E00..U+1EFF, from Unicode's decompositions
// (plus the letters with a stroke, which have none). '?': no Latin letter; '#': see multiLetters.
const char latin1Letters[] = "aaaaaa#ceeeeiiiidnooooo?ouuuuy##aaaaaa#ceeeeiiiidnooooo?ouuuuy#y";
const char latinExtendedLetters[] =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii##jjkkkllllllllllnnnnnnnnnoooooo##rrrrrrsssssssstt"
    "ttttuuuuuuuuuuuuwwyyyzzzzzzs??????????????????f?????????????oo?????????????uu???????????????????####"
    "#####aaiioouuuuuuuuuu?aaaa????ggkkoooo??j###gg??nnaa????aaaaeeeeiiiioooorrrruuuusstt??hh??????aaeeoo"
    "ooooooyy????????????????????????????";
const char latinAdditionalLetters[] =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmmmmmmnnnnnnnnoooooooopppprrrrrrrrssss"
    "ssssssttttttttuuuuuuuuuuvvvvwwwwwwwwwwxxxxyyzzzzzzhtwyas??#?aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeeeeeeeeeee"
    "iiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy??????";
static_assert(sizeof latin1Letters - 1 == 0x40, "one letter per code point");
static_assert(sizeof latinExtendedLetters - 1 == 0x150, "one letter per code point");
static_assert(sizeof latinAdditionalLetters - 1 == 0x100, "one letter per code point");

struct MultiLetter {
    uint32_t codePoint;
    const char* letters;
};
const MultiLetter multiLetters[] = {
    {0x00C6, "ae"}, {0x00DE, "th"}, {0x00DF, "ss"}, {0x00E6, "ae"}, {0x00FE, "th"}, {0x0132, "ij"},
    {0x0133, "ij"}, {0x0152, "oe"}, {0x0153, "oe"}, {0x01C4, "dz"}, {0x01C5, "dz"}, {0x01C6, "dz"},
    {0x01C7, "lj"}, {0x01C8, "lj"}, {0x01C9, "lj"}, {0x01CA, "nj"}, {0x01CB, "nj"}, {0x01CC, "nj"},
    {0x01F1, "dz"}, {0x01F2, "dz"}, {0x01F3, "dz"}, {0x1E9E, "ss"},
};

// Apostrophes and the letters of transliterations that look like them: ' ` ʹ ʻ ʼ ʽ ʾ ʿ ‘ ’ ′.
bool isApostrophe(uint32_t codePoint) {
    return codePoint == 0x27 || codePoint == 0x60 || codePoint == 0xB4 ||
           (codePoint >= 0x02B9 && codePoint <= 0x02BF) || codePoint == 0x2018 || codePoint == 0x2019 ||
           codePoint == 0x2032;
}

const char* multiLetterFold(uint32_t codePoint) {
    for (const MultiLetter& entry : multiLetters) {
        if (entry.codePoint == codePoint) {
            return entry.letters;
        }
    }
    return nullptr;
}

// The fold of one character: letters (one or two), droppedMark, separatorMark or foldUnmatchable.
void foldCodePoint(uint32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        const char c = static_cast<char>(codePoint);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            out += c;
        } else {
            out += isApostrophe(codePoint) ? droppedMark : separatorMark;
        }
        return;
    }
    char letter = '?';
    if (codePoint == 0xD7 || codePoint == 0xF7) {
        out += separatorMark;  // the multiplication and division signs among the letters
        return;
    }
    if (codePoint >= 0xC0 && codePoint < 0x100) {
        letter = latin1Letters[codePoint - 0xC0];
    } else if (codePoint >= 0x100 && codePoint < 0x250) {
        letter = latinExtendedLetters[codePoint - 0x100];
    } else if (codePoint >= 0x1E00 && codePoint < 0x1F00) {
        letter = latinAdditionalLetters[codePoint - 0x1E00];
    } else if (isApostrophe(codePoint)) {
        out += droppedMark;
        return;
    } else if (codePoint < 0xC0 || (codePoint >= 0x2000 && codePoint < 0x2070) || codePoint == 0x20AC ||
               codePoint == 0x2122) {
        out += separatorMark;  // spaces, punctuation, signs
        return;
    }
    if (letter == '#') {
        const char* letters = multiLetterFold(codePoint);
        out += letters != nullptr ? letters : "?";
        return;
    }
    out += letter == '?' ? foldUnmatchable : letter;
}

uint32_t cp1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        const uint16_t codePoint = cp1252High[byte - 0x80];
        return codePoint != 0 ? codePoint : replacementCharacter;
    }
    return byte;
}

// Decodes one UTF-8 sequence at text[i]; advances i. Malformed, overlong or surrogate sequences give
// replacementCharacter and advance one byte.
uint32_t nextUtf8CodePoint(const char* text, size_t textBytes, size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80                   ? 1
                    : lead >= 0xF0 && lead < 0xF5 ? 4
                    : lead >= 0xE0                ? 3
                    : lead >= 0xC2                ? 2
                                                  : 0;
    if (lead >= 0xF5) {
        length = 0;
    }
    if (length == 0 || textBytes - i < length) {
        ++i;
        return replacementCharacter;
    }
    uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return replacementCharacter;
        }
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    const uint32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint < 0xE000)) {
        ++i;
        return replacementCharacter;
    }
    i += length;
    return codePoint;
}

// Collapses the raw marks into words: droppedMark vanishes, runs of separatorMark become one space,
// none at either end.
std::string joinWords(const std::string& marks) {
    std::string folded;
    folded.reserve(marks.size());
    bool pendingSpace = false;
    for (const char c : marks) {
        if (c == droppedMark) {
            continue;
        }
        if (c == separatorMark) {
            pendingSpace = !folded.empty();
            continue;
        }
        if (pendingSpace) {
            folded += ' ';
            pendingSpace = false;
        }
        folded += c;
    }
    return folded;
}

void appendUtf8(uint32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

std::string foldText(const char* text, size_t textBytes, TextEncoding encoding) {
    std::string marks;
    marks.reserve(textBytes + 8);
    size_t i = 0;
    while (i < textBytes) {
        uint32_t codePoint;
        if (encoding == textUtf8) {
            codePoint = nextUtf8CodePoint(text, textBytes, i);
        } else {
            codePoint = cp1252CodePoint(static_cast<unsigned char>(text[i]));
            ++i;
        }
        foldCodePoint(codePoint, marks);
    }
    return joinWords(marks);
}

std::string cp1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (const char c : text) {
        appendUtf8(cp1252CodePoint(static_cast<unsigned char>(c)), out);
    }
    return out;
}

bool utf8ToCp1252(const std::string& text, std::string& out) {
    out.clear();
    size_t i = 0;
    while (i < text.size()) {
        const uint32_t codePoint = nextUtf8CodePoint(text.data(), text.size(), i);
        if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint < 0x100)) {
            out += static_cast<char>(codePoint);
            continue;
        }
        int byte = -1;
        for (int k = 0; k < 32 && byte < 0; ++k) {
            if (cp1252High[k] != 0 && cp1252High[k] == codePoint) {
                byte = 0x80 + k;
            }
        }
        if (byte < 0) {
            out.clear();
            return false;
        }
        out += static_cast<char>(byte);
    }
    return true;
}
