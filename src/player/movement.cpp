#include "player/movement.h"

#include "audio/sound_seam.h"

namespace {

// A standing axis restarts its cadence, so the first step comes on the first frame of a move.
void restart_still_cadences(const attempt_state& attempt, run_state& run)
{
    if (attempt.pondrel_h_velocity == 0)
        run.movement_timer = 10;
    if (attempt.pondrel_v_velocity == 0)
        run.jump_timer = 5;
}

// Full friction on the take-off level; above it only every 100 frames, below it none at all.
void apply_friction(attempt_state& attempt, const run_state& run, const controls& held)
{
    const int cadence = run.movement_timer;
    const bool on_takeoff_level = attempt.jump_height == 0;
    const bool rare_air_brake = attempt.jump_height < 0 && cadence % 100 == 0;
    if (cadence % 5 != 0 || !(on_takeoff_level || rare_air_brake))
        return;
    int& hv = attempt.pondrel_h_velocity;
    const int limit = 5 * attempt.pondrel_speed;
    if (((!held.left || held.down) && hv < 0) || hv < -limit)
        hv++;
    if (((!held.right || held.down) && hv > 0) || hv > limit)
        hv--;
}

void apply_gravity(attempt_state& attempt, const run_state& run)
{
    if (run.jump_timer % 5 == 0 && attempt.falling)
        attempt.pondrel_v_velocity += 2;
}

// The gait is chosen only on the ground, so a jump keeps the speed it took off with.
void choose_gait(attempt_state& attempt, const controls& held)
{
    if (!attempt.falling && attempt.pondrel_v_velocity == 0)
        attempt.pondrel_speed = held.run ? 2 : 1;
}

void start_jump(attempt_state& attempt, const controls& held, const asset_catalogue& assets)
{
    if (!held.jump || attempt.falling || !attempt.can_jump)
        return;
    if (attempt.jump_height == 0)
        play_effect(assets.jumpsound);
    attempt.pondrel_v_velocity = -5;
    attempt.can_jump = false;
}

// The dash throws the pondrel backwards, against its facing.
void start_backdash(attempt_state& attempt, const controls& held, const asset_catalogue& assets)
{
    if (!held.backdash || attempt.backdashing || attempt.jump_height != 0)
        return;
    play_effect(assets.backdashsound);
    attempt.backdashing = true;
    attempt.backdash_timer = 25;
    attempt.pondrel_h_velocity = attempt.pondrel_dir ? -10 : 10;
}

// A new dash needs the dash over and the control let go in between.
void count_down_backdash(attempt_state& attempt, const controls& held)
{
    if (attempt.backdash_timer > 0)
        attempt.backdash_timer--;
    else if (!held.backdash)
        attempt.backdashing = false;
}

// Steering is ignored during the first 20 frames of a dash.
bool steers_left(const attempt_state& attempt, const controls& held)
{
    return held.left && !held.right && attempt.backdash_timer <= 4;
}

bool steers_right(const attempt_state& attempt, const controls& held)
{
    return held.right && !held.left && attempt.backdash_timer <= 4;
}

void accelerate(attempt_state& attempt, const run_state& run, const controls& held)
{
    if (run.movement_timer % 10 != 0)
        return;
    int& hv = attempt.pondrel_h_velocity;
    if (steers_left(attempt, held) && !held.down)
        hv--;
    else if (hv < 0)
        hv++;
    if (steers_right(attempt, held) && !held.down)
        hv++;
    else if (hv > 0)
        hv--;
    const int limit = 3 * attempt.pondrel_speed;
    if (hv > limit)
        hv--;
    if (hv < -limit)
        hv++;
}

// Ducking does not stop the pondrel turning round.
void turn(attempt_state& attempt, const controls& held)
{
    if (steers_left(attempt, held))
        attempt.pondrel_dir = false;
    if (steers_right(attempt, held))
        attempt.pondrel_dir = true;
}

}  // namespace

void reset_pondrel(attempt_state& attempt)
{
    attempt.pondrel_dir = true;
    attempt.pondrel_h_velocity = 0;
    attempt.pondrel_v_velocity = 0;
    attempt.pondrel_speed = 1;
    attempt.falling = false;
    attempt.jump_height = 0;
    attempt.backdashing = false;
    attempt.backdash_timer = 0;
    attempt.can_jump = true;
}

void update_pondrel_velocity(attempt_state& attempt, run_state& run, const controls& held,
                             const asset_catalogue& assets)
{
    restart_still_cadences(attempt, run);
    apply_friction(attempt, run, held);
    apply_gravity(attempt, run);
    choose_gait(attempt, held);
    start_jump(attempt, held, assets);
    start_backdash(attempt, held, assets);
    count_down_backdash(attempt, held);
    accelerate(attempt, run, held);
    turn(attempt, held);
}
