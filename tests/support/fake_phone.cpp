#include "fake_phone.h"

#include <algorithm>
#include <cstring>

namespace {

std::string callText(const char* name, std::initializer_list<int> args) {
    std::string text = std::string(name) + "(";
    bool first = true;
    for (int a : args) {
        if (!first)
            text += ",";
        text += std::to_string(a);
        first = false;
    }
    return text + ")";
}

extern "C" {
int fakeInit(int port) { return FakePhone::instance().InitGBPMode(port); }
int fakeEnd() { return FakePhone::instance().EndGBPMode(); }
int fakeRead(unsigned char g, unsigned char s, void* b, int n) {
    return FakePhone::instance().ReadNVMFile(g, s, b, n);
}
int fakeWrite(unsigned char g, unsigned char s, const void* d, int n) {
    return FakePhone::instance().WriteNVMFile(g, s, d, n);
}
int fakeClear(unsigned char g, unsigned char s) { return FakePhone::instance().ClearNVMFile(g, s); }
int fakeSize(unsigned char g, unsigned char s) { return FakePhone::instance().GetNVMFileSize(g, s); }
}

} // namespace

FakePhone& FakePhone::instance() {
    static FakePhone phone;
    return phone;
}

GbpEntryPoints FakePhone::entryPoints() {
    return {fakeInit, fakeEnd, fakeRead, fakeWrite, fakeClear, fakeSize};
}

void FakePhone::reset() { *this = FakePhone{}; }

bool FakePhone::overridden(const std::string& call, int& result) {
    calls.push_back(call);
    const auto it = overrides.find(call);
    if (it == overrides.end())
        return false;
    result = it->second;
    return true;
}

void FakePhone::checkGbpMode() {
    if (!inGbpMode)
        ++callsOutsideGbpMode;
}

int FakePhone::InitGBPMode(int port) {
    int result = 0;
    calls.push_back(callText("InitGBPMode", {port}));
    if (!initResults.empty()) {
        result = initResults.front();
        initResults.pop_front();
    }
    if (result == 0)
        inGbpMode = true;
    return result;
}

int FakePhone::EndGBPMode() {
    calls.push_back("EndGBPMode()");
    inGbpMode = false;
    return 0;
}

int FakePhone::ReadNVMFile(int group, int slot, void* buffer, int size) {
    int result = 0;
    checkGbpMode();
    if (overridden(callText("ReadNVMFile", {group, slot, size}), result))
        return result;
    const auto it = sections.find({group, slot});
    if (it == sections.end())
        return NoSuchSection;
    const int count = std::min(size, static_cast<int>(it->second.size()));
    if (count > 0)
        std::memcpy(buffer, it->second.data(), static_cast<std::size_t>(count));
    return count;
}

int FakePhone::WriteNVMFile(int group, int slot, const void* data, int length) {
    int result = 0;
    checkGbpMode();
    if (overridden(callText("WriteNVMFile", {group, slot, length}), result))
        return result;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::vector<std::uint8_t> copy(bytes, bytes + std::max(length, 0));
    writes.push_back(copy);
    if (writesTake)
        sections[{group, slot}] = std::move(copy);
    return length;
}

int FakePhone::ClearNVMFile(int group, int slot) {
    int result = 0;
    if (overridden(callText("ClearNVMFile", {group, slot}), result))
        return result;
    sections.erase({group, slot});
    return 0;
}

int FakePhone::GetNVMFileSize(int group, int slot) {
    int result = 0;
    checkGbpMode();
    if (overridden(callText("GetNVMFileSize", {group, slot}), result))
        return result;
    const auto it = sections.find({group, slot});
    return it == sections.end() ? NoSuchSection : static_cast<int>(it->second.size());
}
