#include "platform/Input.h"

#include "platform/TPlatform.h"

namespace {
TInputState& State() {
    return TPlatform::Instance().Input();
}
} // namespace

int KeyHit(int key) {
    return State().KeyHit(key);
}

int KeyDown(int key) {
    return State().KeyDown(key);
}

int MouseHit(int button) {
    return State().MouseHit(button);
}

int MouseDown(int button) {
    return State().MouseDown(button);
}

int GetChar() {
    return State().GetChar();
}

int FlushKeys() {
    State().FlushKeys();
    return 0;
}

int FlushMouse() {
    State().FlushMouse();
    return 0;
}

int MouseX() {
    return State().MouseX();
}

int MouseY() {
    return State().MouseY();
}
