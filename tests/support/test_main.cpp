// Runs every unit test headless: Allegro without a display, drawing on memory bitmaps.
#include <allegro.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(32);
    return RUN_ALL_TESTS();
}
