#include "audio/pxtone.h"

#include "audio/music_player.h"
#include "audio/sound_seam.h"

int pxtone_Ready(void*, int channels, int samples_per_second, int, float, int, void*)
{
    return music_open(channels, samples_per_second) ? 1 : 0;
}

int pxtone_Tune_SetVolume(float volume)
{
    music_set_volume(volume);
    return 1;
}

int pxtone_Tune_Read(const void* tune, int size)
{
    sounds().tune_read(tune, size);
    return 1;
}

int pxtone_Tune_Start(int position, int)
{
    sounds().tune_start(position);
    return 1;
}

int pxtone_Tune_SetLoop(int loop)
{
    sounds().tune_set_loop(loop);
    return 1;
}

int pxtone_Tune_Stop()
{
    return sounds().tune_stop();
}

int pxtone_Tune_Release()
{
    sounds().tune_release();
    return 1;
}

int pxtone_Release()
{
    music_close();
    return 1;
}
