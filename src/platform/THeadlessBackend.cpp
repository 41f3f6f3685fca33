#include "platform/THeadlessBackend.h"

#include <algorithm>
#include <iostream>

bool THeadlessBackend::OpenDisplay(int, int, int depth, int) {
    displayOpen_ = true;
    depth_ = depth;
    ++openCount_;
    return true;
}

void THeadlessBackend::CloseDisplay() {
    displayOpen_ = false;
}

void THeadlessBackend::Draw(const TDrawOp& op) {
    ops_.push_back(op);
}

void THeadlessBackend::Present(int) {
    ++presentCount_;
    if (onPresent) {
        onPresent(*this);
    }
    if (clearOpsOnPresent) {
        ops_.clear();
    }
}

TPixmapPtr THeadlessBackend::ReadPixels(int, int, int width, int height) {
    return TPixmap::Create(width, height);
}

void THeadlessBackend::PumpEvents(TInputState& input) {
    while (!pending_.empty() && pending_.front().at <= now_) {
        input.Apply(pending_.front().event);
        pending_.pop_front();
    }
}

void THeadlessBackend::Sleep(int ms) {
    now_ += std::max(0, ms);
}

void THeadlessBackend::ShowMessage(const std::string& text, bool) {
    messages_.push_back(text);
}

void THeadlessBackend::Queue(const TInputEvent& event, int64_t atMs) {
    int64_t at = atMs < 0 ? now_ : atMs;
    // Keep the queue in time order; events at the same time stay in the order queued.
    auto it = std::upper_bound(pending_.begin(), pending_.end(), at,
                               [](int64_t t, const Scheduled& s) { return t < s.at; });
    pending_.insert(it, Scheduled{at, event});
}

void THeadlessBackend::QueueKeyDown(int key, int64_t atMs) {
    Queue({TInputEventKind::KeyDown, key}, atMs);
}

void THeadlessBackend::QueueKeyUp(int key, int64_t atMs) {
    Queue({TInputEventKind::KeyUp, key}, atMs);
}

void THeadlessBackend::QueueKeyPress(int key, int64_t atMs) {
    QueueKeyDown(key, atMs);
    QueueKeyUp(key, atMs);
}

void THeadlessBackend::QueueChar(int code, int64_t atMs) {
    Queue({TInputEventKind::Char, code}, atMs);
}

void THeadlessBackend::QueueMouseDown(int button, int64_t atMs) {
    Queue({TInputEventKind::MouseDown, button}, atMs);
}

void THeadlessBackend::QueueMouseUp(int button, int64_t atMs) {
    Queue({TInputEventKind::MouseUp, button}, atMs);
}

void THeadlessBackend::QueueMouseMove(int x, int y, int64_t atMs) {
    Queue({TInputEventKind::MouseMove, 0, x, y}, atMs);
}

void THeadlessBackend::QueueQuit(int64_t atMs) {
    Queue({TInputEventKind::Quit}, atMs);
}

void THeadlessBackend::QueuePadAdded(int pad, int64_t atMs) {
    TInputEvent event{TInputEventKind::PadAdded};
    event.pad = pad;
    Queue(event, atMs);
}

void THeadlessBackend::QueuePadRemoved(int pad, int64_t atMs) {
    TInputEvent event{TInputEventKind::PadRemoved};
    event.pad = pad;
    Queue(event, atMs);
}

void THeadlessBackend::QueuePadButtonDown(int pad, TPadButton button, int64_t atMs) {
    TInputEvent event{TInputEventKind::PadButtonDown, static_cast<int>(button)};
    event.pad = pad;
    Queue(event, atMs);
}

void THeadlessBackend::QueuePadButtonUp(int pad, TPadButton button, int64_t atMs) {
    TInputEvent event{TInputEventKind::PadButtonUp, static_cast<int>(button)};
    event.pad = pad;
    Queue(event, atMs);
}

void THeadlessBackend::QueuePadAxis(int pad, TPadAxis axis, int value, int64_t atMs) {
    TInputEvent event{TInputEventKind::PadAxis, static_cast<int>(axis)};
    event.pad = pad;
    event.value = value;
    Queue(event, atMs);
}

void THeadlessBackend::QueueFocusLost(int64_t atMs) {
    Queue({TInputEventKind::FocusLost}, atMs);
}
