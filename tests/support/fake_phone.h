#pragma once

#include "link/gbp_entry_points.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

// An in-process phone for command tests: it keeps sections in memory, logs every call in the
// form "ReadNVMFile(18,9,128)", and can be told to answer any call with a given result.
class FakePhone {
public:
    using Address = std::pair<int, int>;

    static FakePhone& instance();
    static GbpEntryPoints entryPoints();

    void reset();

    std::map<Address, std::vector<std::uint8_t>> sections;
    std::vector<std::string> calls;
    bool inGbpMode = false;

    // Answers for the coming InitGBPMode calls, first one first; 0 (entered) when empty.
    std::deque<int> initResults;
    // An exact call text ("GetNVMFileSize(18,11)") answered with this result and no effect.
    std::map<std::string, int> overrides;
    // When false, writes answer success but store nothing.
    bool writesTake = true;
    // The bytes of every write, in order.
    std::vector<std::vector<std::uint8_t>> writes;

    // Calls to read, write or size outside GBP mode; a correct command makes none.
    int callsOutsideGbpMode = 0;

    int InitGBPMode(int port);
    int EndGBPMode();
    int ReadNVMFile(int group, int slot, void* buffer, int size);
    int WriteNVMFile(int group, int slot, const void* data, int length);
    int ClearNVMFile(int group, int slot);
    int GetNVMFileSize(int group, int slot);

    void put(int group, int slot, std::vector<std::uint8_t> bytes) {
        sections[{group, slot}] = std::move(bytes);
    }

private:
    bool overridden(const std::string& call, int& result);
    void checkGbpMode();
};
