#pragma once

#include "fake_phone.h"
#include "scripted_dialogs.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TForm1;

// Runs the test with the current folder set to the given one (the scratch files land there).
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::filesystem::path& folder);
    ~ScopedCurrentFolder();

private:
    std::filesystem::path previous_;
};

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The manager as the program starts it, with the fake phone bound and scripted dialogs; the
// main window has been shown, so the settings are loaded.
class ManagerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the windows in start-up order and shows the main window.
    void startManager();
    void stopManager();

    // Selects a grid row as a left click would.
    void selectRow(int row);

    TForm1& form() { return *form_; }

    FakePhone& phone = FakePhone::instance();
    ScriptedDialogs dialogs;
    TempFolder temp;
    std::string settingsPath;
    std::vector<std::string> statuses;
    std::unique_ptr<TForm1> form_;
};
