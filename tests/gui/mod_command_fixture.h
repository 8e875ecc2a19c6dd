#pragma once

#include "manager_fixture.h"

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

// The calls of one period of GBP mode on COM1 around the given calls.
inline std::vector<std::string> inGbpMode(const std::vector<std::string>& calls) {
    std::vector<std::string> period{"InitGBPMode(1)"};
    period.insert(period.end(), calls.begin(), calls.end());
    period.push_back("EndGBPMode()");
    return period;
}

inline std::vector<std::string> joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

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
