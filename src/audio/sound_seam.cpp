#include "audio/sound_seam.h"

#include <allegro.h>

#include "audio/music_player.h"

namespace {

class device_seam final : public sound_seam {
public:
    void play_sample(const SAMPLE* sample, int volume, int pan, int frequency, int loop) override
    {
        if (sample)
            ::play_sample(sample, volume, pan, frequency, loop);
    }
    void stop_sample(const SAMPLE* sample) override
    {
        if (sample)
            ::stop_sample(sample);
    }
    void rest(unsigned milliseconds) override { ::rest(milliseconds); }
    void yield() override { ::rest(1); }
    void tune_read(const void* tune, int size) override { music_read(tune, size); }
    void tune_start(int position) override { music_start(position); }
    void tune_set_loop(int loop) override { music_set_loop(loop != 0); }
    int tune_stop() override { return music_stop(); }
    void tune_release() override { music_release(); }
};

device_seam device;
sound_seam* current = &device;

}  // namespace

sound_seam& sounds()
{
    return *current;
}

void use_sound_seam(sound_seam* seam)
{
    current = seam ? seam : &device;
}

void play_effect(const SAMPLE* sample, int volume)
{
    sounds().play_sample(sample, volume, 127, 1000, 0);
}
