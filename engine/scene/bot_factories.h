#pragma once
// Every bot factory: the motion bots' and the appearance and timing bots'.
#include "engine/scene/appearance_bot_factories.h"
#include "engine/scene/motion_bot_factories.h"
