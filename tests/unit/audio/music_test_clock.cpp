#include "unit/audio/music_test_clock.h"

#include "audio/music_player.h"

namespace {

std::int64_t now = 0;

std::int64_t hand_clock()
{
    return now;
}

}  // namespace

music_test_clock::music_test_clock()
{
    music_use_clock(hand_clock);
    music_open(2, 44100);
}

music_test_clock::~music_test_clock()
{
    music_close();
    music_use_clock(nullptr);
}

void music_test_clock::advance_hundredths(int hundredths)
{
    now += std::int64_t{hundredths} * 10000000;
}
