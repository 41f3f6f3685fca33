#include "platform/TGamepadMap.h"

#include <algorithm>

#include "platform/Input.h"

namespace {
constexpr int KEY_P = 'P';
constexpr int KEY_X = 'X';
constexpr int KEY_Z = 'Z';
} // namespace

int TGamepadMap::KeyOf(TPadButton button) {
    switch (button) {
    case TPadButton::A:
        return KEY_Z;
    case TPadButton::B:
    case TPadButton::X:
        return KEY_X;
    case TPadButton::Y:
        return KEY_P;
    case TPadButton::Back:
        return Key::ESCAPE;
    case TPadButton::Start:
        return Key::SPACE;
    case TPadButton::DpadUp:
        return Key::UP;
    case TPadButton::DpadDown:
        return Key::DOWN;
    case TPadButton::DpadLeft:
        return Key::LEFT;
    case TPadButton::DpadRight:
        return Key::RIGHT;
    default:
        return 0;
    }
}

int TGamepadMap::KeyOfSource(int source) {
    switch (source) {
    case STICK_LEFT:
        return Key::LEFT;
    case STICK_RIGHT:
        return Key::RIGHT;
    case STICK_UP:
        return Key::UP;
    case STICK_DOWN:
        return Key::DOWN;
    default:
        return KeyOf(static_cast<TPadButton>(source));
    }
}

TGamepadMap::TPad* TGamepadMap::Find(int pad) {
    auto it =
        std::find_if(pads_.begin(), pads_.end(), [pad](const TPad& p) { return p.id == pad; });
    return it == pads_.end() ? nullptr : &*it;
}

TGamepadMap::TPad* TGamepadMap::FindOrAdd(int pad) {
    if (TPad* found = Find(pad)) {
        return found;
    }
    if (PadCount() >= MAX_PADS) {
        return nullptr;
    }
    pads_.push_back(TPad{pad, {}});
    return &pads_.back();
}

void TGamepadMap::Added(int pad) {
    FindOrAdd(pad);
}

void TGamepadMap::Removed(int pad) {
    TPad* gone = Find(pad);
    if (!gone) {
        return;
    }
    for (int source = 0; source < SOURCE_COUNT; ++source) {
        Release(*gone, source);
    }
    pads_.erase(pads_.begin() + (gone - pads_.data()));
}

int TGamepadMap::Press(TPad& pad, int source) {
    if (pad.sources[source] != THold::Up) {
        return 0;
    }
    pad.sources[source] = THold::Down;
    const int key = KeyOfSource(source);
    if (key == 0) {
        return 0;
    }
    return holders_[key]++ == 0 ? key : 0;
}

void TGamepadMap::Release(TPad& pad, int source) {
    const bool counted = pad.sources[source] == THold::Down;
    pad.sources[source] = THold::Up;
    const int key = KeyOfSource(source);
    if (counted && key != 0 && holders_[key] > 0) {
        --holders_[key];
    }
}

int TGamepadMap::Button(int pad, int button, bool down) {
    if (button < 0 || button >= static_cast<int>(TPadButton::Count)) {
        return 0;
    }
    TPad* p = FindOrAdd(pad);
    if (!p) {
        return 0;
    }
    if (down) {
        return Press(*p, button);
    }
    Release(*p, button);
    return 0;
}

int TGamepadMap::Lean(TPad& pad, int source, int amount) {
    if (amount >= STICK_PRESS) {
        return Press(pad, source);
    }
    if (amount < STICK_RELEASE) {
        Release(pad, source);
    }
    return 0;
}

int TGamepadMap::Axis(int pad, int axis, int value) {
    const bool across = axis == static_cast<int>(TPadAxis::LeftX);
    if (!across && axis != static_cast<int>(TPadAxis::LeftY)) {
        return 0;
    }
    TPad* p = FindOrAdd(pad);
    if (!p) {
        return 0;
    }
    // Pushed far enough to press one side, the stick is well past letting go
    // of the other, so a flick from left to right never holds both.
    const int back = Lean(*p, across ? STICK_LEFT : STICK_UP, -value);
    const int forth = Lean(*p, across ? STICK_RIGHT : STICK_DOWN, value);
    return back != 0 ? back : forth;
}

bool TGamepadMap::Holds(int key) const {
    return key >= 0 && key < KEY_COUNT && holders_[key] > 0;
}

void TGamepadMap::Flush() {
    for (auto& pad : pads_) {
        for (auto& hold : pad.sources) {
            if (hold == THold::Down) {
                hold = THold::Forgotten;
            }
        }
    }
    holders_.fill(0);
}
