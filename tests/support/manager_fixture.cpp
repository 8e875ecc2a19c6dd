#include "manager_fixture.h"

#include "link/link_idle.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/main_form.h"
#include "shell/manager_windows.h"

#include <QApplication>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

ScopedCurrentFolder::ScopedCurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void ManagerFixture::SetUp() {
    phone.reset();
    LinkIdle = false;
    FirstBig = DefaultFirstBig;
    BigSlots = DefaultBigSlots;
    FirstSmall = DefaultFirstSmall;
    SmallSlots = DefaultSmallSlots;
    resetSectionTable();
    settingsPath = temp.file("zav3manager.INI");
    startManager();
}

void ManagerFixture::TearDown() { stopManager(); }

void ManagerFixture::startManager() {
    form_ = createManagerWindows(
        dialogs, [](PhoneLink& link) { return link.bindEntryPoints(FakePhone::entryPoints()); },
        settingsPath);
    ASSERT_TRUE(form_);
    QObject::connect(form_.get(), &TForm1::statusTextChanged,
                     [this](const QString& text) { statuses.push_back(text.toStdString()); });
    form_->show();
    QApplication::processEvents();
}

void ManagerFixture::stopManager() {
    form_.reset();
    QApplication::processEvents();
}

void ManagerFixture::selectRow(int row) { form_->DrawGrid1->selectGridRow(row); }
