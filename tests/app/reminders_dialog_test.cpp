// The Reminders dialog in this process: it shows what selvara.ini holds, OK stores the fields
// into its [Reminders] section and the Run value, a minute count out of range keeps it open, and
// Cancel changes nothing.
#include "app_fixture.h"
#include "dialog_reminders.h"
#include "registry_contract.h"
#include "reminder_settings.h"

#include <string>

namespace {

class RemindersDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        removeReminderRunValue();
        createMainWindow();
    }
    void TearDown() override {
        if (dialog_ != nullptr)
            DestroyWindow(dialog_);
        removeReminderRunValue();
        DeleteFileA(iniPath().c_str());
        MainWindowTest::TearDown();
    }
    HWND openDialog() {
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), IDD_REMINDERS, window, remindersProc, 0);
        EXPECT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
        pumpMessages();
        return dialog_;
    }
    void press(int controlId) {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, controlId)));
        pumpMessages();
    }
    std::string soundShown(int slot) const {
        HWND list = GetDlgItem(dialog_, IDC_REMINDER_SOUND_FIRST + slot);
        char text[64] = {};
        SendMessageA(list, CB_GETLBTEXT, SendMessageA(list, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::string iniPath() const { return directory + "\\selvara.ini"; }
    HWND dialog_ = nullptr;
};

TEST_F(RemindersDialogTest, ShowsTheDefaultsAndStoresWhatOkReads) {
    openDialog();
    const char* const defaults[] = {"Chime", "None", "Chime", "Chime", "Chime", "Chime"};
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        EXPECT_EQ(soundShown(slot), defaults[slot]) << slot;
        EXPECT_EQ(dialogItemText(dialog_, IDC_REMINDER_BEFORE_FIRST + slot), "0");
    }
    EXPECT_EQ(IsDlgButtonChecked(dialog_, IDC_REMINDER_START), static_cast<UINT>(BST_UNCHECKED));

    SendDlgItemMessageA(dialog_, IDC_REMINDER_SOUND_FIRST + slotFajr, CB_SETCURSEL, reminderSoundFile, 0);
    SendDlgItemMessageA(dialog_, IDC_REMINDER_SOUND_FIRST + slotIsha, CB_SETCURSEL, reminderSoundNone, 0);
    SetDlgItemTextA(dialog_, IDC_REMINDER_BEFORE_FIRST + slotAsr, "10");
    SetDlgItemTextA(dialog_, IDC_REMINDER_BEFORE_FIRST + slotSunrise, "15");
    SetDlgItemTextA(dialog_, IDC_REMINDER_FRIDAY, "30");
    SetDlgItemTextA(dialog_, IDC_REMINDER_FAJR_FILE, "C:\\Sounds\\fajr.mp3");
    CheckDlgButton(dialog_, IDC_REMINDER_SUNRISE, BST_CHECKED);
    CheckDlgButton(dialog_, IDC_REMINDER_START, BST_CHECKED);
    press(IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog_));

    ReminderSettings stored;
    loadReminderSettingsFile(iniPath().c_str(), stored);
    EXPECT_EQ(stored.sound[slotFajr], reminderSoundFile);
    EXPECT_EQ(stored.sound[slotIsha], reminderSoundNone);
    EXPECT_EQ(stored.sound[slotDhuhr], reminderSoundChime);
    EXPECT_EQ(stored.minutesBefore[slotAsr], 10);
    EXPECT_EQ(stored.minutesBefore[slotSunrise], 15);
    EXPECT_EQ(stored.fridayMinutesBefore, 30);
    EXPECT_EQ(stored.notifySunrise, 1);
    EXPECT_STREQ(stored.fajrAudioFile, "C:\\Sounds\\fajr.mp3");
    EXPECT_STREQ(stored.audioFile, "");
    EXPECT_TRUE(hasReminderRunValue());
    // The file as a user would read it.
    const std::string text = readWholeFile(iniPath());
    EXPECT_NE(text.find("[Reminders]"), std::string::npos);
    EXPECT_NE(text.find("AsrBefore=10"), std::string::npos);

    // Opened again, it shows what was stored.
    DestroyWindow(dialog_);
    openDialog();
    EXPECT_EQ(soundShown(slotFajr), "Audio file");
    EXPECT_EQ(dialogItemText(dialog_, IDC_REMINDER_BEFORE_FIRST + slotAsr), "10");
    EXPECT_EQ(IsDlgButtonChecked(dialog_, IDC_REMINDER_START), static_cast<UINT>(BST_CHECKED));
}

TEST_F(RemindersDialogTest, MinutesOutOfRangeKeepTheDialogOpenAndCancelStoresNothing) {
    openDialog();
    SetDlgItemTextA(dialog_, IDC_REMINDER_BEFORE_FIRST + slotMaghrib, "121");
    MessageBoxWatcher watcher;
    press(IDOK);
    const MessageBoxSeen seen = watcher.result();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "The minutes before a time must be a whole number from 0 to 120.");
    EXPECT_TRUE(IsWindowVisible(dialog_));
    press(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(GetFileAttributesA(iniPath().c_str()), INVALID_FILE_ATTRIBUTES) << "nothing written";
}

}  // namespace
