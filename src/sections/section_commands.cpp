#include "sections/section_commands.h"

#include <cstdint>

namespace {

constexpr std::uint32_t ConvertibleFormatWord = 0x20000000;

} // namespace

SectionCommands commandsForEntry(const SectionEntry& entry) {
    SectionCommands offered;
    switch (entry.kind) {
    case SectionKind::Empty:
        offered.refresh = offered.upload = true;
        break;
    case SectionKind::Program:
        offered.refresh = offered.upload = offered.clear = offered.download = true;
        offered.convert = entry.formatWord == ConvertibleFormatWord;
        break;
    case SectionKind::Gif:
        offered.refresh = offered.upload = offered.clear = offered.download = true;
        offered.playGif = true;
        break;
    case SectionKind::Other:
        offered.refresh = offered.clear = offered.download = true;
        break;
    }
    return offered;
}
