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
    ASSERT_TRUE(picture && list && picture->isVisible());
    const QImage projecting = picture->grab().toImage();
    list->setCurrentIndex(4);  // headwall, rounded edge, chosen as a person does
    emit list->activated(4);
    Settle();
    const QImage headwall = picture->grab().toImage();
    EXPECT_NE(projecting, headwall);
    for (const QImage& image : {projecting, headwall}) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
        EXPECT_GT(dark, 200) << "the inlet is drawn";
    }
}

}  // namespace
}  // namespace vado::qt_test
