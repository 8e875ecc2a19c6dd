#include "sample_images/sample_files.h"

#include "sample_images/elf_program.h"
#include "sample_images/gif_picture.h"
#include "sample_images/prg3_program.h"
#include "sample_images/sample_texts.h"
#include "sample_images/ufif2_library.h"
#include "sample_images/ufif_program.h"

namespace {

ByteImage textBytes(const std::string& text) {
    return ByteImage(text.begin(), text.end());
}

} // namespace

std::vector<SampleFile> buildSampleFiles() {
    return {
        {"hello_ufif20.prg", buildUfif20Program("Hello UFIF 2.0", 6144)},
        {"hello_ufif20.elf", wrapInElf(buildUfif20Program("Hello ELF", 6144), Ufif20OldBase)},
        {"clock_ufif21.prg", buildUfifProgram(Ufif21FormatWord, "Clock 2.1", 5120)},
        {"notes_prg3.prg", buildPrg3Program("Notes PRG3", 3072)},
        {"smile.gif", buildSmileyGif()},
        {"ufif2_library.lib", buildUfif2Library(0x00030002, 48, 12288)},
        {"prg3_library.txt", textBytes(buildPrg3LibraryText())},
        {"symbols.txt", textBytes(buildSymbolListText())},
        {"514lg4.lib", textBytes(buildReferenceListText())},
    };
}
