// The eight controls, read once per pass into a small record from the keyboard or the first
// joystick (either is enough), and the start press latch shared by the waiting screens.
#pragma once

struct controls {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool jump = false;
    bool run = false;
    bool backdash = false;
    bool start = false;
};

struct joystick_buttons {
    int startbutton = 7;
    int jumpbutton = 0;
    int runbutton = 2;
    int backdashbutton = 5;
};

// The button numbers, set once at start-up.
joystick_buttons default_joystick_buttons();

// Reads the library's key[] and joy[0] as they stand; it does not poll the joystick.
controls read_controls(const joystick_buttons& buttons);

// One pass of a loop that waits for the start control: true once per fresh press.
// A press acts once however long it is held; only a release arms the next one.
bool take_start_press(int& buttonpress, const controls& held);
