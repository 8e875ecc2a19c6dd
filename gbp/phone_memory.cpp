#include "phone_memory.h"

#include "gbp_results.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>

namespace fs = std::filesystem;

std::filesystem::path PhoneMemory::sectionPath(SectionAddress section) const {
    return folder_ / sectionFileName(section);
}

int PhoneMemory::sectionSize(SectionAddress section) const {
    std::error_code error;
    const fs::file_status status = fs::status(sectionPath(section), error);
    if (status.type() == fs::file_type::not_found)
        return GbpResult::NoSuchSection;
    if (error || status.type() != fs::file_type::regular)
        return GbpResult::Failure;
    const std::uintmax_t size = fs::file_size(sectionPath(section), error);
    if (error)
        return fs::exists(sectionPath(section), error) ? GbpResult::Failure
                                                       : GbpResult::NoSuchSection;
    if (size > static_cast<std::uintmax_t>(std::numeric_limits<int>::max()))
        return GbpResult::Failure;
    return static_cast<int>(size);
}

int PhoneMemory::read(SectionAddress section, std::uint8_t* buffer, int size) const {
    if (!buffer || size < 0)
        return GbpResult::BadArgument;
    // Checked first so that a folder or other odd entry is a failure, not a zero-byte read.
    const int sectionBytes = sectionSize(section);
    if (sectionBytes < 0)
        return sectionBytes;
    std::ifstream in(sectionPath(section), std::ios::binary);
    if (!in) {
        // Gone between the two looks: the section no longer exists.
        std::error_code error;
        return fs::exists(sectionPath(section), error) ? GbpResult::Failure
                                                       : GbpResult::NoSuchSection;
    }
    in.read(reinterpret_cast<char*>(buffer), size);
    if (in.bad())
        return GbpResult::Failure;
    return static_cast<int>(in.gcount());
}

std::int64_t PhoneMemory::usedBytes(std::optional<SectionAddress> except) const {
    std::int64_t used = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const auto section = parseSectionFileName(it->path().filename().string());
        if (!section || (except && *section == *except))
            continue;
        std::error_code sizeError;
        if (!it->is_regular_file(sizeError))
            continue;
        const std::uintmax_t size = it->file_size(sizeError);
        if (!sizeError)
            used += static_cast<std::int64_t>(
                std::min<std::uintmax_t>(size, std::numeric_limits<std::int64_t>::max() / 2));
    }
    return used;
}

int PhoneMemory::write(SectionAddress section, const std::uint8_t* data, int length,
                       std::int64_t capacity) {
    if (length < 0 || (!data && length > 0))
        return GbpResult::BadArgument;
    std::error_code error;
    if (!fs::is_directory(folder_, error))
        return GbpResult::Failure;
    const fs::path target = sectionPath(section);
    const fs::file_status status = fs::status(target, error);
    if (status.type() != fs::file_type::not_found && status.type() != fs::file_type::regular)
        return GbpResult::Failure;
    if (usedBytes(section) + length > capacity)
        return GbpResult::MemoryFull;

    // Written aside and moved into place, so a write that fails half-way (disk full) leaves
    // the old content whole.
    const fs::path staged = target.string() + ".new";
    {
        std::ofstream out(staged, std::ios::binary | std::ios::trunc);
        if (length > 0)
            out.write(reinterpret_cast<const char*>(data), length);
        out.close();
        if (!out) {
            fs::remove(staged, error);
            return GbpResult::Failure;
        }
    }
    fs::rename(staged, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(staged, ignored);
        return GbpResult::Failure;
    }
    return length;
}

int PhoneMemory::erase(SectionAddress section) {
    std::error_code error;
    const fs::path target = sectionPath(section);
    const fs::file_status status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found)
        return GbpResult::Ok;
    if (error || status.type() != fs::file_type::regular)
        return GbpResult::Failure;
    fs::remove(target, error);
    return error ? GbpResult::Failure : GbpResult::Ok;
}
