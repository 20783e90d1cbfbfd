#include "shell/state.h"

volatile int exit_request = 0;
std::atomic<unsigned> timer{0};
volatile unsigned other_timer = 0;
volatile bool pause_request = false;

void start_run(run_state& run, const flow_state& flow)
{
    run = run_state{};
    if (flow.cheating == 1)
        run.lives = 30;
}
