// The nested loops of the game: the program, one run of levels, one attempt at a level, and
// the frames due at the 60 Hz step. Each ends at its next test once the window is closed.
#pragma once

#include "main/game.h"
#include "player/hazards.h"

// Until the window's close button is pressed: the title, then a run.
void run_program(game& g);

// Title entry: the title tune, played once.
void enter_title(game& g);

// One run: run start, attempts while lives and levels remain, then the end of the run.
void play_run(game& g);

// Attempt start: position, pondrel, notice, and a frame clock with exactly one frame due.
void start_attempt(game& g);

// The attempt loop: frames, then the between-frame tests, until a death, the exit or closing.
attempt_outcome play_attempt(game& g);

// The frame loop: one frame per tick that has passed; returns how many ran.
int run_due_frames(game& g);
