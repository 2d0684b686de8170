#pragma once
// FontList: the game's fonts by short name ("sans_14", "title_44"), read once
// at start-up from the font list, "data/share/font fonts.xml":
//
//   <fonts>
//     <font name="sans_14" texture="data/share/font dejavu_sans_14.png"
//           xml="data/share/font dejavu_sans_14.xml"/>
//   </fonts>
//
// Each entry needs all three attributes; an entry without one, a name met
// before, and a description that cannot be read or holds no glyph are
// skipped (and logged), and loading goes on. The fonts keep one use of
// their page texture each until ReleaseTextures. One list serves the whole
// game: the game's creation makes it (CreateFontList), everything reaches it
// through GetFontList, the game's destruction deletes it (DestroyFontList).
#include <map>
#include <memory>
#include <string>

#include "engine/foundation/repository.h"
#include "engine/foundation/texture_record.h"
#include "engine/scene/font.h"

namespace ORB_GF {

class FontList {
 public:
  // Every font of the list holds a line buffer of this many characters.
  static constexpr int32_t kTextCapacity = 600;

  FontList() = default;
  FontList(const FontList&) = delete;
  FontList& operator=(const FontList&) = delete;

  // Adds the fonts of the list document of that name (given back
  // afterwards), each description and texture fetched from the same
  // repository. False when the document cannot be had or its "fonts"
  // element holds no element.
  [[nodiscard]] bool Load(ORB::OC_REPOSITORY& repository, const std::string& path);
  // The same through the engine's repository; false without one.
  [[nodiscard]] bool Load(const std::string& path);

  // The font of that name, or null.
  ORB::OC_FONT* Find(const std::string& name) const;
  bool Has(const std::string& name) const { return Find(name) != nullptr; }
  size_t Count() const { return fonts_.size(); }

  // Gives every font's texture back to the repository, which then unloads
  // what is unused; the fonts draw the renderer's placeholder from then on.
  void ReleaseTextures();

 private:
  struct Entry {
    std::unique_ptr<ORB::OC_FONT> font;
    // The repository's texture this font holds a use of; null once given
    // back, or when the repository had none to give.
    ORB::TextureRecord* held = nullptr;
  };
  // Reads one "font" entry of the list.
  void AddFont(ORB::OC_REPOSITORY& repository, const pugi::xml_node& entry,
               const std::string& path);

  std::map<std::string, Entry> fonts_;
  ORB::OC_REPOSITORY* repository_ = nullptr;  // where the held textures came from
};

// The game's font list; null before CreateFontList and after DestroyFontList.
FontList* GetFontList();
FontList& CreateFontList();
void DestroyFontList();

}  // namespace ORB_GF
