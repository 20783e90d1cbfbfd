// The music player on a real voice: Allegro's ALSA output goes to a capture file (unsigned
// 16-bit stereo at 44100 Hz, silence 0x8000) through a null device that is not clocked, so
// the mixer runs ahead of the wall clock and the checks compare content, not timing.
// Needs a display for the timer: run under xvfb-run -a.
#include <allegro.h>
#include <gtest/gtest.h>

#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "audio/music_player.h"
#include "unit/audio/tiny_module.h"

namespace {

std::string capture_path;

std::vector<std::int16_t> reference_render(const std::vector<unsigned char>& module)
{
    std::ostringstream log;
    openmpt::module m(module.data(), module.size(), log, {{"play.at_end", "stop"}});
    m.ctl_set_integer("dither", 0);
    std::vector<std::int16_t> values, chunk(2000);
    while (const std::size_t got = m.read_interleaved_stereo(44100, 1000, chunk.data()))
        values.insert(values.end(), chunk.begin(), chunk.begin() + 2 * got);
    return values;
}

std::vector<std::uint16_t> captured_values()
{
    std::ifstream in(capture_path, std::ios::binary | std::ios::ate);
    std::vector<std::uint16_t> values(static_cast<std::size_t>(in.tellg()) / 4 * 2);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(values.data()), static_cast<std::streamsize>(values.size() * 2));
    return values;
}

double correlation(const std::vector<std::int16_t>& expected, const std::vector<std::uint16_t>& heard,
                   std::size_t from)
{
    double both = 0, expected_power = 0, heard_power = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double x = expected[i];
        const double y = static_cast<int>(heard[from + i]) - 0x8000;
        both += x * y;
        expected_power += x * x;
        heard_power += y * y;
    }
    return both / std::sqrt(expected_power * heard_power);
}

const module_shape shape{1, 16, 2};  // 28224 frames

class device_playback : public testing::Test {
protected:
    void SetUp() override
    {
        music_open(2, 44100);
        music_set_volume(1.0f);
        ASSERT_FALSE(music_is_silent()) << "no sound device: is the ALSA capture configured?";
    }
    void TearDown() override { music_close(); }

    std::vector<unsigned char> tune = make_test_module(shape);
    void read() { music_read(tune.data(), static_cast<int>(tune.size())); }
};

// First in this file: the first sound of the capture is this tune's.
TEST_F(device_playback, a_repeating_tune_plays_its_rendered_pass_again_and_again_without_a_seam)
{
    read();
    music_start(0);
    music_set_loop(true);
    rest(1500);  // several passes, the mixer being ahead of the clock
    music_stop();

    const std::vector<std::int16_t> pass = reference_render(tune);
    const std::vector<std::uint16_t> heard = captured_values();
    std::size_t first_heard = 0, first_played = 0;
    while (first_heard < heard.size() && heard[first_heard] == 0x8000)
        ++first_heard;
    while (first_played < pass.size() && pass[first_played] == 0)
        ++first_played;
    ASSERT_GE(first_heard, first_played);
    const std::size_t start = (first_heard - first_played) / 2 * 2;
    ASSERT_GE(heard.size(), start + 3 * pass.size()) << "fewer than three passes captured";
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(correlation(pass, heard, start + i * pass.size()), 0.999) << "pass " << i;
}

TEST_F(device_playback, stop_and_start_at_the_position_reached_resume_from_that_frame)
{
    const module_shape long_shape{4, 64, 6};  // half a minute: no wrap during the test
    const std::vector<unsigned char> long_tune = make_test_module(long_shape);
    music_read(long_tune.data(), static_cast<int>(long_tune.size()));
    music_start(0);
    music_set_loop(true);
    rest(200);
    const int reached = music_stop();
    EXPECT_GT(reached, 0);
    EXPECT_EQ(music_stop(), reached) << "stopping twice";
    music_read(long_tune.data(), static_cast<int>(long_tune.size()));  // as after the pause
    music_start(reached);
    const int resumed = music_stop();
    // The mixer, ahead of the clock, may have mixed a little between the two calls.
    EXPECT_GE(resumed, reached);
    EXPECT_LT(resumed, reached + 44100);
}

TEST_F(device_playback, a_tune_played_once_ends_at_its_length_and_stays_there)
{
    read();
    music_start(0);
    music_set_loop(false);
    rest(1500);
    EXPECT_EQ(music_stop(), frames_of(shape));
    EXPECT_EQ(music_stop(), frames_of(shape));
    music_start(static_cast<int>(frames_of(shape)));
    EXPECT_EQ(music_stop(), frames_of(shape));
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    char folder[] = "/tmp/quindle-music-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    capture_path = std::string(folder) + "/capture.raw";
    const std::string config = std::string(folder) + "/asound.conf";
    std::ofstream(config) << "pcm.!default { type file; slave.pcm \"null\"; file \"" << capture_path
                          << "\"; format \"raw\" }\n";
    setenv("ALSA_CONFIG_PATH", ("/usr/share/alsa/alsa.conf:" + config).c_str(), 1);
    if (allegro_init() != 0) {
        std::fprintf(stderr, "no display: run under xvfb-run -a\n");
        return 1;
    }
    install_timer();
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    set_volume(200, 255);
    const int result = RUN_ALL_TESTS();
    remove_sound();
    std::remove(capture_path.c_str());
    std::remove(config.c_str());
    rmdir(folder);
    return result;
}
END_OF_MAIN()
