#pragma once
// OC_AD_PLACEMENTS: the ad placements read from the edition's ad file, which
// the game asks whether a placement exists and whether it is shown. An ad
// provider would show them; on this platform there is none, so no placement is
// ever shown (IsShown is always false) and the desktop edition names no ad
// file at all. OC_AD_DELEGATE is the listener a provider would report to.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ORB {

struct AdPlacement {
  enum Provider : int32_t { APPLE = 0, FLURRY = 1, FERNHALL = 2 };
  enum Location : int32_t { TOP = 1, BOTTOM = 2, FULL = 3 };

  std::string name;
  int32_t provider = APPLE;
  int32_t location = TOP;
};

class OC_AD_PLACEMENTS {
 public:
  OC_AD_PLACEMENTS() = default;
  OC_AD_PLACEMENTS(const OC_AD_PLACEMENTS&) = delete;
  OC_AD_PLACEMENTS& operator=(const OC_AD_PLACEMENTS&) = delete;

  // Only while not loaded: appends every child element with the attributes
  // "name", "provider" (exactly "apple", "flurry" or "fernhall") and
  // "location" (read by its first character: "t" top, "b" bottom, "f" full);
  // other elements are skipped. Marks the registry loaded and answers true.
  // False, adding nothing, when already loaded or the element is missing or
  // has no child elements.
  [[nodiscard]] bool Load(const pugi::xml_node& element);

  // Whether the placements are loaded (the same for every name).
  bool IsEnabled(const std::string& /*name*/ = std::string()) const { return loaded_ != 0; }
  // The first placement with exactly that name, or null.
  const AdPlacement* Find(const std::string& name) const;
  // Loaded and found.
  bool Has(const std::string& name) const { return IsEnabled() && Find(name) != nullptr; }
  // No placement is ever shown on this platform.
  bool IsShown(const std::string& /*name*/) const { return false; }

  // A value the game keeps here and reads back.
  void SetValue(int32_t value) { value_ = value; }
  int32_t GetValue() const { return value_; }

  const std::vector<std::unique_ptr<AdPlacement>>& Placements() const { return placements_; }

 private:
  int32_t value_ = 0;
  uint8_t loaded_ = 0;
  std::vector<std::unique_ptr<AdPlacement>> placements_;
};

// The ad listener: an ad provider calls these with the registry and the
// placement concerned. The registry is read-only to it.
class OC_AD_DELEGATE {
 public:
  virtual ~OC_AD_DELEGATE() = default;
  virtual void OnAdEventA(const OC_AD_PLACEMENTS& placements, const AdPlacement& placement) = 0;
  virtual void OnAdEventB(const OC_AD_PLACEMENTS& placements, const AdPlacement& placement) = 0;
  virtual void OnAdEventC(const OC_AD_PLACEMENTS& placements, const AdPlacement& placement) = 0;
};

}  // namespace ORB
