#pragma once
// Every result code the engine and the game answer with, by meaning.
//
// Functions that report how they went answer an int32_t from this list. One
// value often carries several meanings (-109 is "not running" from the frame
// function, "damaged" from a file read and "stop this pass" from a bot); each
// meaning has its own name, so code says which one it means. Compare with
// the name of the meaning the called function documents:
//
//   if (files.LoadBytes(record) == kResultDamaged) ...    // not kResultStopPass
//
// Add a name here before answering a new code anywhere; never write the bare
// number. Results that are plain yes/no answers stay bool.
#include <cstdint>

namespace ORB {

// --- success and general failure --------------------------------------------

inline constexpr int32_t kResultOk = 1;            // it worked
inline constexpr int32_t kResultFailed = -1;       // general failure
inline constexpr int32_t kResultNotFound = -1;     // no such thing (name, record, slot)
inline constexpr int32_t kResultBadArgument = -1;  // null pointer, value out of range
// Nothing to report: a bot carries on, an input event was not taken, a
// callback without a function ran.
inline constexpr int32_t kResultNone = 0;

// --- input ------------------------------------------------------------------

// A sprite button was clicked this frame.
inline constexpr int32_t kResultClicked = -102;
// An input pass answer: the event was taken here (a cell press, a page item,
// a window still moving); nothing behind it gets the event.
inline constexpr int32_t kEventSwallowed = -109;

// --- callbacks, files and archives ------------------------------------------

// A hook slot or callback that is empty.
inline constexpr int32_t kResultNothingToCall = -108;
// A file or archive entry that cannot be opened (also a missing or wrong
// password, or a packing method the reader does not know).
inline constexpr int32_t kResultCannotOpen = -108;
// A read that came up short, or content that fails its check (CRC,
// inflation): the file or entry is damaged.
inline constexpr int32_t kResultDamaged = -109;
// A folder registered again with as many entries as it has records.
inline constexpr int32_t kResultAlreadyRegistered = -110;
// Answers of the archive password test: the password opens the first sealed
// entry (or nothing is sealed), the archive cannot be read, it has no entries.
inline constexpr int32_t kResultPasswordOpens = 0;
inline constexpr int32_t kResultArchiveUnreadable = -1000;
inline constexpr int32_t kResultArchiveEmpty = -49;

// --- service, renderer and sound --------------------------------------------

// The frame function was called while the service is not running.
inline constexpr int32_t kResultNotRunning = -109;
// The service's Init failed before the game's init hook ran: no window, no
// graphics device, no resources folder.
inline constexpr int32_t kInitNoWindow = -1;
inline constexpr int32_t kInitNoRenderer = -2;
inline constexpr int32_t kInitNoResources = -3;
// The graphics device was reset this frame; drawing starts again next frame.
inline constexpr int32_t kResultDeviceReset = -110;
// The game could not start (its creation or its resource list failed).
inline constexpr int32_t kResultStartFailed = -112;
// The audio decoder refused the data.
inline constexpr int32_t kResultDecoderRefused = -112;

// --- bots, list items and threads -------------------------------------------

// A bot or list item asks its list to stop the current pass; the items
// behind it wait for the next one.
inline constexpr int32_t kResultStopPass = -109;
// Finished: a bot (its list deletes it), a tutorial step, a thread that was
// stopped on request.
inline constexpr int32_t kResultFinished = -113;
// The exit code read from a thread that has not returned yet.
inline constexpr int32_t kThreadStillActive = 259;

// --- the process ------------------------------------------------------------

// The service's result after a normal run, and after a failed start or a
// close before the game installed its close hook. Neither fits a Linux exit
// status: main maps them to 0 and 1.
inline constexpr int32_t kExitNormal = 100500;
inline constexpr int32_t kExitFailed = -100500;

// --- GUI event codes --------------------------------------------------------
//
// The code a widget writes into its event record when an input pass changed
// something; the record travels up the widget tree as the pass's answer.

inline constexpr int32_t kGuiEventNone = 0;           // every handler clears its code first
inline constexpr int32_t kGuiEventEntered = 3;        // the cursor came over the widget
inline constexpr int32_t kGuiEventLeft = 4;           // the cursor went off it
inline constexpr int32_t kGuiEventPressed = 7;        // the button went down on it
inline constexpr int32_t kGuiEventClicked = 8;        // released inside: a click
inline constexpr int32_t kGuiEventDragged = 9;        // moved with the button down
inline constexpr int32_t kGuiEventValueChanged = 10;  // a slider moved, a character was typed
// Two more codes move the focus as a press or a click does; no widget raises
// them.
inline constexpr int32_t kGuiEventFocusReserved2 = 2;
inline constexpr int32_t kGuiEventFocusReserved11 = 11;

// Whether an answer with this code takes the focus to the answering branch.
constexpr bool GuiEventMovesFocus(int32_t code) {
  return code == kGuiEventFocusReserved2 || code == kGuiEventPressed || code == kGuiEventClicked ||
         code == kGuiEventFocusReserved11;
}

}  // namespace ORB
