#include "game/GameOptions.h"
