// The recitation strings (1000-1019) and their meanings (2000-2019) of the
// prayer guide, read from the resource script the main program includes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "string_table_reader.h"

namespace {

const std::string kTextsPath = std::string(SELVARA_CONTENT_DIR) + "/prayer_texts.rc";
constexpr int kFirstRecitation = 1000;
constexpr int kLastRecitation = 1019;
constexpr int kMeaningOffset = 1000;
constexpr int kLastShownRecitation = 1017;  // of a range of the prayer's texts
constexpr int kQunut = 1019;                // the Witr's Qunut, shown alone
constexpr size_t kJoinedLimit = 4095;       // characters a text box receives
constexpr size_t kLoadBuffer = 4096;        // bytes one string is loaded into
constexpr size_t kBoxLineChars = 100;       // what one line of the 410-unit-wide boxes holds
constexpr int kRecitationBoxLines = 3;
constexpr int kMeaningBoxLines = 4;

class PrayerTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { table = new StringTableRead(readStringTable(kTextsPath)); }
    static void TearDownTestSuite() {
        delete table;
        table = nullptr;
    }
    static std::string text(int id) {
        const auto it = table->strings.find(id);
        return it == table->strings.end() ? std::string() : it->second;
    }
    static std::vector<std::string> lines(const std::string& s) {
        std::vector<std::string> out;
        size_t start = 0;
        while (true) {
            const size_t at = s.find("\r\n", start);
            out.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
            if (at == std::string::npos)
                break;
            start = at + 2;
        }
        return out;
    }
    // Last id a range from `first` shows: 1017, or the Qunut alone.
    static int lastShown(int first) { return first == kQunut ? kQunut : kLastShownRecitation; }
    // What a box shows for a text range: the strings from `first` on, `count`
    // of them but never past lastShown, each followed by CR LF, skipping empty
    // ones and stopping before the limit would be passed.
    static std::string joined(int first, int count, int offset, bool* cut) {
        std::string out;
        *cut = false;
        for (int id = first; id < first + count && id <= lastShown(first); ++id) {
            const std::string s = text(id + offset);
            if (s.empty())
                continue;
            if (out.size() + s.size() + 2 > kJoinedLimit) {
                *cut = true;
                break;
            }
            out += s + "\r\n";
        }
        return out;
    }
    static StringTableRead* table;
};
StringTableRead* PrayerTexts::table = nullptr;

TEST_F(PrayerTexts, EveryRecitationAndMeaningIdExistsOnce) {
    ASSERT_TRUE(table->opened) << kTextsPath;
    EXPECT_EQ(table->duplicateIds, 0);
    EXPECT_EQ(table->malformedLines, 0);
    for (int id = kFirstRecitation; id <= kLastRecitation; ++id) {
        EXPECT_FALSE(text(id).empty()) << id;
        EXPECT_FALSE(text(id + kMeaningOffset).empty()) << id + kMeaningOffset;
    }
    EXPECT_EQ(table->strings.size(), size_t(2 * (kLastRecitation - kFirstRecitation + 1)));
}

TEST_F(PrayerTexts, AreLoadablePlainTextWithWindowsLineBreaks) {
    ASSERT_TRUE(table->opened);
    for (const auto& entry : table->strings) {
        const std::string& s = entry.second;
        EXPECT_LT(s.size(), kLoadBuffer) << entry.first;
        for (size_t i = 0; i < s.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(s[i]);
            if (c == '\r') {
                EXPECT_TRUE(i + 1 < s.size() && s[i + 1] == '\n') << entry.first << " lone CR at " << i;
            } else if (c == '\n') {
                EXPECT_TRUE(i > 0 && s[i - 1] == '\r') << entry.first << " lone LF at " << i;
            } else {
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << entry.first << " byte " << int(c) << " at " << i;
            }
        }
        EXPECT_NE(s.back(), '\n') << entry.first << " ends with a line break";
        for (const std::string& line : lines(s)) {
            EXPECT_LE(line.size(), kBoxLineChars) << entry.first << ": " << line;
        }
    }
}

TEST_F(PrayerTexts, QuotedWordsStandAsGiven) {
    ASSERT_TRUE(table->opened);
    struct Exact {
        int id;
        const char* text;
    };
    const Exact exact[] = {
        {1003, "Rabbi eghfir lee wa rhamnee."},
        {1004, "Assalam u a'laikum wa rahmatu Allah."},
        {1007, "Allah u Akbar"},
        {1009, "Audu bi Allah i mina ashaitan i errajeem"},
        {2000, "Glory to Allah, the Exalted."},
        {2007, "Allah is the greatest"},
        {2009, "I seek Allah's shelter from Satan, the condemned"},
    };
    for (const Exact& e : exact)
        EXPECT_EQ(text(e.id), e.text) << e.id;
    const Exact starts[] = {
        {1005, "Allah-umme antes-salamu"},
        {1006, "Tekbir - at the end of prayer"},
        {1008, "Subhanaka Allah humma"},
        {1010, "Bismillah i rrahman i erraheem"},
        {1011, "Choose one of the following Holy Qur'an surras."},
        {1012, "Attahiyat u lil Allah"},
        {1013, "Allah umma salli"},
        {1014, "Rubbana aatina"},
        {1017, "When praying all text must be recited on Arabian language."},
        {2005, "Now you can ask Allah"},
        // The meaning goes on to say when these words are really said.
        {2003, "O my Lord, forgive me and have Mercy on me."},
    };
    for (const Exact& e : starts)
        EXPECT_EQ(text(e.id).rfind(e.text, 0), 0u) << e.id;
    // Repeated three times, one per line.
    for (const int id : {1000, 1002, 2002})
        EXPECT_EQ(lines(text(id)).size(), 3u) << id;
    for (const std::string& line : lines(text(1000)))
        EXPECT_EQ(line, "Subhana rubbiyal a'ala");
    for (const std::string& line : lines(text(1002)))
        EXPECT_EQ(line, "Subhana rabbiya al azeem");
    EXPECT_EQ(lines(text(2002))[0].rfind("Glorified is my Lord, the Great", 0), 0u);
    const std::vector<std::string> standingUp = lines(text(1001));
    ASSERT_EQ(standingUp.size(), 2u);
    EXPECT_EQ(standingUp[0], "Samia Allah u liman hamidah");
    EXPECT_EQ(standingUp[1], "Rabbana wa laka al hamd");
    // Texts given as "the same text" in both boxes.
    EXPECT_EQ(text(2006), text(1006));
    EXPECT_EQ(text(2017), text(1017));
}

// The texts of a single moment are read while the position is held, so they
// fit their box without scrolling.
TEST_F(PrayerTexts, ShortMomentsFitTheirBoxWithoutScrolling) {
    ASSERT_TRUE(table->opened);
    for (const int id : {1000, 1001, 1002, 1003, 1004, 1007}) {
        EXPECT_LE(lines(text(id)).size(), size_t(kRecitationBoxLines)) << id;
        EXPECT_LE(lines(text(id + kMeaningOffset)).size(), size_t(kMeaningBoxLines)) << id + kMeaningOffset;
    }
}

// Every range the prayer courses show (first id, count), in both boxes.
TEST_F(PrayerTexts, EveryShownRangeFitsTheBox) {
    ASSERT_TRUE(table->opened);
    struct Range {
        int first, count;
    };
    const Range ranges[] = {
        {1015, 3}, {1016, 3}, {1017, 1}, {1007, 1}, {1008, 5}, {1001, 1}, {1002, 1}, {1003, 1},
        {1000, 1}, {1012, 1}, {1012, 2}, {1009, 2}, {1009, 3}, {1004, 1}, {1005, 2}, {1019, 1},
    };
    for (const Range& r : ranges) {
        for (const int offset : {0, kMeaningOffset}) {
            bool cut = false;
            const std::string shown = joined(r.first, r.count, offset, &cut);
            EXPECT_FALSE(cut) << r.first << "+" << r.count << " offset " << offset;
            EXPECT_LE(shown.size(), kJoinedLimit);
            int expectedStrings = 0;
            for (int id = r.first; id < r.first + r.count && id <= lastShown(r.first); ++id)
                ++expectedStrings;
            size_t expectedSize = 0;
            for (int id = r.first; id < r.first + expectedStrings; ++id)
                expectedSize += text(id + offset).size() + 2;
            EXPECT_EQ(shown.size(), expectedSize) << r.first << "+" << r.count;
        }
    }
    // The longest range, the standing of the first unit, still leaves room.
    bool cut = false;
    EXPECT_LT(joined(1008, 5, 0, &cut).size(), kJoinedLimit * 3 / 4);
    EXPECT_LT(joined(1008, 5, kMeaningOffset, &cut).size(), kJoinedLimit * 3 / 4);
}

// The Witr's third unit: the Qunut has its own recitation and meaning, and the
// meanings of the words shown at an unusual moment say when they are said.
TEST_F(PrayerTexts, QunutAndTheTimingNotesArePresent) {
    ASSERT_TRUE(table->opened);
    EXPECT_NE(text(kQunut).find("Allah umma inna nasta'inuka"), std::string::npos);
    EXPECT_NE(text(kQunut + kMeaningOffset).find("O Allah, we ask You for help"), std::string::npos);
    EXPECT_NE(text(2001).find("rising from"), std::string::npos);
    EXPECT_NE(text(2003).find("between the two prostrations"), std::string::npos);
    const std::string afterGreetings = text(2005);
    const size_t forgiveness = afterGreetings.find("Astaghfirullah");
    const size_t peace = afterGreetings.find("You are Peace");
    const size_t glorification = afterGreetings.find("glorification");
    EXPECT_LT(forgiveness, peace);
    EXPECT_LT(peace, glorification);
    EXPECT_NE(glorification, std::string::npos);
    EXPECT_NE(afterGreetings.find("not a rule"), std::string::npos);
}

// One transliteration scheme: "dh" for the dhal, the definite article kept,
// no second spelling of the same word. The program's own first words of a
// string (the quoted beginnings) are exempt; everything after them is checked.
TEST_F(PrayerTexts, TextsAfterTheGivenBeginningsUseOneTransliteration) {
    ASSERT_TRUE(table->opened);
    const struct {
        int id;
        const char* beginning;
    } given[] = {
        {1000, "Subhana rubbiyal a'ala\r\nSubhana rubbiyal a'ala\r\nSubhana rubbiyal a'ala"},
        {1001, "Samia Allah u liman hamidah\r\nRabbana wa laka al hamd"},
        {1002, "Subhana rabbiya al azeem\r\nSubhana rabbiya al azeem\r\nSubhana rabbiya al azeem"},
        {1003, "Rabbi eghfir lee wa rhamnee."},
        {1004, "Assalam u a'laikum wa rahmatu Allah."},
        {1005, "Allah-umme antes-salamu"},
        {1006, "Tekbir - at the end of prayer"},
        {1008, "Subhanaka Allah humma"},
        {1009, "Audu bi Allah i mina ashaitan i errajeem"},
        {1010, "Bismillah i rrahman i erraheem"},
        {1011, "Choose one of the following Holy Qur'an surras."},
        {1012, "Attahiyat u lil Allah"},
        {1013, "Allah umma salli"},
        {1014, "Rubbana aatina"},
        {1017, "When praying all text must be recited on Arabian language."},
        {2006, "Tekbir - at the end of prayer"},
        {2017, "When praying all text must be recited on Arabian language."},
    };
    const char* forbidden[] = {
        "rubbiyal", "Rubbana",  "selamu", "minkes", "tebarek", "zel-jelal", "lazeen",    "Allazee",
        "azaban",   "a'udu ",   " iza ",  "surras", "Audu",    "alaihim",   "ghairil",   "naffasat",
        "eghfir",   "errajeem", "azeem",  "Ameen",  "hameed",  "qadeer",    "Attahiyat",
    };
    for (const auto& entry : table->strings) {
        std::string rest = entry.second;
        for (const auto& g : given) {
            if (g.id == entry.first && rest.rfind(g.beginning, 0) == 0)
                rest = rest.substr(std::strlen(g.beginning));
        }
        for (const char* spelling : forbidden)
            EXPECT_EQ(rest.find(spelling), std::string::npos) << entry.first << " has " << spelling;
    }
}

TEST(StringTableReader, DecodesEscapesAndFlagsBrokenLines) {
    const std::string path = ::testing::TempDir() + "/reader_check.rc";
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("// comment\nSTRINGTABLE\nBEGIN\n  10, \"a\\r\\nb \"\"q\"\" \\\\\"\n"
               "  11, \"unterminated\n  12 \"no comma is fine\"\n  10, \"again\"\nEND\n"
               "  13, \"outside the table\"\n",
               f);
    std::fclose(f);
    const StringTableRead r = readStringTable(path);
    std::remove(path.c_str());
    ASSERT_TRUE(r.opened);
    EXPECT_EQ(r.malformedLines, 1);
    EXPECT_EQ(r.duplicateIds, 1);
    EXPECT_EQ(r.strings.count(13), 0u);
    EXPECT_EQ(r.strings.at(12), "no comma is fine");
    EXPECT_EQ(r.strings.at(10), "again");
    EXPECT_FALSE(readStringTable(path + ".missing").opened);
}

}  // namespace
