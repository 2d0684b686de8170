#include "framework/star_row.h"

#include "engine/platform/log.h"

namespace ORB_GF {

StarRow::StarRow(const pugi::xml_node& node) { ReadParams(node, params_); }

StarRow::StarRow(const StarRowParams& params) : params_(params) {}

bool StarRow::ReadParams(const pugi::xml_node& node, StarRowParams& params) {
  const std::pair<const char*, float*> floats[] = {{"time", &params.time},
                                                   {"amplitude", &params.amplitude},
                                                   {"frequency", &params.frequency},
                                                   {"decay", &params.decay},
                                                   {"start_size", &params.start_size},
                                                   {"end_size", &params.end_size}};
  auto missing = [&node](const char* name) {
    ORB::Log(ORB::LogLevel::kWarning, "gui",
             std::string("star row <") + node.name() + "> lacks \"" + name + "\"; reading stops");
    return false;
  };
  for (const auto& [name, value] : floats) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) return missing(name);
    *value = attribute.as_float();
  }
  if (!node.attribute("draw_empty")) return missing("draw_empty");
  params.draw_empty = node.attribute("draw_empty").as_bool();
  if (!node.attribute("stars_max")) return missing("stars_max");
  params.stars_max = node.attribute("stars_max").as_int();
  const pugi::xml_node transform = node.child("TRANSFORM");
  if (!transform) return missing("TRANSFORM");
  ORB::OS_TRANSFORM3 read;
  if (!read.Parse(transform.text().get())) return missing("TRANSFORM");
  params.transform = read;
  return true;
}

void StarRow::SetTemplates(const ORB::OC_MESH& full, const ORB::OC_MESH& empty) {
  templates_[0] = full;
  templates_[1] = empty;
}

void StarRow::CreateStars() {
  stars_.clear();
  const float width = templates_[0].GetWidth();
  for (int32_t i = 0; i < params_.stars_max; ++i) {
    auto star = std::make_unique<ORB::OC_MESH>(templates_[0]);
    // A transform of its own, never one the template shares.
    const ORB::OS_TRANSFORM3* shape = templates_[0].GetTransform();
    star->SetTransform(nullptr);
    ORB::OS_TRANSFORM3& transform = *star->GetTransform();
    if (shape != nullptr) transform = *shape;
    transform.SetPosition(static_cast<float>(i) * width, 0.0f, 0.0f);
    transform.parent = &params_.transform;
    stars_.push_back(std::move(star));
  }
}

void StarRow::Draw() const {
  for (const auto& star : stars_) star->Draw();
}

}  // namespace ORB_GF
