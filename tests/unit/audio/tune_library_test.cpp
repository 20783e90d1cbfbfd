// Rendering tunes into samples: exactly one pass, the same sound libopenmpt makes, tunes read
// again found by their bytes, and over-long tunes cut short of what Allegro's mixer can seek.
#include <gtest/gtest.h>

#include <allegro.h>

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

#include "audio/tune_library.h"
#include "unit/audio/tiny_module.h"

namespace {

constexpr int RATE = 44100;

// One pass of the module straight from libopenmpt, in Allegro's unsigned form.
std::vector<std::uint16_t> reference_render(const std::vector<unsigned char>& module)
{
    std::ostringstream log;
    openmpt::module m(module.data(), module.size(), log, {{"play.at_end", "stop"}});
    m.ctl_set_integer("dither", 0);
    std::vector<std::uint16_t> frames;
    std::vector<std::int16_t> chunk(2 * 1000);
    while (const std::size_t got = m.read_interleaved_stereo(RATE, 1000, chunk.data()))
        for (std::size_t i = 0; i < 2 * got; ++i)
            frames.push_back(static_cast<std::uint16_t>(chunk[i] ^ 0x8000));
    return frames;
}

TEST(tune_library, renders_exactly_one_pass_of_the_tune_as_libopenmpt_plays_it)
{
    tune_library library(RATE);
    // Longer than the part rendered at once. At 126 BPM a tick is 875 frames at 44100 Hz but
    // no whole number of frames at libopenmpt's own default rate.
    const std::vector<unsigned char> module = make_s3m_test_module(24, 3, 126);
    rendered_tune* tune = library.read(module.data(), module.size());
    ASSERT_NE(tune, nullptr);
    EXPECT_EQ(tune->frames, 24 * 3 * 875);
    library.wait_rendered(*tune, tune->frames);

    const std::vector<std::uint16_t> expected = reference_render(module);
    ASSERT_EQ(static_cast<long>(expected.size()), 2 * tune->frames) << "not one pass exactly";
    EXPECT_EQ(tune->sample->bits, 16);
    EXPECT_TRUE(tune->sample->stereo);
    EXPECT_EQ(tune->sample->freq, RATE);
    EXPECT_EQ(static_cast<long>(tune->sample->len), tune->frames);
    // libopenmpt rounds a little differently for different read sizes: one step at most.
    const auto* data = static_cast<const std::uint16_t*>(tune->sample->data);
    int largest_difference = 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
        largest_difference = std::max(largest_difference, std::abs(data[i] - expected[i]));
    EXPECT_LE(largest_difference, 1);
}

TEST(tune_library, finds_a_tune_read_before_by_its_bytes_wherever_they_lie)
{
    tune_library library(RATE);
    const std::vector<unsigned char> first = make_test_module({1, 16, 2});
    const std::vector<unsigned char> copy = first;
    const std::vector<unsigned char> second = make_test_module({2, 10, 1});

    rendered_tune* tune = library.read(first.data(), first.size());
    ASSERT_NE(library.read(second.data(), second.size()), nullptr);
    EXPECT_EQ(library.read(copy.data(), copy.size()), tune);
    EXPECT_NE(library.read(first.data(), first.size() - 1), tune) << "a different length";
}

TEST(tune_library, renders_nothing_for_bytes_that_hold_no_module)
{
    tune_library library(RATE);
    const std::vector<unsigned char> noise(5000, 0xa5);
    EXPECT_EQ(library.read(noise.data(), noise.size()), nullptr);
    EXPECT_EQ(library.read(noise.data(), 0), nullptr);
}

TEST(tune_library, cuts_a_tune_longer_than_three_minutes_to_three_minutes)
{
    tune_library library(RATE);
    const module_shape long_shape{5, 64, 31};  // about 198 seconds
    ASSERT_GT(frames_of(long_shape), library.longest_tune_frames());
    const std::vector<unsigned char> module = make_test_module(long_shape);
    rendered_tune* tune = library.read(module.data(), module.size());
    ASSERT_NE(tune, nullptr);
    EXPECT_EQ(tune->frames, library.longest_tune_frames());
    EXPECT_LT(tune->frames, 1L << 23);
}

}  // namespace
