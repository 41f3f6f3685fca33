#include "platform/Strings.h"

#include <algorithm>

namespace {

// Length of the UTF-8 sequence that starts with lead, 0 when lead cannot start one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead >> 5) == 0x6) {
        return 2;
    }
    if ((lead >> 4) == 0xE) {
        return 3;
    }
    if ((lead >> 3) == 0x1E) {
        return 4;
    }
    return 0;
}

size_t FileNameStart(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

size_t ExtensionDot(const std::string& path) {
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < FileNameStart(path)) {
        return std::string::npos;
    }
    return dot;
}

} // namespace

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        int length = SequenceLength(lead);
        if (length == 0 || i + static_cast<size_t>(length) > text.size()) {
            out.push_back(U'\uFFFD'); // a stray byte stands for one unknown character
            ++i;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            valid = valid && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        out.push_back(valid ? code : U'\uFFFD');
        i += valid ? static_cast<size_t>(length) : 1;
    }
    return out;
}

std::string EncodeUtf8(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t code : text) {
        out += EncodeUtf8(code);
    }
    return out;
}

int TextLength(const std::string& text) {
    return static_cast<int>(DecodeUtf8(text).size());
}

std::string Upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string Lower(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string Mid(const std::string& text, int start, int count) {
    auto chars = DecodeUtf8(text);
    int length = static_cast<int>(chars.size());
    int from = std::max(0, start - 1);
    int to = count < 0 ? length : std::min(length, start - 1 + count);
    if (from >= to) {
        return {};
    }
    return EncodeUtf8(chars.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
}

std::string Left(const std::string& text, int count) {
    return count <= 0 ? std::string() : Mid(text, 1, count);
}

std::string Right(const std::string& text, int count) {
    int length = TextLength(text);
    if (count <= 0) {
        return {};
    }
    return count >= length ? text : Mid(text, length - count + 1, count);
}

std::string Trim(const std::string& text) {
    size_t from = 0;
    size_t to = text.size();
    while (from < to && static_cast<unsigned char>(text[from]) <= ' ') {
        ++from;
    }
    while (to > from && static_cast<unsigned char>(text[to - 1]) <= ' ') {
        --to;
    }
    return text.substr(from, to - from);
}

std::string RSet(const std::string& text, int width) {
    int length = TextLength(text);
    if (length >= width) {
        return Right(text, width);
    }
    return std::string(static_cast<size_t>(width - length), ' ') + text;
}

std::string LSet(const std::string& text, int width) {
    int length = TextLength(text);
    if (length >= width) {
        return Left(text, width);
    }
    return text + std::string(static_cast<size_t>(width - length), ' ');
}

std::string StripDir(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::string StripExt(const std::string& path) {
    auto dot = ExtensionDot(path);
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string StripAll(const std::string& path) {
    return StripExt(StripDir(path));
}

std::string ExtractExt(const std::string& path) {
    auto dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string ExtractDir(const std::string& path) {
    auto start = FileNameStart(path);
    return start == 0 ? std::string() : path.substr(0, start - 1);
}
