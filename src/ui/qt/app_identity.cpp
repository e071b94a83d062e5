#include "ui/qt/app_identity.h"

#include <QApplication>
#include <QIcon>

#include "ui/services.h"

namespace ui::qt {

void SetAppIdentity() {
    QApplication::setApplicationName("Vadocalc");
    QApplication::setApplicationVersion(QString("%1.%2.%3")
                                            .arg(Services::kVersionMajor)
                                            .arg(Services::kVersionMinor)
                                            .arg(Services::kVersionRevision));
    QGuiApplication::setDesktopFileName(kAppId);
    // The window icon in the sizes a title bar and a task switcher draw. Every size given is
    // decoded and sent to the X server when the first window shows; the larger ones (128, 256)
    // are left to the desktop's installed copies, as they cost start-up time and memory.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QString(":/icons/%1x%1/%2.png").arg(size).arg(kAppId), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace ui::qt
