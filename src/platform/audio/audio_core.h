#pragma once
// The in-process audio core: decoders (FFmpeg streams, libopenmpt modules, audio-CD tracks), a DSP
// chain per channel (peaking equalizer filters), the mix with the master volume, FFT data, and one
// output sink (SDL2 device, null sink on the real-time clock, or capture).
//
// Threads. Every member is thread-safe and may be called from any thread, including from an end
// callback (except the destructor). The sink's thread renders audio: it decodes, filters and mixes the
// playing channels block by block (about 10 ms), holding a channel's lock only while rendering it; a
// control call on a channel therefore waits at most for one block of that channel. Opening a channel
// and setPosition() block on file (or drive) I/O in the calling thread, free() as said there; nothing
// else blocks.
//
// Positions and lengths are bytes of the channel's own decoded format (see ChannelInfo): what has
// reached the sink, converted back to the channel's frames. They are exact with the capture sink.
#include "platform/audio/audio_types.h"
#include "platform/audio/capture.h"
#include "platform/audio/decoder.h"
#include "platform/audio/sink.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace kavrel::audio {

enum class SinkKind {
    Device,  // the default SDL2 output device; falls back to Null when it cannot be opened
    Null,    // consumes audio on the real-time clock and discards it: positions advance, tracks end
    Capture, // see capture.h
};

struct EngineOptions {
    SinkKind sink = SinkKind::Device;
    // Rate asked of the device (it may choose another; see outputRate()) and of the null sink.
    // The capture sink takes its rate from `capture`.
    int sampleRate = 44100;
    CaptureOptions capture;
    // The output device of a Device sink; the default SDL2 device when empty.
    OutputDeviceFactory device;
};

struct ChannelOptions {
    // Free the channel by itself when it is stopped or plays to its end (after its end callback).
    bool autoFree = false;
};

class AudioEngine {
public:
    // Runs on the engine's event thread, once each time the channel plays to its end (the last frame has
    // reached the sink; the channel's state is then Stopped). Never called while the engine holds a
    // lock, so it may call any member. Callbacks of one engine run one at a time, in order.
    using EndCallback = std::function<void(ChannelHandle)>;

    // Never fails: a Device sink that cannot be opened becomes a Null sink (see activeSink()).
    explicit AudioEngine(EngineOptions options = {});
    // Stops the sink, waits for a running callback, frees every channel and finishes the capture.
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    SinkKind activeSink() const;
    int outputRate() const;
    // The capture sink's controls; nullptr unless activeSink() is Capture. Lives as long as the engine.
    Capture* capture();
    // Closes and renames the capture's WAV file into place (nothing to do otherwise). Recording stops;
    // later audio is discarded. Returns false with a message naming the file when it could not be written.
    bool finishCapture(std::string* error = nullptr);

    // --- channels -------------------------------------------------------------------------------
    // Each returns 0 on failure, with a user-readable reason in *error when given. A new channel is
    // Stopped at position 0, with no filters and no callback.
    // A file FFmpeg can decode (MP3, Ogg Vorbis, WMA, WAV, ...): its first audio stream.
    ChannelHandle openFile(const std::filesystem::path& file, ChannelOptions options = {},
                           std::string* error = nullptr);
    // A tracker module (MOD, XM, S3M, IT, ...), rendered as 44100 Hz stereo, played once through.
    ChannelHandle openModule(const std::filesystem::path& file, ChannelOptions options = {},
                             std::string* error = nullptr);
    // Track `trackIndex` (0-based, in disc order) of a CD source (see cd_disc.h); 44100 Hz stereo.
    // Fails for a data track or an index outside the disc.
    ChannelHandle openCdTrack(const std::string& source, int trackIndex, ChannelOptions options = {},
                              std::string* error = nullptr);
    // A source of the caller's own (such as one a plug-in provides); 0 for nullptr.
    ChannelHandle openDecoder(std::unique_ptr<Decoder> decoder, ChannelOptions options = {});
    // Stops and frees the channel and its filters, on the calling thread: waits for the block the sink
    // is rendering (a few milliseconds) and, for a CD track, for a drive read in progress. When it
    // returns, the channel's end callback is neither running (unless free() was called from that
    // callback) nor will it run again.
    bool free(ChannelHandle channel);

    std::optional<ChannelInfo> info(ChannelHandle channel) const;
    // Channels opened and not yet freed: what the engine still holds decoders for.
    std::size_t openChannels() const;

    // restart: from position 0; otherwise from the current position (a channel that has played to its
    // end starts again from 0).
    bool play(ChannelHandle channel, bool restart);
    // Takes effect at the next block the sink renders; the position stays where the sink stopped.
    bool pause(ChannelHandle channel);
    // Like pause, but the state becomes Stopped (an autoFree channel is freed).
    bool stop(ChannelHandle channel);
    // Stopped for an unknown handle.
    ChannelState state(ChannelHandle channel) const;

    // Length in bytes (see ChannelInfo); nothing for an unknown handle or when the source does not tell
    // it. Exact for CD tracks, WAV, Ogg and MP3 with an encoder (LAME) header; otherwise as the container
    // estimates it (an MP3 without a frame index: from its bit rate).
    std::optional<std::int64_t> length(ChannelHandle channel) const;
    std::optional<std::int64_t> position(ChannelHandle channel) const;
    // Seeks to the frame holding `bytes` (cut to a whole frame, clamped to the length), sample-exact:
    // the decoder starts a little earlier and drops what it decodes before the frame. The next block the
    // sink renders starts there. Blocks on I/O. Keeps the state.
    bool setPosition(ChannelHandle channel, std::int64_t bytes);
    // Conversions in the channel's format; nothing for an unknown handle or negative input.
    std::optional<double> bytesToSeconds(ChannelHandle channel, std::int64_t bytes) const;
    // Rounded down to a whole frame.
    std::optional<std::int64_t> secondsToBytes(ChannelHandle channel, double seconds) const;

    // Replaces the channel's end callback (an empty function removes it). Same guarantee as free()
    // about the callback it replaces.
    bool setEndCallback(ChannelHandle channel, EndCallback callback);

    // --- DSP ------------------------------------------------------------------------------------
    // Filters run in the order they were added, on the channel's own samples, before rate conversion.
    // Parameter changes glide to the new values over about 20 ms, so moving a slider while playing
    // does not click; they reach the sink after what is already decoded (at most about 25 ms).
    // Returns 0 for an unknown channel.
    FilterHandle addEqualizer(ChannelHandle channel, PeakingEqParams params);
    bool setEqualizer(FilterHandle filter, PeakingEqParams params);
    // The parameters as last set (clamped), not the gliding values.
    std::optional<PeakingEqParams> equalizer(FilterHandle filter) const;
    bool removeEqualizer(FilterHandle filter);

    // Master output volume, 0..kMaxVolume (values outside are clamped), applied after the mix; a change
    // glides over one block. Starts at kMaxVolume.
    void setVolume(int volume);
    int volume() const;

    // The channel's own volume, 0 (silence) .. 1 (as decoded; values outside are clamped), applied before
    // the mix and the master volume; a change glides across one block. A new channel starts at 1.
    bool setChannelVolume(ChannelHandle channel, float volume);
    std::optional<float> channelVolume(ChannelHandle channel) const;

    // --- tracker modules ------------------------------------------------------------------------
    // The module's format as its usual file extension in lower case ("mod", "s3m", "xm", "it", ...);
    // nothing for a channel that is not a module.
    std::optional<std::string> moduleFormat(ChannelHandle channel) const;
    // How far apart the module's channels are panned: 0 mono, 1 as the module pans them (the start),
    // up to 2 wider. Takes effect with the next decoded chunk. False for other channels or out of range.
    bool setStereoSeparation(ChannelHandle channel, double separation);

    // FFT magnitudes (see kFftBins in audio_types.h) of the channel's latest kFftWindow decoded samples
    // (at most about 25 ms ahead of the sink); zeros before it has played that many. False for an
    // unknown handle.
    bool fft(ChannelHandle channel, std::span<float, kFftBins> magnitudes) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace kavrel::audio
