#include "player/hazards.h"

#include <initializer_list>

#include "audio/pxtone.h"
#include "audio/sound_seam.h"
#include "player/collision.h"

namespace {

constexpr int NOTICE_FRAMES = 60;

bool tile_under_any(const tile_map& map, int level, int code,
                    std::initializer_list<world_point> points)
{
    for (const world_point& p : points)
        if (tile_at_point(map, level, p.x, p.y) == code)
            return true;
    return false;
}

// The notice stands centred over the tile, 20 pixels above its top edge.
void raise_notice(attempt_state& attempt, const tile_map& map, int level, int code,
                  const char* text)
{
    attempt.notice_timer = NOTICE_FRAMES;
    attempt.notice_text = text;
    tile_cell cell{};
    if (find_tile(map, level, code, cell)) {
        attempt.notice_x = cell.column * TILE_SIZE + 20;
        attempt.notice_y = cell.row * TILE_SIZE - 20;
    }
}

struct pondrel_box {
    int x;
    int y;
    int w;
    int h;
};

pondrel_box box_of(const attempt_state& attempt, const asset_catalogue& assets)
{
    return {attempt.pondrel_x, attempt.pondrel_y, pondrel_width(assets), pondrel_height(assets)};
}

bool touches_carrot(const pondrel_box& p, const tile_map& map, int level)
{
    if (p.y + p.h <= 0 || p.y <= 0)
        return false;
    return tile_under_any(map, level, TILE_CARROT,
                          {{p.x + 20, p.y + 20}, {p.x + p.w - 20, p.y + 20},
                           {p.x + 20, p.y + p.h - 20}, {p.x + p.w - 20, p.y + p.h - 20}});
}

// The post is touched by the lowest pixel row at the pondrel's centre, not by its tall sprite.
bool touches_checkpoint(const pondrel_box& p, const tile_map& map, int level)
{
    return tile_at_point(map, level, p.x + p.w / 2, p.y + p.h - 1) == TILE_CHECKPOINT;
}

// A floor spike hurts only from the floor it stands on; a ceiling spike only once the top of
// the pondrel has risen past it; wall spikes at three heights on their pointed side.
bool on_spike(const pondrel_box& p, const tile_map& map, int level)
{
    const int feet = p.y + p.h;
    return tile_under_any(map, level, TILE_SPIKE_UP,
                          {{p.x + 20, feet - 40}, {p.x + p.w / 2, feet - 40},
                           {p.x + p.w - 20, feet - 40}}) ||
           tile_under_any(map, level, TILE_SPIKE_DOWN,
                          {{p.x + 20, p.y + 40}, {p.x + p.w / 2, p.y + 40},
                           {p.x + p.w - 20, p.y + 40}}) ||
           tile_under_any(map, level, TILE_SPIKE_RIGHT,
                          {{p.x + 30, p.y + 20}, {p.x + 30, p.y + p.h / 2},
                           {p.x + 30, feet - 20}}) ||
           tile_under_any(map, level, TILE_SPIKE_LEFT,
                          {{p.x + p.w - 30, p.y + 20}, {p.x + p.w - 30, p.y + p.h / 2},
                           {p.x + p.w - 30, feet - 20}});
}

// Any top edge below the screen is out of the world, however far: when several frames run
// in one pass a fast fall can cross row 15 between two tests and must still end the attempt.
bool fallen_out(const pondrel_box& p)
{
    return p.y > 0 && p.y >= SCREENHEIGHT;
}

bool in_exit(const pondrel_box& p, const tile_map& map, int level)
{
    return tile_at_point(map, level, p.x + p.w / 2, p.y + p.h / 2) == TILE_HOLE;
}

void die_on_spike(run_state& run, const asset_catalogue& assets)
{
    pxtone_Tune_Stop();
    play_effect(assets.deathsound);
    sounds().rest(600);
    run.lives--;
}

void die_falling(run_state& run, const asset_catalogue& assets)
{
    pxtone_Tune_Stop();
    sounds().rest(200);
    play_effect(assets.deathsound);
    sounds().rest(600);
    run.lives--;
}

// The next level brings its own carrot and checkpoint.
void leave_level(run_state& run, const asset_catalogue& assets)
{
    pxtone_Tune_Stop();
    sounds().rest(200);
    play_effect(assets.winsound);
    sounds().rest(1500);
    run.level++;
    run.carrot_collected = false;
    run.checkpoint = false;
}

}  // namespace

void check_pickups(attempt_state& attempt, run_state& run, const tile_map& map,
                   const asset_catalogue& assets)
{
    const pondrel_box p = box_of(attempt, assets);
    if (!run.carrot_collected && touches_carrot(p, map, run.level)) {
        play_effect(assets.oneupsound);
        run.carrot_collected = true;
        raise_notice(attempt, map, run.level, TILE_CARROT, "1-UP!");
        run.lives++;
    }
    if (!run.checkpoint && touches_checkpoint(p, map, run.level)) {
        play_effect(assets.checkpointsound);
        run.checkpoint = true;
        raise_notice(attempt, map, run.level, TILE_CHECKPOINT, "CHECKPOINT");
    }
}

attempt_outcome check_hazards(attempt_state& attempt, run_state& run, const tile_map& map,
                              const asset_catalogue& assets)
{
    const pondrel_box p = box_of(attempt, assets);
    if (p.y + p.h <= 0)
        return attempt_outcome::going_on;
    if (on_spike(p, map, run.level)) {
        die_on_spike(run, assets);
        return attempt_outcome::died;
    }
    if (fallen_out(p)) {
        die_falling(run, assets);
        return attempt_outcome::died;
    }
    if (in_exit(p, map, run.level)) {
        leave_level(run, assets);
        return attempt_outcome::level_complete;
    }
    return attempt_outcome::going_on;
}
