#include "main/startup.h"

#include <allegro.h>
#include <xalleg.h>

#include <cstdlib>
#include <ctime>

#include "audio/pxtone.h"
#include "main/callbacks.h"
#include "quindle_icon.xpm"

extern void* allegro_icon;

namespace {

std::string executable_path()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    path[length] = '\0';
    return path;
}

}  // namespace

bool start_up(game& g, std::string& why)
{
    // The window's icon and class are taken at initialisation, so both come first; the class
    // lets a desktop launcher recognise the game's window.
    allegro_icon = quindle_icon;
    xwin_set_window_name("quindle", "Quindle");
    if (allegro_init() != 0) {
        why = "cannot start: no X display could be opened (is DISPLAY set?)";
        return false;
    }
    install_mouse();
    show_os_cursor(MOUSE_CURSOR_ARROW);
    install_keyboard();
    install_joystick(JOY_TYPE_AUTODETECT);
    install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr);
    set_volume(DIGIVOLUME, MIDIVOLUME);
    pxtone_Ready(nullptr, 2, 44100, 16, 0.1f, -1, nullptr);
    pxtone_Tune_SetVolume(1.0f);
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREENWIDTH, SCREENHEIGHT, 0, 0) != 0) {
        why = std::string("cannot open an 800 x 600 window: ") + allegro_error;
        return false;
    }
    set_window_title("QUINDLE");
    srand(static_cast<unsigned>(time(nullptr)));
    set_display_switch_mode(SWITCH_BACKGROUND);
    set_close_button_callback(exit_game);
    install_timer();
    install_int_ex(timer_handler, BPS_TO_TIMER(60));
    set_display_switch_callback(SWITCH_OUT, pause_game);
    set_display_switch_callback(SWITCH_IN, unpause_game);
    const std::string data_file = find_data_file(executable_path().c_str());
    if (!load_assets(g.assets, data_file, why))
        return false;
    g.buttons = default_joystick_buttons();
    load_layouts(g.map);
    g.flow = flow_state{};
    g.display = screen;
    return true;
}

void shut_down(game& g)
{
    pxtone_Tune_Release();
    pxtone_Release();
    release_assets(g.assets);
}
