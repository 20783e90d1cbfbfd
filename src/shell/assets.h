// The asset catalogue: handles borrowed from the loaded data file "quindle.dat", bound by
// index, and the two off-screen bitmaps the game draws into.
#pragma once

#include <string>

struct BITMAP;
struct FONT;
struct SAMPLE;
struct DATAFILE;

struct asset_catalogue {
    DATAFILE* gamedata = nullptr;

    BITMAP* title = nullptr;
    BITMAP* pondrel = nullptr;
    BITMAP* pondrel2 = nullptr;
    BITMAP* pondrel_jump = nullptr;
    BITMAP* pondrel_duck = nullptr;
    BITMAP* pondrel_sleep = nullptr;
    BITMAP* block = nullptr;
    BITMAP* cloud = nullptr;
    BITMAP* sun = nullptr;
    BITMAP* moon = nullptr;
    BITMAP* bush = nullptr;
    BITMAP* flower = nullptr;
    BITMAP* carrot = nullptr;
    BITMAP* spike = nullptr;
    BITMAP* spike_side = nullptr;
    BITMAP* checkpoint_off = nullptr;
    BITMAP* checkpoint_on = nullptr;
    const void* leveltune[5] = {};
    const void* titletune = nullptr;
    const void* creditstune = nullptr;
    const void* pausetune = nullptr;
    const void* gameovertune = nullptr;
    FONT* blockfont = nullptr;

    BITMAP* screenbuffer = nullptr;
    BITMAP* textbuffer = nullptr;

    SAMPLE* jumpsound = nullptr;
    SAMPLE* bumpsound = nullptr;
    SAMPLE* landsound = nullptr;
    SAMPLE* deathsound = nullptr;
    SAMPLE* winsound = nullptr;
    SAMPLE* blipsound = nullptr;
    SAMPLE* oneupsound = nullptr;
    SAMPLE* lightningsound = nullptr;
    SAMPLE* checkpointsound = nullptr;
    SAMPLE* snoresound = nullptr;
    SAMPLE* pokesound = nullptr;
    SAMPLE* backdashsound = nullptr;
};

// Where the data file is looked for, in order: the working directory, beside the executable,
// then the installed data directory.
std::string find_data_file(const char* executable_path);

// Loads the data file, takes every handle and creates the two off-screen bitmaps.
// Returns false, with `why` filled in, when the file is missing or not a game data file.
bool load_assets(asset_catalogue& assets, const std::string& path, std::string& why);

// Unloads the data file, then destroys the two bitmaps.
void release_assets(asset_catalogue& assets);
