#pragma once
// The sound system: owns the OpenAL device, context and listener and keeps the
// list of live sounds. The game service creates one, initialises it, and runs
// UpdateStreams on its audio thread every 10 ms while a sound plays or waits
// to play; with none, the audio thread waits in WaitForWork and the output
// device is paused, so an idle game costs no mixing and no polling.
//
// Sounds are made from encoded Ogg Vorbis bytes in memory by LoadSound and
// destroyed by RemoveSound; whoever loaded a sound removes it. Without a
// sound device every call still works and nothing is heard.
//
// Shutdown order: stop and join the audio thread, remove every sound (the
// resource repository unloads its sound records), then delete the system.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/sound.h"

namespace ORB {

class OC_SOUND_SYSTEM {
 public:
  OC_SOUND_SYSTEM();
  // Makes no context current, destroys the context and closes the device.
  // Sounds still listed are stopped and cut off from OpenAL first (they stay
  // allocated: their owner removes them).
  ~OC_SOUND_SYSTEM();
  OC_SOUND_SYSTEM(const OC_SOUND_SYSTEM&) = delete;
  OC_SOUND_SYSTEM& operator=(const OC_SOUND_SYSTEM&) = delete;

  // Opens the default output device, creates and makes current a context,
  // and places the listener. kResultOk, or kResultFailed when there is no
  // device (the system then stays silent). A device without a context is no
  // error: its sounds simply stay silent.
  [[nodiscard]] int32_t Init();
  // As Init, on the named OpenAL device (null: the default one).
  [[nodiscard]] int32_t Init(const char* deviceName);
  // As Init, on an OpenAL loopback device that mixes only when asked to
  // (RenderSamples): 16-bit stereo at the given rate. maxSources > 0 limits
  // the sources OpenAL itself allows. kResultOk, or kResultFailed when
  // loopback is unavailable.
  [[nodiscard]] int32_t InitLoopback(int32_t frequency, int32_t maxSources = 0);
  // Mixes the next frames of a loopback device into out (frames x 2 samples,
  // left and right). kResultOk, or kResultFailed on any other device.
  int32_t RenderSamples(int16_t* out, int32_t frames);

  // Creates a sound over encoded Ogg Vorbis bytes. The bytes are borrowed:
  // they must stay allocated and unchanged until RemoveSound has destroyed
  // the sound. whole = true decodes the file into one buffer now; false
  // streams it. bufferCount is kept by the sound (playback always uses two
  // buffers); name is kept for messages. Null when the data is refused
  // (not Ogg Vorbis, more than two channels, an impossible length).
  OC_SOUND* LoadSound(const uint8_t* data, uint32_t size, int32_t bufferCount, bool whole,
                      const std::string& name = {});
  // As above; the sound keeps the bytes, so the caller need not.
  OC_SOUND* LoadSound(std::vector<uint8_t> bytes, int32_t bufferCount, bool whole,
                      const std::string& name = {});
  // Destroys a sound made by LoadSound and drops it from the list.
  // kResultOk, or kResultNotFound for a sound the list does not hold.
  int32_t RemoveSound(OC_SOUND* sound);

  // One pass of the audio thread: measures the time since the previous pass
  // on the engine clock (GetTimeMs), then counts delays down, refills streams
  // and stops ended sounds. Safe to call from any thread.
  void UpdateStreams();

  // For the audio thread, between passes. While some sound needs passes,
  // answers at once. Otherwise pauses the output device (a playback device
  // whose OpenAL offers ALC_SOFT_pause_device), waits until a sound is
  // started or delayed or WakeAudioThread is called, resumes the device and
  // answers; the wait is not counted as time between passes, so a delay
  // set while waiting runs in full. stop is checked under the audio lock.
  void WaitForWork(const std::function<bool()>& stop);
  // Ends a WaitForWork: call it after making stop answer true.
  void WakeAudioThread();
  // The output device is paused by WaitForWork now.
  bool IsOutputPaused() const;

  // Sends the stored listener position to OpenAL.
  void UpdateListener();
  void SetListenerPosition(float x, float y, float z);

  // The context error code read after the last set-up step.
  int32_t GetError() const { return error_; }
  bool HasDevice() const { return device_ != nullptr; }
  bool HasContext() const { return context_ != nullptr; }
  size_t GetSoundCount() const;
  const std::string& GetSoundName(const OC_SOUND* sound) const;

 private:
  int32_t CreateContext(const int32_t* attributes);
  OC_SOUND* Register(OC_SOUND* sound, int32_t opened, const std::string& name);

  void* device_ = nullptr;
  void* context_ = nullptr;
  bool loopback_ = false;
  // The device offers pausing (ALC_SOFT_pause_device); its calls, and
  // whether WaitForWork has it paused. Kept as OpenAL hands them out, opaque.
  void* pause_device_ = nullptr;
  void* resume_device_ = nullptr;
  bool output_paused_ = false;
  float listener_position_[3] = {1.0f, 1.0f, 1.0f};
  float listener_velocity_[3] = {0.0f, 0.0f, 0.0f};
  float listener_orientation_[6] = {1.0f, 1.0f, 2.0f, 0.0f, 0.0f, 0.0f};
  int32_t error_ = 0;
  struct Entry {
    OC_SOUND* sound;
    std::string name;
  };
  std::vector<Entry> sounds_;
  // Engine clock at the previous UpdateStreams, for the time between passes.
  uint32_t last_pass_ms_ = 0;
  bool has_last_pass_ = false;
};

}  // namespace ORB
