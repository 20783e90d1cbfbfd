#include "shell/assets.h"

#include <allegro.h>
#include <unistd.h>

#include "audio/music_player.h"
#include "quindle.h"
#include "shell/state.h"

#ifndef QUINDLE_DATA_DIR
#define QUINDLE_DATA_DIR "/usr/local/share/quindle"
#endif

namespace {

constexpr const char* DATA_FILE_NAME = "quindle.dat";
constexpr int OBJECT_COUNT = 40;

bool readable(const std::string& path)
{
    return access(path.c_str(), R_OK) == 0;
}

std::string folder_of(const char* path)
{
    const std::string whole = path ? path : "";
    const std::string::size_type slash = whole.rfind('/');
    return slash == std::string::npos ? std::string() : whole.substr(0, slash + 1);
}

struct expected_kind {
    int index;
    int type;
};

// Every object the game binds, with the kind it must be; entry TAP is never used.
const expected_kind bound_objects[] = {
    {BACKDASH, DAT_SAMPLE}, {BLIP, DAT_SAMPLE}, {BLOCK, DAT_BITMAP}, {BLOCKFONT, DAT_FONT},
    {BUMP, DAT_SAMPLE}, {BUSH, DAT_BITMAP}, {CARROT, DAT_BITMAP}, {CHECKPOINT, DAT_SAMPLE},
    {CHECKPOINT_OFF, DAT_BITMAP}, {CHECKPOINT_ON, DAT_BITMAP}, {CLOUD, DAT_BITMAP},
    {DEATH, DAT_SAMPLE}, {FLOWER, DAT_BITMAP}, {JUMP, DAT_SAMPLE}, {LAND, DAT_SAMPLE},
    {LIGHTNING, DAT_SAMPLE}, {MOON, DAT_BITMAP}, {MUS_CREDITS, DAT_DATA},
    {MUS_GAMEOVER, DAT_DATA}, {MUS_PAUSE, DAT_DATA}, {MUS_STAGE1, DAT_DATA},
    {MUS_STAGE2, DAT_DATA}, {MUS_STAGE3, DAT_DATA}, {MUS_STAGE4, DAT_DATA},
    {MUS_STAGE5, DAT_DATA}, {MUS_TITLE, DAT_DATA}, {ONEUP, DAT_SAMPLE}, {POKE, DAT_SAMPLE},
    {PONDREL_DUCK, DAT_BITMAP}, {PONDREL_JUMP, DAT_BITMAP}, {PONDREL_RIGHT, DAT_BITMAP},
    {PONDREL_RIGHT2, DAT_BITMAP}, {PONDREL_SLEEP, DAT_BITMAP}, {SNORE, DAT_SAMPLE},
    {SPIKE, DAT_BITMAP}, {SPIKE_SIDE, DAT_BITMAP}, {SUN, DAT_BITMAP}, {TITLE, DAT_BITMAP},
    {WIN, DAT_SAMPLE},
};

int object_count(const DATAFILE* data)
{
    int count = 0;
    while (data[count].type != DAT_END)
        count++;
    return count;
}

bool every_object_in_place(const DATAFILE* data)
{
    if (object_count(data) != OBJECT_COUNT)
        return false;
    for (const expected_kind& object : bound_objects)
        if (data[object.index].type != object.type)
            return false;
    return true;
}

template <typename T>
T* handle(DATAFILE* data, int index)
{
    return static_cast<T*>(data[index].dat);
}

}  // namespace

std::string find_data_file(const char* executable_path)
{
    const std::string candidates[] = {
        DATA_FILE_NAME,
        folder_of(executable_path) + DATA_FILE_NAME,
        std::string(QUINDLE_DATA_DIR) + "/" + DATA_FILE_NAME,
    };
    for (const std::string& candidate : candidates)
        if (readable(candidate))
            return candidate;
    return DATA_FILE_NAME;
}

bool load_assets(asset_catalogue& a, const std::string& path, std::string& why)
{
    DATAFILE* data = load_datafile(path.c_str());
    if (!data) {
        why = "cannot read the data file " + path +
              (readable(path) ? " (it is not a game data file)" : " (not found)");
        return false;
    }
    if (!every_object_in_place(data)) {
        unload_datafile(data);
        why = "the data file " + path + " does not hold the game's pictures, sounds and tunes";
        return false;
    }
    a.gamedata = data;
    a.title = handle<BITMAP>(data, TITLE);
    a.pondrel = handle<BITMAP>(data, PONDREL_RIGHT);
    a.pondrel2 = handle<BITMAP>(data, PONDREL_RIGHT2);
    a.pondrel_jump = handle<BITMAP>(data, PONDREL_JUMP);
    a.pondrel_duck = handle<BITMAP>(data, PONDREL_DUCK);
    a.pondrel_sleep = handle<BITMAP>(data, PONDREL_SLEEP);
    a.block = handle<BITMAP>(data, BLOCK);
    a.cloud = handle<BITMAP>(data, CLOUD);
    a.sun = handle<BITMAP>(data, SUN);
    a.moon = handle<BITMAP>(data, MOON);
    a.bush = handle<BITMAP>(data, BUSH);
    a.flower = handle<BITMAP>(data, FLOWER);
    a.carrot = handle<BITMAP>(data, CARROT);
    a.spike = handle<BITMAP>(data, SPIKE);
    a.spike_side = handle<BITMAP>(data, SPIKE_SIDE);
    a.checkpoint_off = handle<BITMAP>(data, CHECKPOINT_OFF);
    a.checkpoint_on = handle<BITMAP>(data, CHECKPOINT_ON);
    const int stages[5] = {MUS_STAGE1, MUS_STAGE2, MUS_STAGE3, MUS_STAGE4, MUS_STAGE5};
    for (int i = 0; i < 5; i++)
        a.leveltune[i] = data[stages[i]].dat;
    a.titletune = data[MUS_TITLE].dat;
    a.creditstune = data[MUS_CREDITS].dat;
    a.pausetune = data[MUS_PAUSE].dat;
    a.gameovertune = data[MUS_GAMEOVER].dat;
    // The game passes a generous byte count with each tune; the player reads no more than this.
    for (int index : {MUS_CREDITS, MUS_GAMEOVER, MUS_PAUSE, MUS_STAGE1, MUS_STAGE2, MUS_STAGE3,
                      MUS_STAGE4, MUS_STAGE5, MUS_TITLE})
        music_note_tune_size(data[index].dat, static_cast<int>(data[index].size));
    a.blockfont = handle<FONT>(data, BLOCKFONT);
    a.screenbuffer = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
    a.textbuffer = create_bitmap(200, 50);
    a.jumpsound = handle<SAMPLE>(data, JUMP);
    a.bumpsound = handle<SAMPLE>(data, BUMP);
    a.landsound = handle<SAMPLE>(data, LAND);
    a.deathsound = handle<SAMPLE>(data, DEATH);
    a.winsound = handle<SAMPLE>(data, WIN);
    a.blipsound = handle<SAMPLE>(data, BLIP);
    a.oneupsound = handle<SAMPLE>(data, ONEUP);
    a.lightningsound = handle<SAMPLE>(data, LIGHTNING);
    a.checkpointsound = handle<SAMPLE>(data, CHECKPOINT);
    a.snoresound = handle<SAMPLE>(data, SNORE);
    a.pokesound = handle<SAMPLE>(data, POKE);
    a.backdashsound = handle<SAMPLE>(data, BACKDASH);
    return true;
}

void release_assets(asset_catalogue& a)
{
    if (a.gamedata)
        unload_datafile(a.gamedata);
    if (a.screenbuffer)
        destroy_bitmap(a.screenbuffer);
    if (a.textbuffer)
        destroy_bitmap(a.textbuffer);
    a = asset_catalogue{};
}
