// Test tool: tells which of the pondrel's pictures a screenshot shows, and where.
//   sprite_finder quindle.dat screenshot.bmp
// prints one line per picture found, "NAME X Y right|left", matching every opaque pixel of
// the picture exactly (the mask colour is skipped), facing right as stored or mirrored.
#include <allegro.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "quindle.h"

namespace {

struct pose {
    const char* name;
    int index;
};

const pose poses[] = {
    {"PONDREL_RIGHT", PONDREL_RIGHT}, {"PONDREL_RIGHT2", PONDREL_RIGHT2},
    {"PONDREL_JUMP", PONDREL_JUMP},   {"PONDREL_DUCK", PONDREL_DUCK},
    {"PONDREL_SLEEP", PONDREL_SLEEP},
};

constexpr uint32_t COMPARED_BITS = 0xFCFCFC;

struct opaque_pixel {
    int x, y, colour;
};

// The picture's opaque pixels, facing right as stored or mirrored.
std::vector<opaque_pixel> opaque_pixels(BITMAP* sprite, bool mirrored)
{
    const int mask = bitmap_mask_color(sprite);
    std::vector<opaque_pixel> pixels;
    for (int y = 0; y < sprite->h; y++)
        for (int x = 0; x < sprite->w; x++) {
            const int colour = getpixel(sprite, x, y);
            if (colour != mask)
                pixels.push_back({mirrored ? sprite->w - 1 - x : x, y, static_cast<int>(colour & COMPARED_BITS)});
        }
    return pixels;
}

bool matches_at(BITMAP* shot, const std::vector<opaque_pixel>& pixels, int x, int y)
{
    for (const opaque_pixel& p : pixels)
        if ((reinterpret_cast<const uint32_t*>(shot->line[y + p.y])[x + p.x] & COMPARED_BITS) !=
            static_cast<uint32_t>(p.colour))
            return false;
    return !pixels.empty();
}

void report_matches(BITMAP* shot, const pose& p, BITMAP* sprite)
{
    for (bool mirrored : {false, true}) {
        const std::vector<opaque_pixel> pixels = opaque_pixels(sprite, mirrored);
        for (int y = 0; y <= shot->h - sprite->h; y++)
            for (int x = 0; x <= shot->w - sprite->w; x++)
                if (matches_at(shot, pixels, x, y)) {
                    std::printf("%s %d %d %s\n", p.name, x, y, mirrored ? "left" : "right");
                    return;
                }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: sprite_finder quindle.dat screenshot.bmp\n");
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    set_color_conversion(COLORCONV_TOTAL);
    DATAFILE* data = load_datafile(argv[1]);
    BITMAP* shot = load_bitmap(argv[2], nullptr);
    if (!data || !shot) {
        std::fprintf(stderr, "sprite_finder: cannot read %s\n", data ? argv[2] : argv[1]);
        return 2;
    }
    for (const pose& p : poses)
        report_matches(shot, p, static_cast<BITMAP*>(data[p.index].dat));
    return 0;
}
