#pragma once
// The base of the five build stages: one worker thread per stage. A stage disposes of the stage before
// it when it starts and hands over to the next one as its last act, so two stages never run at once.
#include <memory>
#include <thread>

namespace kavrel::library {

class CTagAndLib;

class TStageThread {
public:
    explicit TStageThread(CTagAndLib& builder) : builder_(builder) {}
    // Waits for the thread (and for the stage before it, if not yet disposed of). Never called on the
    // stage's own thread.
    virtual ~TStageThread();
    TStageThread(const TStageThread&) = delete;
    TStageThread& operator=(const TStageThread&) = delete;

    // Runs Execute() on a new thread; `previous` is disposed of there first.
    void Start(std::unique_ptr<TStageThread> previous);

    // Waits for the thread to finish. Whoever destroys a stage calls this first: the base destructor
    // runs after the derived stage is gone, too late for a thread that has not yet reached Execute().
    void Join();

protected:
    // The stage's work on its own thread. Failures thrown here end the build with buildFailed().
    virtual void Execute() = 0;

    CTagAndLib& builder_;

private:
    void run();

    std::unique_ptr<TStageThread> previous_;
    std::thread thread_;
};

} // namespace kavrel::library
