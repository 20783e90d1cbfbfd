// The four callbacks the library calls from outside the main loop. They touch only the four
// shared values of state.h (and the library's volume).
#pragma once

void exit_game();
void timer_handler();
void pause_game();
void unpause_game();
