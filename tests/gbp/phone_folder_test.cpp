#include "demo_content.h"
#include "phone_folder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

namespace fs = std::filesystem;

std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::set<std::string> demoFileNames() {
    std::set<std::string> names;
    for (const DemoSection& section : demoSections())
        names.insert(sectionFileName(section.address));
    return names;
}

TEST(PhoneFolder, EnvironmentVariablePointsAtAnotherFolder) {
    const ScopedEnvironment env(PhoneFolderVariable, "/some/where/else");
    EXPECT_EQ(phoneFolder(), fs::path("/some/where/else"));
}

TEST(PhoneFolder, DefaultsToPhoneNvmBesideTheFileTheCodeLivesIn) {
    // Here the emulator is linked into the test program, so "beside" means beside it.
    for (const char* unsetOrEmpty :
         {static_cast<const char*>(""), static_cast<const char*>(nullptr)}) {
        const ScopedEnvironment env(PhoneFolderVariable, unsetOrEmpty);
        const fs::path folder = phoneFolder();
        EXPECT_EQ(folder.filename(), "phone-nvm");
        EXPECT_TRUE(fs::exists(folder.parent_path() / "gbp_tests")) << folder;
    }
}

struct PrepareCase {
    const char* label;
    const char* relative; // the memory folder, inside the test's own temp folder
    const char* onTheWay; // a folder created on the way to it, or nullptr
};

TEST(PhoneFolder, AMissingFolderIsCreatedWithExactlyTheDemoContent) {
    const PrepareCase cases[] = {{"plain", "phone", nullptr},
                                 {"nested", "a/b/phone", "a/b"},
                                 {"trailing separator", "phone2/", nullptr}};
    for (const PrepareCase& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder temp;
        const fs::path folder = temp.path() / c.relative;
        ASSERT_TRUE(preparePhoneFolder(folder));
        EXPECT_EQ(fileNames(folder), demoFileNames());
        // No scratch folder is left beside it.
        EXPECT_EQ(fileNames(temp.path()).size(), 1u);
        // Nor in a folder made on the way to it.
        if (c.onTheWay) {
            EXPECT_EQ(fileNames(temp.path() / c.onTheWay).size(), 1u);
        }
        for (const DemoSection& section : demoSections())
            EXPECT_EQ(fs::file_size(folder / sectionFileName(section.address)),
                      section.bytes.size());
    }
}

TEST(PhoneFolder, AnExistingFolderIsUsedAsItIs) {
    TempFolder temp;
    EXPECT_TRUE(preparePhoneFolder(temp.path()));
    EXPECT_TRUE(fs::is_empty(temp.path()));

    writeFileText(temp.path() / "18-09.bin", "mine");
    EXPECT_TRUE(preparePhoneFolder(temp.path()));
    EXPECT_EQ(fileNames(temp.path()), std::set<std::string>{"18-09.bin"});
    EXPECT_EQ(readFileText(temp.path() / "18-09.bin"), "mine");
}

TEST(PhoneFolder, APathThatIsNoFolderCannotBeUsed) {
    TempFolder temp;
    writeFileText(temp.path() / "file", "x");
    EXPECT_FALSE(preparePhoneFolder(temp.path() / "file"));
    EXPECT_FALSE(preparePhoneFolder(temp.path() / "file" / "below"));
    EXPECT_FALSE(preparePhoneFolder(fs::path()));
}

} // namespace
