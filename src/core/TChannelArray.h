#pragma once

#include <memory>

#include "platform/TChannel.h"
#include "platform/TList.h"

// A ring of channel placeholders that fresh-channel plays consult before they
// start. The placeholders never play, so the ring always answers with the one
// after the last handed out.
class TChannelArray : public TList {
public:
    // A pool of count placeholders; the first is the current one.
    static std::shared_ptr<TChannelArray> Create(int count);

    // The next member after the current one that is not playing, which becomes
    // current; null when the search comes back round to where it started.
    virtual TChannelPtr GetChannel();
    // Stops every member and empties the pool.
    virtual int Kill();
    // Stops channel and swaps it for a new placeholder, which becomes current.
    virtual int StopSingleChannel(const TChannelPtr& channel);

    TChannelPtr currentChannel;

private:
    // The member after channel, wrapping round; the first when channel is absent.
    TChannelPtr After(const TChannelPtr& channel) const;
};

using TChannelArrayPtr = std::shared_ptr<TChannelArray>;
