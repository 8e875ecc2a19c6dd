#pragma once

#include <string>

// The settings file sits beside the program, named like it with the extension ".INI".
std::string settingsPathForProgram(const std::string& programPath);

namespace SettingsKeys {
inline constexpr const char* FormSection = "Form";
inline constexpr const char* ManagerSection = "Manager";
inline constexpr const char* Top = "Top";
inline constexpr const char* Left = "Left";
inline constexpr const char* Width = "Width";
inline constexpr const char* Height = "Height";
inline constexpr const char* ComPort = "COM-Port";
inline constexpr const char* FirstBigKey = "FirstBig";
inline constexpr const char* BigSlotsKey = "BigSlots";
inline constexpr const char* FirstSmallKey = "FirstSmall";
inline constexpr const char* SmallSlotsKey = "SmallSlots";
inline constexpr const char* FirmwareTarget = "UFIFFW";
} // namespace SettingsKeys

namespace SettingsDefaults {
inline constexpr int Top = 20;
inline constexpr int Left = 240;
inline constexpr int Width = 330;
inline constexpr int Height = 420;
inline constexpr int ComPort = 0;
inline constexpr int FirmwareTarget = 0;
} // namespace SettingsDefaults
