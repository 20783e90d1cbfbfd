// A sound seam for tests: records every effect, stop, delay and tune cue, in order, and
// turns each delay into ticks of the 60 Hz clock instead of sleeping.
#pragma once

#include <string>
#include <vector>

#include "audio/sound_seam.h"

struct sound_event {
    std::string what;             // "play", "stop", "rest", "read", "start", "loop", "tune_stop", "release"
    const void* subject = nullptr;  // the sample or the tune
    int value = 0;                // volume, milliseconds, size, position or loop flag
    unsigned tick = 0;            // the clock when it happened
};

class recording_seam : public sound_seam {
public:
    recording_seam();   // puts itself in place of the real seam
    ~recording_seam();  // and the real one back

    void play_sample(const SAMPLE* sample, int volume, int pan, int frequency, int loop) override;
    void stop_sample(const SAMPLE* sample) override;
    void rest(unsigned milliseconds) override;
    void yield() override;  // not recorded; lets one tick of the clock pass
    void tune_read(const void* tune, int size) override;
    void tune_start(int position) override;
    void tune_set_loop(int loop) override;
    int tune_stop() override;
    void tune_release() override;

    // How many times `sample` was played, and the events of one kind.
    int plays(const void* sample) const;
    std::vector<sound_event> of(const std::string& what) const;
    std::vector<sound_event> events;
};
