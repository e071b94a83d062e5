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
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1/%2.png").arg(size).arg(kAppId), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace ui::qt
