#include "ui/qt/about_box.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

#include "ui/services.h"

namespace ui::qt {

bool ShowAboutBox(QWidget* parent) {
    const QString text =
        QString(
            "<p><b>Vadocalc</b> version %1.%2.%3</p>"
            "<p>Hydraulic design aids for small structures.</p>"
            "<p>Vadocalc is free software: you can redistribute it and/or modify it under the "
            "terms of the GNU General Public License as published by the Free Software "
            "Foundation, either version 3 of the License, or (at your option) any later "
            "version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY; see the "
            "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public "
            "License</a> for details.</p>"
            "<p>Running on Qt %4.</p>"
            "<p><a href=\"manual\">Open the manual</a></p>")
            .arg(Services::kVersionMajor)
            .arg(Services::kVersionMinor)
            .arg(Services::kVersionRevision)
            .arg(QString::fromLatin1(qVersion()));
    QMessageBox box(QMessageBox::NoIcon, "About Vadocalc", text, QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    bool manual = false;
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) {
        label->setOpenExternalLinks(false);
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        QObject::connect(label, &QLabel::linkActivated, &box, [&](const QString& link) {
            if (link != "manual") {
                QDesktopServices::openUrl(QUrl(link));
                return;
            }
            manual = true;
            box.accept();
        });
    }
    box.exec();
    return manual;
}

}  // namespace ui::qt
