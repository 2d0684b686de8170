#pragma once
// game::G_LOADER_SCREEN: what the player sees from start-up until the first
// menu. A background, a logo and a loading animation, then a stack of splash
// pictures, each shown for a while over a coloured backdrop and faded out to
// reveal the next. When loading is done and the last splash is gone, the
// screen opens the window "Fade_Transition" and reports itself finished once
// that window is fully shown; the driver (game_main.cpp) then switches to
// the game, and the fade window closes over the first menu (which opened
// behind the loading screen).
//
// It is an OC_LOADER whose loading function is the game's LoadGame. The
// driver runs that function at once, before the first frame (RunDirect), so
// the progress is already 100 when the first frame is drawn.
//
// Who calls what (all on the main thread):
// - the driver's init: the constructor, LoadSprites, then RunDirect;
// - every frame while loading: Update, Draw, then IsFinished;
// - a key press or a click while loading: NextSplash (the splash fades at
//   once);
// - once finished: ReleaseSprites, then the destructor.
//
// The screen file, "data/share/main/other screen_loading.xml" (through the
// repository; without it the screen is empty and finishes on the first
// frame):
//
//   <screen_loading>
//     <background><FILE>data/share/image/loading background.png</FILE> ...</background>
//     <logo> ...a sprite description (framework/sprite.h)... </logo>
//     <animation> ...an animation description (framework/animation.h)... </animation>
//     <splashes time_per_splash="2.0" time_fade="0.2" back_color="255 244 239 230">
//       <splash>
//         <FILE>data/share/image/loading/splash.png</FILE>  below the data folder
//         <POS>512 384</POS>                                  optional
//         <HOT_SPOT>HS_MID</HOT_SPOT>                         optional
//       </splash>
//     </splashes>
//   </screen_loading>
//
// Each child is optional. "time_per_splash" and "time_fade" are seconds;
// "back_color" is "a r g b". A splash's "FILE" is a plain path below the
// data folder (Resources/), decoded straight from the file (not through the
// repository); a path that is absolute or climbs out with "..", a file that
// is missing and one that does not decode are skipped (logged) and take no
// time. Without "back_color" the splashes stand on nothing.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/loader.h"
#include "engine/foundation/texture_record.h"
#include "engine/scene/bot_list.h"
#include "engine/scene/mesh.h"
#include "framework/animation.h"
#include "framework/sprite.h"

namespace game {

class G_LOADER_SCREEN : public ORB::OC_LOADER {
 public:
  static constexpr const char* kScreenFile = "data/share/main/other screen_loading.xml";
  static constexpr const char* kFadeWindow = "Fade_Transition";
  static constexpr float kDefaultTimeFade = 0.2f;
  static constexpr float kDefaultTimePerSplash = 2.0f;
  // A splash fades to this (transparent white).
  static constexpr uint32_t kFadedSplash = 0x00FFFFFFu;

  // Reads the screen file when the repository has it; the splash pictures
  // are decoded here, the other sprites' textures wait for LoadSprites.
  explicit G_LOADER_SCREEN(LoadingFunction function);
  // Gives back the backdrop's and the splashes' textures, and takes its
  // opened callback off "Fade_Transition" when it is still there.
  ~G_LOADER_SCREEN() override;

  // The textures of the background, the logo and the animation (from the
  // process-wide texture provider); the animation starts playing.
  void LoadSprites();
  void ReleaseSprites();

  // OC_LOADER's thread start, and the animation from its first frame.
  void Start() override;
  // One frame: the animation and the fades advance; the current splash's
  // time runs and, when it is up, the next splash begins; once every splash
  // has begun to fade, the window manager's frame.
  void Update() override;
  // The background, the logo and the animation, then the splashes from the
  // last to the first, each over its own backdrop fading with it, so the
  // first splash is on top. Once every splash has begun to fade, the open
  // "Fade_Transition" over all of it (the windows behind it, the first
  // menu among them, are not drawn until the game takes over).
  void Draw() override;

  // The current splash starts fading now; false when none was left. Also
  // what a key press or a click does while loading.
  bool NextSplash();
  // True once loading is done, every splash has begun to fade and
  // "Fade_Transition" is fully shown (at once when there is no such
  // window). Opens the window on the first call that finds the rest done.
  bool IsFinished();

  // --- What tests and the driver read.
  float GetTimePerSplash() const { return time_per_splash_; }
  float GetTimeFade() const { return time_fade_; }
  size_t GetSplashCount() const { return splashes_.size(); }
  int32_t GetSplashIndex() const { return splash_index_; }
  float GetSplashTimer() const { return splash_timer_; }
  bool AllSplashesShown() const { return splash_index_ >= static_cast<int32_t>(splashes_.size()); }
  const ORB::OC_MESH& GetSplash(size_t index) const { return *splashes_[index]; }
  bool HasBackdrop() const { return backdrop_texture_ != nullptr; }
  const ORB::Colour& GetBackColour() const { return back_colour_; }
  const ORB_GF::G_SPRITE& GetBackground() const { return background_; }
  const ORB_GF::G_SPRITE& GetLogo() const { return logo_; }
  const ORB_GF::G_ANIMATION& GetAnimation() const { return animation_; }

 private:
  void ReadScreen(const pugi::xml_node& root);
  void ReadSplashes(const pugi::xml_node& splashes);
  void MakeBackdrop(const ORB::Colour& colour);
  // The splash's mesh, or null (logged) when its file cannot be shown.
  std::unique_ptr<ORB::OC_MESH> LoadSplash(const pugi::xml_node& splash);
  static void OnFadeOpened(void* context);
  // Takes this screen's callback off the fade window, when both are left.
  void ForgetFadeWindow();

  ORB_GF::G_SPRITE background_;
  ORB_GF::G_SPRITE logo_;
  ORB_GF::G_ANIMATION animation_;
  float time_fade_ = kDefaultTimeFade;
  float time_per_splash_ = kDefaultTimePerSplash;
  ORB_GF::G_SPRITE backdrop_;
  ORB::TextureRecord* backdrop_texture_ = nullptr;
  ORB::Colour back_colour_{0xFFFFFFFFu};
  std::vector<std::unique_ptr<ORB::OC_MESH>> splashes_;
  std::vector<ORB::TextureRecord*> splash_textures_;
  bool finished_ = false;
  int32_t splash_index_ = 0;
  float splash_timer_ = 0.0f;
  ORB::OC_BOT_LIST bots_;
  bool sprites_loaded_ = false;
  // "Fade_Transition" carries this screen's opened callback.
  bool fade_pending_ = false;
};

}  // namespace game
