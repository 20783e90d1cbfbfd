#include "shell/controls.h"

#include <allegro.h>

namespace {

// The second stick of the first pad: axis 0 is horizontal, axis 1 vertical.
constexpr int DIRECTION_STICK = 1;

bool button_held(const JOYSTICK_INFO& pad, int button)
{
    return button >= 0 && button < MAX_JOYSTICK_BUTTONS && pad.button[button].b;
}

}  // namespace

joystick_buttons default_joystick_buttons()
{
    return joystick_buttons{};
}

controls read_controls(const joystick_buttons& buttons)
{
    const JOYSTICK_INFO& pad = joy[0];
    const JOYSTICK_STICK_INFO& stick = pad.stick[DIRECTION_STICK];
    controls held;
    held.up = key[KEY_UP] || stick.axis[1].d1;
    held.down = key[KEY_DOWN] || stick.axis[1].d2;
    held.left = key[KEY_LEFT] || stick.axis[0].d1;
    held.right = key[KEY_RIGHT] || stick.axis[0].d2;
    held.jump = key[KEY_X] || button_held(pad, buttons.jumpbutton);
    held.run = key[KEY_Z] || button_held(pad, buttons.runbutton);
    held.backdash = key[KEY_C] || button_held(pad, buttons.backdashbutton);
    held.start = key[KEY_ENTER] || button_held(pad, buttons.startbutton);
    return held;
}

bool take_start_press(int& buttonpress, const controls& held)
{
    if (!held.start)
        buttonpress = 0;
    if (held.start && buttonpress == 0) {
        buttonpress = 1;
        return true;
    }
    return false;
}
