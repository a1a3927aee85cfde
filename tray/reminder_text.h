// The texts the reminder shows: the tooltip, the notification of each event, a menu line.
// Portable, so the wording is tested natively.
#pragma once

#include "reminder_schedule.h"

#include <cstddef>

// The icon's tooltip: "Asr in 1:23 (15:42) - Zagreb" (hours and minutes until the time, the time,
// the town; without a town no " - " part). Always terminated within size bytes.
void formatTooltip(char* text, size_t size, const ReminderEvent& next, UtcMinute now, const char* town);

// A notification's title and body for an event:
//   at a time:   "Asr"                    "Asr 15:42 - Zagreb"
//   before:      "Asr in 10 minutes"      "Asr 15:42 - Zagreb"
//   sunrise:     "Fajr ends in 15 minutes" "Sunrise 07:37 - Zagreb"
//   Friday:      "Friday prayer in 30 minutes" "Dhuhr 12:01 - Zagreb"
void formatNotification(const ReminderEvent& event, const char* town, char* title, size_t titleSize, char* body,
                        size_t bodySize);

// A menu line for one of the day's times: "Asr\t15:42".
void formatMenuTime(char* text, size_t size, int slot, int clockMinute);
