#pragma once
// OC_GUI_ANIMATION_BAR: a bar shown as one frame of a sprite sheet (columns x
// rows frames, counted row by row): the frame for the fraction, from the
// first (empty) to the last (full) of its frames. A ring filling up, say.
// The GUI XML element "ANIMATION_BAR" builds it.
//
// Columns, rows and frames below 1 count as 1. The picture is one cell of
// the sheet, centred on the position; SetSize changes it (also before the
// build). The value may be set before the build, which then shows it; the
// filled script runs for changes of a built bar.
//
// Resources: a named sheet through a SheetQuad (sheet_quad.h), taken by
// LoadResources and given back by ReleaseResources; a sheet handed in is the
// caller's and the bar is built on it at once.
#include <cstdint>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_base_progress.h"
#include "engine/gui/sheet_quad.h"

namespace ORB {

class OC_GUI_ANIMATION_BAR : public OC_BASEPROGRESS {
 public:
  OC_GUI_ANIMATION_BAR(int32_t id, TextureRecord* texture, int32_t columns, int32_t rows,
                       int32_t frames);
  OC_GUI_ANIMATION_BAR(int32_t id, std::string textureName, int32_t columns, int32_t rows,
                       int32_t frames);

  int32_t GetColumns() const { return columns_; }
  int32_t GetRows() const { return rows_; }
  int32_t GetLastFrame() const { return last_frame_; }
  // The frame shown.
  int32_t GetFrame() const { return sheet_.GetFrame(); }
  // One frame's size (0 x 0 until built).
  Vector2 GetSize() const { return {sheet_.Width(), sheet_.Height()}; }
  const SheetQuad& GetSheet() const { return sheet_; }

  void Draw() override;
  void SetSize(int32_t w, int32_t h) override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 protected:
  void UpdateView() override;

 private:
  int32_t FrameFor(float fraction) const;

  int32_t columns_;
  int32_t rows_;
  int32_t last_frame_;
  SheetQuad sheet_;
};

}  // namespace ORB
