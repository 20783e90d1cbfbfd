#include "main/frame.h"

#include <allegro.h>

#include "player/collision.h"
#include "player/hazards.h"
#include "player/movement.h"
#include "presentation/camera.h"
#include "presentation/playfield.h"
#include "presentation/sky.h"

void advance_frame_counters(run_state& run, attempt_state& attempt, unsigned tick)
{
    if (tick % static_cast<unsigned>(10 / attempt.pondrel_speed) == 0)
        run.animtimer++;
    if (tick % 120 == 0)
        run.cloudtimer++;
    other_timer = other_timer + 1;
    attempt.lightning_timer--;
    run.score_timer++;
    run.movement_timer++;
    run.jump_timer++;
}

void run_frame(game& g)
{
    poll_joystick();
    g.held = read_controls(g.buttons);
    update_pondrel_velocity(g.attempt, g.run, g.held, g.assets);
    move_pondrel(g.attempt, g.map, g.run.level, g.held, g.assets);
    update_camera(g.screenscroll_h, g.attempt);
    draw_background(g.run, g.assets);
    draw_tiles(g.map, g.run, g.screenscroll_h, g.assets);
    draw_notice(g.attempt, g.screenscroll_h, g.assets);
    draw_pondrel(g.attempt, g.run, g.held, g.screenscroll_h, timer.load(), g.assets);
    draw_flowers(g.map, g.run, g.screenscroll_h, g.assets);
    check_pickups(g.attempt, g.run, g.map, g.assets);
    advance_frame_counters(g.run, g.attempt, timer.load());
    blit(g.assets.screenbuffer, g.display, 0, 0, 0, 0, SCREENWIDTH, SCREENHEIGHT);
}
