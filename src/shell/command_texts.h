#pragma once

#include <string>

// Texts that more than one command shows, kept in one place so they stay exactly alike.
namespace CommandTexts {

inline constexpr const char* UploadingData = "Uploading data...";
inline constexpr const char* Uploaded = "Uploaded!";
inline constexpr const char* UploadError = "Upload error!";
inline constexpr const char* DownloadingData = "Downloading data...";
inline constexpr const char* Downloaded = "Downloaded!";
inline constexpr const char* ErasingSection = "Erasing section...";
inline constexpr const char* Erased = "Erased!";
inline constexpr const char* UploadedSuccessfully = "Section uploaded sucsessfully!";
inline constexpr const char* UploadedWithError =
    "Section uploaded with error or out of memory!\nTry to upload again or free some NVM memory";

// A section address as the user reads it: group, "-", slot, in plain decimal (18-9).
inline std::string sectionAddress(int group, int slot) {
    return std::to_string(group) + "-" + std::to_string(slot);
}

inline std::string errorGettingSectionSize(int group, int slot) {
    return "Error getting section " + sectionAddress(group, slot) + " size";
}

inline std::string errorReadingSection(int group, int slot) {
    return "Error reading section " + sectionAddress(group, slot);
}

} // namespace CommandTexts
