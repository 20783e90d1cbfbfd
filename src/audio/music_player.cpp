#include "audio/music_player.h"

#include <allegro.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "audio/tune_library.h"
#include "audio/tune_playback.h"

namespace {

struct music_player {
    std::unique_ptr<tune_library> library;
    std::unique_ptr<tune_playback> playback;
    rendered_tune* tune = nullptr;
    bool loop = false;
    bool silent = true;
};

music_player player;
music_clock clock_in_use = steady_nanoseconds;
std::unordered_map<const void*, int> noted_sizes;

bool sound_device_present()
{
    return digi_driver && digi_driver->id != DIGI_NONE;
}

// The count the game passes is a fixed ceiling, not the tune's size: the noted size wins.
std::size_t readable_size(const void* tune, int count)
{
    const auto noted = noted_sizes.find(tune);
    const int size = noted == noted_sizes.end() ? count : noted->second;
    return static_cast<std::size_t>(std::max(size, 0));
}

}  // namespace

bool music_open(int, int samples_per_second)
{
    music_close();
    player.silent = !sound_device_present();
    player.library = std::make_unique<tune_library>(samples_per_second);
    if (player.silent)
        player.playback = std::make_unique<clock_playback>(clock_in_use, samples_per_second);
    else
        player.playback = std::make_unique<voice_playback>();
    return true;
}

void music_close()
{
    music_release();
    player.playback.reset();
    player.library.reset();
    player.loop = false;
    noted_sizes.clear();
}

void music_set_volume(float volume)
{
    if (player.playback)
        player.playback->set_volume(std::clamp(static_cast<int>(volume * 255.0f + 0.5f), 0, 255));
}

void music_note_tune_size(const void* tune, int size)
{
    noted_sizes[tune] = size;
}

void music_read(const void* tune, int size)
{
    music_release();
    if (player.library && tune)
        player.tune = player.library->read(tune, readable_size(tune, size));
}

void music_start(int position)
{
    if (!player.tune)
        return;
    if (!player.silent) {
        const long from = std::max(position, 0) % player.tune->frames;
        player.library->wait_rendered(*player.tune, from + player.library->head_frames());
    }
    player.playback->start(*player.tune, position, player.loop);
}

void music_set_loop(bool loop)
{
    player.loop = loop;
    if (player.tune)
        player.playback->set_loop(loop);
}

int music_stop()
{
    return player.tune ? static_cast<int>(player.playback->stop()) : 0;
}

void music_release()
{
    if (player.playback)
        player.playback->release();
    player.tune = nullptr;
}

int music_tune_frames()
{
    return player.tune ? static_cast<int>(player.tune->frames) : 0;
}

bool music_is_silent()
{
    return player.silent;
}

void music_use_clock(std::int64_t (*now_nanoseconds)())
{
    clock_in_use = now_nanoseconds ? now_nanoseconds : steady_nanoseconds;
}
