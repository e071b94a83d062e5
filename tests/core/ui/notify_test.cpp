#include <gtest/gtest.h>

#include "ui/form.h"

namespace ui {
namespace {

// A view built while its form is being shown subscribes from inside the form's notification
// (and its widgets from inside their controls'): the listener running must not be disturbed,
// and the new ones have just read the state, so they are told from the next change on.
TEST(Notify, AListenerMaySubscribeOthersWhileItIsTold) {
    HeadlessServices services;
    Form form("frmTest", services);
    Label& label = form.add<Label>("lblTest");
    int told = 0, late = 0;
    auto subscribeMany = [&](auto& source) {
        source.subscribe([&] {
            ++told;
            for (int i = 0; i < 64; ++i) source.subscribe([&] { ++late; });
        });
    };
    subscribeMany(form);
    subscribeMany(label);
    form.setCaption("a");
    label.setCaption("b");
    EXPECT_EQ(told, 2);
    EXPECT_EQ(late, 0);
    form.setCaption("c");
    EXPECT_EQ(told, 3);
    EXPECT_EQ(late, 64);
}

}  // namespace
}  // namespace ui
