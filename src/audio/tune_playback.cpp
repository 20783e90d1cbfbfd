#include "audio/tune_playback.h"

#include <allegro.h>

#include <algorithm>
#include <chrono>

#include "audio/tune_library.h"

namespace {

constexpr int CENTRE = 128;

long starting_position(long position, long frames, bool loop)
{
    position = std::max(position, 0L);
    return loop ? position % frames : std::min(position, frames);
}

}  // namespace

void voice_playback::start(const rendered_tune& tune, long position, bool loop)
{
    if (voiced != &tune) {
        release();
        voice = allocate_voice(tune.sample.get());
        voiced = &tune;
    }
    held = starting_position(position, tune.frames, loop);
    playing = voice >= 0 && held < tune.frames;
    if (!playing)
        return;
    voice_set_position(voice, static_cast<int>(held));
    voice_set_playmode(voice, loop ? PLAYMODE_LOOP : PLAYMODE_PLAY);
    voice_set_volume(voice, volume);
    voice_set_pan(voice, CENTRE);
    voice_start(voice);
}

void voice_playback::set_loop(bool loop)
{
    if (voice >= 0)
        voice_set_playmode(voice, loop ? PLAYMODE_LOOP : PLAYMODE_PLAY);
}

long voice_playback::stop()
{
    if (!playing)
        return held;
    // The voice forgets its position once stopped, and reads -1 when a single pass has ended.
    const int position = voice_get_position(voice);
    voice_stop(voice);
    playing = false;
    held = position < 0 ? voiced->frames : position;
    return held;
}

void voice_playback::release()
{
    if (voice >= 0)
        deallocate_voice(voice);
    voice = -1;
    voiced = nullptr;
    playing = false;
    held = 0;
}

void voice_playback::set_volume(int new_volume)
{
    volume = new_volume;
    if (voice >= 0)
        voice_set_volume(voice, volume);
}

clock_playback::clock_playback(music_clock clock, int samples_per_second)
    : now(clock), rate(samples_per_second)
{
}

void clock_playback::start(const rendered_tune& tune, long position, bool repeat)
{
    frames = tune.frames;
    loop = repeat;
    origin = starting_position(position, frames, loop);
    origin_time = now();
    playing = origin < frames;
}

long clock_playback::position_now()
{
    if (!playing)
        return origin;
    const std::int64_t elapsed = (now() - origin_time) * rate / 1000000000;
    const std::int64_t reached = origin + elapsed;
    if (loop)
        return static_cast<long>(reached % frames);
    if (reached >= frames)
        playing = false;  // a single pass has ended, as a voice's would
    return static_cast<long>(std::min<std::int64_t>(reached, frames));
}

void clock_playback::set_loop(bool repeat)
{
    origin = position_now();
    origin_time = now();
    loop = repeat;
}

long clock_playback::stop()
{
    origin = position_now();
    playing = false;
    return origin;
}

void clock_playback::release()
{
    frames = 0;
    playing = false;
    origin = 0;
}

std::int64_t steady_nanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
