#include "text/TTextFormat.h"

#include "common/Common.h"

std::string TTextFormat::MakeFormattedString(const std::string& text) const {
    switch (formatMode) {
    case FORMAT_MODE_STRING:
        return text;
    case FORMAT_MODE_ZERO_PADDED_INT:
        return ccPadWithZeros(text, formatModeParam);
    default:
        return {};
    }
}

void TTextFormat::SetFormatMode(int mode, int param) {
    formatMode = mode;
    formatModeParam = param;
}
