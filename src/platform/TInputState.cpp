#include "platform/TInputState.h"

#include <cstddef>

namespace {
// Typed characters waiting beyond this are dropped: nobody is reading them.
constexpr std::size_t MAX_TYPED = 256;
} // namespace

void TInputState::Apply(const TInputEvent& event) {
    switch (event.kind) {
    case TInputEventKind::KeyDown:
        if (ValidKey(event.code)) {
            if (!event.repeat) {
                ++keyHits_[event.code];
            }
            keyDown_[event.code] = true;
        }
        break;
    case TInputEventKind::KeyUp:
        if (ValidKey(event.code)) {
            keyDown_[event.code] = false;
        }
        break;
    case TInputEventKind::Char:
        if (event.code > 0 && typed_.size() < MAX_TYPED) {
            typed_.push_back(event.code);
        }
        break;
    case TInputEventKind::MouseDown:
        if (ValidButton(event.code)) {
            ++mouseHits_[event.code];
            mouseDown_[event.code] = true;
        }
        break;
    case TInputEventKind::MouseUp:
        if (ValidButton(event.code)) {
            mouseDown_[event.code] = false;
        }
        break;
    case TInputEventKind::MouseMove:
        mouseX_ = event.x;
        mouseY_ = event.y;
        break;
    case TInputEventKind::Quit:
        quitRequested_ = true;
        break;
    case TInputEventKind::PadAdded:
        pads_.Added(event.pad);
        break;
    case TInputEventKind::PadRemoved:
        pads_.Removed(event.pad);
        break;
    case TInputEventKind::PadButtonDown:
    case TInputEventKind::PadButtonUp:
        HitByPad(pads_.Button(event.pad, event.code, event.kind == TInputEventKind::PadButtonDown));
        break;
    case TInputEventKind::PadAxis:
        HitByPad(pads_.Axis(event.pad, event.code, event.value));
        break;
    case TInputEventKind::FocusLost:
        pads_.Flush();
        break;
    }
}

void TInputState::HitByPad(int key) {
    if (ValidKey(key) && key != 0) {
        ++keyHits_[key];
    }
}

int TInputState::KeyHit(int key) {
    if (!ValidKey(key)) {
        return 0;
    }
    int hits = keyHits_[key];
    keyHits_[key] = 0;
    return hits;
}

int TInputState::KeyDown(int key) const {
    return ValidKey(key) && (keyDown_[key] || pads_.Holds(key)) ? 1 : 0;
}

int TInputState::MouseHit(int button) {
    if (!ValidButton(button)) {
        return 0;
    }
    int hits = mouseHits_[button];
    mouseHits_[button] = 0;
    return hits;
}

int TInputState::MouseDown(int button) const {
    return ValidButton(button) && mouseDown_[button] ? 1 : 0;
}

int TInputState::GetChar() {
    if (typed_.empty()) {
        return 0;
    }
    int code = typed_.front();
    typed_.pop_front();
    return code;
}

int TInputState::TakeQuitRequest() {
    bool requested = quitRequested_;
    quitRequested_ = false;
    return requested ? 1 : 0;
}

void TInputState::FlushKeys() {
    keyHits_.fill(0);
    keyDown_.fill(false);
    pads_.Flush();
    typed_.clear();
}

void TInputState::FlushMouse() {
    mouseHits_.fill(0);
    mouseDown_.fill(false);
}
