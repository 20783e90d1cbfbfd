#include "audio/music_player.h"

bool music_open(int, int) { return false; }
void music_close() {}
void music_set_volume(float) {}
void music_read(const void*, int) {}
void music_start(int) {}
void music_set_loop(bool) {}
int music_stop() { return 0; }
void music_release() {}
