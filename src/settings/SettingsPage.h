// The controls of the settings page that the settings image is built from.
#pragma once

#include <array>

#include "widgets/Controls.h"

namespace vocset {

struct AlarmRow {
    ComboBox& day;
    ComboBox& hour;
    ComboBox& minute;
    ComboBox& duration;
};

struct SettingsPage {
    CheckBox& voiceActivation;        // CheckBox1
    CheckBox& beep;                   // CheckBox9
    ComboBox& voxSensitivity;         // ComboBox49
    CheckBox& automaticGain;          // CheckBox2
    ComboBox& gain;                   // ComboBox1
    ComboBox& fileSize;               // ComboBox2
    CheckBox& encryption;             // CheckBox3
    Edit& password;                   // Edit1
    ComboBox& frequency;              // ComboBox3
    ComboBox& resolution;             // ComboBox45
    CheckBox& logger;                 // CheckBox7
    CheckBox& setClock;               // CheckBox4
    DateTimePicker& date;             // DateTimePicker1
    CheckBox& alarmClocks;            // CheckBox5
    CheckBox& cyclicAlarm;            // CheckBox8
    std::array<AlarmRow, 10> alarms;  // ComboBox5 to ComboBox44
    ComboBox& cyclicStartHour;        // ComboBox47
    ComboBox& cyclicStartMinute;      // ComboBox46
    ComboBox& cyclicRunningTime;      // ComboBox48
};

}  // namespace vocset
