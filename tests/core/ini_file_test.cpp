#include "platform/ini_file.h"
#include "platform/zav_error.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void writeText(const std::string& text) { writeFileText(path, text); }
    std::string text() const { return readFileText(path); }

    // Each test has a folder of its own, so suites running side by side never share one.
    TempFolder temp;
    std::string path = temp.file("manager.INI");
};

TEST_F(IniFileTest, ReadsIgnoringCaseWithDefaults) {
    writeText("; settings\r\n[form]\r\ntop = 33\r\n[MANAGER]\r\ncom-port=0x2\r\nFirstBig=$A\r\n"
              "BigSlots=twelve\r\n");
    const IniFile file(path);
    EXPECT_EQ(file.readInteger("Form", "Top", 20), 33);
    EXPECT_EQ(file.readInteger("Form", "Left", 240), 240);
    EXPECT_EQ(file.readInteger("Manager", "COM-Port", 0), 2);
    EXPECT_EQ(file.readInteger("Manager", "FirstBig", 9), 10);
    EXPECT_EQ(file.readInteger("Manager", "BigSlots", 21), 21);
    EXPECT_EQ(file.readInteger("Manager", "Top", 7), 7);
    EXPECT_EQ(IniFile(path + ".missing").readInteger("Form", "Top", 20), 20);
}

TEST_F(IniFileTest, WritesOneKeyKeepingEverythingElse) {
    writeText("; mine\r\n[Form]\r\nTop=1\r\n\r\n[Other]\r\nx=y\r\n");
    IniFile file(path);
    file.writeInteger("FORM", "top", -5);
    file.writeInteger("Form", "Left", 240);
    file.writeInteger("Manager", "COM-Port", 0);
    EXPECT_EQ(text(), "; mine\r\n[Form]\r\ntop=-5\r\nLeft=240\r\n\r\n[Other]\r\nx=y\r\n"
                      "[Manager]\r\nCOM-Port=0\r\n");
}

TEST_F(IniFileTest, FirstWriteCreatesTheFile) {
    IniFile file(path);
    file.writeInteger("Form", "Top", 20);
    file.writeInteger("Form", "Left", 240);
    EXPECT_EQ(text(), "[Form]\r\nTop=20\r\nLeft=240\r\n");
}

TEST_F(IniFileTest, UnwritableFileNamesTheFile) {
    const std::string inMissingFolder = temp.file("no/such/x.INI");
    IniFile file(inMissingFolder);
    try {
        file.writeInteger("Form", "Top", 1);
        FAIL() << "no error";
    } catch (const ZavError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + inMissingFolder);
    }
}

} // namespace
