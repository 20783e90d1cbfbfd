// The engine behind the music player: a tracker module rendered with libopenmpt into a sample,
// played on one voice; without a sound device it keeps its position by a steady clock.
#pragma once

bool music_open(int channels, int samples_per_second);
void music_close();
void music_set_volume(float volume);
void music_read(const void* tune, int size);
void music_start(int position);
void music_set_loop(bool loop);
int music_stop();
void music_release();
