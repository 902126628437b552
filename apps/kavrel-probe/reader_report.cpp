#include "reader_report.h"

namespace kavrel::probe {

namespace {

JsonObject report(const metadata::TMPEGFrame& frame) {
    JsonObject out;
    out.boolean("Found", frame.Found)
        .integer("Position", frame.Position)
        .integer("Size", frame.Size)
        .boolean("ZeroAfterHeader", frame.ZeroAfterHeader)
        .integers("HeaderBytes", frame.HeaderBytes)
        .integer("VersionIndex", frame.VersionIndex)
        .integer("LayerIndex", frame.LayerIndex)
        .boolean("Protected", frame.Protected)
        .integer("BitRateIndex", frame.BitRateIndex)
        .integer("SampleRateIndex", frame.SampleRateIndex)
        .boolean("Padding", frame.Padding)
        .boolean("PrivateBit", frame.PrivateBit)
        .integer("ChannelModeIndex", frame.ChannelModeIndex)
        .integer("ModeExtension", frame.ModeExtension)
        .boolean("Copyright", frame.Copyright)
        .boolean("Original", frame.Original)
        .integer("EmphasisIndex", frame.EmphasisIndex);
    return out;
}

JsonObject report(const metadata::TVBRData& vbr) {
    JsonObject out;
    out.boolean("Found", vbr.Found)
        .text("Id", vbr.Id)
        .integer("FrameCount", vbr.FrameCount)
        .integer("ByteCount", vbr.ByteCount)
        .integer("Quality", vbr.Quality)
        .text("EncoderVersion", vbr.EncoderVersion);
    return out;
}

} // namespace

JsonObject report(const metadata::TID3v1& tag, bool ok) {
    JsonObject out;
    out.boolean("ok", ok)
        .boolean("Exists", tag.Exists())
        .integer("VersionId", tag.VersionId())
        .text("Title", tag.Title())
        .text("Artist", tag.Artist())
        .text("Album", tag.Album())
        .text("Year", tag.Year())
        .text("Comment", tag.Comment())
        .integer("Track", tag.Track())
        .integer("GenreId", tag.GenreId());
    return out;
}

JsonObject report(const metadata::TID3v2& tag, bool ok) {
    JsonObject out;
    out.boolean("ok", ok)
        .boolean("Exists", tag.Exists())
        .integer("VersionId", tag.VersionId())
        .integer("Size", tag.Size())
        .text("Title", tag.Title())
        .text("Artist", tag.Artist())
        .text("Album", tag.Album())
        .integer("Track", tag.Track())
        .text("TrackText", tag.TrackText())
        .text("Year", tag.Year())
        .text("Genre", tag.Genre())
        .text("Comment", tag.Comment())
        .text("Composer", tag.Composer())
        .text("Encoder", tag.Encoder())
        .text("Copyright", tag.Copyright())
        .text("Language", tag.Language())
        .text("Link", tag.Link());
    return out;
}

JsonObject report(const metadata::TMPEGaudio& mpeg, bool ok) {
    JsonObject out;
    out.boolean("ok", ok)
        .integer("FileSize", mpeg.FileSize())
        .text("EncoderTag", mpeg.EncoderTag())
        .object("VbrInfo", report(mpeg.VbrInfo()))
        .object("FirstFrame", report(mpeg.FirstFrame()))
        .integer("BitRate", mpeg.BitRate())
        .integer("SampleRate", mpeg.SampleRate())
        .text("ChannelMode", mpeg.ChannelMode())
        .number("Duration", mpeg.Duration())
        .boolean("Valid", mpeg.Valid());
    return out;
}

JsonObject report(const metadata::TOggVorbis& ogg, bool ok) {
    JsonObject out;
    out.boolean("ok", ok)
        .boolean("Valid", ogg.Valid())
        .integer("FileSize", ogg.FileSize())
        .integer("Channels", ogg.Channels())
        .integer("SampleRate", ogg.SampleRate())
        .integer("NominalBitRate", ogg.NominalBitRate())
        .integer("Samples", ogg.Samples())
        .text("Title", ogg.Title())
        .text("Artist", ogg.Artist())
        .text("Album", ogg.Album())
        .integer("Track", ogg.Track())
        .text("Date", ogg.Date())
        .text("Genre", ogg.Genre())
        .text("Comment", ogg.Comment())
        .text("Vendor", ogg.Vendor())
        .text("ChannelMode", ogg.ChannelMode())
        .number("Duration", ogg.Duration())
        .integer("BitRate", ogg.BitRate());
    return out;
}

JsonObject report(const metadata::TWMAfile& wma, bool ok) {
    JsonObject out;
    out.boolean("ok", ok)
        .boolean("Valid", wma.Valid())
        .integer("FileSize", wma.FileSize())
        .integer("Channels", wma.Channels())
        .integer("SampleRate", wma.SampleRate())
        .number("Duration", wma.Duration())
        .integer("BitRate", wma.BitRate())
        .text("Title", wma.Title())
        .text("Artist", wma.Artist())
        .text("Album", wma.Album())
        .integer("Track", wma.Track())
        .text("Year", wma.Year())
        .text("Genre", wma.Genre())
        .text("Comment", wma.Comment())
        .text("ChannelMode", wma.ChannelMode());
    return out;
}

} // namespace kavrel::probe
