// Start-up in its fixed order and the orderly shutdown. A start-up that cannot have the
// display, the window or the data file stops at that step and says what is missing.
#pragma once

#include <string>

#include "main/game.h"

bool start_up(game& g, std::string& why);
void shut_down(game& g);
