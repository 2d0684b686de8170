#include "game/play/screen/board_pieces.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/foundation/number_text.h"
#include "game/play/number_cross.h"
#include "game/play/process.h"

namespace game {

gBoardPieces::gBoardPieces() = default;

bool gBoardPieces::Load(const pugi::xml_node& ambient, const FontLookup& fonts) {
  error_.clear();
  const auto missing = [this](const char* what) {
    error_ = std::string("no \"") + what + "\" element";
    return false;
  };
  const pugi::xml_node border = ambient.child("border");
  if (!border) return missing("border");
  frame_.Load(border);
  if (const pugi::xml_attribute a = border.attribute("margin")) {
    frame_margin_ = std::max(ORB::ParseIntText(a.value()), 0);
  }
  if (!left_strip_.Load(ambient.child("left_ear"))) return missing("left_ear");
  if (!up_strip_.Load(ambient.child("up_ear"))) return missing("up_ear");
  if (!highlight_.Load(ambient.child("highlight"), fonts)) return missing("highlight");
  if (!error_panel_.Load(ambient.child("error_panel"))) {
    return missing(ambient.child("error_panel") ? "error_panel\" element with a \"sprite"
                                                : "error_panel");
  }
  if (!ambient.child("sunime")) return missing("sunime");
  if (!coins_.Load(ambient.child("sunime"), fonts)) {
    error_ = "no font for the coin counter (\"sunime\")";
    return false;
  }
  return true;
}

int32_t gBoardPieces::ClueDepth(const GG_PROCESS& board, bool left) {
  const NumberPanel& panel = left ? board.LeftPanel() : board.TopPanel();
  ORB::OC_FONT* font = panel.Font();
  const BoardSettings* settings = board.Settings();
  if (font == nullptr || settings == nullptr) return 0;
  const GG_NUMBERCROSS& numbers = board.Numbers();
  const int32_t lines = left ? numbers.Rows() : numbers.Columns();
  float depth = 0.0f;
  for (int32_t line = 0; line < lines; ++line) {
    const GG_NUMBERCROSS::Line& runs = left ? numbers.RowRuns(line) : numbers.ColumnRuns(line);
    if (runs.empty()) continue;
    // The farthest number is the line's first.
    const int32_t count = static_cast<int32_t>(runs.size());
    const ORB::Vector2 at = panel.NumberPosition(line, 0, count);
    if (left) {
      const std::wstring text = std::to_wstring(runs.front()->length);
      const float half = static_cast<float>(font->MeasureLine(text.c_str())) / 2.0f;
      depth = std::max(depth, settings->frameCorner.x - (at.x - half));
    } else {
      const float half = static_cast<float>(font->GetLineHeight()) / 2.0f;
      depth = std::max(depth, settings->frameCorner.y - (at.y - half));
    }
  }
  return static_cast<int32_t>(std::ceil(depth));
}

void gBoardPieces::LayOut(const BoardSettings& settings, const GG_PROCESS& board) {
  settings_ = settings;
  laid_out_ = true;
  const int32_t margin = frame_margin_;
  frame_.SetSize(settings.width + 2 * margin, settings.height + 2 * margin);
  frame_.SetPosition(settings.frameCorner.x + static_cast<float>(settings.width) / 2.0f,
                     settings.frameCorner.y + static_cast<float>(settings.height) / 2.0f);
  left_strip_.LayOut(settings, ClueDepth(board, true));
  up_strip_.LayOut(settings, ClueDepth(board, false));
  highlight_.LayOut(settings);
}

void gBoardPieces::Update() { error_panel_.Update(); }

void gBoardPieces::DrawUnderBlocks() {
  if (!laid_out_) return;
  // The frame over the strips' inner ends, so it shows all round.
  left_strip_.Draw();
  up_strip_.Draw();
  frame_.Draw();
}

void gBoardPieces::DrawOverBlocks() {
  if (laid_out_) highlight_.Draw();
}

void gBoardPieces::DrawOverBoard() {
  error_panel_.Draw();
  coins_.Draw();
}

void gBoardPieces::AcquireResources() {
  acquired_ = true;
  frame_.LoadTextures();
  // The panel's size is kept over a fresh load of its pieces.
  if (laid_out_) {
    frame_.SetSize(settings_.width + 2 * frame_margin_, settings_.height + 2 * frame_margin_);
  }
  left_strip_.AcquireResources();
  up_strip_.AcquireResources();
  highlight_.AcquireResources();
  error_panel_.AcquireResources();
  coins_.AcquireResources();
}

void gBoardPieces::ReleaseResources() {
  acquired_ = false;
  frame_.ReleaseTextures();
  left_strip_.ReleaseResources();
  up_strip_.ReleaseResources();
  highlight_.ReleaseResources();
  error_panel_.ReleaseResources();
  coins_.ReleaseResources();
}

void gBoardPieces::Reset() {
  laid_out_ = false;
  highlight_.MoveTo(-1, -1);
  error_panel_.Reset();
  coins_.Set(0);
}

}  // namespace game
