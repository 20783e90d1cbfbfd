#include "support/fixture_assets.h"

#include <allegro.h>


#include "shell/state.h"

namespace {

BITMAP* picture(int w, int h, int r, int g, int b)
{
    BITMAP* bmp = create_bitmap(w, h);
    clear_to_color(bmp, makecol(r, g, b));
    return bmp;
}

SAMPLE* silence()
{
    return create_sample(16, 0, 22050, 64);
}

}  // namespace

fixture_assets::fixture_assets()
{
    asset_catalogue& a = catalogue;
    a.title = picture(600, 300, 200, 180, 40);
    a.pondrel = picture(FIXTURE_PONDREL_W, FIXTURE_PONDREL_H, 230, 120, 40);
    a.pondrel2 = picture(FIXTURE_PONDREL_W, FIXTURE_PONDREL_H, 220, 110, 30);
    a.pondrel_jump = picture(FIXTURE_PONDREL_W, FIXTURE_PONDREL_H, 240, 140, 60);
    a.pondrel_duck = picture(FIXTURE_PONDREL_W, FIXTURE_PONDREL_H, 200, 100, 20);
    a.pondrel_sleep = picture(FIXTURE_PONDREL_W, FIXTURE_PONDREL_H, 180, 90, 10);
    a.block = picture(40, 40, 120, 80, 40);
    a.cloud = picture(120, 50, 250, 250, 250);
    a.sun = picture(80, 80, 255, 220, 0);
    a.moon = picture(40, 40, 230, 230, 200);
    a.bush = picture(40, 40, 30, 140, 40);
    a.flower = picture(40, 40, 230, 60, 160);
    a.carrot = picture(44, 62, 250, 130, 0);
    a.spike = picture(40, 40, 160, 160, 170);
    a.spike_side = picture(40, 40, 150, 150, 160);
    a.checkpoint_off = picture(40, 80, 90, 90, 200);
    a.checkpoint_on = picture(40, 80, 90, 200, 90);
    for (int i = 0; i < 5; i++)
        a.leveltune[i] = &tunes[i];
    a.titletune = &tunes[5];
    a.creditstune = &tunes[6];
    a.pausetune = &tunes[7];
    a.gameovertune = &tunes[8];
    a.blockfont = font;
    a.screenbuffer = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
    a.textbuffer = create_bitmap(200, 50);
    for (SAMPLE** s : {&a.jumpsound, &a.bumpsound, &a.landsound, &a.deathsound, &a.winsound,
                       &a.blipsound, &a.oneupsound, &a.lightningsound, &a.checkpointsound,
                       &a.snoresound, &a.pokesound, &a.backdashsound})
        *s = silence();
}

fixture_assets::~fixture_assets()
{
    asset_catalogue& a = catalogue;
    for (BITMAP* b : {a.title, a.pondrel, a.pondrel2, a.pondrel_jump, a.pondrel_duck,
                      a.pondrel_sleep, a.block, a.cloud, a.sun, a.moon, a.bush, a.flower, a.carrot,
                      a.spike, a.spike_side, a.checkpoint_off, a.checkpoint_on, a.screenbuffer,
                      a.textbuffer})
        destroy_bitmap(b);
    for (SAMPLE* s : {a.jumpsound, a.bumpsound, a.landsound, a.deathsound, a.winsound,
                      a.blipsound, a.oneupsound, a.lightningsound, a.checkpointsound,
                      a.snoresound, a.pokesound, a.backdashsound})
        destroy_sample(s);
}
