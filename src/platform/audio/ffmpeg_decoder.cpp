#include "platform/audio/ffmpeg_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace kavrel::audio {
namespace {

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct ResamplerFreer {
    void operator()(SwrContext* context) const { swr_free(&context); }
};

std::string errorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void setError(std::string* error, std::string text) {
    if (error)
        *error = std::move(text);
}

constexpr std::int64_t kSeekPrerollFrames = 8192;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 768000;

bool isEightBit(AVSampleFormat format) {
    return format == AV_SAMPLE_FMT_U8 || format == AV_SAMPLE_FMT_U8P;
}

class FfmpegDecoder final : public Decoder {
public:
    FfmpegDecoder(std::unique_ptr<AVFormatContext, FormatCloser> format,
                  std::unique_ptr<AVCodecContext, CodecFreer> codec, int stream)
        : format_(std::move(format)), codec_(std::move(codec)), stream_(stream), packet_(av_packet_alloc()),
          frame_(av_frame_alloc()) {
        info_.frequency = codec_->sample_rate;
        info_.channels = codec_->ch_layout.nb_channels;
        info_.eightBit = isEightBit(codec_->sample_fmt);
        info_.kind = ChannelKind::Stream;
    }

    ~FfmpegDecoder() override { av_channel_layout_uninit(&resamplerLayout_); }
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    // Rates far outside what audio uses would make the conversion to the sink rate balloon (a 1 Hz
    // header asks for 48000 output frames per input frame).
    bool valid() const {
        return packet_ && frame_ && info_.frequency >= kMinRate && info_.frequency <= kMaxRate &&
               info_.channels > 0;
    }

    ChannelInfo info() const override { return info_; }

    std::optional<std::int64_t> lengthFrames() const override {
        const AVStream* stream = format_->streams[stream_];
        // The duration counts from the stream's own zero; the start time is an encoder delay never heard.
        const std::int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
        if (stream->duration > 0)
            return std::max<std::int64_t>(
                0, av_rescale_q(stream->duration - start, stream->time_base, AVRational{1, info_.frequency}) -
                       trailingPadding_);
        if (format_->duration > 0)
            return av_rescale_q(format_->duration, AVRational{1, AV_TIME_BASE},
                                AVRational{1, info_.frequency});
        return std::nullopt;
    }

    // An MP3's duration counts whole frames, but the encoder's padding after the last sample (told by
    // a LAME header) is marked on the last packet only: a look at the last seconds of packets makes the
    // length exact. Other containers' durations already leave the padding out. Leaves the stream at 0.
    void findTrailingPadding() {
        const AVStream* stream = format_->streams[stream_];
        if (stream->duration <= 0 || std::strcmp(format_->iformat->name, "mp3") != 0)
            return;
        const std::int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
        const std::int64_t tail = av_rescale_q(2, AVRational{1, 1}, stream->time_base);
        if (av_seek_frame(format_.get(), stream_, start + std::max<std::int64_t>(stream->duration - tail, 0),
                          AVSEEK_FLAG_BACKWARD) >= 0) {
            std::int64_t padding = 0;
            while (av_read_frame(format_.get(), packet_.get()) >= 0) {
                if (packet_->stream_index == stream_) {
                    size_t size = 0;
                    const uint8_t* skip =
                        av_packet_get_side_data(packet_.get(), AV_PKT_DATA_SKIP_SAMPLES, &size);
                    padding = skip && size >= 8 ? AV_RL32(skip + 4) : 0;
                }
                av_packet_unref(packet_.get());
            }
            trailingPadding_ = padding;
        }
        seek(0);
    }

    std::int64_t read(float* stereo, std::int64_t frames) override {
        std::int64_t written = 0;
        while (written < frames) {
            if (pendingFrames() == 0 && !decodeMore())
                break;
            const std::int64_t count = std::min(frames - written, pendingFrames());
            std::memcpy(stereo + written * 2, pending_.data() + pendingOffset_ * 2,
                        static_cast<size_t>(count) * 2 * sizeof(float));
            pendingOffset_ += static_cast<size_t>(count);
            written += count;
        }
        return written;
    }

    bool seek(std::int64_t frame) override {
        const AVStream* stream = format_->streams[stream_];
        const std::int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
        // Lands a little early: the frames right after a jump decode wrong (an MP3's bit reservoir, the
        // overlap of MDCT codecs), so they are decoded and thrown away.
        const std::int64_t preroll =
            std::max<std::int64_t>(kSeekPrerollFrames, stream->codecpar->seek_preroll);
        const std::int64_t timestamp =
            start + av_rescale_q(std::max<std::int64_t>(frame - preroll, 0), AVRational{1, info_.frequency},
                                 stream->time_base);
        const bool moved = av_seek_frame(format_.get(), stream_, timestamp, AVSEEK_FLAG_BACKWARD) >= 0;
        avcodec_flush_buffers(codec_.get());
        pending_.clear();
        pendingOffset_ = 0;
        draining_ = false;
        finished_ = false;
        discardUntil_ = frame;
        positionKnown_ = false;
        return moved;
    }

private:
    std::int64_t pendingFrames() const {
        return static_cast<std::int64_t>(pending_.size() / 2) - static_cast<std::int64_t>(pendingOffset_);
    }

    // Decodes the next frame into pending_; false at the end of the stream.
    bool decodeMore() {
        pending_.clear();
        pendingOffset_ = 0;
        while (!finished_) {
            const int received = avcodec_receive_frame(codec_.get(), frame_.get());
            if (received == 0) {
                const bool converted = convertFrame();
                av_frame_unref(frame_.get());
                if (converted && pendingFrames() > 0)
                    return true;
                continue;
            }
            // Other errors are broken frames the decoder has dropped: go on with the next packet.
            if (received == AVERROR_EOF || draining_) {
                finished_ = true;
                break;
            }
            feedPacket();
        }
        return false;
    }

    void feedPacket() {
        if (draining_)
            return;
        while (true) {
            if (av_read_frame(format_.get(), packet_.get()) < 0) {
                draining_ = true;
                avcodec_send_packet(codec_.get(), nullptr);
                return;
            }
            const bool ours = packet_->stream_index == stream_;
            if (ours)
                avcodec_send_packet(codec_.get(), packet_.get()); // a damaged packet is skipped
            av_packet_unref(packet_.get());
            if (ours)
                return;
        }
    }

    bool configureResampler(const AVFrame& frame) {
        const bool same = resampler_ && frame.format == resamplerFormat_ &&
                          frame.sample_rate == resamplerRate_ &&
                          av_channel_layout_compare(&frame.ch_layout, &resamplerLayout_) == 0;
        if (same)
            return true;
        resampler_.reset();
        av_channel_layout_uninit(&resamplerLayout_);
        AVChannelLayout input{};
        if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame.ch_layout.nb_channels <= 0)
            av_channel_layout_default(&input, std::max(frame.ch_layout.nb_channels, 1));
        else if (av_channel_layout_copy(&input, &frame.ch_layout) < 0)
            return false;
        // Mono is converted as mono and doubled afterwards: a mixing matrix would lower it by 3 dB.
        mono_ = input.nb_channels == 1;
        const AVChannelLayout monoLayout = AV_CHANNEL_LAYOUT_MONO;
        const AVChannelLayout stereoLayout = AV_CHANNEL_LAYOUT_STEREO;
        AVChannelLayout output = mono_ ? monoLayout : stereoLayout;
        SwrContext* raw = nullptr;
        // The output keeps the stream's first rate, so a stream that changes rate midway still plays
        // at the right speed.
        const int result =
            swr_alloc_set_opts2(&raw, &output, AV_SAMPLE_FMT_FLT, info_.frequency, &input,
                                static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0, nullptr);
        av_channel_layout_uninit(&input);
        if (result < 0 || !raw || swr_init(raw) < 0) {
            swr_free(&raw);
            return false;
        }
        resampler_.reset(raw);
        resamplerFormat_ = frame.format;
        resamplerRate_ = frame.sample_rate;
        av_channel_layout_copy(&resamplerLayout_, &frame.ch_layout);
        return true;
    }

    bool convertFrame() {
        const AVFrame& frame = *frame_;
        if (frame.nb_samples <= 0 || frame.sample_rate < kMinRate || frame.sample_rate > kMaxRate ||
            !configureResampler(frame))
            return false;
        if (!positionKnown_) {
            positionKnown_ = true;
            const std::int64_t pts = frame.best_effort_timestamp;
            if (pts != AV_NOPTS_VALUE) {
                const AVStream* stream = format_->streams[stream_];
                const std::int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
                // The first frame of a stream with an encoder delay (MP3 with a LAME header) comes trimmed
                // but with the time of its untrimmed start, before the stream's start: it starts at 0.
                nextFrame_ = std::max<std::int64_t>(
                    0, av_rescale_q(pts - start, stream->time_base, AVRational{1, info_.frequency}));
            } else {
                nextFrame_ = discardUntil_;
            }
        }
        const int capacity = swr_get_out_samples(resampler_.get(), frame.nb_samples);
        if (capacity <= 0)
            return false;
        pending_.resize(static_cast<size_t>(capacity) * 2);
        auto* out = reinterpret_cast<uint8_t*>(pending_.data());
        const int produced = swr_convert(resampler_.get(), &out, capacity,
                                         const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
        pending_.resize(static_cast<size_t>(std::max(produced, 0)) * 2);
        if (mono_)
            for (size_t i = pending_.size() / 2; i-- > 0;)
                pending_[2 * i] = pending_[2 * i + 1] = pending_[i];
        const std::int64_t first = nextFrame_;
        nextFrame_ += std::max(produced, 0);
        pendingOffset_ = 0;
        if (first < discardUntil_) {
            const std::int64_t skip = std::min<std::int64_t>(discardUntil_ - first, produced);
            pendingOffset_ = static_cast<size_t>(skip);
        }
        return true;
    }

    std::unique_ptr<AVFormatContext, FormatCloser> format_;
    std::unique_ptr<AVCodecContext, CodecFreer> codec_;
    int stream_;
    std::unique_ptr<AVPacket, PacketFreer> packet_;
    std::unique_ptr<AVFrame, FrameFreer> frame_;
    std::unique_ptr<SwrContext, ResamplerFreer> resampler_;
    int resamplerFormat_ = -1;
    int resamplerRate_ = 0;
    AVChannelLayout resamplerLayout_{};
    bool mono_ = false;
    std::int64_t trailingPadding_ = 0; // frames
    ChannelInfo info_;
    std::vector<float> pending_; // interleaved stereo
    size_t pendingOffset_ = 0;   // frames of pending_ already delivered
    std::int64_t nextFrame_ = 0; // source frame of the first sample of the next decoded frame
    std::int64_t discardUntil_ = 0;
    bool positionKnown_ = true;
    bool draining_ = false;
    bool finished_ = false;
};

} // namespace

std::unique_ptr<Decoder> openFfmpegDecoder(const std::filesystem::path& file, std::string* error) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });

    AVDictionary* options = nullptr;
    // Only local files: a crafted name or playlist must never make us open a network address.
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* rawFormat = nullptr;
    const std::string url = "file:" + file.string();
    const int opened = avformat_open_input(&rawFormat, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        setError(error, "cannot open " + file.string() + ": " + errorText(opened));
        return nullptr;
    }
    std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);
    if (avformat_find_stream_info(format.get(), nullptr) < 0) {
        setError(error, "cannot read the streams of " + file.string());
        return nullptr;
    }
    const AVCodec* codecType = nullptr;
    const int stream = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codecType, 0);
    if (stream < 0 || !codecType) {
        setError(error, file.string() + " holds no audio this program can decode");
        return nullptr;
    }
    for (unsigned i = 0; i < format->nb_streams; ++i)
        format->streams[i]->discard = static_cast<int>(i) == stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    std::unique_ptr<AVCodecContext, CodecFreer> codec(avcodec_alloc_context3(codecType));
    if (!codec || avcodec_parameters_to_context(codec.get(), format->streams[stream]->codecpar) < 0 ||
        avcodec_open2(codec.get(), codecType, nullptr) < 0) {
        setError(error, "cannot start the decoder for " + file.string());
        return nullptr;
    }
    auto decoder = std::make_unique<FfmpegDecoder>(std::move(format), std::move(codec), stream);
    if (!decoder->valid()) {
        setError(error, file.string() + " has no usable sample rate or channels");
        return nullptr;
    }
    decoder->findTrailingPadding();
    return decoder;
}

} // namespace kavrel::audio
