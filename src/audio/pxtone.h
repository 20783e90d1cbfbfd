// The game's music player: tunes read from memory, played from a position once or repeating,
// stopped with the position returned, and resumed from it. Tunes are tracker modules rendered
// by libopenmpt and played on one voice of the library's sound output.
#pragma once

// The window handle has no meaning on this platform; channels, rate and bits pick the output.
int pxtone_Ready(void* window, int channels, int samples_per_second, int bits, float buffer_seconds,
                 int direct, void* callback);
int pxtone_Tune_SetVolume(float volume);
// `size` may be larger than the tune: the player never reads past the module's own length.
int pxtone_Tune_Read(const void* tune, int size);
int pxtone_Tune_Start(int position, int fade_in);
int pxtone_Tune_SetLoop(int loop);
int pxtone_Tune_Stop();
int pxtone_Tune_Release();
int pxtone_Release();
