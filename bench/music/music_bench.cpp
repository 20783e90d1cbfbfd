// Measures the music player on a level-length tune: the file named on the command line, or a
// generated 61-second module. Run it under a display with sound (scripts/measure-music.sh)
// for the voice and the mixer; without one it measures the silent player.
#include <allegro.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "audio/music_player.h"
#include "audio/tune_library.h"
#include "unit/audio/tiny_module.h"

namespace {

using bytes = std::vector<unsigned char>;
using wall_clock = std::chrono::steady_clock;

double milliseconds_since(wall_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(wall_clock::now() - start).count();
}

double process_cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long resident_kilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

bytes load_file(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Variations on the level tune, so that every read in a series misses the kept tunes.
std::vector<bytes> level_tunes(const char* path)
{
    std::vector<bytes> tunes;
    for (int i = 0; i < 3; ++i) {
        bytes tune = path ? load_file(path) : make_test_module({8, 64, 6});
        tune.push_back(static_cast<unsigned char>(i));  // trailing byte: a different key
        tunes.push_back(tune);
    }
    return tunes;
}

void wait_milliseconds(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool start_allegro_with_sound()
{
    if (allegro_init() != 0) {
        install_allegro(SYSTEM_NONE, &errno, atexit);
        return false;
    }
    install_timer();
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    set_volume(200, 255);
    return true;
}

// The first tune read sets libopenmpt up: a one-off cost, measured on a short tune.
void measure_first_read()
{
    const bytes first = make_test_module({1, 16, 2});
    const auto start = wall_clock::now();
    music_read(first.data(), static_cast<int>(first.size()));
    std::printf("first read of the program (library set-up): %.2f ms\n", milliseconds_since(start));
    music_release();
}

void measure_read_and_start(const std::vector<bytes>& tunes)
{
    std::vector<double> new_tune, kept_tune;
    for (int round = 0; round < 12; ++round) {
        const bytes& tune = tunes[round % tunes.size()];
        const auto start = wall_clock::now();
        music_read(tune.data(), static_cast<int>(tune.size()));
        music_start(0);
        music_set_loop(true);
        new_tune.push_back(milliseconds_since(start));
        wait_milliseconds(300);
        const int position = music_stop();
        const auto again = wall_clock::now();
        music_read(tune.data(), static_cast<int>(tune.size()));  // the death's restart, the pause's end
        music_start(position);
        kept_tune.push_back(milliseconds_since(again));
        wait_milliseconds(100);
        music_stop();
    }
    std::printf("read + start, a tune not read before: median %.3f ms, worst %.3f ms (%zu runs)\n",
                median(new_tune), *std::max_element(new_tune.begin(), new_tune.end()),
                new_tune.size());
    std::printf("read + start, a tune read again at its position: median %.3f ms, worst %.3f ms\n",
                median(kept_tune), *std::max_element(kept_tune.begin(), kept_tune.end()));
}

void measure_rendering(const bytes& tune)
{
    const long resident_before = resident_kilobytes();
    const double cpu_before = process_cpu_seconds();
    const auto start = wall_clock::now();
    tune_library library(44100);
    rendered_tune* rendered = library.read(tune.data(), tune.size());
    if (!rendered) {
        std::printf("the tune is no module libopenmpt plays\n");
        return;
    }
    library.wait_rendered(*rendered, rendered->frames);
    const double wall_ms = milliseconds_since(start);
    const double cpu_ms = (process_cpu_seconds() - cpu_before) * 1000;
    const double minutes = rendered->frames / 44100.0 / 60;
    std::printf("tune: %.1f s, %zu bytes of module\n", minutes * 60, tune.size());
    std::printf("rendering the whole tune: %.1f ms wall, %.1f ms CPU = %.2f%% of a core over one pass\n",
                wall_ms, cpu_ms, cpu_ms / (minutes * 60000) * 100);
    std::printf("memory: %.2f MB of sample per minute of tune; resident grew %.2f MB per minute\n",
                rendered->frames * 4.0 / 1e6 / minutes,
                (resident_kilobytes() - resident_before) / 1000.0 / minutes);
}

// CPU of the whole process while it only waits, with and without the tune playing: the
// difference is the mixer's work on the tune.
void measure_mixing(const bytes& tune)
{
    constexpr int SECONDS = 5;
    music_read(tune.data(), static_cast<int>(tune.size()));
    music_start(0);
    music_set_loop(true);
    wait_milliseconds(1000);  // the rendering is over
    double cpu_before = process_cpu_seconds();
    wait_milliseconds(SECONDS * 1000);
    const double playing = (process_cpu_seconds() - cpu_before) / SECONDS * 100;
    music_stop();
    cpu_before = process_cpu_seconds();
    wait_milliseconds(SECONDS * 1000);
    const double quiet = (process_cpu_seconds() - cpu_before) / SECONDS * 100;
    std::printf("process CPU while the tune plays: %.2f%% of a core; stopped: %.2f%%\n", playing,
                quiet);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : nullptr;
    const bool device = start_allegro_with_sound();
    music_open(2, 44100);
    music_set_volume(1.0f);
    std::printf("sound: %s\n", music_is_silent() ? "none, the player keeps time by the clock"
                                                  : digi_driver->name);
    const std::vector<bytes> tunes = level_tunes(path);
    if (tunes[0].size() <= 1) {
        std::printf("cannot read %s\n", path);
        return 1;
    }
    measure_first_read();
    measure_rendering(tunes[0]);  // before any tune is freed, so the growth is not hidden
    measure_read_and_start(tunes);
    if (device)
        measure_mixing(tunes[1]);
    music_release();
    music_close();
    return 0;
}
END_OF_MAIN()
