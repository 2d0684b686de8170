#include "engine/foundation/sound_system.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>

#include "engine/foundation/audio_lock.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/clock.h"

namespace ORB {

namespace {

ALCdevice* Device(void* device) { return static_cast<ALCdevice*>(device); }
ALCcontext* Context(void* context) { return static_cast<ALCcontext*>(context); }

const std::string& EmptyName() {
  static const std::string empty;
  return empty;
}

}  // namespace

OC_SOUND_SYSTEM::OC_SOUND_SYSTEM() = default;

OC_SOUND_SYSTEM::~OC_SOUND_SYSTEM() {
  LockGuard guard(AudioLock());
  // Sounds should all be gone by now; any left over must not keep playing on
  // (or later free objects of) a context that no longer exists.
  for (Entry& entry : sounds_) entry.sound->DetachContext();
  sounds_.clear();
  if (context_ != nullptr) {
    if (alcGetCurrentContext() == Context(context_)) alcMakeContextCurrent(nullptr);
    alcDestroyContext(Context(context_));
    context_ = nullptr;
  }
  if (device_ != nullptr) {
    alcCloseDevice(Device(device_));
    device_ = nullptr;
  }
}

int32_t OC_SOUND_SYSTEM::Init() { return Init(nullptr); }

int32_t OC_SOUND_SYSTEM::Init(const char* deviceName) {
  LockGuard guard(AudioLock());
  if (device_ != nullptr) return kResultOk;
  device_ = alcOpenDevice(deviceName);
  if (device_ == nullptr) return kResultFailed;
  // Only a playback device can pause; a loopback one mixes only when asked anyway.
  if (alcIsExtensionPresent(Device(device_), "ALC_SOFT_pause_device") == ALC_TRUE) {
    pause_device_ = alcGetProcAddress(Device(device_), "alcDevicePauseSOFT");
    resume_device_ = alcGetProcAddress(Device(device_), "alcDeviceResumeSOFT");
  }
  return CreateContext(nullptr);
}

int32_t OC_SOUND_SYSTEM::InitLoopback(int32_t frequency, int32_t maxSources) {
  LockGuard guard(AudioLock());
  if (device_ != nullptr) return kResultOk;
  if (frequency <= 0 || alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") != ALC_TRUE)
    return kResultFailed;
  auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
      alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  if (open == nullptr) return kResultFailed;
  device_ = open(nullptr);
  if (device_ == nullptr) return kResultFailed;
  loopback_ = true;
  std::vector<ALCint> attributes = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                                    ALC_SHORT_SOFT,           ALC_FREQUENCY,   frequency};
  if (maxSources > 0) {
    attributes.insert(attributes.end(), {ALC_MONO_SOURCES, maxSources, ALC_STEREO_SOURCES, 0});
  }
  attributes.push_back(0);
  return CreateContext(attributes.data());
}

int32_t OC_SOUND_SYSTEM::CreateContext(const int32_t* attributes) {
  context_ = alcCreateContext(Device(device_), attributes);
  if (context_ != nullptr) alcMakeContextCurrent(Context(context_));
  error_ = alcGetError(Device(device_));
  if (context_ != nullptr) {
    alListenerfv(AL_POSITION, listener_position_);
    alListenerfv(AL_VELOCITY, listener_velocity_);
    alListenerfv(AL_ORIENTATION, listener_orientation_);
    alGetError();
  }
  error_ = alcGetError(Device(device_));
  return kResultOk;
}

int32_t OC_SOUND_SYSTEM::RenderSamples(int16_t* out, int32_t frames) {
  LockGuard guard(AudioLock());
  if (!loopback_ || device_ == nullptr || context_ == nullptr || out == nullptr || frames < 0) {
    return kResultFailed;
  }
  auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
      alcGetProcAddress(Device(device_), "alcRenderSamplesSOFT"));
  if (render == nullptr) return kResultFailed;
  render(Device(device_), out, frames);
  return kResultOk;
}

OC_SOUND* OC_SOUND_SYSTEM::LoadSound(const uint8_t* data, uint32_t size, int32_t bufferCount,
                                     bool whole, const std::string& name) {
  auto* sound = new OC_SOUND();
  return Register(sound, sound->Open(data, size, bufferCount, whole, context_), name);
}

OC_SOUND* OC_SOUND_SYSTEM::LoadSound(std::vector<uint8_t> bytes, int32_t bufferCount, bool whole,
                                     const std::string& name) {
  auto* sound = new OC_SOUND();
  return Register(sound, sound->Open(std::move(bytes), bufferCount, whole, context_), name);
}

OC_SOUND* OC_SOUND_SYSTEM::Register(OC_SOUND* sound, int32_t opened, const std::string& name) {
  if (opened != kResultOk) {
    delete sound;
    return nullptr;
  }
  LockGuard guard(AudioLock());
  sounds_.push_back(Entry{sound, name});
  return sound;
}

int32_t OC_SOUND_SYSTEM::RemoveSound(OC_SOUND* sound) {
  LockGuard guard(AudioLock());
  auto found = std::find_if(sounds_.begin(), sounds_.end(),
                            [sound](const Entry& entry) { return entry.sound == sound; });
  if (sound == nullptr || found == sounds_.end()) return kResultNotFound;
  delete found->sound;
  sounds_.erase(found);
  return kResultOk;
}

void OC_SOUND_SYSTEM::UpdateStreams() {
  LockGuard guard(AudioLock());
  // Delays run on the audio thread's own clock, measured pass to pass, so a
  // delayed sound waits in real time whatever the main thread's frames do.
  const uint32_t now = platform::GetTimeMs();
  const float seconds = has_last_pass_ ? static_cast<float>(now - last_pass_ms_) / 1000.0f : 0.0f;
  last_pass_ms_ = now;
  has_last_pass_ = true;
  if (device_ == nullptr || sounds_.empty()) return;
  // A sound may stop (never be removed) during its update, so indices stay valid.
  for (size_t i = 0; i < sounds_.size(); ++i) sounds_[i].sound->Update(seconds);
}

void OC_SOUND_SYSTEM::WaitForWork(const std::function<bool()>& stop) {
  Lock& lock = AudioLock();
  LockGuard guard(lock);
  const auto busy = [this, &stop] {
    if (stop()) return true;
    return std::any_of(sounds_.begin(), sounds_.end(),
                       [](const Entry& entry) { return entry.sound->NeedsUpdates(); });
  };
  if (busy()) return;
  const bool can_pause =
      device_ != nullptr && pause_device_ != nullptr && resume_device_ != nullptr;
  if (can_pause) {
    reinterpret_cast<LPALCDEVICEPAUSESOFT>(pause_device_)(Device(device_));
    alcGetError(Device(device_));
    output_paused_ = true;
  }
  // The lock is held once here, so waiting lets go of it whole; a sound
  // started meanwhile notifies under the lock and cannot be missed.
  AudioWorkSignal().wait(lock, busy);
  // A sound may already have been started on the paused device: it plays
  // from here on, a moment late rather than lost.
  if (output_paused_) {
    reinterpret_cast<LPALCDEVICERESUMESOFT>(resume_device_)(Device(device_));
    alcGetError(Device(device_));
    output_paused_ = false;
  }
  has_last_pass_ = false;
}

void OC_SOUND_SYSTEM::WakeAudioThread() {
  LockGuard guard(AudioLock());
  AudioWorkSignal().notify_all();
}

bool OC_SOUND_SYSTEM::IsOutputPaused() const {
  LockGuard guard(AudioLock());
  return output_paused_;
}

void OC_SOUND_SYSTEM::UpdateListener() {
  LockGuard guard(AudioLock());
  if (context_ == nullptr) return;
  alListenerfv(AL_POSITION, listener_position_);
  alGetError();
}

void OC_SOUND_SYSTEM::SetListenerPosition(float x, float y, float z) {
  LockGuard guard(AudioLock());
  listener_position_[0] = x;
  listener_position_[1] = y;
  listener_position_[2] = z;
}

size_t OC_SOUND_SYSTEM::GetSoundCount() const {
  LockGuard guard(AudioLock());
  return sounds_.size();
}

const std::string& OC_SOUND_SYSTEM::GetSoundName(const OC_SOUND* sound) const {
  LockGuard guard(AudioLock());
  for (const Entry& entry : sounds_) {
    if (entry.sound == sound) return entry.name;
  }
  return EmptyName();
}

}  // namespace ORB
