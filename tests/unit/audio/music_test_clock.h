// A clock the music player's tests move by hand: steps of a hundredth of a second are exactly
// 441 frames at 44100 Hz.
#pragma once

#include <cstdint>

struct music_test_clock {
    music_test_clock();   // opens the player on this clock, at 44100 Hz
    ~music_test_clock();  // closes it and puts the steady clock back
    void advance_hundredths(int hundredths);
};

constexpr int FRAMES_PER_HUNDREDTH = 441;
