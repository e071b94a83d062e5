#include "ui/qt/app_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "ui/qt/app_icon_pixels.h"
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
    // sent to the X server when the first window shows; the larger ones (128, 256) are left to
    // the desktop's installed copies, as they cost start-up time and memory.
    QIcon icon;
    for (const IconPixels& p : kAppIconPixels)
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(p.argb), p.size,
                                                 p.size, QImage::Format_ARGB32)));
    QApplication::setWindowIcon(icon);
}

}  // namespace ui::qt
