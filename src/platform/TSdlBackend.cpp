#include "platform/TSdlBackend.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cstring>
#include <thread>

#include "platform/Strings.h"
#include "platform/TKeyMap.h"
#include "platform/TWindowIcon.h"

namespace {

// SDL's mouse buttons in the game's numbering: 1 left, 2 right, 3 middle.
int GameButton(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return 0;
    }
}

// SDL's pad buttons and axes are numbered as ours are.
static_assert(static_cast<int>(TPadButton::A) == SDL_CONTROLLER_BUTTON_A);
static_assert(static_cast<int>(TPadButton::Back) == SDL_CONTROLLER_BUTTON_BACK);
static_assert(static_cast<int>(TPadButton::Start) == SDL_CONTROLLER_BUTTON_START);
static_assert(static_cast<int>(TPadButton::DpadUp) == SDL_CONTROLLER_BUTTON_DPAD_UP);
static_assert(static_cast<int>(TPadButton::DpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(static_cast<int>(TPadButton::Count) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1);
static_assert(static_cast<int>(TPadAxis::LeftX) == SDL_CONTROLLER_AXIS_LEFTX);
static_assert(static_cast<int>(TPadAxis::LeftY) == SDL_CONTROLLER_AXIS_LEFTY);
static_assert(static_cast<int>(TPadAxis::Count) == SDL_CONTROLLER_AXIS_MAX);

// Buttons and axes SDL may add later are no buttons of ours.
int PadButton(Uint8 button) {
    return button < static_cast<int>(TPadButton::Count) ? button : -1;
}

int PadAxis(Uint8 axis) {
    return axis < static_cast<int>(TPadAxis::Count) ? axis : -1;
}

TInputEvent PadEvent(TInputEventKind kind, int pad, int code = 0, int value = 0) {
    TInputEvent event{kind, code};
    event.pad = pad;
    event.value = value;
    return event;
}

// Drivers with nobody watching: no message boxes there.
bool HasScreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

} // namespace

TSdlBackend::TSdlBackend() : start_(std::chrono::steady_clock::now()) {}

TSdlBackend::~TSdlBackend() {
    CloseDisplay();
    pads_.clear();
    if (padsReady_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    if (videoReady_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

bool TSdlBackend::InitVideo() {
    if (!videoReady_) {
        videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (videoReady_) {
            InitPads();
        }
    }
    return videoReady_;
}

void TSdlBackend::InitPads() {
    // Without pads the game still plays from the keyboard.
    padsReady_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!padsReady_) {
        return;
    }
    // Those plugged in before the game started. SDL announces them once more
    // as added; opening is keyed by id, so each is opened once.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        OpenPad(i);
    }
}

int TSdlBackend::OpenPad(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (const auto& pad : pads_) {
        if (pad->Id() == id) {
            return id;
        }
    }
    auto pad = std::make_unique<TGameController>(deviceIndex);
    if (!pad->Valid()) {
        return -1;
    }
    pads_.push_back(std::move(pad));
    return pads_.back()->Id();
}

void TSdlBackend::ClosePad(int id) {
    std::erase_if(pads_, [id](const auto& pad) { return pad->Id() == id; });
}

bool TSdlBackend::Idle() const {
    return window_ &&
           (SDL_GetWindowFlags(window_.get()) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
}

bool TSdlBackend::Fail(const std::string& what) {
    lastError_ = what + ": " + SDL_GetError();
    CloseDisplay();
    return false;
}

bool TSdlBackend::OpenDisplay(int width, int height, int depth, int) {
    CloseDisplay();
    lastError_.clear();
    if (!InitVideo()) {
        return Fail("no video device");
    }
    width_ = width;
    height_ = height;
    TGlContext::RequestAttributes();
    // Full screen keeps the desktop's own mode; a window may be resized and
    // maximised. Either way the logical screen is scaled into it, at the
    // display's full pixel density.
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI |
                         (depth != 0 ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE);
    window_.reset(SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   width, height, flags));
    if (!window_) {
        return Fail("cannot make the window");
    }
    TWindowIcon::ShowGameIcon(window_.get());
    SDL_SetWindowMinimumSize(window_.get(), MIN_WINDOW_WIDTH, MIN_WINDOW_HEIGHT);
    context_ = std::make_unique<TGlContext>(window_.get());
    if (!context_->Valid()) {
        return Fail("cannot get OpenGL 3.3");
    }
    renderer_ = std::make_unique<TGlRenderer>(width, height);
    if (!renderer_->Valid()) {
        lastError_ = "OpenGL cannot draw: " + renderer_->Error();
        CloseDisplay();
        return false;
    }
    swapInterval_ = -1;
    hidden_ = false;
    SDL_StartTextInput();
    return true;
}

void TSdlBackend::CloseDisplay() {
    renderer_.reset();
    context_.reset();
    window_.reset();
}

void TSdlBackend::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) {
        SDL_SetWindowTitle(window_.get(), title_.c_str());
    }
}

void TSdlBackend::Draw(const TDrawOp& op) {
    // A frame nobody will see is not drawn at all.
    if (renderer_ && !hidden_) {
        renderer_->Draw(op);
    }
}

void TSdlBackend::Present(int sync) {
    if (!renderer_) {
        return;
    }
    const int interval = sync != 0 ? 1 : 0;
    if (interval != swapInterval_) {
        // Displays without a vertical blank refuse; they just do not wait.
        SDL_GL_SetSwapInterval(interval);
        swapInterval_ = interval;
    }
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window_.get(), &drawableWidth, &drawableHeight);
    renderer_->ShowIn(drawableWidth, drawableHeight);
    // Whether the next frame will be seen. The first one after the window
    // comes back shows the last picture drawn; the one after it is new.
    hidden_ = Idle();
    if (hidden_) {
        // Nobody sees it: wait for something to happen rather than spin. The
        // event stays queued for the next look at the input.
        ++idleFrames_;
        SDL_WaitEventTimeout(nullptr, IDLE_WAIT_MS);
        return;
    }
    SDL_GL_SwapWindow(window_.get());
}

TPixmapPtr TSdlBackend::ReadPixels(int x, int y, int width, int height) {
    if (!renderer_) {
        return TPixmap::Create(width, height);
    }
    return renderer_->Read(x, y, width, height);
}

void TSdlBackend::PumpEvents(TInputState& input) {
    if (!videoReady_) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        Translate(event, input);
    }
}

TInputEvent TSdlBackend::MouseMoveTo(int windowX, int windowY) const {
    int windowWidth = width_;
    int windowHeight = height_;
    if (window_) {
        SDL_GetWindowSize(window_.get(), &windowWidth, &windowHeight);
    }
    TInputEvent move{TInputEventKind::MouseMove};
    TLetterbox::Fit(width_, height_, windowWidth, windowHeight)
        .ToLogical(windowX, windowY, move.x, move.y);
    return move;
}

void TSdlBackend::Translate(const SDL_Event& event, TInputState& input) {
    switch (event.type) {
    case SDL_QUIT:
        input.Apply({TInputEventKind::Quit});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int key = TKeyMap::VirtualKey(event.key.keysym.sym, event.key.keysym.scancode);
        if (key == 0) {
            break;
        }
        const bool down = event.type == SDL_KEYDOWN;
        TInputEvent keyEvent{down ? TInputEventKind::KeyDown : TInputEventKind::KeyUp, key};
        keyEvent.repeat = event.key.repeat != 0;
        input.Apply(keyEvent);
        if (down && TKeyMap::ControlCharacter(key) != 0) {
            input.Apply({TInputEventKind::Char, TKeyMap::ControlCharacter(key)});
        }
        break;
    }
    case SDL_TEXTINPUT:
        for (char32_t code : DecodeUtf8(event.text.text)) {
            input.Apply({TInputEventKind::Char, static_cast<int>(code)});
        }
        break;
    case SDL_MOUSEMOTION:
        input.Apply(MouseMoveTo(event.motion.x, event.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        input.Apply(MouseMoveTo(event.button.x, event.button.y));
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        input.Apply({down ? TInputEventKind::MouseDown : TInputEventKind::MouseUp,
                     GameButton(event.button.button)});
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            // Pads are not heard while another window has the keyboard, so
            // a button let go meanwhile would stay held.
            input.Apply({TInputEventKind::FocusLost});
        }
        break;
    case SDL_CONTROLLERDEVICEADDED: {
        const int id = OpenPad(event.cdevice.which); // a device index here
        if (id >= 0) {
            input.Apply(PadEvent(TInputEventKind::PadAdded, id));
        }
        break;
    }
    case SDL_CONTROLLERDEVICEREMOVED: // an id here
        ClosePad(event.cdevice.which);
        input.Apply(PadEvent(TInputEventKind::PadRemoved, event.cdevice.which));
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        input.Apply(PadEvent(event.type == SDL_CONTROLLERBUTTONDOWN ? TInputEventKind::PadButtonDown
                                                                    : TInputEventKind::PadButtonUp,
                             event.cbutton.which, PadButton(event.cbutton.button)));
        break;
    case SDL_CONTROLLERAXISMOTION:
        input.Apply(PadEvent(TInputEventKind::PadAxis, event.caxis.which, PadAxis(event.caxis.axis),
                             event.caxis.value));
        break;
    default:
        break;
    }
}

int64_t TSdlBackend::Now() {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

void TSdlBackend::Sleep(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void TSdlBackend::ShowMessage(const std::string& text, bool serious) {
    // The text is already on standard error; a box only where someone can see it.
    if (!window_ || !HasScreen()) {
        return;
    }
    const Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    SDL_ShowSimpleMessageBox(kind, title_.c_str(), text.c_str(), window_.get());
}
