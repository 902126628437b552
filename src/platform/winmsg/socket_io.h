#pragma once
// Reading and writing a non-blocking socket whole, never past a deadline.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace kavrel::winmsg {

using Deadline = std::chrono::steady_clock::time_point;

bool readAll(int fd, std::span<std::uint8_t> bytes, Deadline deadline);
bool writeAll(int fd, std::span<const std::uint8_t> bytes, Deadline deadline);

// A non-blocking connection to the socket at `path`, or -1 with errno set (ECONNREFUSED: nobody listens;
// ENOENT: no socket; EAGAIN: the window's queue is full).
int connectTo(const std::string& path);

void sleepFor(std::chrono::milliseconds duration);

} // namespace kavrel::winmsg
