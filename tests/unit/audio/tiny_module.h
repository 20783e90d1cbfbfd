// Builds small ProTracker modules in memory for the music player's tests and its measuring
// program: four channels, one looped square-wave instrument, generated notes.
#pragma once

#include <vector>

struct module_shape {
    int orders = 1;         // patterns played, each a different generated one
    int rows = 16;          // rows of each pattern that play (a pattern break ends it there)
    int ticks_per_row = 2;  // at 125 BPM a tick is 882 frames at 44100 Hz
    int beats_per_minute = 125;  // others give ticks of no whole number of frames
};

std::vector<unsigned char> make_test_module(const module_shape& shape);

// A one-pattern Scream Tracker 3 module of `rows` rows whose speed and tempo are set in its
// header, so they hold from its very first tick.
std::vector<unsigned char> make_s3m_test_module(int rows, int ticks_per_row, int beats_per_minute);

// The frames one pass of such a module lasts at 44100 Hz, at 125 BPM.
long frames_of(const module_shape& shape);
