#include "platform/system_viewer.h"

#include <QProcess>
#include <QString>
#include <QStringList>

void openInSystemViewer(const std::string& relativeFileName) {
    const QString file = QString::fromStdString(relativeFileName);
#if defined(Q_OS_WIN)
    QProcess::startDetached("cmd.exe", {"/c", "start", "", file});
#elif defined(Q_OS_MACOS)
    QProcess::startDetached("open", {file});
#else
    QProcess::startDetached("xdg-open", {file});
#endif
}
