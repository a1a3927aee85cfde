// The icon's menu as this process builds it: the day's six times of the default town (the
// published January table: 05:45 07:37 12:01 14:07 16:24 17:54) with the next one checked, and the
// commands with their marks.
#include "registry_contract.h"
#include "tray_resource.h"
#include "tray_state.h"
#include "utc_minutes.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

struct Item {
    std::string text;  // empty for a separator
    bool checked;
    bool isDefault;
};

std::vector<Item> itemsOf(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        items.push_back({text, (state & MF_CHECKED) != 0, (state & MFS_DEFAULT) != 0});
    }
    return items;
}

class TrayMenu : public ::testing::Test {
protected:
    void SetUp() override {
        Tray = TrayState{};
        request.latitudeDeg = defaultLatitudeDeg;
        request.longitudeDeg = defaultLongitudeDeg;
        request.zoneMinutes = 60;
        Tray.schedule = ReminderSchedule{timetableRequestDay, &request, defaultReminderSettings()};
        Tray.testClock = true;
        Tray.testNow = utcMinutes(2026, 1, 1, 12, 0);  // 13:00 in the town
        removeReminderRunValue();
    }
    void TearDown() override { removeReminderRunValue(); }
    TimetableRequest request;
};

TEST_F(TrayMenu, TimesWithTheNextCheckedThenTheCommands) {
    HMENU menu = buildTrayMenu();
    ASSERT_NE(menu, nullptr);
    const std::vector<Item> items = itemsOf(menu);
    DestroyMenu(menu);
    const std::vector<std::string> texts = {"Fajr\t05:45", "Sunrise\t07:37", "Dhuhr\t12:01", "Asr\t14:07",
                                            "Maghrib\t16:24", "Isha\t17:54", "", "Open Selvara",
                                            "Sounds off until tomorrow", "Start with Windows", "", "Exit"};
    ASSERT_EQ(items.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(items[i].text, texts[i]);
        EXPECT_EQ(items[i].checked, i == 3) << texts[i];  // only Asr, the next time
        EXPECT_EQ(items[i].isDefault, i == 7) << texts[i];  // Open Selvara, as a double-click
    }
}

TEST_F(TrayMenu, SoundsAdhanAndStartWithWindowsChangeTheirItems) {
    runTrayCommand(nullptr, IDM_SOUNDS);
    Tray.playing = true;
    ASSERT_TRUE(setReminderRunValue("C:\\Selvara\\selvara-tray.exe"));
    HMENU menu = buildTrayMenu();
    const std::vector<Item> items = itemsOf(menu);
    DestroyMenu(menu);
    ASSERT_EQ(items.size(), 13u);
    EXPECT_EQ(items[8].text, "Sounds on");
    EXPECT_EQ(items[9].text, "Stop the adhan");
    EXPECT_EQ(items[10].text, "Start with Windows");
    EXPECT_TRUE(items[10].checked);

    // Stop the adhan takes the item away again; the check box command removes the Run value.
    runTrayCommand(nullptr, IDM_STOP_ADHAN);
    runTrayCommand(nullptr, IDM_START_WITH_WINDOWS);
    EXPECT_FALSE(hasReminderRunValue());
    menu = buildTrayMenu();
    const std::vector<Item> after = itemsOf(menu);
    DestroyMenu(menu);
    ASSERT_EQ(after.size(), 12u);
    EXPECT_FALSE(after[9].checked);
    runTrayCommand(nullptr, IDM_SOUNDS);
    menu = buildTrayMenu();
    EXPECT_EQ(itemsOf(menu)[8].text, "Sounds off until tomorrow");
    DestroyMenu(menu);
}

}  // namespace
