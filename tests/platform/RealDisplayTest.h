#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>

#include "platform/Graphics.h"
#include "platform/TPlatform.h"
#include "platform/TSdlBackend.h"

// A test on the real SDL + OpenGL backend, drawing off screen (no X server
// needed), with a 1024 by 768 window open and cleared to black.
class RealDisplayTest : public ::testing::Test {
protected:
    RealDisplayTest() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        KeepGlDriverLoaded();
        auto& platform = TPlatform::Instance();
        platform.UseHeadless();
        auto real = std::make_unique<TSdlBackend>();
        backend = real.get();
        platform.SetBackend(std::move(real));
    }

    void SetUp() override {
        ASSERT_EQ(Graphics(1024, 768, 0, 60, 0), 1) << backend->LastError();
        Cls();
    }

    ~RealDisplayTest() override { TPlatform::Instance().UseHeadless(); }

    // Mesa frees some of its memory only if its driver stays loaded until the
    // process ends; unloaded when the display closes, the leak checker sees
    // leaks it cannot even name. Pinning the driver keeps the leak check on
    // our own code meaningful.
    static void KeepGlDriverLoaded() {
        static const bool pinned = [] {
            dlopen("libEGL_mesa.so.0", RTLD_NOW | RTLD_NODELETE);
            dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
            return true;
        }();
        (void)pinned;
    }

    static uint32_t Pixel(int x, int y) { return GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0); }

    static bool Lit(int x, int y) { return (Pixel(x, y) & 0xffffffu) != 0; }

    TSdlBackend* backend = nullptr;
};

// Colour parts of a screen pixel.
struct Rgb {
    int r, g, b;
    static Rgb Of(uint32_t argb) {
        return {static_cast<int>(argb >> 16 & 0xff), static_cast<int>(argb >> 8 & 0xff),
                static_cast<int>(argb & 0xff)};
    }
};

MATCHER_P2(NearColour, expected, tolerance, "") {
    const Rgb got = Rgb::Of(arg);
    *result_listener << "is (" << got.r << ", " << got.g << ", " << got.b << ")";
    return std::abs(got.r - expected.r) <= tolerance && std::abs(got.g - expected.g) <= tolerance &&
           std::abs(got.b - expected.b) <= tolerance;
}
