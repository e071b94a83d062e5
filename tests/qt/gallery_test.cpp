#include "ui/qt/gallery.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "desk.h"
#include "ui/qt/page_builder.h"

namespace vado::qt_test {
namespace {

// The gallery: one picture of every page at the default window size and of every result window,
// each of its own window, none larger than a laptop's screen. Without it asked for, none.
TEST(Gallery, EveryPageAndResultWindowInOnePictureEach) {
    Desk desk;
    QTemporaryDir dir;
    EXPECT_FALSE(ui::qt::TakePictures({"vadocalc"}, *desk.window).has_value());
    EXPECT_FALSE(ui::qt::TakePictures({"vadocalc", "--screenshot"}, *desk.window).has_value());
    EXPECT_EQ(ui::qt::TakePictures({"vadocalc", "--screenshot", dir.path(), "--gallery"},
                                   *desk.window),
              0)
        << "an example did not compute";
    EXPECT_EQ(QDir(dir.path()).entryList({"*.png"}).size(), 23);
    for (auto* page : desk.module.FormList)
        EXPECT_EQ(QImage(dir.filePath(QString::fromStdString(page->name()) + ".png")).size(),
                  ui::qt::kDefaultWindowSize)
            << page->name();
    for (const char* name : {"frmStageDischarge", "frmRectRiserResults", "frmWaterControlResults"}) {
        const QImage picture(dir.filePath(QString(name) + ".png"));
        EXPECT_TRUE(picture.width() >= 400 && picture.width() <= 1280 && picture.height() <= 720)
            << name << " is " << picture.width() << "x" << picture.height();
    }
}

}  // namespace
}  // namespace vado::qt_test
