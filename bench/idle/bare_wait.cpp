// The yardstick for the game's idle CPU share: a bare Allegro program with the same window,
// keyboard and 60 Hz timer that does nothing but wait with rest(1) until it is closed.
#include <allegro.h>

namespace {
volatile int closed = 0;
volatile int ticks = 0;
void close_window() { closed = 1; }
void tick() { ticks = ticks + 1; }
}  // namespace

int main()
{
    if (allegro_init() != 0)
        return 1;
    install_keyboard();
    install_mouse();
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 800, 600, 0, 0) != 0)
        return 1;
    set_window_title("BARE WAIT");
    set_close_button_callback(close_window);
    install_timer();
    install_int_ex(tick, BPS_TO_TIMER(60));
    while (!closed)
        rest(1);
    return 0;
}
END_OF_MAIN()
