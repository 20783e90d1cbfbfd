// One whole frame of each level at its start, composed by the game's own frame step and
// compared with a stored hash of its pixels. The test pictures are flat colours, so the hash
// only moves when what is drawn, or where, changes. Each frame is also written as a BMP into
// the build folder for a person to look at; after a deliberate change, copy the printed hash.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "main/frame.h"
#include "main/loops.h"
#include "support/fixture_assets.h"
#include "support/recording_seam.h"

namespace {

std::uint64_t pixel_hash(BITMAP* b)
{
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++) {
            const int c = getpixel(b, x, y);
            for (int channel : {getr(c), getg(c), getb(c)}) {
                hash ^= static_cast<std::uint64_t>(channel);
                hash *= 1099511628211ull;
            }
        }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
    return text;
}

constexpr std::uint64_t stored_hashes[LEVEL_COUNT] = {
    0xb7aeddd5cb136bd3ull,
    0x8ea149e7d4dd1e23ull,
    0x04979ba2f745a143ull,
    0x5f56f1310c355033ull,
    0xb2d60703c444dae3ull,
};

TEST(ReferenceFrame, EachLevelAtItsStartMatchesTheStoredPicture)
{
    recording_seam seam;
    fixture_assets fixture;
    BITMAP* display = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
    for (int level = 0; level < LEVEL_COUNT; level++) {
        auto g = std::make_unique<game>();
        g->assets = fixture.catalogue;
        g->display = display;
        load_layouts(g->map);
        g->run.level = level;
        // The rain's phase and the lightning's count come from the clock and rand().
        timer = 6000;
        srand(1);
        start_attempt(*g);
        run_frame(*g);

        const std::string picture = std::string(QUINDLE_BUILD_DIR) + "/reference_frame_level" +
                                    std::to_string(level + 1) + ".bmp";
        save_bitmap(picture.c_str(), display, nullptr);
        const std::uint64_t hash = pixel_hash(display);
        EXPECT_EQ(hash, stored_hashes[level])
            << "level " << level + 1 << " now hashes to " << hex(hash) << "; the frame is in "
            << picture;
    }
    destroy_bitmap(display);
}

}  // namespace
