#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/Globals.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"

// A test on a fresh headless platform with the globals of a newly started program.
class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() : backend(TPlatform::Instance().UseHeadless()) {
        backend.clearOpsOnPresent = false;
        ResetGlobals();
        delta = 0.0f;
    }

    ~HeadlessTest() override { ResetGlobals(); }

    static void ResetGlobals() {
        game.reset();
        renderer.reset();
        imageBank.reset();
        mainFont.reset();
    }

    // The recorded operations of one kind.
    std::vector<TDrawOp> OpsOfKind(TDrawKind kind) const {
        std::vector<TDrawOp> found;
        std::copy_if(backend.Ops().begin(), backend.Ops().end(), std::back_inserter(found),
                     [kind](const TDrawOp& op) { return op.kind == kind; });
        return found;
    }

    THeadlessBackend& backend;
};
