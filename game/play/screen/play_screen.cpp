#include "game/play/screen/play_screen.h"

#include "game/play/element.h"
#include "game/play/gameplay.h"

namespace game {

gPlayScreen::gPlayScreen(GG_GAMEPLAY& gameplay) : gameplay_(gameplay), controls_(gameplay) {
  effects_.SetArrival([this](GG_ELEMENT& cell) { gameplay_.UseHint(cell); });
  effects_.SetCredit([this](int32_t coins) { pieces_.Coins().Add(coins); });
  gameplay_.SetPieces(this);
}

gPlayScreen::~gPlayScreen() {
  // Nothing of this screen may be asked for once it is gone.
  if (&gameplay_.Pieces() == this) gameplay_.SetPieces(nullptr);
}

ORB::OC_FONT* gPlayScreen::FindFont(const std::string& name) const {
  cGameplayHost* host = gameplay_.Host();
  return host != nullptr ? host->FindFont(name) : nullptr;
}

bool gPlayScreen::Load() {
  error_.clear();
  cGameplayHost* host = gameplay_.Host();
  if (host == nullptr) {
    error_ = "No game to read the play screen's files from";
    return false;
  }
  const auto fonts = [this](const std::string& name) { return FindFont(name); };
  if (pugi::xml_document* effects = host->GetDocument(GG_GAMEPLAY::kEffectsFile)) {
    effects_.Load(effects->document_element(), fonts);
    host->ReleaseDocument(effects);
  }
  pugi::xml_document* ambient = host->GetDocument(kAmbientFile);
  if (ambient == nullptr) {
    error_ = std::string("The file \"") + kAmbientFile + "\" cannot be read";
    return false;
  }
  const bool pieces = pieces_.Load(ambient->document_element(), fonts);
  host->ReleaseDocument(ambient);
  if (!pieces) {
    error_ = std::string("The file \"") + kAmbientFile + "\" is incomplete: " + pieces_.Error();
    return false;
  }
  if (!controls_.Load()) {
    error_ = controls_.Error();
    return false;
  }
  return true;
}

void gPlayScreen::ShowHints(int32_t held) { controls_.ShowHints(held); }
void gPlayScreen::AddCoins(int32_t coins) { pieces_.Coins().Add(coins); }
void gPlayScreen::ClearCoins() { pieces_.Coins().Set(0); }
int32_t gPlayScreen::GetCoins() const { return pieces_.Coins().Get(); }
void gPlayScreen::SetErrorPlaces(int32_t places) { pieces_.ErrorPanel().SetPlaces(places); }
void gPlayScreen::MarkError() { pieces_.ErrorPanel().MarkError(); }
void gPlayScreen::ClearErrors() { pieces_.ErrorPanel().Clear(); }

float gPlayScreen::GetErrorAnimationTime() const { return pieces_.ErrorPanel().GetAnimationTime(); }

bool gPlayScreen::StartBonusEffect(const GG_ELEMENT& cell, int32_t coins) {
  return effects_.StartBonusEffect(cell.Centre(), coins);
}

int32_t gPlayScreen::GetFlyingEffects() const { return effects_.GetFlyingEffects(); }

bool gPlayScreen::StartHintFlight(GG_ELEMENT& target) {
  return effects_.StartHintFlight(controls_.HintButton().ScreenPoint(), target);
}

void gPlayScreen::Reset() {
  effects_.Reset();
  controls_.Reset();
  pieces_.Reset();
}

void gPlayScreen::StartLevel() {
  pieces_.LayOut(gameplay_.Settings(), gameplay_.Board());
  controls_.StartLevel();
}

void gPlayScreen::Update() {
  pieces_.Update();
  controls_.Update();
  effects_.Update();
}

void gPlayScreen::DrawUnderBlocks() { pieces_.DrawUnderBlocks(); }

void gPlayScreen::DrawOverBlocks() {
  pieces_.Highlight().MoveTo(gameplay_.HoveredRow(), gameplay_.HoveredCol());
  pieces_.DrawOverBlocks();
}

void gPlayScreen::DrawSelectionNumber(const ORB::Vector2& centre, int32_t number) {
  pieces_.Highlight().DrawNumber(centre, number);
}

void gPlayScreen::DrawOverBoard() {
  controls_.Draw();
  pieces_.DrawOverBoard();
  effects_.Draw();
}

bool gPlayScreen::OnButtonDown(int32_t button) { return controls_.OnButtonDown(button); }
bool gPlayScreen::OnButtonUp(int32_t button) { return controls_.OnButtonUp(button); }
void gPlayScreen::OnPointerMove() { controls_.OnPointerMove(); }

void gPlayScreen::AcquireResources() {
  pieces_.AcquireResources();
  controls_.AcquireResources();
  effects_.AcquireResources();
}

void gPlayScreen::ReleaseResources() {
  pieces_.ReleaseResources();
  controls_.ReleaseResources();
  effects_.ReleaseResources();
}

}  // namespace game
