// Where a rendered tune plays: on one Allegro voice, or, with no sound device, on a steady
// clock that keeps the position the voice would have had. Positions are sample frames.
#pragma once

#include <cstdint>

struct rendered_tune;

class tune_playback {
public:
    virtual ~tune_playback() = default;
    // Plays `tune` from `position`, once or repeating; a tune played once that is already at
    // its end stays ended.
    virtual void start(const rendered_tune& tune, long position, bool loop) = 0;
    virtual void set_loop(bool loop) = 0;
    // Stops, and returns the position reached: the tune's length once a tune played once ended.
    virtual long stop() = 0;
    // Lets go of the tune; the next start may bring another.
    virtual void release() = 0;
    virtual void set_volume(int volume) = 0;  // 0 to 255
};

// The voice is let go by release(), never at destruction: Allegro may have shut its sound
// down by then.
class voice_playback final : public tune_playback {
public:
    void start(const rendered_tune& tune, long position, bool loop) override;
    void set_loop(bool loop) override;
    long stop() override;
    void release() override;
    void set_volume(int volume) override;

private:
    int voice = -1;
    const rendered_tune* voiced = nullptr;  // the tune the voice holds
    bool playing = false;
    long held = 0;  // the position while stopped
    int volume = 255;
};

// Nanoseconds from any fixed origin; steady.
using music_clock = std::int64_t (*)();

class clock_playback final : public tune_playback {
public:
    clock_playback(music_clock now, int samples_per_second);
    void start(const rendered_tune& tune, long position, bool loop) override;
    void set_loop(bool loop) override;
    long stop() override;
    void release() override;
    void set_volume(int) override {}

private:
    long position_now();

    music_clock now;
    const int rate;
    long frames = 0;
    bool loop = false;
    bool playing = false;
    long origin = 0;                // the position at `origin_time`, or the one held when stopped
    std::int64_t origin_time = 0;
};

// Reads the steady clock of the standard library.
std::int64_t steady_nanoseconds();
