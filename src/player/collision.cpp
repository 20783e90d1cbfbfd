#include "player/collision.h"

#include <allegro.h>

#include <initializer_list>

#include "audio/sound_seam.h"

namespace {

struct box {
    int w;
    int h;
};

bool block_at(const tile_map& map, int level, int x, int y)
{
    return tile_at_point(map, level, x, y) == TILE_BLOCK;
}

bool block_along_row(const tile_map& map, int level, int y, std::initializer_list<int> xs)
{
    for (int x : xs)
        if (block_at(map, level, x, y))
            return true;
    return false;
}

// A side probe at three heights; a pondrel wholly above the map meets only what stands in row 0.
bool wall_at(const tile_map& map, int level, int probe_x, int y, box size)
{
    if (y + size.h <= 0)
        return tile_at(map, level, 0, probe_x / TILE_SIZE) == TILE_BLOCK;
    return block_at(map, level, probe_x, y + size.h - 1) ||
           block_at(map, level, probe_x, y + size.h / 2) || block_at(map, level, probe_x, y + 20);
}

// A wall hit only takes one step off the speed; the push-out keeps the probe inside the wall,
// so every further move into it hits again until the speed is spent.
void move_sideways(attempt_state& attempt, const tile_map& map, int level, box size)
{
    int& x = attempt.pondrel_x;
    int& hv = attempt.pondrel_h_velocity;
    if (hv < 0) {
        x += hv;
        if (wall_at(map, level, x + 8, attempt.pondrel_y, size)) {
            hv++;
            x = (x / TILE_SIZE) * TILE_SIZE + 30;
        }
    } else if (hv > 0) {
        x += hv;
        if (wall_at(map, level, x + size.w - 8, attempt.pondrel_y, size)) {
            hv--;
            x = (x / TILE_SIZE) * TILE_SIZE + 5;
        }
    }
}

void keep_inside_world(attempt_state& attempt, box size)
{
    int& x = attempt.pondrel_x;
    int& hv = attempt.pondrel_h_velocity;
    if (x < 0 && hv < 0) {
        x = 0;
        hv = 0;
    }
    if (x + size.w > STAGELENGTH && hv > 0) {
        x = STAGELENGTH - size.w;
        hv = 0;
    }
}

void move_vertically(attempt_state& attempt)
{
    attempt.pondrel_y += attempt.pondrel_v_velocity;
    attempt.jump_height += attempt.pondrel_v_velocity;
}

// The rise stops with the head probe just below the block, and the fall begins.
void bump_head(attempt_state& attempt, const tile_map& map, int level, box size,
               const asset_catalogue& assets)
{
    const int x = attempt.pondrel_x;
    int& y = attempt.pondrel_y;
    if (y <= 0 || y + size.h <= 0 || attempt.pondrel_v_velocity >= 0)
        return;
    if (!block_along_row(map, level, y + 20, {x + size.w / 2, x + 16, x + size.w - 15}))
        return;
    play_effect(assets.bumpsound);
    y = (y / TILE_SIZE) * TILE_SIZE + 20;
    attempt.pondrel_v_velocity = 0;
    attempt.falling = true;
}

// The support reaches wider and one pixel lower than the landing, so the pondrel can stand on
// a ledge's very edge.
void fall_when_unsupported(attempt_state& attempt, const tile_map& map, int level, box size,
                           const controls& held)
{
    const int x = attempt.pondrel_x;
    const int y = attempt.pondrel_y;
    if (block_along_row(map, level, y + size.h + 1, {x + size.w / 2, x + 10, x + size.w - 11}))
        return;
    const int vv = attempt.pondrel_v_velocity;
    const bool jump_let_go = vv < 0 && !held.jump && attempt.jump_height < -5;
    const bool jump_at_its_limit = attempt.jump_height < -JUMPHEIGHT;
    if (jump_let_go || jump_at_its_limit || vv == 0)
        attempt.falling = true;
}

// Standing on blocks lands again every frame; only the end of a fall is heard.
void land(attempt_state& attempt, const tile_map& map, int level, box size, const controls& held,
          const asset_catalogue& assets)
{
    const int x = attempt.pondrel_x;
    int& y = attempt.pondrel_y;
    if (y + size.h <= 0)
        return;
    if (!block_along_row(map, level, y + size.h, {x + size.w / 2, x + 16, x + size.w - 15}))
        return;
    if (attempt.falling)
        play_effect(assets.landsound);
    attempt.pondrel_v_velocity = 0;
    attempt.jump_height = 0;
    attempt.falling = false;
    y = ((y + size.h) / TILE_SIZE) * TILE_SIZE - size.h;
    if (!held.jump)
        attempt.can_jump = true;
}

}  // namespace

int pondrel_width(const asset_catalogue& assets)
{
    return assets.pondrel->w;
}

int pondrel_height(const asset_catalogue& assets)
{
    return assets.pondrel->h;
}

void move_pondrel(attempt_state& attempt, const tile_map& map, int level, const controls& held,
                  const asset_catalogue& assets)
{
    const box size{pondrel_width(assets), pondrel_height(assets)};
    move_sideways(attempt, map, level, size);
    keep_inside_world(attempt, size);
    move_vertically(attempt);
    bump_head(attempt, map, level, size, assets);
    fall_when_unsupported(attempt, map, level, size, held);
    land(attempt, map, level, size, held, assets);
}
