// What tests of screens share: the program state with its screen, and song lists.
#pragma once

#include "support/song_lists.h"
#include "support/test_app.h"
