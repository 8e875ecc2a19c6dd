// The six entry points of the link library, handing each call to the emulated phone. Nothing
// may escape through the C interface: any exception becomes a plain failure.

#include "link/gbp_entry_points.h"

#include "emulated_phone.h"
#include "gbp_results.h"
#include "phone_folder.h"

#include <mutex>
#include <type_traits>

#if defined(_WIN32)
#define GBP_EXPORT __declspec(dllexport)
#else
#define GBP_EXPORT __attribute__((visibility("default")))
#endif

namespace {

std::mutex phoneMutex;

EmulatedPhone& phone() {
    static EmulatedPhone instance(&phoneFolder);
    return instance;
}

template <typename Call> int guarded(Call call) {
    try {
        const std::lock_guard<std::mutex> lock(phoneMutex);
        return call(phone());
    } catch (...) {
        return GbpResult::Failure;
    }
}

} // namespace

extern "C" {

GBP_EXPORT int GBP_CALL InitGBPMode(int port) {
    return guarded([&](EmulatedPhone& p) { return p.initGbpMode(port); });
}

GBP_EXPORT int GBP_CALL EndGBPMode(void) {
    return guarded([](EmulatedPhone& p) { return p.endGbpMode(); });
}

GBP_EXPORT int GBP_CALL ReadNVMFile(unsigned char group, unsigned char slot, void* buffer,
                                    int size) {
    return guarded([&](EmulatedPhone& p) { return p.readSection({group, slot}, buffer, size); });
}

GBP_EXPORT int GBP_CALL WriteNVMFile(unsigned char group, unsigned char slot, const void* data,
                                     int length) {
    return guarded([&](EmulatedPhone& p) { return p.writeSection({group, slot}, data, length); });
}

GBP_EXPORT int GBP_CALL ClearNVMFile(unsigned char group, unsigned char slot) {
    return guarded([&](EmulatedPhone& p) { return p.clearSection({group, slot}); });
}

GBP_EXPORT int GBP_CALL GetNVMFileSize(unsigned char group, unsigned char slot) {
    return guarded([&](EmulatedPhone& p) { return p.sectionSize({group, slot}); });
}

} // extern "C"

// The exports must match the binding's function types exactly.
static_assert(std::is_same_v<decltype(&InitGBPMode), InitGBPModeFn>);
static_assert(std::is_same_v<decltype(&EndGBPMode), EndGBPModeFn>);
static_assert(std::is_same_v<decltype(&ReadNVMFile), ReadNVMFileFn>);
static_assert(std::is_same_v<decltype(&WriteNVMFile), WriteNVMFileFn>);
static_assert(std::is_same_v<decltype(&ClearNVMFile), ClearNVMFileFn>);
static_assert(std::is_same_v<decltype(&GetNVMFileSize), GetNVMFileSizeFn>);
