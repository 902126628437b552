#pragma once
#include "library/stage_thread.h"

namespace kavrel::library {

// Stage 1: the paths of the library being built. In add mode the known paths of "Path.pan" come
// first and each newly found path is added once; paths compare exactly, since two files may differ
// only in letter case here.
class TFileFinder final : public TStageThread {
public:
    using TStageThread::TStageThread;

protected:
    void Execute() override;
};

} // namespace kavrel::library
