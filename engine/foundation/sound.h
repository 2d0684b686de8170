#pragma once
// One Ogg Vorbis sound held in memory and played through OpenAL: either
// decoded whole at load into one buffer, or streamed in 48000-byte chunks
// through two queued buffers that the audio thread refills.
//
// Every OpenAL and decoder call runs under the audio lock (audio_lock.h),
// which the main thread and the audio thread share. A sound without a
// context (no sound device) keeps all its state but never touches OpenAL:
// Play, Stop and the update do nothing audible.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/ogg_memory_source.h"
#include "engine/foundation/result_codes.h"

struct OggVorbis_File;

namespace ORB {

class OC_SOUND {
 public:
  // Bytes decoded per refill of a streamed sound.
  static constexpr uint32_t kStreamChunkBytes = 48000;
  // At most this many sources exist at once, over all sounds.
  static constexpr int32_t kMaxSources = 16;
  // A sound decoded whole may not need more PCM bytes than this.
  static constexpr int64_t kMaxWholeBytes = int64_t{256} * 1024 * 1024;

  // The OpenAL context a sound plays on, kept opaque here.
  using ContextHandle = void*;

  OC_SOUND();
  // Stops the sound (its source is deleted and uncounted) and frees the
  // decoder and buffers. Takes the audio lock.
  ~OC_SOUND();
  OC_SOUND(const OC_SOUND&) = delete;
  OC_SOUND& operator=(const OC_SOUND&) = delete;

  // Opens the decoder over the encoded bytes (borrowed: they must outlive
  // this sound). whole = true decodes everything now into one buffer; false
  // streams. context is where the sound plays; null makes it silent.
  // kResultOk; kResultDecoderRefused when the decoder refuses the data, the
  // stream has more than two channels, no usable rate, or a PCM total that
  // is negative or too large to decode whole; kResultFailed when OpenAL
  // refuses the buffers.
  [[nodiscard]] int32_t Open(const uint8_t* data, uint32_t size, int32_t bufferCount, bool whole,
                             ContextHandle context);
  // As above, but the sound keeps the bytes itself.
  [[nodiscard]] int32_t Open(std::vector<uint8_t> bytes, int32_t bufferCount, bool whole,
                             ContextHandle context);

  // Starts the sound from its current decoder position (the start, after a
  // load or a Stop). Answers the playing flag as it was before the call (0
  // also without a context). With no source free, the sound stays not playing.
  int32_t Play();
  // Deletes the source (and a streamed sound's buffers), rewinds, clears playing.
  void Stop();
  // Stop, then Play.
  int32_t Restart();
  // Plays after the given seconds of the audio thread's clock; 0 or less
  // plays now.
  void PlayDelayed(float seconds);
  // A source exists, the sound was started and the source reports playing.
  bool IsPlaying();
  // Moves playback to the given PCM sample (per channel). kResultOk;
  // kResultBadArgument for a sample outside [0, total), kResultNone when
  // there is nothing playing to move, kResultFailed when OpenAL refuses.
  int32_t Seek(int64_t sample);
  // Seconds of the whole stream; 0.0 when unknown.
  double GetLength();

  // One audio-thread pass, seconds since the previous pass: counts a delay
  // down, refills a streamed sound's buffers, stops a sound that has ended.
  void Update(float seconds);

  // A source is live or a delayed start is waiting: the audio thread's
  // passes still have work here. The caller holds the audio lock.
  bool NeedsUpdates() const;

  // Gain given to the source now and to every source the sound takes later
  // (a delayed play too). Negative values count as 0.
  void SetGain(float gain);
  float GetGain();

  // The OpenAL source, 0 when none.
  uint32_t GetSource();
  // The gain OpenAL reports for the current source, or -1 without one.
  float GetSourceGain();
  // Bytes OpenAL holds in the buffer of a sound decoded whole (0 otherwise).
  int32_t GetWholeBufferBytes();

  bool IsWhole() const { return whole_; }
  int32_t GetBufferCount() const { return buffer_count_; }
  int32_t GetChannels() const { return channels_; }
  int32_t GetRate() const { return rate_; }
  int64_t GetPcmTotal() const { return pcm_total_; }
  uint32_t GetChunkSize() const { return chunk_size_; }
  float GetDelay();
  // Seconds the audio thread has kept this stream going since its Play.
  float GetElapsed();
  bool HasContext() const { return context_ != nullptr; }
  // Stops the sound, frees its OpenAL objects and leaves it without a
  // context: for a sound that outlives its sound system.
  void DetachContext();
  // Sources alive over all sounds.
  static int32_t GetLiveSourceCount();

 private:
  int32_t OpenDecoder();
  // Decodes up to chunk_size_ bytes into the PCM buffer; marks the end of the
  // data at the end of the stream or on an unrecoverable decoder error.
  int32_t Decode();
  // Decodes into the given buffer; answers the bytes handed to OpenAL.
  int32_t Fill(uint32_t buffer);
  // Fills both stream buffers from the decoder position and queues those
  // that got data; answers how many were queued.
  int32_t QueueFreshBuffers();
  // Reads the OpenAL error state; on an error stops the sound (unless it is
  // being stopped already) and answers true.
  bool CheckError();
  void Rewind();
  void DeleteStreamBuffers();

  uint32_t chunk_size_ = 0;
  std::unique_ptr<OggVorbis_File> decoder_;
  bool decoder_open_ = false;
  int32_t buffer_count_ = 0;
  std::vector<uint8_t> pcm_;
  float elapsed_ = 0.0f;
  std::vector<uint8_t> owned_bytes_;
  OggMemorySource memory_;
  int32_t format_ = 0;
  int32_t channels_ = 0;
  int32_t rate_ = 0;
  int64_t pcm_total_ = 0;
  uint32_t source_ = 0;
  uint32_t buffers_[2] = {0, 0};
  bool whole_ = false;
  bool playing_ = false;
  // A streamed sound whose data has run out: the queued rest still plays.
  bool end_of_data_ = false;
  bool stopping_ = false;
  bool destroying_ = false;
  float delay_ = 0.0f;
  float gain_ = 1.0f;
  ContextHandle context_ = nullptr;
};

}  // namespace ORB
