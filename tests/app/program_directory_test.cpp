// The program directory: the installer's App Paths "Path" value, or the current directory.
#include "program_directory.h"
#include "settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char appPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Selvara";

class ProgramDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, appPathsKey); }
    void TearDown() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, appPathsKey); }

    void setPath(DWORD type, const std::string& bytes) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, appPathsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, "Path", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static std::string currentDirectory() {
        char directory[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof directory, directory);
        return directory;
    }
};

TEST_F(ProgramDirectoryTest, WithoutTheKeyTheCurrentDirectoryIsUsed) {
    char found[pathBufferSize];
    EXPECT_FALSE(findProgramDirectory(found, sizeof found));
    initProgramPaths();
    EXPECT_EQ(std::string(programDirectory), currentDirectory());
    EXPECT_EQ(std::string(timetablePath), currentDirectory() + "\\PrayingTimes.txt");
}

TEST_F(ProgramDirectoryTest, KeyWithoutPathValueIsIgnored) {
    setPath(REG_SZ, std::string("x\0", 2));
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, appPathsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, "Path");
    RegCloseKey(key);
    initProgramPaths();
    EXPECT_EQ(std::string(programDirectory), currentDirectory());
}

TEST_F(ProgramDirectoryTest, EmptyPathValueIsTakenAsMissing) {
    // An empty value would otherwise make the directory "", and every file path with it.
    for (const std::string& empty : {std::string("\0", 1), std::string()}) {
        setPath(REG_SZ, empty);
        char found[pathBufferSize] = "unchanged";
        EXPECT_FALSE(findProgramDirectory(found, sizeof found));
        initProgramPaths();
        EXPECT_EQ(std::string(programDirectory), currentDirectory());
        EXPECT_EQ(std::string(timetablePath), currentDirectory() + "\\PrayingTimes.txt");
    }
}

TEST_F(ProgramDirectoryTest, RegistryPathIsHonoured) {
    setPath(REG_SZ, std::string("C:\\Program Files\\Selvara\0", 26));
    initProgramPaths();
    EXPECT_STREQ(programDirectory, "C:\\Program Files\\Selvara");
    EXPECT_STREQ(timetablePath, "C:\\Program Files\\Selvara\\PrayingTimes.txt");
}

TEST_F(ProgramDirectoryTest, AnyValueTypeIsReadAsText) {
    setPath(REG_EXPAND_SZ, std::string("D:\\Apps\0", 8));
    initProgramPaths();
    EXPECT_STREQ(programDirectory, "D:\\Apps");
    // Binary data without a terminator still ends inside the buffer.
    setPath(REG_BINARY, "E:\\Tools");
    initProgramPaths();
    EXPECT_STREQ(programDirectory, "E:\\Tools");
}

TEST_F(ProgramDirectoryTest, PathOf259CharactersIsTakenAnd260Rejected) {
    const std::string fits = "C:\\" + std::string(256, 'a');  // 259 characters
    setPath(REG_SZ, fits + '\0');
    initProgramPaths();
    EXPECT_EQ(std::string(programDirectory), fits);
    EXPECT_STREQ(timetablePath, "") << "no room for the file name: no path rather than a cut one";

    const std::string tooLong = "C:\\" + std::string(257, 'a');  // 260 characters
    setPath(REG_SZ, tooLong + '\0');
    initProgramPaths();
    EXPECT_EQ(std::string(programDirectory), currentDirectory());

    setPath(REG_BINARY, std::string(512, 'b'));  // fills the whole value buffer, no terminator
    initProgramPaths();
    EXPECT_EQ(std::string(programDirectory), currentDirectory());

    setPath(REG_SZ, std::string(2000, 'c') + '\0');  // longer than the value buffer
    initProgramPaths();
    EXPECT_EQ(std::string(programDirectory), currentDirectory());
}

TEST_F(ProgramDirectoryTest, SettingsAreFoundInTheRegisteredDirectory) {
    const std::string folder = currentDirectory() + "\\registered_program_folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    setPath(REG_SZ, folder + '\0');
    initProgramPaths();
    ASSERT_EQ(std::string(programDirectory), folder);

    SettingsRecord stored = defaultSettings();
    stored.timeZone = 7;
    ASSERT_TRUE(saveSettingsFile((folder + "\\praytime.cfg").c_str(), stored));
    Settings = defaultSettings();
    loadSettings();
    EXPECT_EQ(Settings.timeZone, 7);
    Settings.timeZone = -9;
    saveSettings();
    SettingsRecord reread = defaultSettings();
    ASSERT_TRUE(loadSettingsFile((folder + "\\praytime.cfg").c_str(), reread));
    EXPECT_EQ(reread.timeZone, -9);
    EXPECT_EQ(GetFileAttributesA("praytime.cfg"), INVALID_FILE_ATTRIBUTES)
        << "nothing is written into the current directory";

    DeleteFileA((folder + "\\praytime.cfg").c_str());
    RemoveDirectoryA(folder.c_str());
    Settings = defaultSettings();
}

}  // namespace
