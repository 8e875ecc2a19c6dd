#pragma once

// The fake phone's call log as a command should leave it, built from its periods of GBP mode.

#include <string>
#include <vector>

// The calls of one period of GBP mode on COM1 around the given calls.
inline std::vector<std::string> inGbpMode(const std::vector<std::string>& calls) {
    std::vector<std::string> period{"InitGBPMode(1)"};
    period.insert(period.end(), calls.begin(), calls.end());
    period.push_back("EndGBPMode()");
    return period;
}

// The given call sequences one after the other.
inline std::vector<std::string> joined(const std::vector<std::vector<std::string>>& parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
