#pragma once
// Output sinks. A sink pulls the mix from its own thread through a render function, block by block.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace kavrel::audio {

// Fills `frames` interleaved stereo frames of the mix. Called by one thread at a time.
using RenderFunction = std::function<void(float* stereo, std::size_t frames)>;

class Sink {
public:
    virtual ~Sink() = default; // stops pulling; no render call runs after it returns
    virtual int rate() const = 0;
    // A new track is about to play: a sink that lost its device looks for one again. Any thread; does
    // not block.
    virtual void trackStarting() {}
};

// The output device under the device sink: SDL2 in the player, a stand-in in tests.
class OutputDevice {
public:
    virtual ~OutputDevice() = default; // closes the device
    // Opens the default device, paused. With `exactRate` it plays `rate` (converting when it must);
    // otherwise it may choose its own. Returns the rate it plays, 0 when no device opened.
    virtual int open(int rate, bool exactRate, RenderFunction render) = 0;
    // Starts pulling through the render function on the device's own thread.
    virtual void start() = 0;
    // False once the open device is gone (unplugged, its server ended).
    virtual bool playing() = 0;
    // No render call runs after it returns; nothing to do when no device is open.
    virtual void close() = 0;
    // Why the last open failed, for the user.
    virtual std::string lastError() = 0;
};

using OutputDeviceFactory = std::function<std::unique_ptr<OutputDevice>()>;

// The default SDL2 output device; ALSA's own complaints on machines without a sound card stay quiet.
std::unique_ptr<OutputDevice> openSdlOutputDevice();

// A sink on the output device, started at once; nullptr (after a one-line notice on stderr) when no
// device opens. When the device is lost it reopens the default device at the same rate, or plays on
// the real-time clock without sound until a new track finds a device again, so positions keep moving
// and tracks still end.
std::unique_ptr<Sink> openDeviceSink(int rate, RenderFunction render, const OutputDeviceFactory& device = {});

} // namespace kavrel::audio
