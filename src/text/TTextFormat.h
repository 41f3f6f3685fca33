#pragma once

#include <memory>
#include <string>

#include "platform/TObject.h"

// How a label turns the raw value its owner gives it into the text it shows:
// unchanged, or a whole number filled on the left with zeros.
class TTextFormat : public TObject {
public:
    static constexpr int FORMAT_MODE_STRING = 0;
    static constexpr int FORMAT_MODE_ZERO_PADDED_INT = 100;

    int formatMode = FORMAT_MODE_STRING;
    // Minimum length of a zero-padded number.
    int formatModeParam = 0;

    // Any mode other than the two above shows nothing at all.
    virtual std::string MakeFormattedString(const std::string& text) const;
    virtual void SetFormatMode(int mode, int param);
};

using TTextFormatPtr = std::shared_ptr<TTextFormat>;
