#pragma once

#include "fake_phone.h"
#include "scripted_dialogs.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QAction;
class TForm1;

// Runs the test with the current folder set to the given one (the scratch files land there).
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::filesystem::path& folder);
    ~ScopedCurrentFolder();

private:
    std::filesystem::path previous_;
};

// Puts the program's globals as they are when it starts: the link not yet idle, the default
// slot ranges and an empty section table.
void resetManagerGlobals();

// The manager as the program starts it, with the fake phone bound and scripted dialogs; the
// main window has been shown, so the settings are loaded.
class ManagerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the windows in start-up order and shows the main window.
    void startManager();
    void stopManager();
    // Restarts the manager with this settings file.
    void restartWith(const std::string& settingsText);

    // Selects a grid row as a left click would.
    void selectRow(int row);
    // Runs a context menu command; the menu enables an action before the user can choose it.
    void choose(QAction* action);

    TForm1& form() { return *form_; }

    FakePhone& phone = FakePhone::instance();
    ScriptedDialogs dialogs;
    TempFolder temp;
    std::string settingsPath;
    std::vector<std::string> statuses;
    std::unique_ptr<TForm1> form_;
};
