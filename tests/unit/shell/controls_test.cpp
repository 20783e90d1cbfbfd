#include "shell/controls.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

// Every test starts and ends with no key down and the pad at rest.
class ControlsTest : public testing::Test {
protected:
    void SetUp() override { release_everything(); }
    void TearDown() override { release_everything(); }
    static void release_everything()
    {
        std::memset(const_cast<char*>(key), 0, KEY_MAX);
        std::memset(&joy[0], 0, sizeof joy[0]);
    }
    joystick_buttons buttons = default_joystick_buttons();
};

struct binding {
    const char* name;
    int key_code;
    int stick_axis;  // -1: a button
    bool toward_d2;  // right or down
    int button;
    bool controls::*field;
};

const binding bindings[] = {
    {"up", KEY_UP, 1, false, -1, &controls::up},
    {"down", KEY_DOWN, 1, true, -1, &controls::down},
    {"left", KEY_LEFT, 0, false, -1, &controls::left},
    {"right", KEY_RIGHT, 0, true, -1, &controls::right},
    {"jump", KEY_X, -1, false, 0, &controls::jump},
    {"run", KEY_Z, -1, false, 2, &controls::run},
    {"backdash", KEY_C, -1, false, 5, &controls::backdash},
    {"start", KEY_ENTER, -1, false, 7, &controls::start},
};

void press_on_pad(const binding& b, bool down)
{
    if (b.stick_axis < 0) {
        joy[0].button[b.button].b = down;
        return;
    }
    JOYSTICK_AXIS_INFO& axis = joy[0].stick[1].axis[b.stick_axis];
    (b.toward_d2 ? axis.d2 : axis.d1) = down;
}

int held_count(const controls& c)
{
    int count = 0;
    for (const binding& b : bindings)
        count += c.*b.field;
    return count;
}

}  // namespace

TEST_F(ControlsTest, NothingHeldAtRest)
{
    EXPECT_EQ(held_count(read_controls(buttons)), 0);
}

TEST_F(ControlsTest, KeyOrPadAloneOrBothHoldExactlyTheirControl)
{
    enum source { keyboard, pad, both };
    for (const binding& b : bindings) {
        for (source s : {keyboard, pad, both}) {
            if (s != pad)
                key[b.key_code] = 1;
            if (s != keyboard)
                press_on_pad(b, true);
            const controls held = read_controls(buttons);
            EXPECT_TRUE(held.*b.field) << b.name << " from source " << s;
            EXPECT_EQ(held_count(held), 1) << b.name << " from source " << s;
            release_everything();
        }
    }
}

TEST_F(ControlsTest, TheFirstStickAndOtherButtonsHoldNothing)
{
    joy[0].stick[0].axis[0].d2 = 1;
    joy[0].stick[0].axis[1].d1 = 1;
    for (int b : {1, 3, 4, 6, 8, 31})
        joy[0].button[b].b = 1;
    joy[1].button[0].b = 1;
    EXPECT_EQ(held_count(read_controls(buttons)), 0);
    joy[1].button[0].b = 0;
}

TEST_F(ControlsTest, OppositeDirectionsCanBeHeldTogetherFromMixedSources)
{
    key[KEY_LEFT] = 1;
    joy[0].stick[1].axis[0].d2 = 1;
    const controls held = read_controls(buttons);
    EXPECT_TRUE(held.left);
    EXPECT_TRUE(held.right);
}

TEST(StartPressLatch, APressActsOnceAndOnlyAReleaseArmsTheNext)
{
    controls up, down;
    down.start = true;
    int buttonpress = 0;
    const struct {
        const controls& held;
        bool acts;
    } passes[] = {{up, false}, {down, true}, {down, false}, {down, false},
                  {up, false}, {down, true}, {up, false}};
    for (const auto& pass : passes)
        EXPECT_EQ(take_start_press(buttonpress, pass.held), pass.acts);
}

TEST(StartPressLatch, APressThatActedOnOneScreenDoesNotActOnTheNext)
{
    controls down;
    down.start = true;
    int buttonpress = 0;
    ASSERT_TRUE(take_start_press(buttonpress, down));  // e.g. the title screen starts a run
    // The next screen inherits the latch: still held, nothing happens until released.
    EXPECT_FALSE(take_start_press(buttonpress, down));
    EXPECT_EQ(buttonpress, 1);
    EXPECT_FALSE(take_start_press(buttonpress, controls{}));
    EXPECT_TRUE(take_start_press(buttonpress, down));
}
