#pragma once
#include "library/stage_thread.h"

namespace kavrel::library {

// Stage 3: merges artist spellings across all song lines (old and new) and collects the artists.
class TArtistCreater final : public TStageThread {
public:
    using TStageThread::TStageThread;

protected:
    void Execute() override;
};

} // namespace kavrel::library
