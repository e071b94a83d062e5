// The program's style: group frames drawn in the palette's colours, the menu bar's chevron drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QStyle>

#include "ui/qt/app_style.h"

namespace {

// A group box painted with the program's style under a palette, as an image.
QImage Painted(const QColor& window, const QString& title) {
    QGroupBox box(title);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, window);
    box.setPalette(palette);
    box.resize(200, 120);
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(window);
    box.render(&image);
    return image;
}

TEST(AppStyle, GroupFramesFollowThePaletteUnderAnyTitle) {
    ui::qt::InstallAppStyle();
    for (const QColor window : {QColor(239, 239, 239), QColor(40, 40, 44)}) {
        for (const QString& title : {QString(), QString("Results")}) {
            const QImage image = Painted(window, title);
            // The left edge of the frame, half way down: darker than the window, as is the inside.
            const QColor edge = image.pixelColor(0, 60), inside = image.pixelColor(100, 60);
            EXPECT_LT(edge.lightness(), window.lightness()) << title.toStdString();
            EXPECT_LE(inside.lightness(), window.lightness()) << title.toStdString();
            EXPECT_GT(inside.lightness(), edge.lightness()) << title.toStdString();
        }
    }
}

TEST(AppStyle, TheMenuBarsOverflowButtonHasAChevron) {
    ui::qt::InstallAppStyle();
    const QImage chevron = QApplication::style()
                               ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                               .pixmap(16)
                               .toImage();
    int inked = 0;
    for (int y = 0; y < chevron.height(); ++y)
        for (int x = 0; x < chevron.width(); ++x) inked += qAlpha(chevron.pixel(x, y)) > 128;
    EXPECT_GT(inked, 10);
}

}  // namespace
