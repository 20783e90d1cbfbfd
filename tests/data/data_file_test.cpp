// Checks the built quindle.dat against what the game binds and draws: every object at its
// index with its name and kind, the pictures' sizes, the tunes' sizes and the font.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "quindle.h"
#include "shell/assets.h"

namespace {

struct catalogue_entry {
    int index;
    int header_value;
    const char* name;
    int type;
};

// The data file's objects in the order of their names, as the game binds them.
const catalogue_entry catalogue[] = {
    {0, BACKDASH, "BACKDASH", DAT_SAMPLE},
    {1, BLIP, "BLIP", DAT_SAMPLE},
    {2, BLOCK, "BLOCK", DAT_BITMAP},
    {3, BLOCKFONT, "BLOCKFONT", DAT_FONT},
    {4, BUMP, "BUMP", DAT_SAMPLE},
    {5, BUSH, "BUSH", DAT_BITMAP},
    {6, CARROT, "CARROT", DAT_BITMAP},
    {7, CHECKPOINT, "CHECKPOINT", DAT_SAMPLE},
    {8, CHECKPOINT_OFF, "CHECKPOINT_OFF", DAT_BITMAP},
    {9, CHECKPOINT_ON, "CHECKPOINT_ON", DAT_BITMAP},
    {10, CLOUD, "CLOUD", DAT_BITMAP},
    {11, DEATH, "DEATH", DAT_SAMPLE},
    {12, FLOWER, "FLOWER", DAT_BITMAP},
    {13, JUMP, "JUMP", DAT_SAMPLE},
    {14, LAND, "LAND", DAT_SAMPLE},
    {15, LIGHTNING, "LIGHTNING", DAT_SAMPLE},
    {16, MOON, "MOON", DAT_BITMAP},
    {17, MUS_CREDITS, "MUS_CREDITS", DAT_DATA},
    {18, MUS_GAMEOVER, "MUS_GAMEOVER", DAT_DATA},
    {19, MUS_PAUSE, "MUS_PAUSE", DAT_DATA},
    {20, MUS_STAGE1, "MUS_STAGE1", DAT_DATA},
    {21, MUS_STAGE2, "MUS_STAGE2", DAT_DATA},
    {22, MUS_STAGE3, "MUS_STAGE3", DAT_DATA},
    {23, MUS_STAGE4, "MUS_STAGE4", DAT_DATA},
    {24, MUS_STAGE5, "MUS_STAGE5", DAT_DATA},
    {25, MUS_TITLE, "MUS_TITLE", DAT_DATA},
    {26, ONEUP, "ONEUP", DAT_SAMPLE},
    {27, POKE, "POKE", DAT_SAMPLE},
    {28, PONDREL_DUCK, "PONDREL_DUCK", DAT_BITMAP},
    {29, PONDREL_JUMP, "PONDREL_JUMP", DAT_BITMAP},
    {30, PONDREL_RIGHT, "PONDREL_RIGHT", DAT_BITMAP},
    {31, PONDREL_RIGHT2, "PONDREL_RIGHT2", DAT_BITMAP},
    {32, PONDREL_SLEEP, "PONDREL_SLEEP", DAT_BITMAP},
    {33, SNORE, "SNORE", DAT_SAMPLE},
    {34, SPIKE, "SPIKE", DAT_BITMAP},
    {35, SPIKE_SIDE, "SPIKE_SIDE", DAT_BITMAP},
    {36, SUN, "SUN", DAT_BITMAP},
    {37, TAP, "TAP", DAT_SAMPLE},
    {38, TITLE, "TITLE", DAT_BITMAP},
    {39, WIN, "WIN", DAT_SAMPLE},
};
constexpr int OBJECT_COUNT = 40;

// Every character the game writes: cards, notices, pause box and credits.
const char GAME_CHARACTERS[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!-:%().,'/ ";

class data_file : public testing::Test {
protected:
    static void SetUpTestSuite() { data = load_datafile(QUINDLE_DATA_FILE); }
    static void TearDownTestSuite()
    {
        if (data)
            unload_datafile(data);
        data = nullptr;
    }
    void SetUp() override { ASSERT_NE(data, nullptr) << "cannot load " QUINDLE_DATA_FILE; }

    static BITMAP* picture(int index) { return static_cast<BITMAP*>(data[index].dat); }

    static DATAFILE* data;
};
DATAFILE* data_file::data = nullptr;

int object_count(const DATAFILE* d)
{
    int count = 0;
    while (d[count].type != DAT_END)
        count++;
    return count;
}

bool column_is_transparent(BITMAP* bmp, int x)
{
    for (int y = 0; y < bmp->h; y++)
        if (getpixel(bmp, x, y) != bitmap_mask_color(bmp))
            return false;
    return true;
}

bool row_has_ink(BITMAP* bmp, int y)
{
    for (int x = 0; x < bmp->w; x++)
        if (getpixel(bmp, x, y) != bitmap_mask_color(bmp))
            return true;
    return false;
}

int mask_pixels(BITMAP* bmp)
{
    int count = 0;
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++)
            count += getpixel(bmp, x, y) == bitmap_mask_color(bmp);
    return count;
}

TEST_F(data_file, holds_every_object_at_its_index_with_its_name_and_kind)
{
    ASSERT_EQ(object_count(data), OBJECT_COUNT);
    for (const catalogue_entry& entry : catalogue) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.header_value, entry.index);
        EXPECT_STREQ(get_datafile_property(&data[entry.index], DAT_NAME), entry.name);
        EXPECT_EQ(data[entry.index].type, entry.type);
        EXPECT_NE(data[entry.index].dat, nullptr);
    }
}

TEST_F(data_file, binds_every_handle_of_the_game)
{
    asset_catalogue a;
    std::string why;
    ASSERT_TRUE(load_assets(a, QUINDLE_DATA_FILE, why)) << why;
    const void* handles[] = {
        a.title, a.pondrel, a.pondrel2, a.pondrel_jump, a.pondrel_duck, a.pondrel_sleep,
        a.block, a.cloud, a.sun, a.moon, a.bush, a.flower, a.carrot, a.spike, a.spike_side,
        a.checkpoint_off, a.checkpoint_on, a.leveltune[0], a.leveltune[1], a.leveltune[2],
        a.leveltune[3], a.leveltune[4], a.titletune, a.creditstune, a.pausetune,
        a.gameovertune, a.blockfont, a.screenbuffer, a.textbuffer, a.jumpsound, a.bumpsound,
        a.landsound, a.deathsound, a.winsound, a.blipsound, a.oneupsound, a.lightningsound,
        a.checkpointsound, a.snoresound, a.pokesound, a.backdashsound,
    };
    for (const void* handle : handles)
        EXPECT_NE(handle, nullptr);
    EXPECT_EQ(a.pondrel, a.gamedata[PONDREL_RIGHT].dat);
    EXPECT_EQ(a.leveltune[4], a.gamedata[MUS_STAGE5].dat);
    release_assets(a);
}

TEST_F(data_file, pictures_have_the_sizes_the_game_places_them_by)
{
    struct expected_size {
        int index, w, h;
    };
    const expected_size sizes[] = {
        {PONDREL_RIGHT, 44, 48}, {PONDREL_RIGHT2, 44, 48}, {PONDREL_JUMP, 44, 48},
        {PONDREL_DUCK, 44, 48},  {PONDREL_SLEEP, 44, 48},  {BLOCK, 40, 40},
        {SPIKE, 40, 40},         {SPIKE_SIDE, 40, 40},     {BUSH, 40, 40},
        {FLOWER, 40, 40},        {CARROT, 44, 62},         {CHECKPOINT_OFF, 40, 80},
        {CHECKPOINT_ON, 40, 80},
    };
    for (const expected_size& s : sizes) {
        SCOPED_TRACE(get_datafile_property(&data[s.index], DAT_NAME));
        EXPECT_EQ(picture(s.index)->w, s.w);
        EXPECT_EQ(picture(s.index)->h, s.h);
        EXPECT_EQ(bitmap_color_depth(picture(s.index)), 32);
    }
    // Drawn at y = 100 on the title screen, above the text from y = 470.
    EXPECT_LE(picture(TITLE)->w, 800);
    EXPECT_LE(picture(TITLE)->h, 370);
}

TEST_F(data_file, standing_pondrel_stands_on_its_bottom_row_with_clear_sides)
{
    BITMAP* standing = picture(PONDREL_RIGHT);
    EXPECT_TRUE(row_has_ink(standing, standing->h - 1));
    for (int margin = 0; margin < 3; margin++) {
        EXPECT_TRUE(column_is_transparent(standing, margin)) << "column " << margin;
        EXPECT_TRUE(column_is_transparent(standing, standing->w - 1 - margin))
            << "column " << standing->w - 1 - margin;
    }
}

TEST_F(data_file, block_is_opaque_and_sprites_have_transparency)
{
    EXPECT_EQ(mask_pixels(picture(BLOCK)), 0);
    for (int index : {BUSH, CARROT, CHECKPOINT_OFF, CHECKPOINT_ON, CLOUD, FLOWER, MOON,
                      PONDREL_DUCK, PONDREL_JUMP, PONDREL_RIGHT, PONDREL_RIGHT2,
                      PONDREL_SLEEP, SPIKE, SPIKE_SIDE, SUN, TITLE}) {
        SCOPED_TRACE(get_datafile_property(&data[index], DAT_NAME));
        EXPECT_GT(mask_pixels(picture(index)), 0);
    }
}

TEST_F(data_file, tunes_fit_the_byte_counts_handed_to_the_music_player)
{
    struct tune_limit {
        int index;
        long bytes;
    };
    const tune_limit limits[] = {
        {MUS_TITLE, 10000},  {MUS_PAUSE, 10000},  {MUS_GAMEOVER, 10000},
        {MUS_CREDITS, 10000}, {MUS_STAGE1, 75000}, {MUS_STAGE2, 75000},
        {MUS_STAGE3, 75000}, {MUS_STAGE4, 75000}, {MUS_STAGE5, 75000},
    };
    for (const tune_limit& tune : limits) {
        SCOPED_TRACE(get_datafile_property(&data[tune.index], DAT_NAME));
        EXPECT_GT(data[tune.index].size, 0);
        EXPECT_LE(data[tune.index].size, tune.bytes);
    }
}

TEST_F(data_file, font_writes_every_character_of_the_game_in_the_colour_asked_for)
{
    FONT* font = static_cast<FONT*>(data[BLOCKFONT].dat);
    const int white = makecol(255, 255, 255);
    const int backdrop = makecol(100, 100, 100);
    BITMAP* canvas = create_bitmap(64, 64);
    ASSERT_NE(canvas, nullptr);
    EXPECT_GE(text_height(font), 16);
    EXPECT_LE(text_height(font), 24);
    for (const char* c = GAME_CHARACTERS; *c; c++) {
        const char text[2] = {*c, '\0'};
        SCOPED_TRACE(std::string("character '") + text + "'");
        EXPECT_GT(text_length(font, text), 0);
        clear_to_color(canvas, backdrop);
        textout_ex(canvas, font, text, 0, 0, white, -1);
        int inked = 0, stray = 0;
        for (int y = 0; y < canvas->h; y++)
            for (int x = 0; x < canvas->w; x++) {
                const int pixel = getpixel(canvas, x, y);
                inked += pixel == white;
                stray += pixel != white && pixel != backdrop;
            }
        EXPECT_EQ(stray, 0);
        if (*c != ' ') {
            EXPECT_GT(inked, 0);
        }
    }
    destroy_bitmap(canvas);
}

}  // namespace
