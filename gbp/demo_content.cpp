#include "demo_content.h"

#include "sample_images/data_block.h"
#include "sample_images/elf_program.h"
#include "sample_images/gif_picture.h"
#include "sample_images/preferences_record.h"
#include "sample_images/prg3_library_image.h"
#include "sample_images/prg3_program.h"
#include "sample_images/ringer.h"
#include "sample_images/symbol_tables.h"
#include "sample_images/ufif2_library.h"
#include "sample_images/ufif_program.h"

namespace {

// Programs built for one firmware version carry it in their format word.
constexpr std::uint32_t FirmwareJ7Word = 0x20031004; // 3.10/4
constexpr std::uint32_t FirmwareJ5Word = 0x20036005; // 3.6/5

// "Часы 2.1" (clock) in Windows-1251, the 8-bit code page of the phone's names.
constexpr std::string_view CyrillicClockName = "\xD7\xE0\xF1\xFB 2.1";

} // namespace

std::vector<DemoSection> demoSections() {
    return {
        {{18, 9}, "UFIF 2.0 program", buildUfif20Program("Hello UFIF 2.0", 9216)},
        {{18, 10}, "UFIF 2.1 program", buildUfifProgram(Ufif21FormatWord, CyrillicClockName, 6144)},
        {{18, 11}, "UFIF program for 3.10/4", buildUfifProgram(FirmwareJ7Word, "Torch", 5120)},
        {{18, 12},
         "ELF program, UFIF 2.0",
         wrapInElf(buildUfif20Program("ELF Hello", 7168), Ufif20OldBase)},
        {{18, 13}, "PRG 3 program", buildPrg3Program("Notes", 4096)},
        {{18, 14}, "PRG 3.5 program", buildPrg35Program("Calculator", 3072, 1)},
        {{18, 15}, "GIF picture", buildSmileyGif()},
        {{18, 16}, "ringer", buildRinger(u"Morning bell", 2048)},
        {{18, 17}, "data", buildDataBlock(1536)},
        // 18-18 stays empty, so that the window's first rows show every kind of section.
        {{18, 19},
         "big UFIF 2.1 program",
         buildUfifProgram(Ufif21FormatWord, "Big Game 2.1", 30720)},
        {{18, 20}, "UFIF program for 3.6/5", buildUfifProgram(FirmwareJ5Word, "Radio", 4608)},
        {{2, 10}, "UFIF2 library", buildUfif2Library(0x00020009, 16, 1792)},
        {{2, 11}, "PRG3 library", buildPrg3LibraryImage(2, addressesOf(firmwareSymbols()))},
        {{2, 12}, "small PRG 3 program", buildPrg3Program("Tiny", 960)},
        {{2, 16},
         "PRG3 library",
         buildPrg3LibraryImage(Prg3LibraryRelease, addressesOf(prg3LibraryEntries()))},
        {{2, 17}, "UFIF2 library", buildUfif2Library(0x00030002, 48, 12288)},
        {{2, 18}, "preferences record", buildPreferencesRecord()},
    };
}

bool writeDemoContent(const std::filesystem::path& folder) {
    for (const DemoSection& section : demoSections()) {
        if (!writeByteImage(folder / sectionFileName(section.address), section.bytes))
            return false;
    }
    return true;
}
