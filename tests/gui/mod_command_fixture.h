#pragma once

#include "manager_fixture.h"
#include "phone_call_sequences.h"

#include "shell/main_form.h"

#include <cstdint>
#include <string>
#include <vector>

// The manager with one record of everything the user saw, in order: each status text as
// "status: <text>" and each message box as "<caption>: <text>". Whether a box came before or
// after a status change is part of what a command promises.
class ModCommandFixture : public ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        watchWhatIsSeen();
    }

    // A fresh program (its windows start with their initial contents) and a fresh phone.
    void restartWithEmptyPhone() {
        stopManager();
        phone.reset();
        startManager();
        seen.clear();
        watchWhatIsSeen();
    }

    void watchWhatIsSeen() {
        QObject::connect(form_.get(), &TForm1::statusTextChanged, [this](const QString& text) {
            seen.push_back("status: " + text.toStdString());
        });
        dialogs.onMessage = [this](const ShownMessage& box) {
            seen.push_back(box.caption + ": " + box.text);
        };
    }

    std::vector<std::string> seen;
};

// A preferences record as the mod stores it in section 2-18.
struct StoredPreferences {
    std::uint8_t menuMode = 3;
    std::uint8_t librarySlot = 17;
    std::uint8_t libraryGroup = 2;
    std::uint8_t autorunSlot = 0;
    std::uint8_t autorunGroup = 0;
    std::uint8_t unused10 = 0;
    std::uint8_t unused11 = 0;

    std::vector<std::uint8_t> bytes() const {
        return {'Z',         'A',          'V',         '2',          menuMode, 0,
                librarySlot, libraryGroup, autorunSlot, autorunGroup, unused10, unused11};
    }
};

inline const std::string CantInitBox = "ERROR: Can't Init GPB Mode";
inline const std::string UploadErrorBox =
    "ERROR: Section uploaded with error or out of memory!\nTry to upload again or free some NVM "
    "memory";
inline std::string uploadedBox(int size) {
    return "OK!: Section uploaded sucsessfully! Size: " + std::to_string(size) + " bytes";
}

// A verified write of length bytes into a section ("2,16"), as the phone sees it: the write in
// one period of GBP mode, the size check in the next.
inline std::vector<std::string> verifiedWriteCalls(const std::string& section, std::size_t length) {
    return joined({inGbpMode({"WriteNVMFile(" + section + "," + std::to_string(length) + ")"}),
                   inGbpMode({"GetNVMFileSize(" + section + ")"})});
}

// What the user sees of an upload of length bytes whose verified write succeeds.
inline std::vector<std::string> uploadedSeen(std::size_t length) {
    return {"status: Uploading data...", "status: Checking data...",
            uploadedBox(static_cast<int>(length)), "status: Uploaded!"};
}
