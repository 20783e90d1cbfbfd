#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "presentation/playfield.h"
#include "support/fixture_assets.h"
#include "support/recording_seam.h"

namespace {

struct bitmap_deleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using owned_bitmap = std::unique_ptr<BITMAP, bitmap_deleter>;

// A 40 x 40 picture split into two colours, so a flip or a mirror shows.
owned_bitmap two_tone(int first, int second, bool split_left_right)
{
    owned_bitmap b(create_bitmap(40, 40));
    clear_to_color(b.get(), second);
    if (split_left_right)
        rectfill(b.get(), 0, 0, 19, 39, first);
    else
        rectfill(b.get(), 0, 0, 39, 19, first);
    return b;
}

// Puts a test picture in place of one of the catalogue's for the scope, then puts it back.
struct substitute_picture {
    substitute_picture(BITMAP*& handle, owned_bitmap picture)
        : handle(handle), original(handle), replacement(std::move(picture))
    {
        handle = replacement.get();
    }
    ~substitute_picture() { handle = original; }
    substitute_picture(const substitute_picture&) = delete;
    substitute_picture& operator=(const substitute_picture&) = delete;

    BITMAP*& handle;
    BITMAP* original;
    owned_bitmap replacement;
};

int colour_of(BITMAP* picture)
{
    return getpixel(picture, 0, 0);
}

struct playfield : testing::Test {
    fixture_assets fixture;
    asset_catalogue& a = fixture.catalogue;
    std::unique_ptr<tile_map> map = std::make_unique<tile_map>();
    run_state run;
    const int backdrop = makecol(1, 2, 3);

    void SetUp() override { clear_to_color(a.screenbuffer, backdrop); }
    void put(int row, int column, int code) { map->cells[run.level][row][column] = code; }
    int pixel(int x, int y) const { return getpixel(a.screenbuffer, x, y); }
};

TEST_F(playfield, EachTileCodeDrawsItsPictureAtItsCorner)
{
    const substitute_picture spike(a.spike, two_tone(makecol(10, 10, 10), makecol(20, 20, 20), false));
    const substitute_picture side(a.spike_side,
                                  two_tone(makecol(30, 30, 30), makecol(40, 40, 40), true));
    const struct {
        int code;
        int dx, dy;  // where to look, from the tile's screen corner
        int expected;
    } cases[] = {
        {TILE_EMPTY, 20, 20, backdrop},
        {TILE_BLOCK, 20, 20, colour_of(a.block)},
        {TILE_BUSH, 20, 20, colour_of(a.bush)},
        {TILE_FLOWER, 20, 20, backdrop},
        {TILE_HOLE, 20, 20, makecol(0, 0, 0)},
        {TILE_CARROT, -2, -22, colour_of(a.carrot)},
        {TILE_CARROT, -3, -22, backdrop},
        {TILE_CARROT, -2, -23, backdrop},
        {TILE_SPIKE_UP, 20, 5, makecol(10, 10, 10)},
        {TILE_SPIKE_DOWN, 20, 5, makecol(20, 20, 20)},
        {TILE_SPIKE_RIGHT, 5, 20, makecol(30, 30, 30)},
        {TILE_SPIKE_LEFT, 5, 20, makecol(40, 40, 40)},
        {TILE_START, 20, 20, backdrop},
        {TILE_CHECKPOINT, 20, -40, colour_of(a.checkpoint_off)},
        {TILE_CHECKPOINT, 20, -41, backdrop},
        {12, 20, 20, backdrop},
        {-1, 20, 20, backdrop},
    };
    for (const auto& c : cases) {
        clear_to_color(a.screenbuffer, backdrop);
        put(5, 3, c.code);
        draw_tiles(*map, run, 0, a);
        EXPECT_EQ(pixel(120 + c.dx, 200 + c.dy), c.expected)
            << "code " << c.code << " at +" << c.dx << ",+" << c.dy;
    }
}

TEST_F(playfield, BlocksAreCopiedOpaqueAndSpritesMasked)
{
    putpixel(a.block, 5, 5, bitmap_mask_color(a.block));
    putpixel(a.bush, 5, 5, bitmap_mask_color(a.bush));
    put(0, 0, TILE_BLOCK);
    put(0, 1, TILE_BUSH);
    draw_tiles(*map, run, 0, a);
    EXPECT_EQ(pixel(5, 5), bitmap_mask_color(a.block));
    EXPECT_EQ(pixel(45, 5), backdrop);
}

TEST_F(playfield, OnlyTheTopLeftTileOfABiggerBlockPictureIsCopied)
{
    BITMAP* small = a.block;
    owned_bitmap big(create_bitmap(80, 80));
    clear_to_color(big.get(), makecol(99, 99, 99));
    blit(small, big.get(), 0, 0, 0, 0, 40, 40);
    const substitute_picture block(a.block, std::move(big));
    put(2, 2, TILE_BLOCK);
    draw_tiles(*map, run, 0, a);
    EXPECT_EQ(pixel(119, 119), colour_of(small));
    EXPECT_EQ(pixel(120, 100), backdrop);
    EXPECT_EQ(pixel(100, 120), backdrop);
}

TEST_F(playfield, TakenCarrotVanishesAndTouchedPostLightsUp)
{
    put(5, 3, TILE_CARROT);
    put(8, 10, TILE_CHECKPOINT);
    run.carrot_collected = true;
    run.checkpoint = true;
    draw_tiles(*map, run, 0, a);
    EXPECT_EQ(pixel(120, 200), backdrop);
    EXPECT_EQ(pixel(420, 300), colour_of(a.checkpoint_on));
}

TEST_F(playfield, HoleOverhangsOnePixelIntoEmptyNeighboursOnly)
{
    put(5, 3, TILE_HOLE);
    put(9, 3, TILE_HOLE);
    put(9, 4, TILE_BLOCK);
    put(10, 3, TILE_BLOCK);
    draw_tiles(*map, run, 0, a);
    const int black = makecol(0, 0, 0);
    EXPECT_EQ(pixel(160, 210), black);  // the empty tile to the right
    EXPECT_EQ(pixel(130, 240), black);  // the empty tile below
    EXPECT_EQ(pixel(161, 210), backdrop);
    EXPECT_EQ(pixel(130, 241), backdrop);
    EXPECT_EQ(pixel(160, 370), colour_of(a.block));  // a block beside covers it
    EXPECT_EQ(pixel(130, 400), colour_of(a.block));  // and a block below
}

TEST_F(playfield, TilesScrollWithTheCameraAndStayInsideTheMap)
{
    put(4, 45, TILE_BLOCK);
    put(6, 39, TILE_BLOCK);
    put(6, 38, TILE_BUSH);
    draw_tiles(*map, run, -1599, a);
    EXPECT_EQ(pixel(201, 170), colour_of(a.block));   // 45 * 40 - 1599
    EXPECT_EQ(pixel(200, 170), backdrop);
    EXPECT_EQ(pixel(0, 250), colour_of(a.block));     // column 39 shows its last pixel column
    EXPECT_EQ(pixel(1, 250), backdrop);
}

TEST_F(playfield, RowsBelowTheScreenAreNotVisited)
{
    // A carrot is drawn 22 pixels above its tile, so one in row 15 would reach the screen.
    put(15, 3, TILE_CARROT);
    put(14, 5, TILE_CARROT);
    draw_tiles(*map, run, 0, a);
    EXPECT_EQ(pixel(120, 590), backdrop);
    EXPECT_EQ(pixel(200, 560 - 22), colour_of(a.carrot));
}

TEST_F(playfield, FlowersAreDrawnOnlyByTheFlowerPass)
{
    put(5, 12, TILE_BLOCK);
    put(5, 25, TILE_FLOWER);
    draw_flowers(*map, run, -400, a);
    EXPECT_EQ(pixel(25 * 40 - 400 + 20, 220), colour_of(a.flower));
    EXPECT_EQ(pixel(12 * 40 - 400 + 20, 220), backdrop);
}

// The first row holding a pixel of `white`, or -1: where a text's glyphs begin.
int top_lit_row(BITMAP* b, int white)
{
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++)
            if (getpixel(b, x, y) == white)
                return y;
    return -1;
}

TEST_F(playfield, NoticeRisesForSixtyFramesAndIsAnchoredToTheWorld)
{
    const int white = makecol(255, 255, 255);
    textout_ex(a.screenbuffer, a.blockfont, "1-UP!", 0, 0, white, -1);
    const int glyph_top = top_lit_row(a.screenbuffer, white);
    ASSERT_GE(glyph_top, 0);

    attempt_state attempt;
    attempt.notice_text = "1-UP!";
    attempt.notice_x = 900;
    attempt.notice_y = 300;
    attempt.notice_timer = 60;
    const int half = text_length(a.blockfont, "1-UP!") / 2;
    for (int frame = 0; frame < 60; frame++) {
        clear_to_color(a.screenbuffer, backdrop);
        draw_notice(attempt, -500, a);
        EXPECT_EQ(top_lit_row(a.screenbuffer, white), 300 - frame + glyph_top) << "frame " << frame;
        EXPECT_EQ(attempt.notice_timer, 59 - frame);
    }
    // Centred on the world x 900, so at screen x 400 with the camera at -500.
    EXPECT_EQ(getpixel(a.screenbuffer, 400 - half - 1, 241 + glyph_top), backdrop);
    bool lit_inside = false;
    for (int x = 400 - half; x < 400 + half; x++)
        for (int y = 241; y < 249; y++)
            lit_inside = lit_inside || getpixel(a.screenbuffer, x, y) == white;
    EXPECT_TRUE(lit_inside);

    clear_to_color(a.screenbuffer, backdrop);
    draw_notice(attempt, -500, a);
    EXPECT_EQ(top_lit_row(a.screenbuffer, white), -1);
    EXPECT_EQ(attempt.notice_timer, 0);
}

struct pose_case {
    const char* name;
    int v_velocity, jump_height;
    bool down;
    int h_velocity, animtimer, idle_time;
    BITMAP* asset_catalogue::*expected;
};

TEST_F(playfield, PondrelPosePrecedenceAndFacing)
{
    // Each pose picture gets its own left and right colour, so the facing shows too.
    std::vector<std::unique_ptr<substitute_picture>> pictures;
    int shade = 10;
    for (BITMAP* asset_catalogue::*pose :
         {&asset_catalogue::pondrel, &asset_catalogue::pondrel2, &asset_catalogue::pondrel_jump,
          &asset_catalogue::pondrel_duck, &asset_catalogue::pondrel_sleep}) {
        pictures.push_back(std::make_unique<substitute_picture>(
            a.*pose, two_tone(makecol(shade, 0, 0), makecol(0, shade, 0), true)));
        shade += 20;
    }
    const pose_case cases[] = {
        {"standing", 0, 0, false, 0, 0, 0, &asset_catalogue::pondrel},
        {"rising", -5, -10, false, 0, 0, 0, &asset_catalogue::pondrel_jump},
        {"falling", 2, 0, false, 0, 0, 0, &asset_catalogue::pondrel_jump},
        {"at the top of a jump", 0, -30, false, 0, 0, 0, &asset_catalogue::pondrel_jump},
        {"down in the air", 1, 0, true, 2, 0, 0, &asset_catalogue::pondrel_jump},
        {"down while moving", 0, 0, true, 2, 1, 0, &asset_catalogue::pondrel_duck},
        {"down while asleep", 0, 0, true, 0, 0, 900, &asset_catalogue::pondrel_duck},
        {"running, even frame", 0, 0, false, 3, 4, 0, &asset_catalogue::pondrel2},
        {"running, odd frame", 0, 0, false, -1, 5, 0, &asset_catalogue::pondrel},
        {"moving beats sleeping", 0, 0, false, 1, 2, 900, &asset_catalogue::pondrel2},
        {"idle 300", 0, 0, false, 0, 0, 300, &asset_catalogue::pondrel},
        {"idle 301", 0, 0, false, 0, 0, 301, &asset_catalogue::pondrel_duck},
        {"idle 600", 0, 0, false, 0, 0, 600, &asset_catalogue::pondrel_duck},
        {"idle 601", 0, 0, false, 0, 0, 601, &asset_catalogue::pondrel_sleep},
        {"landed after a jump", 0, 40, false, 0, 0, 0, &asset_catalogue::pondrel},
    };
    for (const pose_case& c : cases) {
        for (bool facing_right : {true, false}) {
            attempt_state attempt;
            attempt.pondrel_x = 700;
            attempt.pondrel_y = 200;
            attempt.pondrel_v_velocity = c.v_velocity;
            attempt.jump_height = c.jump_height;
            attempt.pondrel_h_velocity = c.h_velocity;
            attempt.idle_time = c.idle_time;
            attempt.pondrel_dir = facing_right;
            run.animtimer = c.animtimer;
            controls held;
            held.down = c.down;
            clear_to_color(a.screenbuffer, backdrop);
            draw_pondrel(attempt, run, held, -600, 1, a);
            BITMAP* expected = a.*c.expected;
            const int left_half = getpixel(expected, facing_right ? 0 : 39, 0);
            EXPECT_EQ(pixel(100 + 5, 210), left_half)
                << c.name << (facing_right ? ", facing right" : ", facing left");
            EXPECT_EQ(pixel(99, 210), backdrop) << c.name;
        }
    }
}

TEST_F(playfield, SleepingPondrelSnoresEveryThreeSeconds)
{
    recording_seam seam;
    attempt_state attempt;
    attempt.idle_time = 601;
    controls held;
    for (unsigned tick = 0; tick <= 400; tick++)
        draw_pondrel(attempt, run, held, 0, tick, a);
    const std::vector<sound_event> plays = seam.of("play");
    ASSERT_EQ(plays.size(), 3u);
    for (const sound_event& e : plays) {
        EXPECT_EQ(e.subject, a.snoresound);
        EXPECT_EQ(e.value, 50);
    }
}

TEST_F(playfield, OnlyTheSleepingPoseSnores)
{
    recording_seam seam;
    controls held;
    attempt_state drowsy;
    drowsy.idle_time = 600;
    attempt_state moving;
    moving.idle_time = 900;
    moving.pondrel_h_velocity = 1;
    attempt_state ducking;
    ducking.idle_time = 900;
    controls down;
    down.down = true;
    draw_pondrel(drowsy, run, held, 0, 360, a);
    draw_pondrel(moving, run, held, 0, 360, a);
    draw_pondrel(ducking, run, down, 0, 360, a);
    EXPECT_TRUE(seam.of("play").empty());
}

}  // namespace
