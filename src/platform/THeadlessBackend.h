#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/TBackend.h"

// A backend with no window, no GPU and no device, for tests and tools. Draw
// calls are recorded, input is scripted, and the clock only moves when told to
// (or when the game sleeps), so a run is exact and fast.
class THeadlessBackend : public TBackend {
public:
    bool OpenDisplay(int width, int height, int depth, int hertz) override;
    void CloseDisplay() override;
    void SetTitle(const std::string& title) override { title_ = title; }
    void Draw(const TDrawOp& op) override;
    void Present(int sync) override;
    TPixmapPtr ReadPixels(int x, int y, int width, int height) override;
    void PumpEvents(TInputState& input) override;
    int64_t Now() override { return now_; }
    void Sleep(int ms) override;
    void ShowMessage(const std::string& text, bool serious) override;

    // Scripted input: each event is taken in once the clock has reached atMs
    // (now, when not given).
    void Queue(const TInputEvent& event, int64_t atMs = -1);
    void QueueKeyDown(int key, int64_t atMs = -1);
    void QueueKeyUp(int key, int64_t atMs = -1);
    // A key pressed and released.
    void QueueKeyPress(int key, int64_t atMs = -1);
    void QueueChar(int code, int64_t atMs = -1);
    void QueueMouseDown(int button, int64_t atMs = -1);
    void QueueMouseUp(int button, int64_t atMs = -1);
    void QueueMouseMove(int x, int y, int64_t atMs = -1);
    void QueueQuit(int64_t atMs = -1);
    // Game pads, numbered as the system numbers them.
    void QueuePadAdded(int pad, int64_t atMs = -1);
    void QueuePadRemoved(int pad, int64_t atMs = -1);
    void QueuePadButtonDown(int pad, TPadButton button, int64_t atMs = -1);
    void QueuePadButtonUp(int pad, TPadButton button, int64_t atMs = -1);
    void QueuePadAxis(int pad, TPadAxis axis, int value, int64_t atMs = -1);
    void QueueFocusLost(int64_t atMs = -1);

    void SetTime(int64_t ms) { now_ = ms; }
    void AdvanceTime(int64_t ms) { now_ += ms; }
    // Called at every Present, before the frame's operations are cleared; lets a
    // test look at each frame or change the world between frames.
    std::function<void(THeadlessBackend&)> onPresent;

    // What has been drawn since the last Present (or ClearOps).
    const std::vector<TDrawOp>& Ops() const { return ops_; }
    void ClearOps() { ops_.clear(); }
    // Whether Present clears the recorded operations (the default).
    bool clearOpsOnPresent = true;

    bool DisplayOpen() const { return displayOpen_; }
    int DisplayDepth() const { return depth_; }
    int DisplayOpenCount() const { return openCount_; }
    int PresentCount() const { return presentCount_; }
    const std::string& Title() const { return title_; }
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    struct Scheduled {
        int64_t at;
        TInputEvent event;
    };

    std::vector<TDrawOp> ops_;
    std::deque<Scheduled> pending_;
    std::vector<std::string> messages_;
    std::string title_;
    int64_t now_ = 0;
    bool displayOpen_ = false;
    int depth_ = 0;
    int openCount_ = 0;
    int presentCount_ = 0;
};
