// The game passes a byte count that may be larger than the tune object. Built a second time
// with AddressSanitizer, where reading one byte past the object fails the run.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "audio/music_player.h"
#include "unit/audio/music_test_clock.h"
#include "unit/audio/tiny_module.h"

namespace {

TEST(music_player_oversized_count, reads_no_further_than_the_noted_size_of_the_tune)
{
    music_test_clock clock;
    const module_shape shape{1, 16, 2};
    const std::vector<unsigned char> module = make_test_module(shape);
    // The object ends exactly where its heap block does.
    const auto object = std::make_unique<unsigned char[]>(module.size());
    std::memcpy(object.get(), module.data(), module.size());

    music_note_tune_size(object.get(), static_cast<int>(module.size()));
    music_read(object.get(), 75000);
    EXPECT_EQ(music_tune_frames(), frames_of(shape));
    music_start(0);
    clock.advance_hundredths(10);
    EXPECT_EQ(music_stop(), 4410);

    music_read(object.get(), 10000);  // read again with the other count the game uses
    music_start(4410);
    clock.advance_hundredths(10);
    EXPECT_EQ(music_stop(), 8820) << "the same tune, resumed";
}

}  // namespace
