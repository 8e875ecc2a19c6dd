#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A Windows-style INI file, read and written one key per call like the system's profile
// functions: section and key names match without regard to case, every other line of the file
// is kept as it was, and the file is created by the first write.
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    std::optional<std::string> readString(const std::string& section, const std::string& key) const;

    // The key's value read by the integer text rule; the default when the file, the section or
    // the key is missing or the value is not a number.
    std::int32_t readInteger(const std::string& section, const std::string& key,
                             std::int32_t defaultValue) const;

    // Raises "Unable to write to <path>" when the file cannot be written.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, std::int32_t value);

private:
    void replaceFile(const std::vector<std::string>& lines) const;

    std::string path_;
};

extern const char* const UnableToWriteText; // "Unable to write to %s"
