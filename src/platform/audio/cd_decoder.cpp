#include "platform/audio/cd_decoder.h"

#include "platform/audio/cd_disc.h"
#include "platform/audio/cd_source.h"
#include "platform/audio/read_ahead_decoder.h"

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace kavrel::audio {
namespace {

constexpr int kFramesPerSector = kCdBytesPerSector / 4;
constexpr int kSectorsPerRead = 16;
constexpr std::int64_t kReadAheadFrames = 3 * 44100; // rides out a drive's spin-up or a re-read

struct DriveCloser {
    void operator()(cdrom_drive_t* drive) const { cdio_cddap_close_no_free_cdio(drive); }
};
struct ParanoiaFreer {
    void operator()(cdrom_paranoia_t* paranoia) const { cdio_paranoia_free(paranoia); }
};

float sampleFromLittleEndian(const unsigned char* bytes) {
    const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
    return static_cast<float>(value) / 32768.0f;
}

class CdDecoder final : public Decoder {
public:
    CdDecoder(CdIoHandle cdio, std::int32_t firstSector, std::int32_t sectorCount)
        : cdio_(std::move(cdio)), firstSector_(firstSector), sectorCount_(sectorCount) {}

    // Drives are read through paranoia, which verifies and corrects jittered or scratched reads.
    bool attachParanoia() {
        drive_.reset(cdio_cddap_identify_cdio(cdio_.get(), CDDA_MESSAGE_FORGETIT, nullptr));
        if (!drive_ || cdio_cddap_open(drive_.get()) != 0)
            return false;
        paranoia_.reset(cdio_paranoia_init(drive_.get()));
        if (!paranoia_)
            return false;
        cdio_paranoia_modeset(paranoia_.get(), PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
        cdio_paranoia_seek(paranoia_.get(), firstSector_, SEEK_SET);
        return true;
    }

    ChannelInfo info() const override { return {44100, 2, false, ChannelKind::CdTrack}; }

    std::optional<std::int64_t> lengthFrames() const override {
        return std::int64_t{sectorCount_} * kFramesPerSector;
    }

    std::int64_t read(float* stereo, std::int64_t frames) override {
        std::int64_t written = 0;
        while (written < frames) {
            if (bufferedFrames() == 0 && !readSectors())
                break;
            const std::int64_t count = std::min(frames - written, bufferedFrames());
            std::copy_n(buffer_.data() + bufferOffset_ * 2, count * 2, stereo + written * 2);
            bufferOffset_ += static_cast<std::size_t>(count);
            written += count;
        }
        return written;
    }

    bool seek(std::int64_t frame) override {
        const std::int64_t total = std::int64_t{sectorCount_} * kFramesPerSector;
        frame = std::clamp<std::int64_t>(frame, 0, total);
        nextSector_ = static_cast<std::int32_t>(frame / kFramesPerSector);
        buffer_.clear();
        bufferOffset_ = 0;
        skipFrames_ = static_cast<std::size_t>(frame % kFramesPerSector);
        if (paranoia_)
            cdio_paranoia_seek(paranoia_.get(), firstSector_ + nextSector_, SEEK_SET);
        return true;
    }

private:
    std::int64_t bufferedFrames() const {
        return static_cast<std::int64_t>(buffer_.size() / 2) - static_cast<std::int64_t>(bufferOffset_);
    }

    bool readSectors() {
        buffer_.clear();
        bufferOffset_ = 0;
        const std::int32_t count = std::min(kSectorsPerRead, sectorCount_ - nextSector_);
        if (count <= 0)
            return false;
        if (paranoia_) {
            const std::int16_t* samples = cdio_paranoia_read(paranoia_.get(), nullptr);
            if (!samples)
                return false;
            buffer_.resize(kFramesPerSector * 2);
            for (std::size_t i = 0; i < buffer_.size(); ++i)
                buffer_[i] = static_cast<float>(samples[i]) / 32768.0f;
            nextSector_ += 1;
        } else {
            raw_.resize(static_cast<std::size_t>(count) * kCdBytesPerSector);
            if (cdio_read_audio_sectors(cdio_.get(), raw_.data(), firstSector_ + nextSector_,
                                        static_cast<uint32_t>(count)) != DRIVER_OP_SUCCESS)
                return false;
            buffer_.resize(raw_.size() / 2);
            for (std::size_t i = 0; i < buffer_.size(); ++i)
                buffer_[i] = sampleFromLittleEndian(raw_.data() + i * 2);
            nextSector_ += count;
        }
        bufferOffset_ = std::min(skipFrames_, buffer_.size() / 2);
        skipFrames_ = 0;
        return true;
    }

    CdIoHandle cdio_;
    std::unique_ptr<cdrom_drive_t, DriveCloser> drive_;
    std::unique_ptr<cdrom_paranoia_t, ParanoiaFreer> paranoia_;
    std::int32_t firstSector_;
    std::int32_t sectorCount_;
    std::int32_t nextSector_ = 0; // relative to the track
    std::vector<unsigned char> raw_;
    std::vector<float> buffer_; // interleaved stereo
    std::size_t bufferOffset_ = 0;
    std::size_t skipFrames_ = 0;
};

void setError(std::string* error, std::string text) {
    if (error)
        *error = std::move(text);
}

} // namespace

std::unique_ptr<Decoder> openCdDecoder(const std::string& source, int trackIndex, std::string* error) {
    const std::optional<CdToc> toc = readCdToc(source);
    if (!toc) {
        setError(error, "no audio CD in " + source);
        return nullptr;
    }
    if (trackIndex < 0 || trackIndex >= static_cast<int>(toc->tracks.size())) {
        setError(error, "the CD in " + source + " has no track " + std::to_string(trackIndex + 1));
        return nullptr;
    }
    const CdTrackEntry& track = toc->tracks[static_cast<std::size_t>(trackIndex)];
    if (!track.audio || track.sectorCount <= 0) {
        setError(error,
                 "track " + std::to_string(track.number) + " of the CD in " + source + " is not audio");
        return nullptr;
    }
    CdIoHandle cdio = openCdSource(source);
    if (!cdio) {
        setError(error, "cannot open " + source);
        return nullptr;
    }
    auto decoder = std::make_unique<CdDecoder>(std::move(cdio), track.startSector, track.sectorCount);
    if (isCdDrive(source) && !decoder->attachParanoia()) {
        setError(error, "cannot read audio from the drive " + source);
        return nullptr;
    }
    // Images are read ahead too, so the path a drive takes is the one the tests run.
    return std::make_unique<ReadAheadDecoder>(std::move(decoder), kReadAheadFrames);
}

} // namespace kavrel::audio
