// The engine behind the music player: a tracker module rendered with libopenmpt into a sample,
// played on one voice; without a sound device it keeps its position by a steady clock.
// Positions are sample frames at the rate given to music_open; 0 is a tune's beginning.
#pragma once

#include <cstdint>

// Starts the player and its rendering thread; tunes are rendered in stereo at this rate.
// Plays on the sound device when Allegro has one, otherwise on the clock.
bool music_open(int channels, int samples_per_second);
// Drops every tune and noted size, and joins the rendering thread.
void music_close();
// 0.0 to 1.0 of the voice's volume; Allegro's master volume applies on top.
void music_set_volume(float volume);

// The real size of a tune object: reads of that tune take exactly that many bytes, whatever
// count they pass. Tunes not noted here are trusted to be as long as the count. Noted after
// music_open; forgotten at music_close.
void music_note_tune_size(const void* tune, int size);

// Replaces the loaded tune; a tune read again plays on from its old positions.
void music_read(const void* tune, int size);
void music_start(int position);
// Repeat or play once: applies to the playing tune and to every later one until changed.
void music_set_loop(bool loop);
// Stops, and returns the position reached (the tune's length when a single pass has ended).
int music_stop();
void music_release();

// The loaded tune's length in frames, 0 with none.
int music_tune_frames();
// Whether tunes play on the clock instead of the sound device.
bool music_is_silent();
// The clock used without a sound device, in nanoseconds; nullptr puts the steady clock back.
// Takes effect at the next music_open.
void music_use_clock(std::int64_t (*now_nanoseconds)());
