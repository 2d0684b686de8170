#include "game/play/screen/control_bar.h"

#include <string>

#include "engine/foundation/hooks.h"
#include "engine/foundation/timer.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"

namespace game {

gControlBar::gControlBar(GG_GAMEPLAY& gameplay) : gameplay_(gameplay) {
  hint_.SetAction([this] { OnHint(); });
  pause_.SetAction([this] { OnPause(); });
  store_.SetAction([this] { OnStore(); });
  reset_.SetAction([this] { OnResetClick(); });
  reset_.SetDropAction([this] { OnResetDrop(); });
}

gControlBar::~gControlBar() { ForgetFeedback(); }

void gControlBar::ForgetFeedback() {
  // The feedback window must not call back into a bar that is gone.
  if (feedback_pending_) {
    feedback_pending_ = false;
    if (cGameplayHost* host = gameplay_.Host()) {
      if (ORB_GF::G_WINDOW_MANAGER* windows = host->GetWindowManager()) {
        if (ORB_GF::G_WINDOW* window = windows->FindWindow(kResetFeedbackWindow)) {
          window->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
        }
      }
    }
  }
}

bool gControlBar::LoadControl(GG_BASE_CONTROL& control, const char* file) {
  cGameplayHost* host = gameplay_.Host();
  pugi::xml_document* document = host != nullptr ? host->GetDocument(file) : nullptr;
  if (document == nullptr) {
    error_ = std::string("The control file \"") + file + "\" cannot be read";
    return false;
  }
  const bool loaded = control.Load(document->document_element());
  host->ReleaseDocument(document);
  if (!loaded) {
    error_ = std::string("The control file \"") + file + "\" lacks what its control needs";
  }
  return loaded;
}

bool gControlBar::Load() {
  loaded_ = false;
  error_.clear();
  cGameplayHost* host = gameplay_.Host();
  const char* storeFile =
      host != nullptr && host->HasStoreButton() ? kStoreButtonFile : kStoreButtonEmptyFile;
  if (!LoadControl(hint_, kHintButtonFile) || !LoadControl(pause_, kPauseFile) ||
      !LoadControl(store_, storeFile) || !LoadControl(reset_, kResetSelectionFile)) {
    return false;
  }
  pugi::xml_document* ambient = host->GetDocument(kAmbientFile);
  if (ambient == nullptr) {
    error_ = std::string("The file \"") + kAmbientFile + "\" cannot be read";
    return false;
  }
  const bool tool = tool_.Load(ambient->document_element().child("check_mode"));
  host->ReleaseDocument(ambient);
  if (!tool) {
    error_ = std::string("The file \"") + kAmbientFile +
             "\" has no tool switch (a check box in \"check_mode\")";
    return false;
  }
  hint_.Reset();
  store_.Reset();
  loaded_ = true;
  return true;
}

void gControlBar::SetLocks(bool hint, bool tool, bool store, bool reset) {
  hint_.SetLocked(hint);
  tool_.SetLocked(tool);
  store_.SetLocked(store);
  reset_.SetLocked(reset);
}

void gControlBar::AddDelegate(cControlDelegate* delegate) {
  if (delegate == nullptr) return;
  if (std::find(delegates_.begin(), delegates_.end(), delegate) == delegates_.end()) {
    delegates_.push_back(delegate);
  }
}

void gControlBar::RemoveDelegate(cControlDelegate* delegate) {
  delegates_.erase(std::remove(delegates_.begin(), delegates_.end(), delegate), delegates_.end());
}

void gControlBar::ShowHints(int32_t held) {
  hint_.SetCount(held);
  store_.SetHints(held);
}

void gControlBar::StartLevel() {
  tool_.SetFill(true);
  dragging_ = false;
  reset_.Reset();
}

void gControlBar::SyncDrag() {
  const bool dragging = gameplay_.IsDragging();
  if (dragging == dragging_) return;
  dragging_ = dragging;
  if (dragging) {
    reset_.OnDragStarted();
  } else {
    reset_.OnDragEnded();
  }
}

bool gControlBar::OnButtonDown(int32_t button) {
  SyncDrag();
  constexpr int32_t kTaken = ORB::kEventSwallowed;
  if (hint_.OnButtonDown(button) == kTaken) return true;
  if (pause_.OnButtonDown(button) == kTaken) return true;
  if (store_.OnButtonDown(button) == kTaken) return true;
  return tool_.OnButtonDown();
}

bool gControlBar::OnButtonUp(int32_t button) {
  SyncDrag();
  constexpr int32_t kTaken = ORB::kEventSwallowed;
  if (pause_.OnButtonUp(button) == kTaken) return true;
  if (store_.OnButtonUp(button) == kTaken) return true;
  if (reset_.OnButtonUp(button) == kTaken) return true;
  if (tool_.OnButtonUp()) {
    OnTool();
    return true;
  }
  return false;
}

void gControlBar::OnPointerMove() {
  SyncDrag();
  hint_.OnPointerMove();
  pause_.OnPointerMove();
  store_.OnPointerMove();
  reset_.OnPointerMove();
  tool_.OnPointerMove();
}

void gControlBar::Update() {
  SyncDrag();
  hint_.Update();
  pause_.Update();
  store_.Update();
  reset_.Update();
  if (feedback_left_ > 0.0f) {
    feedback_left_ -= ORB::GetFrameDelta();
    if (feedback_left_ <= 0.0f) {
      feedback_left_ = 0.0f;
      if (cGameplayHost* host = gameplay_.Host()) {
        if (ORB_GF::G_WINDOW_MANAGER* windows = host->GetWindowManager()) {
          windows->CloseWindow(kResetFeedbackWindow, false);
        }
      }
    }
  }
}

void gControlBar::Draw() {
  reset_.Draw();
  tool_.Draw();
  store_.Draw();
  hint_.Draw();
  pause_.Draw();
}

void gControlBar::AcquireResources() {
  hint_.AcquireResources();
  pause_.AcquireResources();
  store_.AcquireResources();
  reset_.AcquireResources();
  tool_.AcquireResources();
}

void gControlBar::ReleaseResources() {
  hint_.ReleaseResources();
  pause_.ReleaseResources();
  store_.ReleaseResources();
  reset_.ReleaseResources();
  tool_.ReleaseResources();
}

void gControlBar::Reset() {
  SetLocks(false, false, false, false);
  hint_.Reset();
  pause_.Reset();
  store_.Reset();
  reset_.Reset();
  dragging_ = false;
  feedback_left_ = 0.0f;
}

bool gControlBar::OpenWindow(const char* name) {
  cGameplayHost* host = gameplay_.Host();
  ORB_GF::G_WINDOW_MANAGER* windows = host != nullptr ? host->GetWindowManager() : nullptr;
  if (windows == nullptr || windows->FindWindow(name) == nullptr) {
    ORB::RaiseError(std::string("No window \"") + name + "\" to open");
    return false;
  }
  windows->OpenWindow(name, false);
  return true;
}

void gControlBar::OnHint() {
  gameplay_.StartHint();
  TellDelegates([](cControlDelegate& d) { d.OnHintButton(); });
}

void gControlBar::OnPause() {
  // Without the menu nothing could resume the level: it is not paused.
  if (OpenWindow(kMenuWindow)) gameplay_.Pause();
  TellDelegates([](cControlDelegate& d) { d.OnPause(); });
}

void gControlBar::OnStore() {
  if (OpenWindow(kShopWindow)) gameplay_.Pause();
  TellDelegates([](cControlDelegate& d) { d.OnStoreButton(); });
}

void gControlBar::OnTool() {
  gameplay_.SetToolSwitch(tool_.IsFill());
  TellDelegates([](cControlDelegate& d) { d.OnToolSwitch(); });
}

void gControlBar::OnResetDrop() {
  gameplay_.CancelSelection();
  dragging_ = false;
  reset_.OnDragEnded();
  TellDelegates([](cControlDelegate& d) { d.OnResetSelection(); });
}

void gControlBar::OnResetClick() {
  cGameplayHost* host = gameplay_.Host();
  ORB_GF::G_WINDOW_MANAGER* windows = host != nullptr ? host->GetWindowManager() : nullptr;
  if (!OpenWindow(kResetFeedbackWindow)) return;
  // It closes itself a while after it has opened.
  windows->FindWindow(kResetFeedbackWindow)
      ->SetCallback(ORB_GF::kOpened, this, &gControlBar::FeedbackOpened);
  feedback_pending_ = true;
}

void gControlBar::FeedbackOpened(void* self) {
  auto* bar = static_cast<gControlBar*>(self);
  bar->feedback_pending_ = false;
  bar->feedback_left_ = kFeedbackTime;
  if (cGameplayHost* host = bar->gameplay_.Host()) {
    if (ORB_GF::G_WINDOW_MANAGER* windows = host->GetWindowManager()) {
      if (ORB_GF::G_WINDOW* window = windows->FindWindow(kResetFeedbackWindow)) {
        window->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
      }
    }
  }
}

}  // namespace game
