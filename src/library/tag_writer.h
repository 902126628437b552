#pragma once
#include "library/stage_thread.h"

namespace kavrel::library {

// Stage 5: writes the library files, one artist file for each run of song lines whose artists are
// equal ignoring case. The new set replaces the library folder as a whole (see StagedLibrary), so a
// stop or a failure leaves the old library as it was.
class TTagWriter final : public TStageThread {
public:
    using TStageThread::TStageThread;

protected:
    void Execute() override;
};

} // namespace kavrel::library
