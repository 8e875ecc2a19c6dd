#include "platform/qt_dialog_service.h"
#include "shell/manager_windows.h"
#include "shell/settings_keys.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

int runManager(QApplication& app) {
    QtDialogService dialogs;
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
    const std::string settingsPath =
        settingsPathForProgram(QCoreApplication::applicationFilePath().toStdString());

    const auto form = createManagerWindows(
        dialogs, [programDir](PhoneLink& link) { return link.bindLibrary(programDir); },
        settingsPath);
    if (!form)
        return 0;

    form->show();
    return app.exec();
}

// An error that escapes start-up or the message loop is shown, and the program ends.
void showFatal(const char* text) {
    QMessageBox box(QMessageBox::NoIcon, ErrorCaption, text, QMessageBox::Ok);
    box.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    try {
        return runManager(app);
    } catch (const std::exception& error) {
        showFatal(error.what());
    } catch (...) {
        showFatal("");
    }
    return 1;
}
