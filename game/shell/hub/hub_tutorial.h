#pragma once
// The tutorial as the hub drives it: read from the edition's tutorial file
// at start-up, selected by the level that starts, fed the frame, the drawing
// and the pointer around the gameplay screen, and told which controls the
// player used. The game runs the guided tutorial of the first levels
// (gGuidedTutorial, guided_tutorial.h); a hub given none runs the stand-in
// below, a tutorial without steps, which no level selects.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "game/play/screen/control_delegate.h"

namespace game {

class cHubTutorial {
 public:
  virtual ~cHubTutorial() = default;

  // Reads the "tutorial" element of the tutorial file `file`; false when
  // it cannot, and Error() says why, naming the file (or is empty).
  virtual bool Load(const pugi::xml_node& tutorial, const std::string& file) = 0;
  virtual const std::string& Error() const = 0;
  // The first step of that level starts and the tutorial is active: true.
  // A level without steps leaves it inactive: false.
  virtual bool SelectLevel(int32_t level_id) = 0;
  // Takes the steps' pictures and shows their widgets; Deactivate gives them
  // back and hides them.
  virtual void Activate() = 0;
  virtual void Deactivate() = 0;
  virtual bool IsActive() const = 0;

  // While active: the step's frame and drawing.
  virtual void Update() = 0;
  virtual void Draw() = 0;
  // A press goes to it before the gameplay, a release and a move after.
  virtual void OnButtonDown(int32_t button) = 0;
  virtual void OnButtonUp(int32_t button) = 0;
  virtual void OnPointerMove() = 0;

  // What the gameplay's controls tell while the tutorial follows them.
  virtual cControlDelegate& ControlDelegate() = 0;
};

// A tutorial without steps: it reads nothing, no level selects it, it never
// becomes active.
class gNoTutorial final : public cHubTutorial {
 public:
  bool Load(const pugi::xml_node& /*tutorial*/, const std::string& /*file*/) override {
    return true;
  }
  const std::string& Error() const override { return error_; }
  bool SelectLevel(int32_t /*level_id*/) override { return false; }
  void Activate() override {}
  void Deactivate() override {}
  bool IsActive() const override { return false; }
  void Update() override {}
  void Draw() override {}
  void OnButtonDown(int32_t /*button*/) override {}
  void OnButtonUp(int32_t /*button*/) override {}
  void OnPointerMove() override {}
  cControlDelegate& ControlDelegate() override { return delegate_; }

 private:
  cControlDelegate delegate_;
  std::string error_;
};

}  // namespace game
