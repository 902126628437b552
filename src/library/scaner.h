#pragma once
#include "library/stage_thread.h"

namespace kavrel::library {

// Stage 2: one song line per new path, read by the metadata readers. In add mode the song lines of
// "allsong.pft" come first. Files are read on several threads; the lines keep the order of the paths.
// A file that can no longer be opened gives no song line and leaves the path list.
class TScaner final : public TStageThread {
public:
    using TStageThread::TStageThread;

protected:
    void Execute() override;
};

} // namespace kavrel::library
