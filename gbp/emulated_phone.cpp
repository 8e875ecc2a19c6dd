#include "emulated_phone.h"

#include "gbp_results.h"
#include "phone_folder.h"
#include "phone_memory.h"

#include <algorithm>
#include <thread>

EmulatedPhone::EmulatedPhone(FolderSource folderSource)
    : folderSource_(std::move(folderSource)),
      sleeper_([](std::chrono::milliseconds delay) { std::this_thread::sleep_for(delay); }) {}

std::filesystem::path EmulatedPhone::folder() const {
    return folderSource_();
}

PhoneConfig EmulatedPhone::config() const {
    return loadPhoneConfig(folder() / PhoneConfigFileName);
}

void EmulatedPhone::simulateTransfer(const PhoneConfig& config, std::int64_t bytes) const {
    if (config.bytesPerSecond <= 0 || bytes <= 0)
        return;
    const std::int64_t milliseconds = bytes * 1000 / config.bytesPerSecond;
    const auto delay = std::min(std::chrono::milliseconds(milliseconds), MaxLineDelay);
    if (delay.count() > 0)
        sleeper_(delay);
}

int EmulatedPhone::initGbpMode(int port) {
    const std::filesystem::path memory = folder();
    // A new phone comes with its demo content; the config file can only live in an existing
    // folder, so the folder is made before the config is read.
    if (port == PhonePort && !preparePhoneFolder(memory))
        return GbpResult::Failure;
    const PhoneConfig settings = loadPhoneConfig(memory / PhoneConfigFileName);
    if (const auto failure = settings.failureFor(PhoneCall::Init))
        return *failure;
    if (port != PhonePort)
        return GbpResult::NoPhone;
    gbpMode_ = true;
    return GbpResult::Ok;
}

int EmulatedPhone::endGbpMode() {
    gbpMode_ = false;
    return GbpResult::Ok;
}

int EmulatedPhone::sectionSize(SectionAddress section) const {
    if (!gbpMode_)
        return GbpResult::NotInGbpMode;
    if (const auto failure = config().failureFor(PhoneCall::Size, section))
        return *failure;
    return PhoneMemory(folder()).sectionSize(section);
}

int EmulatedPhone::readSection(SectionAddress section, void* buffer, int size) const {
    if (!gbpMode_)
        return GbpResult::NotInGbpMode;
    if (!buffer || size < 0)
        return GbpResult::BadArgument;
    const PhoneConfig settings = config();
    if (const auto failure = settings.failureFor(PhoneCall::Read, section))
        return *failure;
    const int count = PhoneMemory(folder()).read(section, static_cast<std::uint8_t*>(buffer), size);
    simulateTransfer(settings, count);
    return count;
}

int EmulatedPhone::writeSection(SectionAddress section, const void* data, int length) {
    if (!gbpMode_)
        return GbpResult::NotInGbpMode;
    if (length < 0 || (!data && length > 0))
        return GbpResult::BadArgument;
    const PhoneConfig settings = config();
    // The bytes travel down the line whether or not the phone then takes them.
    simulateTransfer(settings, length);
    if (const auto failure = settings.failureFor(PhoneCall::Write, section))
        return *failure;
    return PhoneMemory(folder()).write(section, static_cast<const std::uint8_t*>(data), length,
                                       settings.capacity);
}

int EmulatedPhone::clearSection(SectionAddress section) {
    if (const auto failure = config().failureFor(PhoneCall::Clear, section))
        return *failure;
    return PhoneMemory(folder()).erase(section);
}
