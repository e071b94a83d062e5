#include "ui/qt/gallery.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "desk.h"
#include "ui/qt/page_builder.h"

namespace vado::qt_test {
namespace {

// The gallery: one picture of every page and of every result window, each of its own window at
// the size it opens at, none larger than a laptop's screen.
TEST(Gallery, EveryPageAndResultWindowInOnePictureEach) {
    Desk desk;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto status =
        ui::qt::TakePictures({"vadocalc", "--screenshot", dir.path(), "--gallery"}, *desk.window);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0) << "an example did not compute";

    std::vector<std::string> names;
    for (auto* page : desk.module.FormList) names.push_back(page->name());
    for (const char* window :
         {"frmStageDischarge", "frmRectRiserResults", "frmWaterControlResults"})
        names.push_back(window);
    for (const auto& name : names) {
        const QImage picture(QDir(dir.path()).filePath(QString::fromStdString(name) + ".png"));
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_LE(picture.width(), 1280) << name;
        EXPECT_LE(picture.height(), 720) << name;
        EXPECT_GE(picture.width(), 400) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*.png"}).size(), 23);
    for (auto* page : desk.module.FormList)
        EXPECT_EQ(
            QImage(QDir(dir.path()).filePath(QString::fromStdString(page->name()) + ".png")).size(),
            ui::qt::kDefaultWindowSize)
            << page->name();
}

// Without a gallery or a screenshot asked for, the program runs as usual.
TEST(Gallery, NoPicturesUnlessAsked) {
    Desk desk;
    EXPECT_FALSE(ui::qt::TakePictures({"vadocalc"}, *desk.window).has_value());
    EXPECT_FALSE(ui::qt::TakePictures({"vadocalc", "--screenshot"}, *desk.window).has_value());
}

}  // namespace
}  // namespace vado::qt_test
