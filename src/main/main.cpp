// Quindle: starts the game, runs it until the window is closed, and shuts it down.
#include <allegro.h>

#include <cstdio>

#include "main/loops.h"
#include "main/startup.h"

int main()
{
    static game g;
    std::string why;
    if (!start_up(g, why)) {
        std::fprintf(stderr, "quindle: %s\n", why.c_str());
        return 1;
    }
    run_program(g);
    shut_down(g);
    return 0;
}
END_OF_MAIN()
