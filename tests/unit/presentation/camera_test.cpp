#include <gtest/gtest.h>

#include "presentation/camera.h"

TEST(Camera, FollowsThePondrelWithinTheLevel)
{
    const struct {
        int pondrel_x;
        int expected;
    } cases[] = {
        {-50, 0}, {0, 0}, {400, 0}, {401, -1}, {1000, -600}, {1999, -1599}, {2000, -1600},
        {2360, -1600}, {5000, -1600},
    };
    for (const auto& c : cases) {
        attempt_state attempt;
        attempt.pondrel_x = c.pondrel_x;
        int screenscroll_h = 12345;
        update_camera(screenscroll_h, attempt);
        EXPECT_EQ(screenscroll_h, c.expected) << "pondrel_x " << c.pondrel_x;
    }
}

TEST(Camera, VisibleColumnsNeverLeaveTheMap)
{
    const struct {
        int screenscroll_h;
        int first;
        int last;
    } cases[] = {
        {0, 0, 20}, {-1, 0, 20}, {-39, 0, 20}, {-40, 1, 21}, {-600, 15, 35},
        {-1560, 39, 59}, {-1599, 39, 59}, {-1600, 40, 59},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(first_visible_column(c.screenscroll_h), c.first) << "camera " << c.screenscroll_h;
        EXPECT_EQ(last_visible_column(c.screenscroll_h), c.last) << "camera " << c.screenscroll_h;
    }
}
