// The game's constants, the four values shared with the library's callbacks, and the three
// state records grouped by lifetime: the program, one run, one attempt at a level.
#pragma once

#include <atomic>
#include <string>

constexpr int SCREENWIDTH = 800;
constexpr int SCREENHEIGHT = 600;
constexpr int STAGELENGTH = 2400;
constexpr int DIGIVOLUME = 200;
constexpr int MIDIVOLUME = 255;
constexpr int LIVES = 3;
constexpr int LEVEL = 0;
constexpr int JUMPHEIGHT = 100;

// Written by the callbacks on the library's background thread, read by the main loop.
// `timer` has two writers (the 60 Hz tick and the pause's restore), so it is atomic.
extern volatile int exit_request;
extern std::atomic<unsigned> timer;
extern volatile unsigned other_timer;
extern volatile bool pause_request;

// Lives as long as the program.
struct flow_state {
    int gamestart = 0;
    int paused = 0;
    int buttonpress = 0;
    std::string cheattrack;
    int cheatpress = 0;
    int cheating = 0;
    int tune_position = 0;
    int pause_position = 0;
    int temp_timer = 0;
};

// One run, from the title screen to its end card. The first four fields are the frame counters.
struct run_state {
    int animtimer = 0;
    int movement_timer = 10;
    int jump_timer = 5;
    int cloudtimer = 0;
    int lives = LIVES;
    int level = LEVEL;
    int score_timer = 0;
    bool carrot_collected = false;
    bool checkpoint = false;
};

// One attempt at a level, from its start to a death or the exit.
struct attempt_state {
    int pondrel_x = 220;
    int pondrel_y = 300;
    bool pondrel_dir = true;
    int pondrel_h_velocity = 0;
    int pondrel_v_velocity = 0;
    int pondrel_speed = 1;
    bool falling = false;
    int jump_height = 0;
    bool backdashing = false;
    int backdash_timer = 0;
    bool can_jump = true;
    int notice_timer = 0;
    std::string notice_text;
    int notice_x = 0;
    int notice_y = 0;
    int lightning_timer = 0;
    int idle_time = 0;
};

// Run start: every run field takes its starting value; 30 lives once the secret code was typed.
void start_run(run_state& run, const flow_state& flow);
