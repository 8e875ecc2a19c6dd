#include "section_file_name.h"

#include <cstdio>

std::string sectionFileName(SectionAddress address) {
    char name[16];
    std::snprintf(name, sizeof name, "%02u-%02u.bin", static_cast<unsigned>(address.group),
                  static_cast<unsigned>(address.slot));
    return name;
}

std::optional<SectionAddress> parseSectionFileName(std::string_view name) {
    const auto dash = name.find('-');
    constexpr std::string_view Extension = ".bin";
    if (dash == std::string_view::npos || name.size() < Extension.size() ||
        name.substr(name.size() - Extension.size()) != Extension)
        return std::nullopt;
    const auto number = [](std::string_view digits) -> std::optional<std::uint8_t> {
        if (digits.empty() || digits.size() > 3)
            return std::nullopt;
        unsigned value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (value > 255)
            return std::nullopt;
        return static_cast<std::uint8_t>(value);
    };
    const auto group = number(name.substr(0, dash));
    const auto slot = number(name.substr(dash + 1, name.size() - Extension.size() - dash - 1));
    if (!group || !slot)
        return std::nullopt;
    const SectionAddress address{*group, *slot};
    // Only the canonical spelling is a section: "018-9.bin" is some other file.
    if (sectionFileName(address) != name)
        return std::nullopt;
    return address;
}
