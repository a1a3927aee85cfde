// The introduction text shown when the animation page opens: the resource
// the build makes from animation/content/islam.txt.
#include <gtest/gtest.h>

#include <string>

#include "string_table_reader.h"

namespace {

const std::string kResourcePath = std::string(SELVARA_DATA_DIR) + "/islam.txt";
const std::string kSourcePath = std::string(SELVARA_CONTENT_DIR) + "/islam.txt";

std::string withoutCarriageReturns(std::string s) {
    std::string out;
    for (char c : s) {
        if (c != '\r')
            out += c;
    }
    return out;
}

TEST(IntroductionText, HasCrLfLineEndsAndNoNul) {
    bool opened = false;
    const std::string text = readWholeFile(kResourcePath, &opened);
    ASSERT_TRUE(opened) << kResourcePath;
    EXPECT_GT(text.size(), 17000u);
    // Well below the 30,000 characters an edit control holds by default.
    EXPECT_LT(text.size(), 28000u);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    int lineEnds = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++lineEnds;
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        } else if (c == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        } else {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << int(c) << " at " << i;
        }
    }
    EXPECT_GT(lineEnds, 200);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(IntroductionText, IsTheSourceTextWithConvertedLineEnds) {
    bool sourceOpened = false, resourceOpened = false;
    const std::string source = readWholeFile(kSourcePath, &sourceOpened);
    const std::string resource = readWholeFile(kResourcePath, &resourceOpened);
    ASSERT_TRUE(sourceOpened && resourceOpened);
    EXPECT_EQ(withoutCarriageReturns(resource), withoutCarriageReturns(source));
}

// It covers what the page and its prayer list rely on, in the words the
// recitation strings use.
TEST(IntroductionText, CoversThePrayersAndTheStepsOfTheAnimation) {
    const std::string text = readWholeFile(kResourcePath);
    const char* required[] = {
        "Fajr",
        "Zuhr",
        "Asr",
        "Maghrib",
        "Isha",
        "Witr",
        "Friday",
        "Eid",
        "funeral",
        "ablution",
        "Qibla",
        "intention",
        "call to prayer",
        "Iqamah",
        "Allah u Akbar",
        "Subhanaka Allah humma",
        "Bismillah i rrahman i erraheem",
        "Subhana rabbiya al azeem",
        "Sami'allahu liman hamidah",
        "Rabbana wa laka al hamd",
        "Subhana rabbiyal-a'la",  // the prostration's words, spelt right (not as in string 1000)
        "Rabbi eghfir lee wa rhamnee",
        "Attahiyat u lil Allah",
        "Allah umma salli",
        "As-salamu 'alaykum wa rahmatullah",
        "Qunut",
        "Allah umma inna nasta'inuka",
        "Hanafi",
        "Calculation settings...",
        "Astaghfirullah",
        "sajdat as-sahw",
        "Re / Start",
        "Pause",
        "Apply delay time",
    };
    for (const char* words : required) {
        EXPECT_NE(text.find(words), std::string::npos) << words;
    }
}

// The introduction does not copy the misspellings of the program's fixed
// strings, and writes the Arabic in the one scheme the texts use.
TEST(IntroductionText, KeepsToOneTransliteration) {
    const std::string text = readWholeFile(kResourcePath);
    ASSERT_FALSE(text.empty());
    const char* forbidden[] = {
        "rubbiyal", "Rubbana", "selamu", "minkes", "tebarek", "zel-",   "lazeen",     "azaban",
        "Audu",     "alaihim", "surras", "Ameen",  "hameed",  "qadeer", "illa Allah",
        "Samia",    "a'laikum", "ummaghfir",
    };
    for (const char* spelling : forbidden)
        EXPECT_EQ(text.find(spelling), std::string::npos) << spelling;
}

}  // namespace
