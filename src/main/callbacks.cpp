#include "main/callbacks.h"

#include <allegro.h>

#include "shell/state.h"

void exit_game()
{
    exit_request = 1;
}

void timer_handler()
{
    timer++;
}

void pause_game()
{
    pause_request = true;
    set_volume(0, 0);
}

void unpause_game()
{
    pause_request = false;
    set_volume(DIGIVOLUME, MIDIVOLUME);
}
