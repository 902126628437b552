#include "core/conf_record_codec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kavrel::core {
namespace {

// The expected bytes are laid out here by hand from the offset table, independently of the codec's own list.
class RecordBytes {
public:
    RecordBytes() : bytes_(kConfRecordSize, '\0') {}
    RecordBytes& byte(std::size_t at, std::uint8_t value) {
        bytes_[at] = static_cast<char>(value);
        return *this;
    }
    RecordBytes& int32(std::size_t at, std::int32_t value) {
        std::memcpy(bytes_.data() + at, &value, 4); // the test machine is little-endian, as the file is
        return *this;
    }
    RecordBytes& str(std::size_t at, std::string_view text) {
        bytes_[at] = static_cast<char>(text.size());
        std::memcpy(bytes_.data() + at + 1, text.data(), text.size());
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

TFontRecord font(std::int32_t seed, std::string name) {
    return {seed, {std::move(name)}, seed + 1, seed + 2, seed + 3};
}

// Every field gets a value that differs from its neighbours, so a field written at a wrong offset shows.
TConfRecord distinctiveRecord() {
    TConfRecord r;
    r.En_Bass = r.En_Foobar = true;
    r.gPath_Apollo.text = std::string(200, 'A'); // full length
    r.gPath_Foobar.text = "/opt/плеер";
    r.GLanguage = 1;
    r.O_Run_Playlist = 2;
    r.O_Run_Refresh = true;
    r.O_Run_Position = 1;
    r.O_Run_Size = 2;
    r.O_Run_Kiind = 1;
    r.O_Run_Volume = 1;
    r.O_Run_NM_Vol.text = "35";
    r.O_Run_ScanAndClearLibrury = true;
    r.Art_Pnl_Distribution = 1;
    r.Art_Pnl_Orientation = 1;
    r.ListBox1Font = font(-11, "Verdana");
    r.Left = {true, false, true, false, true};
    r.ListBox2Font = font(-20, std::string(50, 'n'));
    r.Reserved600 = {9, 8, 7, 6};
    r.Right = {false, true, false, true, false};
    r.ListBox3Font = font(-30, "Тахома");
    r.Albom = {true, true, false, false, true};
    r.ListBox4Font = font(-40, "Song font");
    r.Song = {false, false, true, true, false};
    r.ListBox5Font = font(-50, "Playlist font");
    r.Playlist_F_P_Color = 9369512;
    r.PlayList_Indexin = true;
    r.Name_PlayList_A_T = true;
    r.ePath_Copy.text = "/home/me/Копии";
    r.S_Copy_Artist = 1;
    r.S_Copy_Albom = 2;
    r.S_Copy_Title = 4;
    r.Interval_Pos_1.text = "1";
    r.Interval_Pos_2.text = "12,5%";
    r.Interval_Pos_3.text = "0123456789";
    r.Interval_Len_1.text = "4";
    r.Interval_Len_2.text = "5";
    r.Interval_Len_3.text = "6";
    r.S_All.text = "10";
    r.S_Rus_A.text = "20";
    r.S_Eng_A.text = "30";
    r.S_A_Art.text = "40";
    r.S_A_Alb.text = "50";
    r.mByyear = r.mByNomSong = r.mAlbum = r.mSongInAllLibrary = r.mConsistof = r.mShuffEng = true;
    r.mShuffEng100 = r.mRepeatAllPlayList = true;
    r.AnalyserStateMinusOne = 1;
    r.Img2CDVisible = true;
    r.WindowLeft = -5;
    r.WindowTop = 1212;
    r.NormalWidth = 1216;
    r.NormalHeight = 1220;
    r.NormalLeft = 1224;
    r.NormalTop = 1228;
    r.FullScreen = true;
    r.ExtraWidth = 1236;
    r.ExtraHeight = -1240;
    r.VolumePosition = 1000;
    r.CdIdentifier.text = "b10f2a0c";
    r.ReservedText[0] = 3;
    r.ReservedText[1] = 'x';
    r.ReservedText[200] = 0xEE; // beyond the text: kept as read all the same
    r.PresetFileName.text = "Rock.pef";
    r.ActiveLibrary.text = "LBCD";
    r.EqualizerEnabled = 1;
    return r;
}

RecordBytes expectedBytes() {
    RecordBytes b;
    b.byte(1, 1).byte(3, 1).str(4, std::string(200, 'A')).str(205, "/opt/плеер");
    b.int32(408, 1).int32(412, 2).byte(416, 1).int32(420, 1).int32(424, 2).int32(428, 1).int32(432, 1);
    b.str(436, "35").byte(447, 1).int32(448, 1).int32(452, 1);
    b.int32(456, -11).str(460, "Verdana").int32(512, -10).int32(516, -9).int32(520, -8);
    b.byte(524, 1).byte(526, 1).byte(528, 1);
    b.int32(532, -20).str(536, std::string(50, 'n')).int32(588, -19).int32(592, -18).int32(596, -17);
    b.byte(600, 9).byte(601, 8).byte(602, 7).byte(603, 6);
    b.byte(605, 1).byte(607, 1);
    b.int32(612, -30).str(616, "Тахома").int32(668, -29).int32(672, -28).int32(676, -27);
    b.byte(680, 1).byte(681, 1).byte(684, 1);
    b.int32(688, -40).str(692, "Song font").int32(744, -39).int32(748, -38).int32(752, -37);
    b.byte(758, 1).byte(759, 1);
    b.int32(764, -50).str(768, "Playlist font").int32(820, -49).int32(824, -48).int32(828, -47);
    b.int32(832, 9369512).byte(836, 1).byte(838, 1);
    b.str(840, "/home/me/Копии").int32(1044, 1).int32(1048, 2).int32(1052, 4);
    b.str(1056, "1").str(1067, "12,5%").str(1078, "0123456789").str(1089, "4").str(1100, "5").str(1111, "6");
    b.str(1122, "10").str(1133, "20").str(1144, "30").str(1155, "40").str(1166, "50");
    for (std::size_t at : {1177, 1180, 1182, 1186, 1190, 1193, 1198, 1201})
        b.byte(at, 1);
    b.byte(1202, 1).byte(1204, 1);
    b.int32(1208, -5).int32(1212, 1212).int32(1216, 1216).int32(1220, 1220).int32(1224, 1224).int32(1228, 1228);
    b.byte(1232, 1).int32(1236, 1236).int32(1240, -1240).int32(1244, 1000);
    b.str(1248, "b10f2a0c").byte(1449, 3).byte(1450, 'x').byte(1649, 0xEE);
    b.str(1650, "Rock.pef").str(1851, "LBCD").int32(2052, 1);
    return b;
}

TEST(ConfRecordCodec, WritesEveryFieldAtItsOffset) {
    const std::string written = encodeConfRecord(distinctiveRecord());
    const std::string expected = expectedBytes().bytes();
    ASSERT_EQ(written.size(), kConfRecordSize);
    for (std::size_t i = 0; i < kConfRecordSize; ++i)
        ASSERT_EQ(static_cast<unsigned char>(written[i]), static_cast<unsigned char>(expected[i])) << "offset " << i;
}

TEST(ConfRecordCodec, ReadsEveryFieldFromItsOffset) {
    TConfRecord read;
    ASSERT_TRUE(decodeConfRecord(expectedBytes().bytes(), read));
    EXPECT_EQ(read, distinctiveRecord());
}

TEST(ConfRecordCodec, OverlongTextsAreCutAtCharacterBoundaries) {
    TConfRecord r;
    r.O_Run_NM_Vol.text = "ёёёёёё"; // 12 bytes into a 10-byte field
    r.ActiveLibrary.text = std::string(300, 'L');
    TConfRecord read;
    ASSERT_TRUE(decodeConfRecord(encodeConfRecord(r), read));
    EXPECT_EQ(read.O_Run_NM_Vol.text, "ёёёёё");
    EXPECT_EQ(read.ActiveLibrary.text, std::string(200, 'L'));
}

TEST(ConfRecordCodec, ForgivingReading) {
    std::string bytes = RecordBytes().str(460, "\xD2\xE0\xF5\xEE\xEC\xE0").bytes(); // Windows-1251 "Тахома"
    bytes[436] = static_cast<char>(250); // length byte above the field's ten characters
    std::memcpy(bytes.data() + 437, "1234567890XYZ", 13);
    TConfRecord read;
    ASSERT_TRUE(decodeConfRecord(bytes, read));
    EXPECT_EQ(read.ListBox1Font.Name.text, "Тахома");
    EXPECT_EQ(read.O_Run_NM_Vol.text, "1234567890");
    EXPECT_FALSE(decodeConfRecord(bytes.substr(0, kConfRecordSize - 1), read));
}

} // namespace
} // namespace kavrel::core
