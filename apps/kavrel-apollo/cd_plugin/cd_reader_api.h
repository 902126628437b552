#pragma once
// The CD-reading plug-in of the outside player: a shared object in the player's "Plug-ins" folder that
// exports kavrel_cd_reader(). Plain C, so a plug-in built apart from the player still fits it.
// Audio comes as interleaved stereo float frames at 44100 Hz.
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KAVREL_CD_READER_ABI 1

struct KavrelCdReaderApi {
    uint32_t abiVersion; // KAVREL_CD_READER_ABI
    // Track `trackIndex` (0-based, in disc order) of a CD source (a drive or a .cue/.toc image); NULL with
    // a zero-terminated reason in `error` (cut to errorSize bytes).
    void* (*open)(const char* source, int trackIndex, char* error, size_t errorSize);
    int64_t (*lengthFrames)(void* track);
    // Frames written, 0 only at the end of the track.
    int64_t (*read)(void* track, float* stereo, int64_t frames);
    // 1 when the next read starts at `frame`.
    int (*seek)(void* track, int64_t frame);
    void (*close)(void* track);
};

typedef const struct KavrelCdReaderApi* (*KavrelCdReaderEntry)(void);
#define KAVREL_CD_READER_ENTRY "kavrel_cd_reader"

#ifdef __cplusplus
}
#endif
