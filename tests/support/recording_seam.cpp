#include "support/recording_seam.h"

#include "shell/state.h"

recording_seam::recording_seam()
{
    use_sound_seam(this);
}

recording_seam::~recording_seam()
{
    use_sound_seam(nullptr);
}

void recording_seam::play_sample(const SAMPLE* sample, int volume, int, int, int)
{
    events.push_back({"play", sample, volume, timer.load()});
}

void recording_seam::stop_sample(const SAMPLE* sample)
{
    events.push_back({"stop", sample, 0, timer.load()});
}

void recording_seam::rest(unsigned milliseconds)
{
    events.push_back({"rest", nullptr, static_cast<int>(milliseconds), timer.load()});
    timer += milliseconds * 60 / 1000;
}

void recording_seam::yield()
{
    timer++;
}

void recording_seam::tune_read(const void* tune, int size)
{
    events.push_back({"read", tune, size, timer.load()});
}

void recording_seam::tune_start(int position)
{
    events.push_back({"start", nullptr, position, timer.load()});
}

void recording_seam::tune_set_loop(int loop)
{
    events.push_back({"loop", nullptr, loop, timer.load()});
}

int recording_seam::tune_stop()
{
    events.push_back({"tune_stop", nullptr, 0, timer.load()});
    return 0;
}

void recording_seam::tune_release()
{
    events.push_back({"release", nullptr, 0, timer.load()});
}

int recording_seam::plays(const void* sample) const
{
    int count = 0;
    for (const sound_event& e : events)
        if (e.what == "play" && e.subject == sample)
            count++;
    return count;
}

std::vector<sound_event> recording_seam::of(const std::string& what) const
{
    std::vector<sound_event> found;
    for (const sound_event& e : events)
        if (e.what == what)
            found.push_back(e);
    return found;
}
