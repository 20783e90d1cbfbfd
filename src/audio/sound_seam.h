// Everything the game hears, and every fixed delay, goes through one seam: the real one plays
// on the sound device and sleeps; tests put in a recorder that runs headless and never sleeps.
#pragma once

struct SAMPLE;

class sound_seam {
public:
    virtual ~sound_seam() = default;
    virtual void play_sample(const SAMPLE* sample, int volume, int pan, int frequency, int loop) = 0;
    virtual void stop_sample(const SAMPLE* sample) = 0;
    virtual void rest(unsigned milliseconds) = 0;
    // Gives the processor away while a loop has nothing due (about a millisecond).
    virtual void yield() = 0;

    // The music player's operations (see pxtone.h), in the order the game gives its cues.
    virtual void tune_read(const void* tune, int size) = 0;
    virtual void tune_start(int position) = 0;
    virtual void tune_set_loop(int loop) = 0;
    virtual int tune_stop() = 0;
    virtual void tune_release() = 0;
};

// The seam in use: the real device unless a test has put another in place.
sound_seam& sounds();

// Puts `seam` in place of the real one; nullptr puts the real one back.
void use_sound_seam(sound_seam* seam);

// A sound effect as the game plays them all: centred, at the sample's own rate, once.
void play_effect(const SAMPLE* sample, int volume = 255);
