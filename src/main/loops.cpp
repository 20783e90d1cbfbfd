#include "main/loops.h"

#include <cstdlib>

#include "audio/pxtone.h"
#include "audio/sound_seam.h"
#include "main/frame.h"
#include "player/movement.h"

namespace {

// Whether a tick has passed that has no frame yet. Compared as a difference so that the clock
// starting at 0 (other_timer then sits at "-1") or wrapping round does not stall the game.
bool frame_due()
{
    return static_cast<int>(timer - other_timer) > 0;
}

}  // namespace

void run_program(game& g)
{
    while (!exit_request) {
        enter_title(g);
        g.flow.gamestart = 1;
        play_run(g);
    }
}

void enter_title(game& g)
{
    pxtone_Tune_Read(g.assets.titletune, 10000);
    pxtone_Tune_Start(0, 0);
    pxtone_Tune_SetLoop(0);
}

void play_run(game& g)
{
    start_run(g.run, g.flow);
    while (!exit_request && g.run.lives > 0 && g.run.level <= 4) {
        start_attempt(g);
        play_attempt(g);
    }
    g.flow.gamestart = 0;
}

void start_attempt(game& g)
{
    const world_point start = start_position(g.map, g.run.level, g.run.checkpoint);
    g.attempt.pondrel_x = start.x;
    g.attempt.pondrel_y = start.y;
    reset_pondrel(g.attempt);
    g.attempt.notice_timer = 0;
    g.attempt.notice_text.clear();
    other_timer = timer - 1;
    g.attempt.lightning_timer = rand() % 300 + 1;
    g.attempt.idle_time = 0;
}

int run_due_frames(game& g)
{
    int frames = 0;
    while (frame_due() && !exit_request) {
        run_frame(g);
        frames++;
    }
    return frames;
}

attempt_outcome play_attempt(game& g)
{
    while (!exit_request) {
        run_due_frames(g);
        const attempt_outcome outcome = check_hazards(g.attempt, g.run, g.map, g.assets);
        if (outcome != attempt_outcome::going_on)
            return outcome;
        if (!frame_due())
            sounds().yield();
    }
    return attempt_outcome::going_on;
}
