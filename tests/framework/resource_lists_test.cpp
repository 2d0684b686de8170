// The resource lists (fonts, sounds, leaderboards), font styles and particle
// effects, read through a repository over a temporary resources folder whose
// textures the recording renderer decodes.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/timer.h"
#include "engine/scene/repository_texture_provider.h"
#include "framework/font_list.h"
#include "framework/font_style.h"
#include "framework/leaderboard_list.h"
#include "framework/particles.h"
#include "framework/sound_list.h"
#include "support/counting_sounds.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"
#include "support/temp_folder.h"

namespace ORB_GF {
namespace {

constexpr const char* kGlyphs = R"(<font>
  <common lineHeight="10" scaleW="5" scaleH="3"/>
  <chars count="2">
    <char id="65" x="0" y="0" width="2" height="3" xoffset="0" yoffset="0" xadvance="3"/>
    <char id="63" x="2" y="0" width="2" height="3" xoffset="0" yoffset="0" xadvance="3"/>
  </chars>
</font>)";

constexpr const char* kFontList = R"(<fonts>
  <font name="small" texture="res small.png" xml="res small.xml"/>
  <font name="small" texture="res other.png" xml="res other.xml"/>
  <font name="lost" texture="res other.png" xml="res missing.xml"/>
  <font name="bare" texture="res other.png" xml="res empty.xml"/>
  <font name="half" texture="res other.png"/>
  <font name="plain" texture="res nothing.png" xml="res other.xml"/>
</fonts>)";

class ResourceListsTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(base_.Path().empty());
    files_ = std::make_unique<ORB::FileSystem>(base_.Path());
    ASSERT_TRUE(files_->CreateResourcesFolder());
    const std::string res = files_->GetResourcesFolder() + "res/";
    std::filesystem::create_directories(res);
    for (const char* name : {"small.png", "other.png"}) {
      std::filesystem::copy_file(test_support::TestData("renderer/five_by_three.png"), res + name);
    }
    test_support::WriteText(res + "small.xml", kGlyphs);
    test_support::WriteText(res + "other.xml", kGlyphs);
    test_support::WriteText(res + "empty.xml", "<font><common lineHeight='4'/><chars/></font>");
    test_support::WriteText(res + "fonts.xml", kFontList);
    test_support::WriteText(res + "boards.xml",
                            "<boards><b name='time' leaderboard_id='id.time'/>"
                            "<b name='coins'/><b name='time' leaderboard_id='id.second'/>"
                            "<b name='score' leaderboard_id='id.score'/></boards>");
    test_support::WriteText(res + "click.ogg", "not really a sound");
    test_support::WriteText(
        res + "sounds.xml",
        "<sounds><s name='click' path='res click.ogg' buffcount='3' streamed='true'/>"
        "<s name='click' path='res click.ogg' buffcount='1' streamed='false'/>"
        "<s name='half' path='res click.ogg'/></sounds>");
    test_support::WriteText(res + "no_sounds.xml", "<sounds/>");
    test_support::WriteText(res + "burst.xml",
                            "<particles texture='res small.png' maxCount='50' area='20 10'>"
                            "<lifetime>0.5</lifetime></particles>");
    test_support::WriteText(res + "no_particles.xml", "<effects/>");
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<test_support::RendererTextures>(*renderer_);
    repository_ = std::make_unique<ORB::OC_REPOSITORY>(*files_, textures_.get(), &sounds_);
    ASSERT_EQ(repository_->AddFolder("res"), ORB::kResultOk);
    provider_ = std::make_unique<ORB::RepositoryTextureProvider>(*repository_);
  }
  void TearDown() override {
    ORB::Engine().repository = nullptr;
    repository_.reset();
  }

  int Uses(const std::string& name) { return repository_->Find(name)->uses; }
  bool IsLoaded(const std::string& name) { return repository_->Find(name)->loaded; }

  test_support::TempFolder base_;
  std::unique_ptr<ORB::FileSystem> files_;
  std::unique_ptr<test_support::RendererTextures> textures_;
  test_support::CountingSounds sounds_;
  std::unique_ptr<ORB::OC_REPOSITORY> repository_;
  std::unique_ptr<ORB::RepositoryTextureProvider> provider_;
};

TEST_F(ResourceListsTest, FontListSkipsWhatCannotBeBuilt) {
  test_support::LogCapture log;
  FontList fonts;
  EXPECT_FALSE(fonts.Load(*repository_, "res absent.xml"));
  EXPECT_FALSE(fonts.Load(*repository_, "res sounds.xml")) << "no \"fonts\" element";
  ASSERT_TRUE(fonts.Load(*repository_, "res fonts.xml"));

  // "small" and "plain" (whose texture is unknown: the placeholder) load;
  // the second "small" loads nothing, "lost" has no description, "bare"
  // has no glyph and "half" no "xml".
  EXPECT_EQ(fonts.Count(), 2u);
  ASSERT_TRUE(fonts.Has("small"));
  EXPECT_TRUE(fonts.Has("plain"));
  EXPECT_FALSE(fonts.Has("lost"));
  EXPECT_FALSE(fonts.Has("bare"));
  EXPECT_EQ(fonts.Find("absent"), nullptr);
  EXPECT_EQ(fonts.Find("small")->GetGlyphCount(), 2);
  EXPECT_EQ(fonts.Find("small")->GetCapacity(), 600);

  // Uses: one of "small.png" by its font; the duplicate, the missing and
  // the unbuildable entries hold none; every description was given back.
  EXPECT_EQ(Uses("res small.png"), 1);
  EXPECT_EQ(Uses("res other.png"), 0) << "the font without glyphs gave its texture back";
  EXPECT_EQ(Uses("res fonts.xml"), 0);
  EXPECT_EQ(Uses("res other.xml"), 0);
  EXPECT_EQ(Uses("res empty.xml"), 0);
  EXPECT_TRUE(log.Has("font \"small\" is listed twice"));
  EXPECT_TRUE(log.Has("lacks \"name\", \"texture\" or \"xml\""));
  EXPECT_TRUE(log.Has("Cant load font \"lost\" from \"res missing.xml\""));
  EXPECT_TRUE(log.Has("Cant load font \"bare\""));
  EXPECT_EQ(ORB::GetErrorText(), "Cant load font \"bare\" from \"res empty.xml\"");
}

TEST_F(ResourceListsTest, FontsDrawThePlaceholderAfterTheirTexturesAreGivenBack) {
  FontList fonts;
  ASSERT_TRUE(fonts.Load(*repository_, "res fonts.xml"));
  ORB::OC_FONT* font = fonts.Find("small");
  ASSERT_NE(font, nullptr);
  EXPECT_NE(font->GetTexture(), renderer_->GetDefaultTexture());

  fonts.ReleaseTextures();
  EXPECT_EQ(Uses("res small.png"), 0);
  EXPECT_FALSE(IsLoaded("res small.png")) << "the repository unloaded what was unused";
  EXPECT_EQ(font->GetTexture(), renderer_->GetDefaultTexture());
  fonts.ReleaseTextures();  // nothing held any more
  EXPECT_EQ(Uses("res small.png"), 0);

  // Drawing still works, on the placeholder (the sanitizers watch).
  font->DrawText(10, 10, L"AA");
  const auto drawn = Drawn();
  EXPECT_EQ(drawn.size(), 8u);
  EXPECT_EQ(fake_->Draws().back().texture, renderer_->GetDefaultTexture()->handle);
}

TEST_F(ResourceListsTest, TheGameHoldsOneFontListAndOneLeaderboardList) {
  EXPECT_EQ(GetFontList(), nullptr);
  FontList& fonts = CreateFontList();
  EXPECT_EQ(GetFontList(), &fonts);
  EXPECT_FALSE(fonts.Load("res fonts.xml")) << "no engine repository here";
  DestroyFontList();
  EXPECT_EQ(GetFontList(), nullptr);
  CreateLeaderboardList();
  EXPECT_NE(GetLeaderboardList(), nullptr);
  DestroyLeaderboardList();
  EXPECT_EQ(GetLeaderboardList(), nullptr);
}

TEST_F(ResourceListsTest, ShippedFontListLoadsAsItIs) {
  ORB::FileSystem checkout(test_support::SourcePath(""));
  ORB::OC_REPOSITORY shipped(checkout, textures_.get(), nullptr);
  ASSERT_EQ(shipped.AddFolder("data/share/font"), ORB::kResultOk);
  FontList fonts;
  ASSERT_TRUE(fonts.Load(shipped, "data/share/font fonts.xml"));
  for (const char* name : {"sans_14", "sans_20", "sans_28", "sans_bold_14", "sans_bold_20",
                           "sans_bold_28", "title_44"}) {
    ASSERT_TRUE(fonts.Has(name)) << name;
    EXPECT_GT(fonts.Find(name)->GetGlyphCount(), 90) << name;
    EXPECT_NE(fonts.Find(name)->GetTexture(), renderer_->GetDefaultTexture()) << name;
  }
  EXPECT_EQ(fonts.Count(), 7u);
  fonts.ReleaseTextures();
}

TEST_F(ResourceListsTest, SoundListKeepsItsOwnFormat) {
  test_support::LogCapture log;
  SoundList sounds;
  sounds.Load();  // nothing open: nothing happens
  EXPECT_TRUE(log.Has("Load without an open list"));
  EXPECT_FALSE(sounds.Open(*repository_, "res absent.xml"));
  EXPECT_FALSE(sounds.Open(*repository_, "res no_sounds.xml"));
  EXPECT_EQ(Uses("res no_sounds.xml"), 0) << "given back at once";

  ASSERT_TRUE(sounds.Open(*repository_, "res sounds.xml"));
  EXPECT_EQ(Uses("res sounds.xml"), 1);
  sounds.Load();
  EXPECT_EQ(Uses("res sounds.xml"), 0);
  EXPECT_TRUE(sounds.Has("click"));
  EXPECT_FALSE(sounds.Has("half"));
  EXPECT_EQ(sounds.Count(), 1u);
  EXPECT_NE(sounds.Find("click"), nullptr);
  EXPECT_EQ(sounds_.last_buffers, 3) << "the first entry of a name stays";
  EXPECT_TRUE(sounds_.last_whole);
  EXPECT_EQ(Uses("res click.ogg"), 1);
  sounds.Load();  // the document is closed: nothing more
  EXPECT_EQ(Uses("res click.ogg"), 1);

  // A list opened and never loaded is given back when the list goes.
  {
    SoundList open;
    ASSERT_TRUE(open.Open(*repository_, "res sounds.xml"));
  }
  EXPECT_EQ(Uses("res sounds.xml"), 0);
}

TEST_F(ResourceListsTest, LeaderboardsByName) {
  test_support::LogCapture log;
  LeaderboardList boards;
  EXPECT_FALSE(boards.Load(*repository_, "res absent.xml"));
  ASSERT_TRUE(boards.Load(*repository_, "res boards.xml"));
  EXPECT_EQ(boards.GetId("time"), "id.time");
  EXPECT_EQ(boards.GetId("score"), "id.score");
  EXPECT_EQ(boards.GetId("coins"), "");
  EXPECT_EQ(boards.GetId("unknown"), "");
  EXPECT_EQ(boards.Count(), 2u);
  EXPECT_TRUE(log.Has("lacks \"name\" or \"leaderboard_id\""));
}

TEST_F(ResourceListsTest, FontStylesBindAFontColourAndAlignment) {
  FontList fonts;
  ASSERT_TRUE(fonts.Load(*repository_, "res fonts.xml"));
  const FontStyle defaults;
  EXPECT_EQ(defaults.GetFont(), nullptr);
  EXPECT_EQ(defaults.GetColor().ToUInt(), 0xFFFFFFFFu);
  EXPECT_EQ(defaults.GetAlignment(), ORB::HS_MID);
  EXPECT_EQ(defaults.Apply(), nullptr);

  struct Case {
    const char* xml;
    bool found;
    uint32_t colour;
    int32_t alignment;
  };
  const Case cases[] = {
      {"<s fntName='small' fntColor='FF2E3440' fntHotSpot='HS_ML'/>", true, 0xFF2E3440u,
       ORB::HS_ML},
      {"<s fntName='small'/>", true, 0xFFFFFFFFu, ORB::HS_MID},
      {"<s fntName='small' fntHotSpot='HS_MIDDLE'/>", true, 0xFFFFFFFFu, ORB::HS_MID},
      {"<s fntName='nope' fntColor='80FF0000'/>", false, 0x80FF0000u, ORB::HS_MID},
      {"<s fntColor='FF000000'/>", false, 0xFFFFFFFFu, ORB::HS_MID},
  };
  for (const Case& c : cases) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(c.xml));
    FontStyle style;
    EXPECT_EQ(style.Load(doc.first_child(), fonts), c.found) << c.xml;
    EXPECT_EQ(style.GetFont() != nullptr, c.found) << c.xml;
    EXPECT_EQ(style.GetColor().ToUInt(), c.colour) << c.xml;
    EXPECT_EQ(style.GetAlignment(), c.alignment) << c.xml;
  }
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<s fntName='small' fntColor='FF102030' fntHotSpot='HS_DR'/>"));
  FontStyle style;
  ASSERT_TRUE(style.Load(doc.first_child(), fonts));
  ORB::OC_FONT* font = style.Apply();
  ASSERT_EQ(font, fonts.Find("small"));
  EXPECT_EQ(font->GetColor(), 0xFF102030u);
  EXPECT_EQ(font->alignment, ORB::HS_DR);
}

TEST_F(ResourceListsTest, ParticleFilesAreReadFromTheirParticlesElement) {
  test_support::LogCapture log;
  G_PARTICLES effect;
  ASSERT_TRUE(effect.LoadFile(*repository_, "res burst.xml"));
  EXPECT_EQ(effect.GetTextureName(), "res small.png");
  EXPECT_EQ(effect.System().GetMaxCount(), 50);
  EXPECT_FLOAT_EQ(effect.System().Template().life, 0.5f);
  EXPECT_FALSE(effect.IsLoaded());
  EXPECT_EQ(Uses("res burst.xml"), 0);

  for (const char* name : {"res missing.xml", "res no_particles.xml"}) {
    G_PARTICLES skipped;
    EXPECT_FALSE(skipped.LoadFile(*repository_, name));
    EXPECT_NE(ORB::GetErrorText().find(name), std::string::npos) << ORB::GetErrorText();
    EXPECT_TRUE(log.Has(std::string("Cant load particles \"") + name + "\""));
  }
  G_PARTICLES no_repository("res burst.xml");  // the engine has no repository here
  EXPECT_TRUE(no_repository.GetTextureName().empty());

  // Without "texture" nothing is read.
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<particles maxCount='7'/>"));
  EXPECT_FALSE(effect.Load(doc.first_child()));
  EXPECT_EQ(effect.System().GetMaxCount(), 50);
}

TEST_F(ResourceListsTest, ParticleTexturesAreFetchedGivenBackAndCopied) {
  ORB::Engine().repository = repository_.get();
  G_PARTICLES effect("res burst.xml");
  EXPECT_EQ(effect.System().GetMaxCount(), 50);
  // Reload without a texture only reads.
  effect.System().SetMaxCount(3);
  ASSERT_TRUE(effect.Reload("res burst.xml"));
  EXPECT_EQ(effect.System().GetMaxCount(), 50);
  EXPECT_FALSE(effect.IsLoaded());
  EXPECT_EQ(Uses("res small.png"), 0);

  effect.LoadTexture(provider_.get());
  ASSERT_TRUE(effect.IsLoaded());
  EXPECT_EQ(Uses("res small.png"), 1);
  effect.LoadTexture(provider_.get());
  EXPECT_EQ(Uses("res small.png"), 1) << "once is enough";
  // Reload with a texture gives it back and fetches it again.
  effect.System().SetMaxCount(3);
  ASSERT_TRUE(effect.Reload("res burst.xml"));
  EXPECT_EQ(effect.System().GetMaxCount(), 50);
  EXPECT_TRUE(effect.IsLoaded());
  EXPECT_EQ(Uses("res small.png"), 1);
  ORB::Engine().repository = nullptr;

  // Copies own their particles and a use of the texture each.
  ORB::FrameDelta().store(0.1f);
  for (int i = 0; i < 5; ++i) effect.System().Emit();
  effect.Update();
  {
    G_PARTICLES copy(effect);
    EXPECT_EQ(copy.System().GetLiveCount(), 5);
    EXPECT_NE(copy.System().FirstLive(), effect.System().FirstLive());
    EXPECT_TRUE(copy.IsLoaded());
    EXPECT_EQ(Uses("res small.png"), 2);
    G_PARTICLES assigned;
    assigned = copy;
    assigned = assigned;
    EXPECT_EQ(Uses("res small.png"), 3);
    copy.Update();
    EXPECT_EQ(copy.Draw(), ORB::kResultOk);
  }
  EXPECT_EQ(Uses("res small.png"), 1);
  ORB::FrameDelta().store(0.0f);

  // Reading again keeps the texture loaded, re-fetched.
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<particles texture='res other.png'/>"));
  ASSERT_TRUE(effect.Load(doc.first_child()));
  EXPECT_TRUE(effect.IsLoaded());
  EXPECT_EQ(Uses("res small.png"), 0);
  EXPECT_EQ(Uses("res other.png"), 1);

  effect.ReleaseTexture();
  EXPECT_FALSE(effect.IsLoaded());
  EXPECT_EQ(effect.System().GetTexture(), renderer_->GetDefaultTexture());
  EXPECT_EQ(Uses("res other.png"), 0);
}

TEST_F(ResourceListsTest, EmitterMovesAlongXOnly) {
  G_PARTICLES effect;
  effect.System().SetEmitterRect(100.0f, 51.0f, 20.0f, 9.0f);  // y from 46.5 to 55.5
  effect.SetEmitterX(300.0f);
  const ORB::EmitterArea& area = effect.System().GetArea();
  EXPECT_FLOAT_EQ((area.x1 + area.x2) / 2.0f, 300.0f);
  EXPECT_FLOAT_EQ((area.y1 + area.y2) / 2.0f, 51.0f);
  EXPECT_FLOAT_EQ(area.x2 - area.x1, 20.0f);
  effect.System().SetEmitterCircle(10.0f, 33.7f, 5.0f);
  effect.SetEmitterX(-4.0f);
  EXPECT_FLOAT_EQ(effect.System().GetArea().x1, -4.0f);
  EXPECT_FLOAT_EQ(effect.System().GetArea().y1, 33.0f) << "whole pixels";
}

}  // namespace
}  // namespace ORB_GF
