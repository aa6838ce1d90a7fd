// A window sent to the back stops staying on top until it is next activated.
#include "WindowOrder.h"

#include "WaitUntil.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(SendToBack, OnTopAgainOnceActivated) {
    QWidget window;
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    SendToBack(&window);  // hidden: nothing happens
    window.show();
    ASSERT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    SendToBack(&window);
    SendToBack(&window);  // twice before it comes forward again
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    window.activateWindow();
    ASSERT_TRUE(test::WaitUntil([&] { return window.isActiveWindow(); }, 5000));
    EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(SendToBack, AnOrdinaryWindowStaysOrdinary) {
    QWidget window;
    window.show();
    SendToBack(&window);
    window.activateWindow();
    ASSERT_TRUE(test::WaitUntil([&] { return window.isActiveWindow(); }, 5000));
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace orbelune
