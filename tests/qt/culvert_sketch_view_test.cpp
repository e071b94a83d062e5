#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>

#include "desk.h"

namespace vado::qt_test {
namespace {

// The culvert page's picture follows the entrance list: another type, another drawing.
TEST(CulvertSketchView, TheSketchChangesWithTheEntranceType) {
    Desk desk;
    desk.window->clickTab(7);
    Settle();
    QWidget* picture = desk.widget<QWidget>(7, "pic7pic");
    auto* list = desk.widget<QComboBox>(7, "cbo7Entrance");
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(picture->isVisible());

    auto darkPixels = [](const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) ++dark;
        return dark;
    };
    QImage projecting = picture->grab().toImage();
    EXPECT_GT(darkPixels(projecting), 200) << "the inlet is drawn";

    // A person's choice in the list: the index moves and the list reports the activation.
    list->setCurrentIndex(4);  // headwall, rounded edge
    emit list->activated(4);
    Settle();
    QImage headwall = picture->grab().toImage();
    EXPECT_GT(darkPixels(headwall), 200);
    EXPECT_NE(projecting, headwall);
}

}  // namespace
}  // namespace vado::qt_test
