#pragma once
// The process-wide engine objects. The game service creates them in Init,
// publishes them here and deletes them in Shutdown; everything else reaches
// them through these slots.

namespace ORB {

class InputState;
class Window;
class Renderer;
class Timer;
class Random;
class OC_SOUND_SYSTEM;
class OC_REPOSITORY;
class FileSystem;
class OC_GAME_SERVICE_ONE;

struct EngineSlots {
  InputState* input = nullptr;
  Window* window = nullptr;
  Renderer* renderer = nullptr;
  Timer* timer = nullptr;
  Random* random = nullptr;
  OC_SOUND_SYSTEM* sound = nullptr;
  OC_REPOSITORY* repository = nullptr;
  FileSystem* file_system = nullptr;
  OC_GAME_SERVICE_ONE* service = nullptr;
};

EngineSlots& Engine();

}  // namespace ORB
