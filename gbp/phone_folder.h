#pragma once

#include <filesystem>

// The environment variable that points the emulated phone at another memory folder.
constexpr const char* PhoneFolderVariable = "GBP_PHONE_DIR";

// The memory folder: GBP_PHONE_DIR when set and not empty, else "phone-nvm" beside the library
// file itself (or in the current folder when the library's own path cannot be found).
std::filesystem::path phoneFolder();

// Makes sure the memory folder exists: an existing one is used as it is, even empty; a missing
// one is created with the demo content. The content is written into a scratch folder first and
// moved into place, so a half-written demo never appears. False when the folder cannot be made
// or the path is not a folder.
bool preparePhoneFolder(const std::filesystem::path& folder);
