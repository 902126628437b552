#include "core/conf_record_codec.h"

#include "platform/text/utf8.h"

#include <algorithm>
#include <cstring>

namespace kavrel::core {

namespace {

// The record's layout: every field with its offset. One list serves the reader and the writer.
template <class Record, class Visit> void forEachField(Record& r, Visit&& at) {
    auto font = [&](std::size_t base, auto& f) {
        at(base, f.Height);
        at(base + 4, f.Name);
        at(base + 56, f.Size);
        at(base + 60, f.Style);
        at(base + 64, f.Color);
    };
    auto options = [&](std::size_t base, auto& o) {
        at(base, o.Indexin);
        at(base + 1, o.OnDb_E);
        at(base + 2, o.OnDb_E_P);
        at(base + 3, o.OnDb_A_P);
        at(base + 4, o.OnDb_A);
    };
    at(0, r.En_Fmod);
    at(1, r.En_Bass);
    at(2, r.En_Apollo);
    at(3, r.En_Foobar);
    at(4, r.gPath_Apollo);
    at(205, r.gPath_Foobar);
    at(408, r.GLanguage);
    at(412, r.O_Run_Playlist);
    at(416, r.O_Run_Refresh);
    at(420, r.O_Run_Position);
    at(424, r.O_Run_Size);
    at(428, r.O_Run_Kiind);
    at(432, r.O_Run_Volume);
    at(436, r.O_Run_NM_Vol);
    at(447, r.O_Run_ScanAndClearLibrury);
    at(448, r.Art_Pnl_Distribution);
    at(452, r.Art_Pnl_Orientation);
    font(456, r.ListBox1Font);
    options(524, r.Left);
    font(532, r.ListBox2Font);
    at(600, r.Reserved600);
    options(604, r.Right);
    font(612, r.ListBox3Font);
    options(680, r.Albom);
    font(688, r.ListBox4Font);
    options(756, r.Song);
    font(764, r.ListBox5Font);
    at(832, r.Playlist_F_P_Color);
    at(836, r.PlayList_Indexin);
    at(837, r.Name_PlayList_T);
    at(838, r.Name_PlayList_A_T);
    at(840, r.ePath_Copy);
    at(1044, r.S_Copy_Artist);
    at(1048, r.S_Copy_Albom);
    at(1052, r.S_Copy_Title);
    at(1056, r.Interval_Pos_1);
    at(1067, r.Interval_Pos_2);
    at(1078, r.Interval_Pos_3);
    at(1089, r.Interval_Len_1);
    at(1100, r.Interval_Len_2);
    at(1111, r.Interval_Len_3);
    at(1122, r.S_All);
    at(1133, r.S_Rus_A);
    at(1144, r.S_Eng_A);
    at(1155, r.S_A_Art);
    at(1166, r.S_A_Alb);
    std::size_t menu = 1177;
    for (auto* mark : {&r.mByyear,
                       &r.mByAz,
                       &r.mByAZsong,
                       &r.mByNomSong,
                       &r.mArtist,
                       &r.mAlbum,
                       &r.mAlbomInAllLibrary,
                       &r.mAlbomInActivArtist,
                       &r.mSong,
                       &r.mSongInAllLibrary,
                       &r.mSongInActivArtist,
                       &r.mSongInActiveAlbum,
                       &r.mStartAt,
                       &r.mConsistof,
                       &r.mShuffLib,
                       &r.mShuffRus,
                       &r.mShuffEng,
                       &r.mShuffActArt,
                       &r.mShuffActAlb,
                       &r.mShuffLib100,
                       &r.mShuffRus100,
                       &r.mShuffEng100,
                       &r.mShuffPlist,
                       &r.mRepeatOneSong,
                       &r.mRepeatAllPlayList})
        at(menu++, *mark);
    at(1202, r.AnalyserStateMinusOne);
    at(1203, r.Img2Pl1Visible);
    at(1204, r.Img2CDVisible);
    at(1205, r.Img2PL2Visible);
    at(1208, r.WindowLeft);
    at(1212, r.WindowTop);
    at(1216, r.NormalWidth);
    at(1220, r.NormalHeight);
    at(1224, r.NormalLeft);
    at(1228, r.NormalTop);
    at(1232, r.FullScreen);
    at(1236, r.ExtraWidth);
    at(1240, r.ExtraHeight);
    at(1244, r.VolumePosition);
    at(1248, r.CdIdentifier);
    at(1449, r.ReservedText);
    at(1650, r.PresetFileName);
    at(1851, r.ActiveLibrary);
    at(2052, r.EqualizerEnabled);
}

class Writer {
public:
    explicit Writer(std::string& bytes) : bytes_(bytes) {}
    void operator()(std::size_t at, bool value) { bytes_[at] = value ? 1 : 0; }
    void operator()(std::size_t at, std::uint8_t value) { bytes_[at] = static_cast<char>(value); }
    void operator()(std::size_t at, std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    template <std::size_t N> void operator()(std::size_t at, const ShortString<N>& value) {
        const std::string text = text::truncateUtf8(value.text, N);
        bytes_[at] = static_cast<char>(text.size());
        std::memcpy(bytes_.data() + at + 1, text.data(), text.size());
    }
    template <std::size_t N> void operator()(std::size_t at, const std::array<std::uint8_t, N>& raw) {
        std::memcpy(bytes_.data() + at, raw.data(), N);
    }

private:
    std::string& bytes_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    void operator()(std::size_t at, bool& value) { value = byte(at) != 0; }
    void operator()(std::size_t at, std::uint8_t& value) { value = byte(at); }
    void operator()(std::size_t at, std::int32_t& value) {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= static_cast<std::uint32_t>(byte(at + i)) << (8 * i);
        value = static_cast<std::int32_t>(bits);
    }
    template <std::size_t N> void operator()(std::size_t at, ShortString<N>& value) {
        const std::size_t length = std::min<std::size_t>(byte(at), N);
        value.text = text::decodeLegacyText(bytes_.substr(at + 1, length));
    }
    template <std::size_t N> void operator()(std::size_t at, std::array<std::uint8_t, N>& raw) {
        std::memcpy(raw.data(), bytes_.data() + at, N);
    }

private:
    std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    std::string_view bytes_;
};

} // namespace

std::string encodeConfRecord(const TConfRecord& record) {
    std::string bytes(kConfRecordSize, '\0');
    forEachField(record, Writer(bytes));
    return bytes;
}

bool decodeConfRecord(std::string_view bytes, TConfRecord& record) {
    if (bytes.size() < kConfRecordSize)
        return false;
    forEachField(record, Reader(bytes.substr(0, kConfRecordSize)));
    return true;
}

} // namespace kavrel::core
