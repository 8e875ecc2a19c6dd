#include "manager_fixture.h"

#include "link/link_idle.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/main_form.h"
#include "shell/manager_windows.h"

#include <QAction>
#include <QApplication>

namespace fs = std::filesystem;

ScopedCurrentFolder::ScopedCurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

void resetManagerGlobals() {
    LinkIdle = false;
    FirstBig = DefaultFirstBig;
    BigSlots = DefaultBigSlots;
    FirstSmall = DefaultFirstSmall;
    SmallSlots = DefaultSmallSlots;
    resetSectionTable();
}

void ManagerFixture::SetUp() {
    phone.reset();
    resetManagerGlobals();
    settingsPath = temp.file("zav3manager.INI");
    startManager();
}

void ManagerFixture::TearDown() {
    stopManager();
}

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

void ManagerFixture::restartWith(const std::string& settingsText) {
    stopManager();
    writeFileText(settingsPath, settingsText);
    startManager();
}

void ManagerFixture::selectRow(int row) {
    form_->DrawGrid1->selectGridRow(row);
}

void ManagerFixture::choose(QAction* action) {
    action->setEnabled(true);
    action->trigger();
}
