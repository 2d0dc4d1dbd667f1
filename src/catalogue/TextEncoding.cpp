#include "catalogue/TextEncoding.h"

#include <array>
#include <cstdint>

namespace lumo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Windows-1252's 0x80..0x9F; the five unassigned bytes keep their C1 control code points.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            codePoint = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            codePoint = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            codePoint = c & 0x07;
        } else {
            return false;
        }
        if (n - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!isContinuation(next)) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000) ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

namespace {

void appendWindows1252(std::string& out, std::string_view bytes) {
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80) {
            out += byte;
        } else if (c < 0xA0) {
            appendUtf8(out, kHighControls[c - 0x80]);
        } else {
            appendUtf8(out, c);
        }
    }
}

} // namespace

std::string catalogueTextAsUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) {
            bytes.remove_prefix(kByteOrderMark.size());
        }
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    appendWindows1252(out, bytes);
    return out;
}

std::string ownFileTextAsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line =
            bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        bytes.remove_prefix(line.size());
        if (isValidUtf8(line)) {
            out.append(line);
        } else {
            appendWindows1252(out, line);
        }
    }
    return out;
}

std::string_view cutUtf8(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end]))) {
        --end;
    }
    return text.substr(0, end);
}

} // namespace lumo
