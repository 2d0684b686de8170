#include "engine/foundation/sound.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <limits>

#include "engine/foundation/audio_lock.h"
#include "engine/foundation/result_codes.h"

namespace ORB {

namespace {

// Sources alive over all sounds; read and written only under the audio lock.
int32_t g_live_sources = 0;

// A stream may report this many holes in a row before it counts as broken.
constexpr int kMaxHolesInARow = 64;

ov_callbacks MemoryCallbacks() {
  ov_callbacks callbacks{};
  callbacks.read_func = &OggMemoryRead;
  callbacks.seek_func = &OggMemorySeek;
  callbacks.close_func = &OggMemoryClose;
  callbacks.tell_func = &OggMemoryTell;
  return callbacks;
}

}  // namespace

OC_SOUND::OC_SOUND() = default;

OC_SOUND::~OC_SOUND() {
  LockGuard guard(AudioLock());
  // The decoder is not rewound on the way out: nothing will read it again.
  destroying_ = true;
  DetachContext();
  if (decoder_open_) ov_clear(decoder_.get());
  decoder_open_ = false;
}

void OC_SOUND::DetachContext() {
  LockGuard guard(AudioLock());
  const bool destroying = destroying_;
  destroying_ = true;
  Stop();
  destroying_ = destroying;
  if (context_ != nullptr) {
    for (ALuint& buffer : buffers_) {
      if (buffer != 0) alDeleteBuffers(1, &buffer);
      buffer = 0;
    }
    alGetError();
  }
  context_ = nullptr;
  delay_ = 0.0f;
}

int32_t OC_SOUND::Open(std::vector<uint8_t> bytes, int32_t bufferCount, bool whole,
                       ContextHandle context) {
  owned_bytes_ = std::move(bytes);
  if (owned_bytes_.size() > std::numeric_limits<uint32_t>::max()) return kResultDecoderRefused;
  return Open(owned_bytes_.data(), static_cast<uint32_t>(owned_bytes_.size()), bufferCount, whole,
              context);
}

int32_t OC_SOUND::Open(const uint8_t* data, uint32_t size, int32_t bufferCount, bool whole,
                       ContextHandle context) {
  if (decoder_open_) return kResultFailed;
  buffer_count_ = bufferCount;
  whole_ = whole;
  memory_ = OggMemorySource{data, data == nullptr ? 0 : size, 0};
  context_ = context;
  playing_ = false;
  delay_ = 0.0f;

  // The sound is not shared with the audio thread yet, so the decoder opens
  // without the lock; only OpenAL work below needs it.
  const int32_t opened = OpenDecoder();
  if (opened != kResultOk) return opened;

  if (whole_) {
    chunk_size_ = static_cast<uint32_t>(pcm_total_ * 2 * channels_);
  } else {
    chunk_size_ = kStreamChunkBytes;
  }
  pcm_.assign(chunk_size_, 0);
  if (context_ == nullptr) return kResultOk;

  LockGuard guard(AudioLock());
  alGetError();
  if (whole_) {
    alGenBuffers(2, buffers_);
    if (alGetError() != AL_NO_ERROR) {
      buffers_[0] = buffers_[1] = 0;
      return kResultFailed;
    }
    if (Fill(buffers_[0]) < 0) return kResultFailed;
    // The data now lives in OpenAL's buffer; the decode target is not needed again.
    std::vector<uint8_t>().swap(pcm_);
  }
  return kResultOk;
}

int32_t OC_SOUND::OpenDecoder() {
  if (memory_.data == nullptr || memory_.size == 0) return kResultDecoderRefused;
  decoder_ = std::make_unique<OggVorbis_File>();
  if (ov_open_callbacks(&memory_, decoder_.get(), nullptr, 0, MemoryCallbacks()) < 0) {
    // A failed open has already cleared the decoder.
    decoder_.reset();
    return kResultDecoderRefused;
  }
  decoder_open_ = true;

  const vorbis_info* info = ov_info(decoder_.get(), -1);
  if (info == nullptr) return kResultDecoderRefused;
  // The mixer takes 16-bit mono or stereo; anything wider would be played as
  // garbage, so it is refused like any other file the decoder cannot serve.
  if (info->channels < 1 || info->channels > 2) return kResultDecoderRefused;
  if (info->rate <= 0 || info->rate > std::numeric_limits<int32_t>::max())
    return kResultDecoderRefused;
  channels_ = info->channels;
  rate_ = static_cast<int32_t>(info->rate);
  format_ = channels_ == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;

  pcm_total_ = ov_pcm_total(decoder_.get(), -1);
  if (pcm_total_ < 0) return kResultDecoderRefused;
  // Decoded whole, the total sizes one allocation and one OpenAL buffer.
  if (whole_ && pcm_total_ > kMaxWholeBytes / (2 * channels_)) return kResultDecoderRefused;
  return kResultOk;
}

int32_t OC_SOUND::Decode() {
  const uint32_t frame_bytes = static_cast<uint32_t>(2 * channels_);
  uint32_t gathered = 0;
  int holes = 0;
  // ov_read refuses a request smaller than one sample frame, so stop short of that.
  while (!end_of_data_ && chunk_size_ - gathered >= frame_bytes) {
    const uint32_t wanted = std::min<uint32_t>(chunk_size_ - gathered, 1u << 20);
    int section = 0;
    const long got = ov_read(decoder_.get(), reinterpret_cast<char*>(pcm_.data() + gathered),
                             static_cast<int>(wanted), 0, 2, 1, &section);
    if (got == 0) {
      end_of_data_ = true;
      break;
    }
    if (got == OV_HOLE) {
      // A gap in the data (a lost or damaged page): decoding goes on after it.
      if (++holes > kMaxHolesInARow) end_of_data_ = true;
      continue;
    }
    if (got < 0) {
      // Anything else cannot be decoded past: what came so far is kept.
      end_of_data_ = true;
      break;
    }
    holes = 0;
    // A chained stream whose next part has another layout ends here.
    const vorbis_info* info = ov_info(decoder_.get(), section);
    if (info == nullptr || info->channels != channels_ || info->rate != rate_) {
      end_of_data_ = true;
      break;
    }
    gathered += static_cast<uint32_t>(got);
  }
  return static_cast<int32_t>(gathered);
}

int32_t OC_SOUND::Fill(uint32_t buffer) {
  const int32_t bytes = Decode();
  if (bytes <= 0) return bytes;
  alBufferData(buffer, format_, pcm_.data(), bytes, rate_);
  if (CheckError()) return kResultFailed;
  return bytes;
}

int32_t OC_SOUND::QueueFreshBuffers() {
  int32_t queued = 0;
  for (ALuint buffer : buffers_) {
    if (end_of_data_) break;
    const int32_t bytes = Fill(buffer);
    if (bytes < 0) return kResultFailed;
    if (bytes == 0) break;
    alSourceQueueBuffers(source_, 1, &buffer);
    if (CheckError()) return kResultFailed;
    ++queued;
  }
  return queued;
}

bool OC_SOUND::CheckError() {
  if (alGetError() == AL_NO_ERROR) return false;
  // Stop clears any error of its own calls instead of checking them, so this
  // never calls itself again through Stop.
  if (!stopping_) Stop();
  return true;
}

void OC_SOUND::Rewind() {
  if (decoder_open_ && !whole_) ov_pcm_seek(decoder_.get(), 0);
  end_of_data_ = false;
}

void OC_SOUND::DeleteStreamBuffers() {
  for (ALuint& buffer : buffers_) {
    if (buffer != 0) alDeleteBuffers(1, &buffer);
    buffer = 0;
  }
}

int32_t OC_SOUND::Play() {
  if (context_ == nullptr) return 0;
  LockGuard guard(AudioLock());
  if (playing_) return 1;
  // No source left: the sound stays not playing, so a later play can try again.
  if (g_live_sources >= kMaxSources) return 0;
  ++g_live_sources;
  alGetError();
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR || source == 0) {
    --g_live_sources;
    return 0;
  }
  source_ = source;
  // From here on an error stops the sound, which releases whatever was taken.
  playing_ = true;
  elapsed_ = 0.0f;

  alSourcef(source_, AL_GAIN, gain_);
  if (CheckError()) return 0;
  if (whole_) {
    alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffers_[0]));
    if (CheckError()) return 0;
  } else {
    alGenBuffers(2, buffers_);
    if (CheckError()) return 0;
    // OpenAL will not queue a buffer with data behind one that never got any,
    // so both are filled before either is queued.
    const int32_t queued = QueueFreshBuffers();
    if (queued < 0) return 0;
    if (queued == 0) {
      Stop();
      return 0;
    }
  }
  alSourcePlay(source_);
  CheckError();
  // The audio thread may be waiting for a sound to look after.
  AudioWorkSignal().notify_all();
  return 0;
}

void OC_SOUND::Stop() {
  LockGuard guard(AudioLock());
  if (context_ == nullptr || source_ == 0) {
    playing_ = false;
    return;
  }
  stopping_ = true;
  alSourceStop(source_);
  alDeleteSources(1, &source_);
  source_ = 0;
  --g_live_sources;
  if (!whole_) DeleteStreamBuffers();
  // Tearing down cannot be undone; whatever went wrong here is dropped.
  alGetError();
  if (!destroying_) Rewind();
  playing_ = false;
  stopping_ = false;
}

int32_t OC_SOUND::Restart() {
  LockGuard guard(AudioLock());
  Stop();
  return Play();
}

void OC_SOUND::PlayDelayed(float seconds) {
  if (!(seconds > 0.0f)) {
    Play();
    return;
  }
  // The audio thread counts the delay down, so it is written under the lock.
  LockGuard guard(AudioLock());
  delay_ = seconds;
  AudioWorkSignal().notify_all();
}

float OC_SOUND::GetGain() {
  LockGuard guard(AudioLock());
  return gain_;
}

uint32_t OC_SOUND::GetSource() {
  LockGuard guard(AudioLock());
  return source_;
}

float OC_SOUND::GetElapsed() {
  LockGuard guard(AudioLock());
  return elapsed_;
}

bool OC_SOUND::NeedsUpdates() const { return source_ != 0 || delay_ > 0.0f; }

float OC_SOUND::GetDelay() {
  LockGuard guard(AudioLock());
  return delay_;
}

bool OC_SOUND::IsPlaying() {
  LockGuard guard(AudioLock());
  if (context_ == nullptr || source_ == 0 || !playing_) return false;
  ALint state = AL_STOPPED;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  alGetError();
  return state == AL_PLAYING;
}

int32_t OC_SOUND::Seek(int64_t sample) {
  LockGuard guard(AudioLock());
  if (sample < 0 || sample >= pcm_total_) return kResultBadArgument;
  if (context_ == nullptr || source_ == kResultNone) return kResultNone;
  alSourceStop(source_);
  if (CheckError()) return kResultFailed;
  if (whole_) {
    alSourcei(source_, AL_SAMPLE_OFFSET, static_cast<ALint>(sample));
    if (CheckError()) return kResultFailed;
  } else {
    // A stopped source counts every queued buffer as processed: take them all
    // back, so that no data from before the seek plays again.
    ALint queued = 0;
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    for (ALint i = 0; i < queued; ++i) {
      ALuint buffer = 0;
      alSourceUnqueueBuffers(source_, 1, &buffer);
    }
    if (CheckError()) return kResultFailed;
    end_of_data_ = false;
    if (ov_pcm_seek(decoder_.get(), sample) != 0) {
      Stop();
      return kResultFailed;
    }
    const int32_t filled = QueueFreshBuffers();
    if (filled < 0) return kResultFailed;
    if (filled == 0) {
      Stop();
      return kResultFailed;
    }
  }
  alSourcePlay(source_);
  if (CheckError()) return kResultFailed;
  return kResultOk;
}

double OC_SOUND::GetLength() {
  LockGuard guard(AudioLock());
  if (!decoder_open_) return 0.0;
  const double seconds = ov_time_total(decoder_.get(), -1);
  return seconds > 0.0 ? seconds : 0.0;
}

void OC_SOUND::Update(float seconds) {
  LockGuard guard(AudioLock());
  if (delay_ > 0.0f) {
    delay_ -= seconds;
    if (delay_ <= 0.0f) {
      delay_ = 0.0f;
      Play();
      return;
    }
    // A sound that is playing while a later start waits keeps being fed.
    if (!playing_) return;
  }
  if (context_ == nullptr || source_ == 0 || !playing_) return;

  ALint state = AL_STOPPED;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  if (CheckError()) return;
  const bool starved = state != AL_PLAYING;

  if (whole_) {
    if (starved) Stop();
    return;
  }

  if (end_of_data_) {
    // The last chunks are queued; the sound ends once the source has played them.
    if (starved) {
      Stop();
    } else {
      elapsed_ += seconds;
    }
    return;
  }

  ALint processed = 0;
  alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
  if (CheckError()) return;
  // One refill a pass keeps the decoding spread out; a source that ran dry
  // gets all its buffers back at once so that it restarts on fresh data only.
  const ALint refills = starved ? processed : std::min<ALint>(processed, 1);
  for (ALint i = 0; i < refills && !end_of_data_; ++i) {
    ALuint buffer = 0;
    alSourceUnqueueBuffers(source_, 1, &buffer);
    if (CheckError()) return;
    const int32_t bytes = Fill(buffer);
    if (bytes < 0) return;
    if (bytes > 0) {
      alSourceQueueBuffers(source_, 1, &buffer);
      if (CheckError()) return;
    }
  }

  if (starved) {
    ALint queued = 0;
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (CheckError()) return;
    if (queued == 0) {
      Stop();
      return;
    }
    alSourcePlay(source_);
    if (CheckError()) return;
  }
  elapsed_ += seconds;
}

void OC_SOUND::SetGain(float gain) {
  LockGuard guard(AudioLock());
  gain_ = gain > 0.0f ? gain : 0.0f;
  if (context_ == nullptr || source_ == 0) return;
  alSourcef(source_, AL_GAIN, gain_);
  CheckError();
}

float OC_SOUND::GetSourceGain() {
  LockGuard guard(AudioLock());
  if (context_ == nullptr || source_ == 0) return -1.0f;
  ALfloat gain = -1.0f;
  alGetSourcef(source_, AL_GAIN, &gain);
  alGetError();
  return gain;
}

int32_t OC_SOUND::GetWholeBufferBytes() {
  LockGuard guard(AudioLock());
  if (context_ == nullptr || !whole_ || buffers_[0] == 0) return 0;
  ALint bytes = 0;
  alGetBufferi(buffers_[0], AL_SIZE, &bytes);
  alGetError();
  return bytes;
}

int32_t OC_SOUND::GetLiveSourceCount() {
  LockGuard guard(AudioLock());
  return g_live_sources;
}

}  // namespace ORB
