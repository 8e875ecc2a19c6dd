#include "sample_images/sample_texts.h"

#include "sample_images/symbol_tables.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace {

void appendLine(std::string& text, std::string_view line) {
    text.append(line);
    text.append("\r\n");
}

void appendHeader(std::string& text, std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines)
        appendLine(text, line);
}

void appendEntries(std::string& text, const std::vector<SymbolEntry>& entries) {
    for (const SymbolEntry& entry : entries) {
        char address[16];
        std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(entry.address));
        text.append(address);
        text.push_back(' ');
        appendLine(text, entry.name);
    }
}

} // namespace

std::string buildSymbolListText() {
    std::string text;
    appendHeader(text, {"# Symbol list: J7/70 firmware 3.10/4", "# address name"});
    appendEntries(text, firmwareSymbols());
    return text;
}

std::string buildReferenceListText() {
    std::string text;
    appendHeader(text, {"# Reference list 514lg4", "# PRG3 library entries, in library order",
                        "# address name"});
    appendEntries(text, referenceSymbols());
    return text;
}

std::string buildPrg3LibraryText() {
    std::string text;
    appendHeader(text, {"# PRG3 extension library: J7/70 firmware 3.10/4",
                        "# entries in the order of 514lg4.lib", "# address name"});
    appendLine(text, "RELEASE=" + std::to_string(Prg3LibraryRelease));
    appendEntries(text, prg3LibraryEntries());
    return text;
}
