#pragma once
#include "library/stage_thread.h"

namespace kavrel::library {

// Stage 4: sorts the paths, the song lines and the artists by the locale-aware comparison ignoring case.
class TQsort final : public TStageThread {
public:
    using TStageThread::TStageThread;

protected:
    void Execute() override;
};

} // namespace kavrel::library
