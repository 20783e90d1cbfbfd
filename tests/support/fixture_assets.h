// A stand-in asset catalogue for tests: memory bitmaps of the game's real sizes, each filled
// with its own colour, tiny silent samples, tune handles that are just distinct addresses,
// Allegro's built-in font, and the two off-screen bitmaps.
#pragma once

#include "shell/assets.h"

struct fixture_assets {
    fixture_assets();
    ~fixture_assets();
    fixture_assets(const fixture_assets&) = delete;
    fixture_assets& operator=(const fixture_assets&) = delete;

    asset_catalogue catalogue;
    char tunes[9] = {};  // the nine tune handles point into this
};

// The size of the standing picture, which is the pondrel's collision box.
constexpr int FIXTURE_PONDREL_W = 44;
constexpr int FIXTURE_PONDREL_H = 48;
