#pragma once
// G_GAMEPLAY: the gameplay screen as the game hub drives it without knowing
// the puzzle. The hub calls Update and Draw each frame while the screen is
// active, passes mouse buttons and moves to it while a level is shown, and
// uses the rest for level changes, pausing and purchases.
#include <cstdint>
#include <string>

#include "engine/foundation/result_codes.h"

namespace ORB_GF {

class G_GAMEPLAY {
 public:
  G_GAMEPLAY() = default;
  virtual ~G_GAMEPLAY() = default;
  G_GAMEPLAY(const G_GAMEPLAY&) = delete;
  G_GAMEPLAY& operator=(const G_GAMEPLAY&) = delete;

  // Loads and starts the level file; true on success.
  [[nodiscard]] virtual bool Load(const std::string& level_path) = 0;
  // Ends the level in progress.
  virtual void Stop() = 0;
  virtual void Update() = 0;
  virtual void Draw() = 0;
  // Mouse buttons 1, 2 or 4; ORB::kEventSwallowed when handled,
  // ORB::kResultNone when not.
  virtual int32_t OnButtonUp(int32_t button) = 0;
  virtual int32_t OnButtonDown(int32_t button) = 0;
  virtual int32_t OnPointerMove() = 0;
  // A store event ("buy") for a product or shop item.
  virtual void OnStoreEvent(const std::string& event, const std::string& product_key) = 0;
  // Kept for implementations; the hub never calls it.
  virtual void Reserved() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Restart() = 0;
  // Fetch and give back the textures of every part of the screen.
  virtual void AcquireResources() = 0;
  virtual void ReleaseResources() = 0;
};

}  // namespace ORB_GF
