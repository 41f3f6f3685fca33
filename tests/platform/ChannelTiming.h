#pragma once

#include "platform/Sound.h"
#include "platform/THeadlessBackend.h"

// Milliseconds until channel stops playing, stepping the virtual clock 1 ms
// at a time; limitMs when it is still playing then.
inline int MsUntilSilent(THeadlessBackend& backend, const TChannelPtr& channel, int limitMs) {
    int ms = 0;
    while (ChannelPlaying(channel) && ms < limitMs) {
        backend.AdvanceTime(1);
        ++ms;
    }
    return ms;
}
