// The particle description ("particles"): every item read, the two forms of
// the emitter area, what is ignored, and a read-write-read round trip that
// keeps every setting.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/scene/particle_system_ex.h"
#include "support/recording_renderer.h"

namespace ORB {
namespace {

const Point kScreen(1024, 768);

class ParticleDescriptionTest : public test_support::RecordingRendererTest {
 protected:
  // The first element of the XML text.
  pugi::xml_node Parse(const char* xml) {
    EXPECT_TRUE(doc_.load_string(xml)) << xml;
    return doc_.first_child();
  }
  static std::string Text(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
  }

  pugi::xml_document doc_;
};

TEST_F(ParticleDescriptionTest, ReadsEveryItem) {
  OC_PARTICLE_SYSTEM_EX system(nullptr);
  ASSERT_TRUE(system.LoadDescription(Parse(R"(
    <particles texture="fx soft_dot.png" multiply="false" maxCount="240" spreadAngle="0.5"
               frequency="60.5" gravity="1.5 -20" area="200 100">
      <lifetime>4</lifetime>
      <velocity>10 -150</velocity>
      <tangent>3.5</tangent>
      <radial>-2</radial>
      <startSize>6</startSize>
      <endSize>1.5</endSize>
      <startColor>FFE07A5F</startColor>
      <averColor>0x803D405B</averColor>
      <endColor>0</endColor>
    </particles>)"),
                                     kScreen));
  EXPECT_EQ(system.GetTexture(), renderer_->GetDefaultTexture());
  EXPECT_FALSE(RenderState(system.GetRenderState()).Additive());
  EXPECT_EQ(system.GetRenderState(), 0x00003412u);
  EXPECT_EQ(system.GetMaxCount(), 240);
  EXPECT_FLOAT_EQ(system.GetSpreadAngle(), 0.5f);
  EXPECT_FLOAT_EQ(system.GetFrequency(), 60.5f);
  EXPECT_EQ(system.GetGravity(), Vector3(1.5f, -20.0f, 0.0f));
  EXPECT_FALSE(system.GetArea().IsCircle());
  EXPECT_EQ(system.GetArea().x1, 412.0f);
  EXPECT_EQ(system.GetArea().y1, 334.0f);
  EXPECT_EQ(system.GetArea().x2, 612.0f);
  EXPECT_EQ(system.GetArea().y2, 434.0f);
  EXPECT_EQ(system.Template().life, 4.0f);
  EXPECT_EQ(system.GetVelocity(), Vector3(10.0f, -150.0f, 0.0f));
  EXPECT_EQ(system.GetTangentialAcceleration(), 3.5f);
  EXPECT_EQ(system.GetRadialAcceleration(), -2.0f);
  EXPECT_EQ(system.GetStartSize(), 6.0f);
  EXPECT_EQ(system.GetEndSize(), 1.5f);
  EXPECT_EQ(system.GetStartColour().ToColour(), 0xFFE07A5Fu);
  EXPECT_EQ(system.GetAverageColour().ToColour(), 0x803D405Bu);
  EXPECT_EQ(system.GetEndColour().ToColour(), 0u);
}

TEST_F(ParticleDescriptionTest, AreaFormsAndWhatIsIgnored) {
  const struct {
    const char* area;
    Point screen;
    bool circle;
    float x1, y1, x2, y2, radius;
  } rows[] = {
      {"30", kScreen, true, 512, 384, 0, 0, 30},
      {"200 100", kScreen, false, 412, 334, 612, 434, 0},
      {"200 100 7", kScreen, false, 412, 334, 612, 434, 0},  // extra numbers are not read
      {"30", Point(1023, 767), true, 511, 383, 0, 0, 30},    // halves as whole numbers
      {"", kScreen, true, 7, 8, 0, 0, 9},                    // empty: left as it was
      {"   ", kScreen, true, 7, 8, 0, 0, 9},
      {" 30", kScreen, true, 512, 384, 0, 0, 30},  // numbers apart by any white space
      {"\n200\t 100", kScreen, false, 412, 334, 612, 434, 0},
  };
  for (const auto& row : rows) {
    OC_PARTICLE_SYSTEM_EX system(nullptr);
    system.SetEmitterCircle(7, 8, 9);
    const std::string xml = std::string("<particles texture=\"t\" area=\"") + row.area + "\"/>";
    ASSERT_TRUE(system.LoadDescription(Parse(xml.c_str()), row.screen)) << row.area;
    const EmitterArea& area = system.GetArea();
    EXPECT_EQ(area.IsCircle(), row.circle) << row.area;
    EXPECT_EQ(area.x1, row.x1) << row.area;
    EXPECT_EQ(area.y1, row.y1) << row.area;
    EXPECT_EQ(area.x2, row.x2) << row.area;
    EXPECT_EQ(area.y2, row.y2) << row.area;
    EXPECT_EQ(area.radius, row.radius) << row.area;
  }
}

TEST_F(ParticleDescriptionTest, WithoutTextureNothingChanges) {
  OC_PARTICLE_SYSTEM_EX system(nullptr);
  EXPECT_FALSE(system.LoadDescription(
      Parse(R"(<particles maxCount="5" multiply="false"><lifetime>9</lifetime></particles>)"),
      kScreen));
  EXPECT_EQ(system.GetMaxCount(), 8096);
  EXPECT_EQ(system.GetRenderState(), 0x00003416u);
  EXPECT_EQ(system.Template().life, 2.0f);
  EXPECT_EQ(system.GetTexture(), nullptr);
}

TEST_F(ParticleDescriptionTest, MissingItemsAndShortPairsKeepTheirValues) {
  OC_PARTICLE_SYSTEM_EX system(nullptr);
  system.SetMaxCount(12);
  ASSERT_TRUE(system.LoadDescription(
      Parse(
          R"(<particles texture="t" multiply="yes" gravity="5"><velocity>7</velocity></particles>)"),
      kScreen));
  EXPECT_EQ(system.GetMaxCount(), 12);
  EXPECT_TRUE(RenderState(system.GetRenderState()).Additive());
  EXPECT_EQ(system.GetGravity(), Vector3(0, 140, 0));
  EXPECT_EQ(system.GetVelocity(), Vector3(0, 150, 0));
  EXPECT_EQ(system.GetStartSize(), 4.0f);
}

TEST_F(ParticleDescriptionTest, ScreenComesFromTheRunningGameOrTheDefaultResolution) {
  // No game service runs in this test: the default 1024 x 768.
  OC_PARTICLE_SYSTEM_EX system(nullptr);
  ASSERT_TRUE(system.LoadDescription(Parse(R"(<particles texture="t" area="30"/>)")));
  EXPECT_EQ(system.GetArea().Centre(), Vector2(512, 384));
}

TEST_F(ParticleDescriptionTest, WriterOrderAndForms) {
  OC_PARTICLE_SYSTEM_EX system(nullptr);
  system.SetFrequency(2.5f);
  system.SetEmitterCircle(3, 4, 25.0f);
  pugi::xml_document out;
  const pugi::xml_node element = system.WriteDescription(out, "fx burst.png");
  EXPECT_EQ(Text(element),
            "<particles texture=\"fx burst.png\" frequency=\"2.500000\" gravity=\"0.000 140.000\" "
            "maxCount=\"8096\" multiply=\"true\" spreadAngle=\"0.000000\" area=\"25.000000\">"
            "<lifetime>2.000000</lifetime><velocity>0.000 150.000</velocity>"
            "<tangent>0.000000</tangent><radial>0.000000</radial>"
            "<startSize>4.000000</startSize><endSize>20.000000</endSize>"
            "<startColor>ffffffff</startColor><averColor>ff00ff00</averColor>"
            "<endColor>88fff700</endColor></particles>");
}

TEST_F(ParticleDescriptionTest, ReadWriteReadKeepsEverySetting) {
  for (const char* area : {"25", "0", "64 32", "0 0"}) {
    OC_PARTICLE_SYSTEM_EX first(nullptr);
    const std::string xml =
        std::string(R"(<particles texture="fx trail.png" multiply="false" maxCount="300"
                                  spreadAngle="1.25" frequency="12.75" gravity="0.5 -30.25" area=")") +
        area + R"(">
          <lifetime>1.5</lifetime><velocity>-40 80.5</velocity><tangent>12</tangent>
          <radial>-6.5</radial><startSize>16</startSize><endSize>2</endSize>
          <startColor>ff3d405b</startColor><averColor>c0e07a5f</averColor>
          <endColor>f2cc8f</endColor>
        </particles>)";
    ASSERT_TRUE(first.LoadDescription(Parse(xml.c_str()), kScreen));
    pugi::xml_document written;
    const pugi::xml_node element = first.WriteDescription(written, "fx trail.png");

    OC_PARTICLE_SYSTEM_EX second(nullptr);
    ASSERT_TRUE(second.LoadDescription(element, kScreen)) << area;
    EXPECT_EQ(second.GetArea().IsCircle(), first.GetArea().IsCircle()) << area;
    EXPECT_EQ(second.GetArea().radius, first.GetArea().radius) << area;
    EXPECT_EQ(second.GetArea().x1, first.GetArea().x1) << area;
    EXPECT_EQ(second.GetArea().y2, first.GetArea().y2) << area;
    EXPECT_EQ(second.GetFrequency(), 12.75f);
    EXPECT_EQ(second.GetMaxCount(), 300);
    EXPECT_EQ(second.GetRenderState(), first.GetRenderState());
    EXPECT_EQ(second.GetSpreadAngle(), 1.25f);
    EXPECT_EQ(second.GetGravity(), first.GetGravity());
    EXPECT_EQ(second.GetVelocity(), first.GetVelocity());
    EXPECT_EQ(second.Template().life, 1.5f);
    EXPECT_EQ(second.GetTangentialAcceleration(), 12.0f);
    EXPECT_EQ(second.GetRadialAcceleration(), -6.5f);
    EXPECT_EQ(second.GetStartSize(), 16.0f);
    EXPECT_EQ(second.GetEndSize(), 2.0f);
    EXPECT_EQ(second.GetStartColour(), first.GetStartColour());
    EXPECT_EQ(second.GetAverageColour(), first.GetAverageColour());
    EXPECT_EQ(second.GetEndColour().ToColour(), 0x00F2CC8Fu);

    pugi::xml_document again;
    EXPECT_EQ(Text(second.WriteDescription(again, "fx trail.png")), Text(element)) << area;
  }
}

}  // namespace
}  // namespace ORB
