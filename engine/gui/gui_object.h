#pragma once
// OC_GUI_OBJECT: every element of the engine's GUI. A widget is a node of a
// tree that hangs under one OC_GUI_ROOT (gui_root.h); each game window owns a
// root, and the GUI XML loader or code fills it. A widget has its own
// transform (parented to its parent's transform once it is in a tree), a
// visible, an enabled and a focused flag, an event record {id, code} and four
// script callbacks.
//
// The tree
//   - A widget owns its children and its transform. AddChild / InsertChild
//     take a widget made with new (or a unique_ptr) and the tree owns it from
//     then on: never delete a widget that is in a tree, remove it
//     (RemoveChild, RemoveChildById, OC_GUI_ROOT::Remove) and the tree frees
//     it. Deleting a widget deletes its whole subtree.
//   - Children are kept in insertion order, which is both the drawing order
//     and the order input is offered in.
//   - The id is the widget's identity in the tree (FindById: pre-order, the
//     widget itself never compared). Ids need not be unique; the first found
//     wins.
//
// The passes (the window calls them on its root every frame)
//   - Draw: DrawTree draws a visible widget (Draw), then its children in
//     order. An invisible widget hides its subtree.
//   - Resources: LoadResourcesTree / ReleaseResourcesTree run LoadResources /
//     ReleaseResources on the widget, then on its children, whatever their
//     flags. The window loads when it is shown and releases when it is hidden.
//   - Input: four passes, each with its own handler: Process (once a frame),
//     OnMouseDown (a key or a mouse button went down), OnMouseUp (one went
//     up), OnMouseMove (the pointer moved, or the window enabled its input).
//     Dispatch offers the pass to the children first, in order, each through
//     the same dispatch (so the deepest, first-listed widget is asked first);
//     the first one that answers a record ends the walk and is the answer;
//     only when no child answers is the widget's own handler called. A
//     disabled widget answers nothing and its children are not asked; the
//     visible flag does not matter for input.
//   - Focus: when the answer's code is 2, 7 (pressed), 8 (clicked) or 11,
//     the widget whose child answered takes the focused flag, and in the
//     per-frame pass the children listed before the answering one lose the
//     focus (their whole subtree), in the three mouse passes every other
//     child does. The answering child keeps what its handler set.
//
// Callbacks may change the tree while a pass runs: a script may remove its
// own widget, any other widget, clear the root or delete the root (its
// window) altogether. Every call into a child goes through the parent's
// DispatchGuard (engine/foundation/dispatch_guard.h): a widget removed while
// a call into it runs is freed only when that call has returned, nothing
// more is asked inside a removed subtree, the walk goes on with the widget
// that followed it, and an answer whose widget was removed during the pass
// still reports its id and code (by value) but never points into a freed
// widget. Handlers are called only by the dispatch: from outside the tree
// call the root's passes or a widget's DispatchX(). A loose widget (one in
// no tree, kept by the code that made it) must outlive its own scripts.
//
// How to write a widget (copy this shape; gui_image.h is a small complete
// example)
//
//   class OC_GUI_THING : public OC_GUI_OBJECT {
//    public:
//     OC_GUI_THING(int32_t id, std::string textureName)
//         : OC_GUI_OBJECT(id, kGuiKindThing), texture_(std::move(textureName)) {}
//
//     // Input: clear the own code first, read the input through GuiInput
//     // (gui_input.h: nothing without an input state), test the pointer
//     // against the hit shape, change state, run the script, answer.
//     GuiEvent* OnMouseDown() override {
//       const GuiInput input = GuiInput::Current();
//       if (!input || !input.LeftWentDown()) return Answer(kGuiEventNone);
//       if (!hit_.Contains(input.X(), input.Y())) return Answer(kGuiEventNone);
//       RunScript(GuiScript::kDown);
//       return Answer(kGuiEventPressed);
//     }
//     // Resources: take by name in LoadResources (build on the first real
//     // texture, later only swap it), give back in ReleaseResources (show the
//     // placeholder), and let the members give back the rest when deleted.
//     void LoadResources() override {
//       TextureRecord* texture = texture_.Take();
//       if (!texture_.IsHeld()) { LogMissingTexture(texture_.Name()); return; }
//       if (!quad_) Build(texture); else quad_->SetTexture(texture);
//     }
//     void ReleaseResources() override {
//       if (!texture_.IsHeld()) return;
//       texture_.GiveBack();
//       quad_->SetTexture(PlaceholderTexture());
//     }
//    private:
//     HeldTexture texture_;          // engine/scene/held_texture.h
//     std::unique_ptr<OC_MESH> quad_;
//     OC_HIT_SHAPE hit_;
//   };
//
// Rules every widget keeps:
//   - Input. A handler starts from code 0 (Answer(kGuiEventNone) clears it)
//     and answers its record only when the code is not 0. Codes are named in
//     engine/foundation/result_codes.h (kGuiEventEntered 3, Left 4, Pressed 7,
//     Clicked 8, Dragged 9, ValueChanged 10); no widget raises 2 or 11.
//     "The button" means a mouse button: the press and release passes run for
//     keyboard keys too, and a widget that answers a key it does not handle
//     (a press with code 7, say) would take the focus from the line box being
//     typed into. Only widgets that read keys (the line box, the list box's
//     arrows) look at keys.
//   - A per-frame answer that moves the focus (7, 8) takes it, on every
//     frame it comes, from every widget listed before the answering one, up
//     the whole parent chain. An enabled image answers its last click in
//     every per-frame pass until a button goes down or up outside it
//     (gui_image.h), and a press taken by a widget listed before it never
//     reaches it: a line box listed before a clicked image loses the click
//     that focused it, and what is typed before the release, every time.
//     List line boxes after the images of their window (no window of the
//     game does otherwise): the press into the box then reaches the image
//     first, which forgets its click.
//   - The pointer and the buttons are read from GuiInput::Current() in each
//     pass; a widget keeps no pointer into the input state. No input state:
//     the widget reacts to nothing.
//   - Scripts run through RunScript (a missing or empty one does nothing);
//     they may change the tree (see above), so touch nothing but the widget's
//     own members after one ran.
//   - Textures through HeldTexture (one use held at most, given back exactly
//     once), descriptions (a font's glyph table) through the document
//     provider (engine/scene/document_provider.h) and BuildGuiFont
//     (gui_font.h), read and given back during the build. A texture or a
//     description that cannot be had is logged (subsystem "gui", GuiLog) and
//     leaves the widget unbuilt: it draws nothing, measures 0 and answers no
//     input until a later load finds it.
//   - Sizes: GetWidth / GetHeight report the drawn size (0 until built);
//     SetSize may come before the build (the XML "SIZE" does) and is kept
//     for it.
//   - Anchors and alignments are 0..8 (engine/scene/anchor.h); any other
//     value stands for the centre (HS_MID).
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/foundation/callback.h"
#include "engine/foundation/dispatch_guard.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/transform.h"

namespace ORB {

class OC_GUI_ROOT;

// A widget's event record: its id in the tree and the code of what happened
// in the latest pass that reached its handler.
struct GuiEvent {
  int32_t id = 0;
  int32_t code = kGuiEventNone;
};

// Widget kind codes, written by each widget's constructor; 0 for the base,
// the layouts, the animation bar, the simple slider and the scroll bar. The
// localization walk translates only kGuiKindWideLabel widgets.
enum GuiKind : int32_t {
  kGuiKindPlain = 0,
  kGuiKindButton = 1,  // OC_GUI_BUTTON5, OC_GUI_BUTTON2
  kGuiKindCheckbox = 2,
  kGuiKindTextbox = 3,
  kGuiKindLinebox = 4,
  kGuiKindProgressBar = 5,
  kGuiKindPanel = 7,
  kGuiKindLabel = 8,
  kGuiKindImage = 9,
  kGuiKindSlider = 11,  // OC_BASESLIDER and its sliders
  kGuiKindWideLabel = 13,
  kGuiKindListbox = 14,
  kGuiKindPanel9 = 15,
  kGuiKindCheckboxIos = 16,
};

// The four script slots, bound by the XML "EVENT" values "ENTER", "LEAVE",
// "DOWN" and "UP".
enum class GuiScript : int32_t { kEnter, kLeave, kDown, kUp };

// The four input passes.
enum class GuiPass : int32_t { kProcess, kMouseUp, kMouseDown, kMouseMove };

// Logs a note of the GUI (subsystem "gui") at warning level: something
// skipped, a resource that cannot be had.
void GuiLog(std::string_view message);
// Logs that a widget's texture cannot be had (it stays unbuilt).
void LogMissingTexture(std::string_view name);

class OC_GUI_OBJECT {
 public:
  // A plain widget (kind 0): visible, enabled, not focused, a new identity
  // transform, code 0.
  explicit OC_GUI_OBJECT(int32_t id);
  // Deletes the children (and so their subtrees), then the transform.
  virtual ~OC_GUI_OBJECT();
  OC_GUI_OBJECT(const OC_GUI_OBJECT&) = delete;
  OC_GUI_OBJECT& operator=(const OC_GUI_OBJECT&) = delete;

  // --- Handlers: what the widget itself does in each input pass. The base
  // answers null. Only the dispatch calls them.
  virtual GuiEvent* Process();
  virtual GuiEvent* OnMouseUp();
  virtual GuiEvent* OnMouseDown();
  virtual GuiEvent* OnMouseMove();

  // --- Drawing and layout.
  virtual void Draw();
  // Sets the transform's position (every widget shares this).
  virtual void SetPosition(float x, float y, float z);
  // The base keeps nothing.
  virtual void SetSize(int32_t w, int32_t h);
  // The drawn size; the base has none.
  virtual float GetWidth() const;
  virtual float GetHeight() const;

  // --- Resources: take textures here, give them back in ReleaseResources.
  virtual void LoadResources();
  virtual void ReleaseResources();

  // --- A press the widget holds is forgotten, for a release that will
  // never come to it: it leaves its pressed look and a later release clicks
  // nothing. Runs no script, answers nothing and leaves the tree as it is.
  // The base holds none.
  virtual void DropPress();

  // --- The tree.
  // Appends w (null: nothing); the tree owns it from then on. w's parent is
  // this widget, its transform's parent this widget's transform, and its
  // subtree's owner this widget's owner.
  void AddChild(OC_GUI_OBJECT* w);
  // The same, before position index (past the end: appended; negative: first).
  void InsertChild(OC_GUI_OBJECT* w, int32_t index);
  template <typename Widget>
  Widget* AddChild(std::unique_ptr<Widget> w) {
    Widget* raw = w.release();
    AddChild(static_cast<OC_GUI_OBJECT*>(raw));
    return raw;
  }
  // Searches the subtree; where w is a direct child of the widget searched,
  // it is taken out and deleted with its subtree (once a call into it has
  // returned, when one runs). Answers whether it was found; a widget not in
  // the subtree (or null) changes nothing.
  bool RemoveChild(const OC_GUI_OBJECT* w);
  // The same for the first widget (pre-order) with that id.
  bool RemoveChildById(int32_t id);
  // Deletes every child, in order, with its subtree.
  void DeleteChildren();
  // The first widget of the subtree with that id, pre-order (each child
  // before its own children); the widget itself is not compared. Null when
  // none.
  OC_GUI_OBJECT* FindById(int32_t id) const;
  // FindById(id)'s event code; 0 when there is none.
  int32_t GetEventById(int32_t id) const;

  OC_GUI_OBJECT* GetParent() const { return parent_; }
  OC_GUI_ROOT* GetOwner() const { return owner_; }
  size_t GetChildCount() const { return children_.size(); }
  // Null past the end.
  OC_GUI_OBJECT* GetChild(size_t index) const;
  // The position of a direct child, or -1.
  int32_t IndexOf(const OC_GUI_OBJECT* child) const;

  // --- Flags, identity, transform.
  int32_t GetId() const { return event_.id; }
  int32_t GetKind() const { return kind_; }
  int32_t GetEventCode() const { return event_.code; }
  const GuiEvent& GetEvent() const { return event_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool IsVisible() const { return visible_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool IsEnabled() const { return enabled_; }
  void SetFocused(bool focused) { focused_ = focused; }
  bool IsFocused() const { return focused_; }
  // Sets the focused flag of the widget and of all its descendants.
  void SetFocusTree(bool focused);
  OS_TRANSFORM3& GetTransform() { return *transform_; }
  const OS_TRANSFORM3& GetTransform() const { return *transform_; }

  // --- Scripts: owned by the widget; a new one replaces (and frees) the one
  // in its slot, null empties the slot. A script may replace itself while it
  // runs: it is freed after it returns.
  void SetScript(GuiScript which, std::unique_ptr<Callback> script);
  const Callback* GetScript(GuiScript which) const;

  // --- Passes over the subtree.
  void DrawTree();
  void LoadResourcesTree();
  void ReleaseResourcesTree();
  // DropPress on the widget, then on its children, whatever their flags.
  void DropPressTree();
  // The dispatch of each input pass (see the top of this file): the answer,
  // or null when nothing answered or the answering widget was removed
  // during the pass.
  GuiEvent* DispatchProcess() { return Dispatch(GuiPass::kProcess); }
  GuiEvent* DispatchMouseUp() { return Dispatch(GuiPass::kMouseUp); }
  GuiEvent* DispatchMouseDown() { return Dispatch(GuiPass::kMouseDown); }
  GuiEvent* DispatchMouseMove() { return Dispatch(GuiPass::kMouseMove); }
  GuiEvent* Dispatch(GuiPass pass);

 protected:
  OC_GUI_OBJECT(int32_t id, int32_t kind);

  // Sets the own code and answers the record when it is not 0, else null.
  GuiEvent* Answer(int32_t code) {
    event_.code = code;
    return code != kGuiEventNone ? &event_ : nullptr;
  }
  // Runs the script of the slot (nothing when the slot is empty); its
  // result, kResultNothingToCall for an empty slot. The script may change
  // the tree (see the top of this file).
  int32_t RunScript(GuiScript which);
  // The own code, for handlers that keep a code across passes.
  int32_t Code() const { return event_.code; }

  // Told when a direct child entered or left the child list at index (after
  // the change). Layouts keep their per-child entries in step with these.
  virtual void OnChildInserted(size_t index);
  virtual void OnChildErased(size_t index);

 private:
  friend class OC_GUI_ROOT;

  // What a pass answered: the record's id and code, and the record itself
  // while its widget is alive.
  struct Answered {
    bool answered = false;
    GuiEvent event;
    GuiEvent* record = nullptr;
  };

  Answered DispatchTree(GuiPass pass);
  GuiEvent* Handle(GuiPass pass);
  // Where the walk goes on after a call into the child that was at index
  // (`next` followed it then); children_.size() ends the walk.
  size_t ResumeAfter(size_t index, const OC_GUI_OBJECT* child, const OC_GUI_OBJECT* next,
                     bool child_gone) const;
  // The focus rule after the child that was at index answered.
  void TakeFocus(GuiPass pass, size_t index, const OC_GUI_OBJECT* answering, bool answering_gone);
  // Takes the direct child at index out of the list and frees it (later,
  // when a call into it runs); tells the owner its tree changed.
  void EraseChild(size_t index);
  void SetOwnerTree(OC_GUI_ROOT* owner);
  // Marks the subtree as taken out of its tree: a pass still running in it
  // asks nothing more there.
  void MarkRemoved();

  int32_t kind_ = kGuiKindPlain;
  bool visible_ = true;
  bool enabled_ = true;
  bool focused_ = false;
  bool removed_ = false;  // taken out of its tree, freed once no call into it runs
  std::unique_ptr<OS_TRANSFORM3> transform_;
  GuiEvent event_;
  OC_GUI_ROOT* owner_ = nullptr;
  OC_GUI_OBJECT* parent_ = nullptr;
  std::vector<OC_GUI_OBJECT*> children_;  // owned; freed through guard_
  DispatchGuard<OC_GUI_OBJECT> guard_;
  // Shared only so that a running script outlives its own replacement.
  std::array<std::shared_ptr<Callback>, 4> scripts_;
};

}  // namespace ORB
