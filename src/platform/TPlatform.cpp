#include "platform/TPlatform.h"

#include "platform/Fonts.h"
#include "platform/THeadlessBackend.h"

TPlatform& TPlatform::Instance() {
    static TPlatform platform;
    return platform;
}

TPlatform::TPlatform() : backend_(std::make_unique<THeadlessBackend>()) {}

TBackend& TPlatform::Backend() {
    return *backend_;
}

void TPlatform::SetBackend(std::unique_ptr<TBackend> backend) {
    if (backend) {
        backend_ = std::move(backend);
    }
}

THeadlessBackend& TPlatform::UseHeadless() {
    auto headless = std::make_unique<THeadlessBackend>();
    auto& ref = *headless;
    backend_ = std::move(headless);
    Reset();
    return ref;
}

void TPlatform::Reset() {
    draw = TDrawState{};
    input_ = TInputState{};
    random.seed(0x5eed);
    appTitle.clear();
}

TInputState& TPlatform::Input() {
    backend_->PumpEvents(input_);
    return input_;
}
