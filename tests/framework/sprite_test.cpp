// Sprites and frame animations against the recording device, with textures
// fetched by name from a counting provider.
#include "framework/sprite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/input_state.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/platform/fake_gpu_device.h"
#include "framework/animation.h"
#include "framework/cursor.h"
#include "framework/hot_spot.h"
#include "support/counting_textures.h"
#include "support/recording_renderer.h"

namespace ORB_GF {
namespace {

using ORB::TextureRecord;

using CountingProvider = test_support::CountingTextures;

class SpriteTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    provider_ = std::make_unique<CountingProvider>(*renderer_);
    provider_->Add("img face.png", 64, 32);
    provider_->Add("img other.png", 16, 16);
    provider_->Add("img sheet.png", 128, 64);
    ORB::SetTextureProvider(provider_.get());
  }
  void TearDown() override {
    ORB::SetTextureProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }

  static pugi::xml_node Parse(pugi::xml_document& doc, const char* text) {
    EXPECT_TRUE(doc.load_string(text));
    return doc.first_child();
  }

  std::unique_ptr<CountingProvider> provider_;
};

TEST_F(SpriteTest, SizeComesFromTheTextureOnceLoaded) {
  G_SPRITE sprite("img face.png");
  EXPECT_FALSE(sprite.IsLoaded());
  EXPECT_EQ(sprite.GetWidth(), -1.0f);
  EXPECT_EQ(sprite.GetTexture(), renderer_->GetDefaultTexture());
  EXPECT_EQ(sprite.GetState(), 0x00002432u);
  EXPECT_EQ(sprite.GetHotSpot(), HS_MID);
  ASSERT_NE(sprite.GetTransform(), nullptr);

  sprite.LoadTexture();
  sprite.LoadTexture();  // once is enough
  EXPECT_TRUE(sprite.IsLoaded());
  EXPECT_EQ(provider_->Uses("img face.png"), 1);
  EXPECT_EQ(sprite.GetWidth(), 64.0f);
  EXPECT_EQ(sprite.GetHeight(), 32.0f);
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(32, 16, 0));  // the centre

  sprite.ReleaseTexture();
  sprite.ReleaseTexture();  // nothing to give back the second time
  EXPECT_FALSE(sprite.IsLoaded());
  EXPECT_EQ(provider_->Uses("img face.png"), 0);
}

TEST_F(SpriteTest, MissingTextureStaysUnloaded) {
  G_SPRITE sprite("img missing.png");
  sprite.LoadTexture();
  EXPECT_FALSE(sprite.IsLoaded());
  sprite.ReleaseTexture();
  G_SPRITE unnamed;
  unnamed.LoadTexture();
  EXPECT_EQ(provider_->Acquires(), 1);  // an empty name asks for nothing
}

TEST_F(SpriteTest, LoadFromXml) {
  pugi::xml_document doc;
  const pugi::xml_node node = Parse(doc,
                                    "<S><FILE>img face.png</FILE><HOT_SPOT>HS_DR</HOT_SPOT>"
                                    "<POS>10 20</POS><COLOR>128 255 0 1</COLOR>"
                                    "<SIZE>40 30</SIZE></S>");
  G_SPRITE sprite(node);
  EXPECT_EQ(sprite.GetFile(), "img face.png");
  EXPECT_EQ(sprite.GetHotSpot(), HS_DR);
  EXPECT_EQ(sprite.GetTransform()->position, ORB::Vector3(10, 20, 0));
  EXPECT_EQ(sprite.GetColor().ToUInt(), 0x80FF0001u);
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(40, 30, 0));
  sprite.LoadTexture();
  EXPECT_EQ(sprite.GetWidth(), 40.0f);  // an XML size is kept

  pugi::xml_document doc2;
  G_SPRITE transformed(Parse(doc2,
                             "<S><POS>1 2</POS><TRANSFORM>5 6 0 0 0 0 0 0 1 2 2 1</TRANSFORM>"
                             "<HOT_SPOT>nonsense</HOT_SPOT></S>"));
  EXPECT_EQ(transformed.GetTransform()->position, ORB::Vector3(5, 6, 0));  // wins over POS
  EXPECT_FLOAT_EQ(transformed.GetTransform()->rotation.z, 1.0f);
  EXPECT_EQ(transformed.GetHotSpot(), HS_MID);

  G_SPRITE empty;
  EXPECT_FALSE(empty.Load(pugi::xml_node()));
}

TEST_F(SpriteTest, HotSpotsAndUnknownKinds) {
  G_SPRITE sprite("img face.png");
  sprite.LoadTexture();
  sprite.SetHotSpot(HS_UL, 0, 0);
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(0, 0, 0));
  sprite.SetHotSpot(HS_MR, 1, 1);
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(65, 17, 0));
  sprite.SetHotSpot(9, 0, 0);
  EXPECT_EQ(sprite.GetHotSpot(), 9);
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(65, 17, 0));
  sprite.SetHotSpot(-3, 0, 0);
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(65, 17, 0));
  sprite.SetSize(10, 10);  // a size change with an unknown kind keeps the pivot too
  EXPECT_EQ(sprite.GetTransform()->pivot, ORB::Vector3(65, 17, 0));
}

TEST_F(SpriteTest, CopiesAndAssignmentHoldTheirOwnUses) {
  G_SPRITE original("img face.png");
  original.LoadTexture();
  original.SetColor(ORB::Colour(0x80112233u));
  original.GetTransform()->position.Set(7, 8, 0);
  {
    G_SPRITE copy(original);
    EXPECT_TRUE(copy.IsLoaded());
    EXPECT_EQ(provider_->Uses("img face.png"), 2);
    EXPECT_NE(copy.GetTransform(), original.GetTransform());
    EXPECT_EQ(copy.GetTransform()->position, ORB::Vector3(7, 8, 0));
    EXPECT_EQ(copy.GetColor().ToUInt(), 0x80112233u);

    G_SPRITE other("img other.png");
    other.LoadTexture();
    other = original;  // gives back its own texture first
    EXPECT_EQ(provider_->Uses("img other.png"), 0);
    EXPECT_EQ(provider_->Uses("img face.png"), 3);
    G_SPRITE& self = other;
    other = self;
    EXPECT_EQ(provider_->Uses("img face.png"), 3);
    EXPECT_TRUE(other.IsLoaded());
  }
  EXPECT_EQ(provider_->Uses("img face.png"), 1);

  // A shared transform stays shared and is never freed by the sprite.
  auto shared = std::make_unique<ORB::OS_TRANSFORM3>();
  {
    G_SPRITE sprite;
    sprite.SetTransform(shared.get());
    G_SPRITE copy(sprite);
    EXPECT_EQ(copy.GetTransform(), shared.get());
  }
  shared->position.x = 1.0f;  // still alive
}

TEST_F(SpriteTest, SetFileReloadsWhenLoaded) {
  G_SPRITE sprite("img face.png");
  sprite.SetFile("img other.png");
  EXPECT_FALSE(sprite.IsLoaded());
  sprite.LoadTexture();
  sprite.SetFile("img face.png");
  EXPECT_TRUE(sprite.IsLoaded());
  EXPECT_EQ(provider_->Uses("img other.png"), 0);
  EXPECT_EQ(provider_->Uses("img face.png"), 1);
}

TEST_F(SpriteTest, TextureCoordinates) {
  G_SPRITE sprite("img sheet.png");
  sprite.LoadTexture();
  sprite.SetGridFrame(4, 2, 6);
  EXPECT_FLOAT_EQ(sprite.GetVertex(0)->u, 0.5f);
  EXPECT_FLOAT_EQ(sprite.GetVertex(0)->v, 0.5f);
  EXPECT_FLOAT_EQ(sprite.GetVertex(2)->u, 0.75f);
  EXPECT_FLOAT_EQ(sprite.GetVertex(2)->v, 1.0f);
  sprite.SetGridFrame(0, 0, 0);
  EXPECT_FLOAT_EQ(sprite.GetVertex(2)->u, 1.0f);
  sprite.SetUVPixels(32, 16, 64, 64);
  EXPECT_FLOAT_EQ(sprite.GetVertex(0)->u, 0.25f);
  EXPECT_FLOAT_EQ(sprite.GetVertex(3)->v, 1.0f);
  sprite.SetSize(64, 16);
  sprite.FitTextureCoords();
  EXPECT_FLOAT_EQ(sprite.GetVertex(2)->u, 0.5f);
  EXPECT_FLOAT_EQ(sprite.GetVertex(2)->v, 0.25f);
}

TEST_F(SpriteTest, DrawsAtItsHotSpotAndKnowsWhenOnScreen) {
  G_SPRITE sprite("img face.png");
  sprite.LoadTexture();
  sprite.SetX(100);
  sprite.SetY(50);
  ASSERT_EQ(sprite.Draw(), ORB::kResultOk);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 68.0f);
  EXPECT_FLOAT_EQ(drawn[0].y, 34.0f);
  EXPECT_FLOAT_EQ(drawn[2].x, 132.0f);
  EXPECT_EQ(fake_->Draws().back().texture, sprite.GetTexture()->handle);

  EXPECT_TRUE(sprite.IsOnScreen());
  sprite.SetX(-40);  // the right edge at -8
  EXPECT_FALSE(sprite.IsOnScreen());
  sprite.SetX(renderer_->GetWidth() + 31.0f);  // the left edge just inside
  EXPECT_TRUE(sprite.IsOnScreen());
  sprite.SetY(-17.0f);  // the lower edge at -1
  EXPECT_FALSE(sprite.IsOnScreen());
}

// Frame animation.

class AnimationTest : public SpriteTest {
 protected:
  // Plays until it stops (or 40 steps) and lists the frames shown, starting
  // with the one Play shows.
  static std::vector<int32_t> Run(G_ANIMATION& animation) {
    ORB::FrameDelta().store(0.6f);  // fps 2: one step a frame
    std::vector<int32_t> shown{Shown(animation)};
    for (int i = 0; i < 40 && animation.IsPlaying(); ++i) {
      if (animation.Update() == 1) shown.push_back(Shown(animation));
    }
    return shown;
  }
  // The frame whose cell the quad shows (4 cells in a row).
  static int32_t Shown(const G_ANIMATION& animation) {
    return static_cast<int32_t>(animation.GetVertex(0)->u * 4.0f + 0.5f);
  }
  static G_ANIMATION Make(bool loop, bool ping_pong, bool forward) {
    G_ANIMATION a;
    a.SetGrid(4, 1);
    a.SetFrameCount(4);
    a.SetFps(2.0f);
    a.SetLoop(loop);
    a.SetPingPong(ping_pong);
    a.SetForwardStart(forward);
    return a;
  }
  static std::vector<int32_t> Take(const std::vector<int32_t>& v, size_t n) {
    return {v.begin(), v.begin() + static_cast<ptrdiff_t>(std::min(n, v.size()))};
  }
};

TEST_F(AnimationTest, TheEightPlayModes) {
  using V = std::vector<int32_t>;
  {  // loop, forward
    G_ANIMATION a = Make(true, false, true);
    a.Play();
    EXPECT_EQ(Take(Run(a), 11), (V{0, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
    EXPECT_TRUE(a.IsPlaying());
  }
  {  // loop, backward
    G_ANIMATION a = Make(true, false, false);
    a.Play();
    EXPECT_EQ(Take(Run(a), 10), (V{3, 3, 2, 1, 0, 3, 2, 1, 0, 3}));
  }
  {  // loop, ping-pong, forward
    G_ANIMATION a = Make(true, true, true);
    a.Play();
    EXPECT_EQ(Take(Run(a), 12), (V{0, 0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2}));
  }
  {  // loop, ping-pong, backward
    G_ANIMATION a = Make(true, true, false);
    a.Play();
    EXPECT_EQ(Take(Run(a), 12), (V{3, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 1}));
  }
  {  // once, forward: stops on the last frame
    G_ANIMATION a = Make(false, false, true);
    a.Play();
    EXPECT_EQ(Run(a), (V{0, 0, 1, 2, 3}));
    EXPECT_FALSE(a.IsPlaying());
    EXPECT_EQ(a.CurrentFrame(), 4);
  }
  {  // once, backward: stops on the first frame
    G_ANIMATION a = Make(false, false, false);
    a.Play();
    EXPECT_EQ(Run(a), (V{3, 3, 2, 1, 0}));
    EXPECT_FALSE(a.IsPlaying());
  }
  {  // ping-pong once, forward: there and back
    G_ANIMATION a = Make(false, true, true);
    a.Play();
    EXPECT_EQ(Run(a), (V{0, 0, 1, 2, 3, 2, 1, 0}));
    EXPECT_FALSE(a.IsPlaying());
  }
  {  // ping-pong once, backward: back and there
    G_ANIMATION a = Make(false, true, false);
    a.Play();
    EXPECT_EQ(Run(a), (V{3, 3, 2, 1, 0, 1, 2, 3}));
    EXPECT_FALSE(a.IsPlaying());
  }
}

TEST_F(AnimationTest, FinishedAnimationsPlayAgain) {
  using V = std::vector<int32_t>;
  for (const bool forward : {true, false}) {
    for (const bool ping_pong : {true, false}) {
      G_ANIMATION a = Make(false, ping_pong, forward);
      a.Play();
      const V first = Run(a);
      ASSERT_FALSE(a.IsPlaying());
      a.Play();
      EXPECT_EQ(Run(a), first) << "forward " << forward << " ping-pong " << ping_pong;
    }
  }
}

TEST_F(AnimationTest, ClockDelayAndPause) {
  G_ANIMATION a = Make(true, false, true);
  a.SetFps(1.0f);
  a.Play(0.5f);
  ORB::FrameDelta().store(0.0f);  // a paused game changes nothing
  EXPECT_EQ(a.Update(), 0);
  ORB::FrameDelta().store(0.25f);
  EXPECT_EQ(a.Update(), 0);  // delay 0.25 left
  // The frame in which the delay runs out counts whole: 0.25, 0.5, 0.75,
  // 1.0 are not past 1; the fifth small frame steps.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(a.Update(), 0);
  EXPECT_EQ(a.Update(), 1);
  a.Stop();
  EXPECT_EQ(a.Update(), 0);
  a.Resume();
  EXPECT_TRUE(a.IsPlaying());
}

TEST_F(AnimationTest, GridFrameCountAndFlip) {
  G_ANIMATION a("img sheet.png");
  a.SetGrid(0, -1);  // reads as one cell
  EXPECT_EQ(a.Columns(), 1);
  EXPECT_EQ(a.Rows(), 1);
  a.SetFrameCount(0);
  EXPECT_EQ(a.FrameCount(), 1);
  a.SetGrid(4, 2);
  a.LoadTexture();  // the size follows one cell of the texture
  EXPECT_EQ(a.GetWidth(), 32.0f);
  EXPECT_EQ(a.GetHeight(), 32.0f);
  a.SetFrameCount(8);
  a.SetFrame(13);  // 13 mod 8 = 5: column 1, row 1
  EXPECT_EQ(a.CurrentFrame(), 5);
  EXPECT_FLOAT_EQ(a.GetVertex(0)->u, 0.25f);
  EXPECT_FLOAT_EQ(a.GetVertex(0)->v, 0.5f);
  a.SetFlip(true);
  a.SetFrame(5);
  EXPECT_FLOAT_EQ(a.GetVertex(0)->u, 0.5f);  // mirrored
  EXPECT_FLOAT_EQ(a.GetVertex(1)->u, 0.25f);
}

TEST_F(AnimationTest, LoadFromXml) {
  pugi::xml_document doc;
  G_ANIMATION a(Parse(doc,
                      "<A><FILE>img sheet.png</FILE>"
                      "<ANIMATION loop=\"false\" ping_pong=\"true\" reverese=\"false\" "
                      "grid=\"4 2\" frames=\"6\" fps=\"12\"/></A>"));
  EXPECT_FALSE(a.IsLooping());
  EXPECT_EQ(a.Columns(), 4);
  EXPECT_EQ(a.Rows(), 2);
  EXPECT_EQ(a.FrameCount(), 6);
  EXPECT_EQ(a.Fps(), 12.0f);
  a.Play();
  EXPECT_EQ(a.CurrentFrame(), 5);  // the forward-start flag is clear
  G_ANIMATION copy(a);
  EXPECT_EQ(copy.CurrentFrame(), 5);
  EXPECT_EQ(copy.FrameCount(), 6);
}

// The cursor.

TEST_F(SpriteTest, CursorDrawsLastAtThePointer) {
  gCursor cursor;
  cursor.Draw();  // nothing before loading
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<cursor file=\"img face.png\"/>"));
  ASSERT_TRUE(cursor.Load(doc));
  cursor.LoadTexture();
  ASSERT_NE(cursor.Sprite(), nullptr);
  EXPECT_EQ(cursor.Sprite()->GetHotSpot(), HS_UL);

  ORB::InputState input;
  input.OnMouseMove(300, 200);
  fake_->ClearLog();
  cursor.Draw();
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 300.0f);  // the picture's corner is the tip
  EXPECT_FLOAT_EQ(drawn[0].y, 200.0f);
  EXPECT_FLOAT_EQ(drawn[2].x, 364.0f);

  cursor.SetEnabled(false);
  fake_->ClearLog();
  cursor.Draw();
  EXPECT_TRUE(Drawn().empty());

  // Loading again reuses the sprite and fetches the new texture at once.
  const G_SPRITE* before = cursor.Sprite();
  pugi::xml_document doc2;
  ASSERT_TRUE(doc2.load_string("<!-- pointer --><cursor file=\"img other.png\"/>"));
  ASSERT_TRUE(cursor.Load(doc2));
  EXPECT_EQ(cursor.Sprite(), before);
  EXPECT_TRUE(cursor.Sprite()->IsLoaded());
  EXPECT_EQ(provider_->Uses("img face.png"), 0);
  EXPECT_EQ(provider_->Uses("img other.png"), 1);

  pugi::xml_document empty;
  EXPECT_FALSE(cursor.Load(empty));
}

}  // namespace
}  // namespace ORB_GF
