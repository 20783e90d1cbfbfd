#include "presentation/playfield.h"

#include <allegro.h>

#include "audio/sound_seam.h"
#include "presentation/camera.h"

namespace {

// Rows below the screen's 600 pixels are never drawn.
constexpr int VISIBLE_ROWS = SCREENHEIGHT / TILE_SIZE;
constexpr int NOTICE_FRAMES = 60;
constexpr unsigned SNORE_PERIOD = 180;
constexpr int SNORE_VOLUME = 50;
constexpr int DROWSY_AFTER = 300;
constexpr int ASLEEP_AFTER = 600;

// Calls draw(code, x, y) for every tile in view, rows top to bottom, columns left to right,
// with (x, y) the tile's top-left corner on the screen.
template <typename Draw>
void visit_visible_tiles(const tile_map& map, int level, int screenscroll_h, Draw draw)
{
    const int first = first_visible_column(screenscroll_h);
    const int last = last_visible_column(screenscroll_h);
    for (int row = 0; row < VISIBLE_ROWS; row++)
        for (int column = first; column <= last; column++)
            draw(tile_at(map, level, row, column), column * TILE_SIZE + screenscroll_h,
                 row * TILE_SIZE);
}

void draw_tile(int code, int x, int y, const run_state& run, const asset_catalogue& assets)
{
    BITMAP* out = assets.screenbuffer;
    switch (code) {
    case TILE_BLOCK:
        // Blocks fill most of a level and have no see-through pixels: copy them opaque.
        blit(assets.block, out, 0, 0, x, y, TILE_SIZE, TILE_SIZE);
        break;
    case TILE_BUSH:
        draw_sprite(out, assets.bush, x, y);
        break;
    case TILE_HOLE:
        // Both corners inclusive: one pixel wider and taller than the tile.
        rectfill(out, x, y, x + TILE_SIZE, y + TILE_SIZE, makecol(0, 0, 0));
        break;
    case TILE_CARROT:
        if (!run.carrot_collected)
            draw_sprite(out, assets.carrot, x - 2, y - 22);
        break;
    case TILE_SPIKE_UP:
        draw_sprite(out, assets.spike, x, y);
        break;
    case TILE_SPIKE_DOWN:
        draw_sprite_v_flip(out, assets.spike, x, y);
        break;
    case TILE_SPIKE_RIGHT:
        draw_sprite(out, assets.spike_side, x, y);
        break;
    case TILE_SPIKE_LEFT:
        draw_sprite_h_flip(out, assets.spike_side, x, y);
        break;
    case TILE_CHECKPOINT:
        // The post stands on its tile, so its picture starts one tile higher.
        draw_sprite(out, run.checkpoint ? assets.checkpoint_on : assets.checkpoint_off, x,
                    y - TILE_SIZE);
        break;
    default:
        break;
    }
}

// The first pose that applies: in the air, ducking, running, asleep, drowsy, standing.
BITMAP* pondrel_picture(const attempt_state& attempt, const run_state& run, const controls& held,
                        const asset_catalogue& assets)
{
    if (attempt.pondrel_v_velocity != 0 || attempt.jump_height < 0)
        return assets.pondrel_jump;
    if (held.down)
        return assets.pondrel_duck;
    if (attempt.pondrel_h_velocity != 0)
        return run.animtimer % 2 == 0 ? assets.pondrel2 : assets.pondrel;
    if (attempt.idle_time > ASLEEP_AFTER)
        return assets.pondrel_sleep;
    if (attempt.idle_time > DROWSY_AFTER)
        return assets.pondrel_duck;
    return assets.pondrel;
}

}  // namespace

void draw_tiles(const tile_map& map, const run_state& run, int screenscroll_h,
                const asset_catalogue& assets)
{
    visit_visible_tiles(map, run.level, screenscroll_h, [&](int code, int x, int y) {
        draw_tile(code, x, y, run, assets);
    });
}

void draw_notice(attempt_state& attempt, int screenscroll_h, const asset_catalogue& assets)
{
    if (attempt.notice_timer <= 0)
        return;
    // Anchored to the world sideways; rises a pixel a frame from where it was raised.
    textout_centre_ex(assets.screenbuffer, assets.blockfont, attempt.notice_text.c_str(),
                      attempt.notice_x + screenscroll_h,
                      attempt.notice_y + attempt.notice_timer - NOTICE_FRAMES,
                      makecol(255, 255, 255), -1);
    attempt.notice_timer--;
}

void draw_pondrel(const attempt_state& attempt, const run_state& run, const controls& held,
                  int screenscroll_h, unsigned tick, const asset_catalogue& assets)
{
    BITMAP* picture = pondrel_picture(attempt, run, held, assets);
    const int x = attempt.pondrel_x + screenscroll_h;
    const int y = attempt.pondrel_y;
    // Every picture faces right as stored.
    if (attempt.pondrel_dir)
        draw_sprite(assets.screenbuffer, picture, x, y);
    else
        draw_sprite_h_flip(assets.screenbuffer, picture, x, y);
    if (picture == assets.pondrel_sleep && tick % SNORE_PERIOD == 0)
        play_effect(assets.snoresound, SNORE_VOLUME);
}

void draw_flowers(const tile_map& map, const run_state& run, int screenscroll_h,
                  const asset_catalogue& assets)
{
    visit_visible_tiles(map, run.level, screenscroll_h, [&](int code, int x, int y) {
        if (code == TILE_FLOWER)
            draw_sprite(assets.screenbuffer, assets.flower, x, y);
    });
}
