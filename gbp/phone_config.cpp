#include "phone_config.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <limits>
#include <string>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A decimal integer with an optional sign and nothing else, within [minimum, maximum].
std::optional<std::int64_t> integerIn(std::string_view text, std::int64_t minimum,
                                      std::int64_t maximum) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<PhoneCall> callNamed(std::string_view name) {
    if (name == "size")
        return PhoneCall::Size;
    if (name == "read")
        return PhoneCall::Read;
    if (name == "write")
        return PhoneCall::Write;
    if (name == "clear")
        return PhoneCall::Clear;
    return std::nullopt;
}

// "18-11" as a section address.
std::optional<SectionAddress> sectionNamed(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto group = integerIn(text.substr(0, dash), 0, 255);
    const auto slot = integerIn(text.substr(dash + 1), 0, 255);
    if (!group || !slot || text.front() == '+' || text[dash + 1] == '+' || text[dash + 1] == '-')
        return std::nullopt;
    return SectionAddress{static_cast<std::uint8_t>(*group), static_cast<std::uint8_t>(*slot)};
}

// "fail.init" or "fail.<call>.<group>-<slot>" as a failure without its result.
std::optional<InjectedFailure> failureNamed(std::string_view key) {
    constexpr std::string_view Prefix = "fail.";
    if (key.substr(0, Prefix.size()) != Prefix)
        return std::nullopt;
    key.remove_prefix(Prefix.size());
    if (key == "init")
        return InjectedFailure{PhoneCall::Init, {}, -1};
    const auto dot = key.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const auto call = callNamed(key.substr(0, dot));
    const auto section = sectionNamed(key.substr(dot + 1));
    if (!call || !section)
        return std::nullopt;
    return InjectedFailure{*call, *section, -1};
}

void setFailure(PhoneConfig& config, const InjectedFailure& failure) {
    for (InjectedFailure& existing : config.failures) {
        if (existing.call == failure.call &&
            (failure.call == PhoneCall::Init || existing.section == failure.section)) {
            existing.result = failure.result;
            return;
        }
    }
    config.failures.push_back(failure);
}

void applyLine(PhoneConfig& config, std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() == '#' || line.front() == ';')
        return;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string key = lowerCase(trimmed(line.substr(0, equals)));
    const std::string_view value = trimmed(line.substr(equals + 1));
    constexpr std::int64_t IntMax = std::numeric_limits<int>::max();

    if (key == "capacity") {
        if (const auto bytes = integerIn(value, 0, IntMax))
            config.capacity = *bytes;
    } else if (key == "speed") {
        if (const auto speed = integerIn(value, 0, IntMax))
            config.bytesPerSecond = *speed;
    } else if (auto failure = failureNamed(key)) {
        // Only failures: a made-up success would hand the manager bytes that were never read.
        if (const auto result = integerIn(value, std::numeric_limits<int>::min(), -1)) {
            failure->result = static_cast<int>(*result);
            setFailure(config, *failure);
        }
    }
}

} // namespace

std::optional<int> PhoneConfig::failureFor(PhoneCall call, SectionAddress section) const {
    for (const InjectedFailure& failure : failures)
        if (failure.call == call && (call == PhoneCall::Init || failure.section == section))
            return failure.result;
    return std::nullopt;
}

PhoneConfig parsePhoneConfig(std::string_view text) {
    PhoneConfig config;
    while (!text.empty()) {
        const auto end = text.find('\n');
        applyLine(config, text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return config;
}

PhoneConfig loadPhoneConfig(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::string text(MaxPhoneConfigBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    // A file cut short must not turn its last line into a different value.
    if (text.size() == MaxPhoneConfigBytes && in.peek() != std::ifstream::traits_type::eof()) {
        const auto lastLineEnd = text.find_last_of('\n');
        text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd);
    }
    return parsePhoneConfig(text);
}
