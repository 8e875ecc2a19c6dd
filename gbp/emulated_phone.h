#pragma once

#include "phone_config.h"
#include "section_file_name.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>

// A phone on port 1 whose section memory is a folder. It follows the link library's rules:
// read, write and size only in GBP mode, erase in or out of it, -153 for a missing section,
// a capacity that refuses writes which do not fit. The config file in the folder is read
// afresh on every call, so it can be changed while the manager runs.
class EmulatedPhone {
  public:
    using FolderSource = std::function<std::filesystem::path()>;
    using Sleeper = std::function<void(std::chrono::milliseconds)>;

    static constexpr int PhonePort = 1;
    // A simulated transfer never blocks the caller longer than this, whatever the speed says.
    static constexpr std::chrono::milliseconds MaxLineDelay{60000};

    // folderSource names the memory folder; it is asked on every call.
    explicit EmulatedPhone(FolderSource folderSource);

    int initGbpMode(int port);
    int endGbpMode();
    int sectionSize(SectionAddress section) const;
    int readSection(SectionAddress section, void* buffer, int size) const;
    int writeSection(SectionAddress section, const void* data, int length);
    int clearSection(SectionAddress section);

    bool inGbpMode() const { return gbpMode_; }

    // Replaces the real sleep of the simulated line speed (tests record the delays instead).
    void setSleeper(Sleeper sleeper) { sleeper_ = std::move(sleeper); }

  private:
    std::filesystem::path folder() const;
    PhoneConfig config() const;
    void simulateTransfer(const PhoneConfig& config, std::int64_t bytes) const;

    FolderSource folderSource_;
    Sleeper sleeper_;
    bool gbpMode_ = false;
};
