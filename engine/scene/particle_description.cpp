// The particle description: the XML element "particles" that
// OC_PARTICLE_SYSTEM_EX reads and writes. Attribute and element names are
// matched exactly.
#include <string>
#include <string_view>
#include <vector>

#include "engine/foundation/SERVICE/app_settings.h"
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/colour.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/split_string.h"
#include "engine/scene/particle_system_ex.h"

namespace ORB {

namespace {

// The screen of the running game, or the default resolution before one runs.
Point ServiceScreen() {
  const OC_GAME_SERVICE_ONE* service = Engine().service;
  return service != nullptr ? service->Settings().resolution : AppSettings().resolution;
}

std::string Fixed(float value) { return FormatFixed(value, 6); }

std::string Hex(const ColourF& colour) { return Colour(colour.ToColour()).ToHexString(); }

// A child element's text as a float; false when there is no such child.
bool ChildFloat(const pugi::xml_node& element, const char* name, float& out) {
  const pugi::xml_node child = element.child(name);
  if (!child) return false;
  out = ParseFloatText(child.text().get());
  return true;
}

bool ChildColour(const pugi::xml_node& element, const char* name, ColourF& out) {
  const pugi::xml_node child = element.child(name);
  if (!child) return false;
  out.SetUInt(ParseHexWord(child.text().get()));
  return true;
}

void AppendText(pugi::xml_node parent, const char* name, const std::string& text) {
  parent.append_child(name).text().set(text.c_str());
}

}  // namespace

bool OC_PARTICLE_SYSTEM_EX::LoadDescription(const pugi::xml_node& element) {
  return LoadDescription(element, ServiceScreen());
}

bool OC_PARTICLE_SYSTEM_EX::LoadDescription(const pugi::xml_node& element, Point screen) {
  if (!element.attribute("texture")) return false;
  const Renderer* renderer = Renderer::Current();
  SetTexture(renderer != nullptr ? renderer->GetDefaultTexture() : nullptr);

  if (const pugi::xml_attribute multiply = element.attribute("multiply")) {
    RenderState state(GetRenderState());
    state.SetFlag(RenderState::kAdditive, multiply.as_bool());
    SetRenderState(state.bits);
  }
  if (const pugi::xml_attribute count = element.attribute("maxCount")) {
    SetMaxCount(ParseIntText(count.value()));
  }
  if (const pugi::xml_attribute spread = element.attribute("spreadAngle")) {
    SetSpreadAngle(ParseFloatText(spread.value()));
  }
  if (const pugi::xml_attribute frequency = element.attribute("frequency")) {
    SetFrequency(ParseFloatText(frequency.value()));
  }
  if (const pugi::xml_attribute gravity = element.attribute("gravity")) {
    Vector2 xy;
    if (xy.Parse(gravity.value())) SetGravity(Vector3(xy.x, xy.y, 0.0f));
  }
  // " 30" is a circle and "200  100" a rectangle, as the GUI descriptions
  // read their numbers.
  const std::vector<std::string_view> parts = SplitWords(element.attribute("area").value());
  if (!parts.empty()) {
    const auto cx = static_cast<float>(screen.x / 2);
    const auto cy = static_cast<float>(screen.y / 2);
    if (parts.size() == 1) {
      SetEmitterCircle(cx, cy, ParseFloatText(parts[0]));
    } else {
      SetEmitterRect(cx, cy, ParseFloatText(parts[0]), ParseFloatText(parts[1]));
    }
  }

  ChildFloat(element, "lifetime", Template().life);
  if (const pugi::xml_node velocity = element.child("velocity")) {
    Vector2 xy;
    if (xy.Parse(velocity.text().get())) SetVelocity(Vector3(xy.x, xy.y, 0.0f));
  }
  ChildFloat(element, "tangent", tangential_);
  ChildFloat(element, "radial", radial_);
  ChildFloat(element, "startSize", start_size_);
  ChildFloat(element, "endSize", end_size_);
  ColourF start = GetStartColour();
  ColourF average = GetAverageColour();
  ColourF end = GetEndColour();
  ChildColour(element, "startColor", start);
  ChildColour(element, "averColor", average);
  ChildColour(element, "endColor", end);
  SetColours(start, average, end);
  return true;
}

pugi::xml_node OC_PARTICLE_SYSTEM_EX::WriteDescription(pugi::xml_node parent,
                                                       const char* texture_name) const {
  pugi::xml_node element = parent.append_child("particles");
  element.append_attribute("texture") = texture_name != nullptr ? texture_name : "";
  element.append_attribute("frequency") = Fixed(GetFrequency()).c_str();
  element.append_attribute("gravity") = Vector2(GetGravity().x, GetGravity().y).ToString().c_str();
  element.append_attribute("maxCount") = GetMaxCount();
  element.append_attribute("multiply") = RenderState(GetRenderState()).Additive();
  element.append_attribute("spreadAngle") = Fixed(GetSpreadAngle()).c_str();
  const EmitterArea& area = GetArea();
  const std::string area_text = area.IsCircle()
                                    ? Fixed(area.radius)
                                    : Fixed(area.x2 - area.x1) + " " + Fixed(area.y2 - area.y1);
  element.append_attribute("area") = area_text.c_str();

  AppendText(element, "lifetime", Fixed(Template().life));
  AppendText(element, "velocity", Vector2(GetVelocity().x, GetVelocity().y).ToString());
  AppendText(element, "tangent", Fixed(tangential_));
  AppendText(element, "radial", Fixed(radial_));
  AppendText(element, "startSize", Fixed(start_size_));
  AppendText(element, "endSize", Fixed(end_size_));
  AppendText(element, "startColor", Hex(GetStartColour()));
  AppendText(element, "averColor", Hex(GetAverageColour()));
  AppendText(element, "endColor", Hex(GetEndColour()));
  return element;
}

}  // namespace ORB
