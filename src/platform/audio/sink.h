#pragma once
// Output sinks. A sink pulls the mix from its own thread through a render function, block by block.
#include <cstddef>
#include <functional>
#include <memory>

namespace kavrel::audio {

// Fills `frames` interleaved stereo frames of the mix. Called by one thread at a time.
using RenderFunction = std::function<void(float* stereo, std::size_t frames)>;

class Sink {
public:
    virtual ~Sink() = default; // stops pulling; no render call runs after it returns
    virtual int rate() const = 0;
};

// The default SDL2 output device, started at once; nullptr when no device can be opened.
std::unique_ptr<Sink> openDeviceSink(int rate, RenderFunction render);

} // namespace kavrel::audio
