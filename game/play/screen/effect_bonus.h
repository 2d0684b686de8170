#pragma once
// GG_EFFECT_BONUS: the coin of a rightly found bonus cell ("bonus_effect" of
// "effects.xml"), a three-step effect:
//   1. the coin appears on the cell and plays its animation once;
//   2. it flies on a quadratic Bezier curve (its control point "deflection"
//      pixels aside from the middle of the way) to "endpos" at "speed",
//      trailed by its particles; on landing the bonus coins are credited to
//      the coin counter and shown as text ("text" "value", "%i" standing for
//      the coins);
//   3. the text moves from "start" by "endoffset" over "time" seconds while
//      fading out; then the effect is finished.
// The live list that runs them (gPlayEffects) deletes a finished effect after
// its Update has returned, never inside its own step's callback.
//
//   <bonus_effect speed="520" deflection="-90" endpos="512 32">
//     <sprite_sunime>... an animation ...</sprite_sunime>
//     <font fntName="sans_bold_20" fntColor="FFEDAE49">
//       <motion time="0.8" start="0 -24" endoffset="0 -30"/>
//       <text value="+%i"/>
//     </font>
//     <particles_follow texture="..." .../>
//   </bonus_effect>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/font.h"
#include "framework/animation.h"
#include "framework/effect.h"
#include "framework/particles.h"

namespace game {

// What every bonus coin is copied from.
struct gBonusTemplate {
  using FontLookup = std::function<ORB::OC_FONT*(const std::string& name)>;

  // False (no template) when the element or its "sprite_sunime" is missing.
  bool Load(const pugi::xml_node& element, const FontLookup& fonts);

  float speed = 0.0f;
  float deflection = 0.0f;
  ORB::Vector2 end_position;
  std::unique_ptr<ORB_GF::G_ANIMATION> coin;
  std::unique_ptr<ORB_GF::G_PARTICLES> follow;
  ORB::OC_FONT* font = nullptr;
  ORB::Colour colour{0xFFFFFFFFu};
  int32_t alignment = 4;
  float text_time = 0.0f;
  ORB::Vector2 text_start;
  ORB::Vector2 text_offset;
  std::string text = "+%i";
};

class GG_EFFECT_BONUS : public ORB_GF::G_EFFECT_T<GG_EFFECT_BONUS*> {
 public:
  using Credit = std::function<void(int32_t coins)>;
  enum class Stage { kAppearing, kFlying, kShowing, kFinished };

  // A coin of `coins` from the cell's centre; `credit` adds them to the
  // counter on landing. Textures are fetched when `acquired`.
  GG_EFFECT_BONUS(const gBonusTemplate& templ, const ORB::Vector2& cell, int32_t coins,
                  Credit credit, bool acquired);
  ~GG_EFFECT_BONUS() override;

  void Draw();
  void AcquireResources();
  void ReleaseResources();

  Stage GetStage() const { return stage_; }
  bool IsFinished() const { return stage_ == Stage::kFinished; }
  int32_t Coins() const { return coins_; }
  ORB::Vector2 CoinPosition() const;
  ORB::Vector2 TextPosition() const { return text_place_.GetPositionV2(); }
  // The text shown once landed ("+10").
  const std::wstring& Text() const { return text_; }
  // The control point of the flight.
  ORB::Vector2 Control() const { return {control_.x, control_.y}; }

  // Runs the step's bots; the follow particles trail the coin, the text
  // fades. True once the last step is over.
  bool Update() override;

 private:
  static void Appeared(void* self, GG_EFFECT_BONUS* effect);
  static void Landed(void* self, GG_EFFECT_BONUS* effect);
  static void Shown(void* self, GG_EFFECT_BONUS* effect);

  const gBonusTemplate& template_;
  int32_t coins_;
  Credit credit_;
  Stage stage_ = Stage::kAppearing;
  ORB_GF::G_ANIMATION coin_;
  std::unique_ptr<ORB_GF::G_PARTICLES> follow_;
  ORB::OS_TRANSFORM3 text_place_;
  ORB::Vector3 control_;
  ORB::Vector3 end_;
  std::wstring text_;
  float text_elapsed_ = 0.0f;
};

}  // namespace game
