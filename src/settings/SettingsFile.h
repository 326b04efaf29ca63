// Building the settings image from the settings page, and the settings file "duza.ini".
#pragma once

#include <string>

#include "settings/SettingsImage.h"
#include "settings/SettingsPage.h"
#include "widgets/Files.h"

namespace vocset {

// Rebuilds all 512 bytes from the controls. Throws NotAValidInteger when the password is no number,
// with the bytes before the password rebuilt and 0xFF after them.
void BuildSettingsImage(const SettingsPage& page, SettingsImage& image);

// Rebuilds the image and stores it under `fileName`. The bytes go to a new file beside it that then
// replaces the old one in one step, so a failed save leaves the old file as it was. False when
// fewer than 512 bytes could be written. Errors of the conversion or of creating the file pass on.
bool WriteSettingsFile(const std::string& fileName, const SettingsPage& page, SettingsImage& image, FileSystem& files);

// Loads an existing file of exactly 512 bytes into the image and sets the loaded flag; false, with
// the image unchanged, for a missing file, another size or a short read. An error opening it passes on.
bool ReadSettingsFile(const std::string& fileName, SettingsImage& image, FileSystem& files);

inline constexpr const char* kSettingsFileName = "duza.ini";

}  // namespace vocset
