#include "WindowBounds.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowBoundsTest, StoredBoundsAreKeptWithinReach) {
    const QRect desktop(0, 0, 1280, 800);
    const QSize minimum(760, 350);
    const QRect fallback(256, 135, 768, 530);
    const struct {
        const char* Situation;
        QRect Stored;
        QRect Expected;
    } cases[] = {
        {"on the desktop", {100, 50, 800, 600}, {100, 50, 800, 600}},
        {"partly beyond the right edge", {900, 50, 800, 600}, {900, 50, 800, 600}},
        {"smaller than the minimum", {10, 10, 300, 200}, {10, 10, 760, 350}},
        {"larger than the desktop", {0, 0, 5000, 3000}, {0, 0, 1280, 800}},
        {"wholly off to the right", {3000, 50, 800, 600}, fallback},
        {"wholly above", {100, -900, 800, 600}, fallback},
        {"title row above the desktop", {100, -300, 800, 600}, {100, 0, 800, 600}},
        {"title row beyond the left edge", {-790, 100, 800, 600}, {0, 100, 800, 600}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitWindowBounds(c.Stored, desktop, minimum, fallback), c.Expected) << c.Situation;
}

TEST(WindowBoundsTest, WithoutADesktopTheStoredBoundsStand) {
    const QRect stored(5000, 5000, 800, 600);
    EXPECT_EQ(FitWindowBounds(stored, QRect(), QSize(760, 350), QRect(0, 0, 768, 530)), stored);
}

} // namespace
