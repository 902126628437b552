#pragma once
// Every field and derived value of each reader, under the reader's own names, as JSON.
#include "json_object.h"
#include "metadata/id3v1.h"
#include "metadata/id3v2.h"
#include "metadata/mpeg_audio.h"
#include "metadata/ogg_vorbis.h"
#include "metadata/wma_file.h"

namespace kavrel::probe {

JsonObject report(const metadata::TID3v1& tag, bool ok);
JsonObject report(const metadata::TID3v2& tag, bool ok);
JsonObject report(const metadata::TMPEGaudio& mpeg, bool ok);
JsonObject report(const metadata::TOggVorbis& ogg, bool ok);
JsonObject report(const metadata::TWMAfile& wma, bool ok);

} // namespace kavrel::probe
