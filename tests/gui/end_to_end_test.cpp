#include "manager_fixture.h"

#include "link/link_idle.h"
#include "link/phone_link.h"
#include "sections/format_word_text.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/main_form.h"
#include "shell/manager_windows.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The stand-in library keeps the phone's memory where this variable points.
constexpr const char* PhoneFolderVariable = "GBP_PHONE_DIR";

// The test program and the stand-in library are built into the same folder.
fs::path programFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string sectionFile(int group, int slot) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d-%02d.bin", group, slot);
    return name;
}

// The demo phone, freshly created, refreshed with the default ranges.
TEST(EndToEnd, FullRefreshOfTheDemoPhoneShowsEveryKindOfSection) {
    const fs::path library = programFolder() / PhoneLink::libraryFileName();
    ASSERT_TRUE(fs::exists(library)) << "The stand-in link library " << library
                                     << " is missing: build the gbp target before the tests.";
    TempFolder temp;
    const fs::path memory = temp.path() / "phone-nvm"; // created by the library on first use
    ASSERT_FALSE(fs::exists(memory));
    ScopedEnvironment phoneFolder(PhoneFolderVariable, memory.string().c_str());

    resetManagerGlobals();
    ScriptedDialogs dialogs;
    auto form = createManagerWindows(
        dialogs, [](PhoneLink& link) { return link.bindLibrary(programFolder().string()); },
        temp.file("zav3manager.INI"));
    ASSERT_TRUE(form) << "the library did not bind";
    form->show();
    QApplication::processEvents();

    form->Button1->click();

    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{{"Update done!", ""}}));
    EXPECT_EQ(form->statusText(), "Updated!");
    EXPECT_TRUE(LinkIdle);
    ASSERT_TRUE(fs::is_directory(memory));

    struct Row {
        int row;
        SectionKind kind;
        const char* caption;
        const char* format; // the "FW" column of a program
    };
    const Row rows[] = {
        {1, SectionKind::Program, "Hello UFIF 2.0", "UFIF 2"},
        {2, SectionKind::Program, "\xD0\xA7\xD0\xB0\xD1\x81\xD1\x8B 2.1", "UFIF 2.1"},
        {3, SectionKind::Program, "Torch", "3.10/4"},
        {4, SectionKind::Program, "ELF Hello", "UFIF 2"},
        {5, SectionKind::Program, "Notes", "PRG 3"},
        {6, SectionKind::Program, "Calculator", "PRG 3.5"},
        {7, SectionKind::Gif, "< GIF-File >", nullptr},
        {8, SectionKind::Other, "10 sec ringer: Morning bell", nullptr},
        {9, SectionKind::Other, "< Data >", nullptr},
        {10, SectionKind::Empty, "< Empty >", nullptr},
        {11, SectionKind::Program, "Big Game 2.1", "UFIF 2.1"},
        {12, SectionKind::Program, "Radio", "3.6/5"},
        {13, SectionKind::Empty, "< Empty >", nullptr},
        {21, SectionKind::Empty, "< Empty >", nullptr},
        {22, SectionKind::Other, "< UFIF2 ExtLibrary >", nullptr},
        {23, SectionKind::Other, "< PRG3 ExtLibrary ver.2>", nullptr},
        {24, SectionKind::Program, "Tiny", "PRG 3"},
        {25, SectionKind::Empty, "< Empty >", nullptr},
        {26, SectionKind::Empty, "< Empty >", nullptr},
    };
    for (const Row& r : rows) {
        const SectionEntry& entry = SectionTable[static_cast<std::size_t>(r.row)];
        const SectionAddress at = addressForRow(r.row);
        SCOPED_TRACE(std::to_string(at.group) + "-" + std::to_string(at.slot));
        EXPECT_EQ(entry.kind, r.kind);
        EXPECT_EQ(entry.caption, r.caption);
        if (r.format) {
            EXPECT_EQ(formatWordText(entry.formatWord), r.format);
        }
        const fs::path file = memory / sectionFile(at.group, at.slot);
        EXPECT_EQ(entry.size, fs::exists(file) ? static_cast<int>(fs::file_size(file)) : 0);
    }
    EXPECT_GT(SectionTable[11].size, 21504) << "one program shows the red bar";

    const fs::path artifacts = programFolder().parent_path() / "artifacts";
    fs::create_directories(artifacts);
    const fs::path picture = artifacts / "main_window_after_full_refresh.png";
    EXPECT_TRUE(form->grab().save(QString::fromStdString(picture.string())));

    form.reset();
    QApplication::processEvents();
}

} // namespace
