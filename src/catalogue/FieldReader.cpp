#include "catalogue/FieldReader.h"

#include "catalogue/TextEncoding.h"

#include <charconv>

namespace lumo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

FieldReader::FieldReader(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (isValidUtf8(bytes)) {
        m_text = bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
    } else {
        m_converted = catalogueTextAsUtf8(bytes);
        m_text = m_converted;
    }
}

void FieldReader::skipBlanks() {
    while (m_pos < m_text.size() && isBlank(m_text[m_pos])) {
        ++m_pos;
    }
}

// Steps over one comma or one line end (CR LF, CR or LF) at the current position.
void FieldReader::consumeDelimiter() {
    m_fieldOwed = false;
    if (m_pos >= m_text.size()) {
        return;
    }
    const char c = m_text[m_pos];
    if (c == ',') {
        ++m_pos;
        m_fieldOwed = true;
    } else if (c == '\r') {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n') {
            ++m_pos;
        }
    } else if (c == '\n') {
        ++m_pos;
    }
}

std::optional<std::string> FieldReader::nextText() {
    skipBlanks();
    if (m_pos >= m_text.size()) {
        if (m_fieldOwed) {
            m_fieldOwed = false;
            return std::string();
        }
        return std::nullopt;
    }
    std::string field;
    if (m_text[m_pos] == '"') {
        const std::size_t close = m_text.find('"', m_pos + 1);
        const std::size_t end = close == std::string_view::npos ? m_text.size() : close;
        field = std::string(cutUtf8(m_text.substr(m_pos + 1, end - m_pos - 1), kMaxFieldBytes));
        m_pos = close == std::string_view::npos ? m_text.size() : close + 1;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos])) {
            ++m_pos;
        }
    } else {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos])) {
            ++m_pos;
        }
        std::size_t end = m_pos;
        while (end > start && isBlank(m_text[end - 1])) {
            --end;
        }
        field = std::string(cutUtf8(m_text.substr(start, end - start), kMaxFieldBytes));
    }
    consumeDelimiter();
    return field;
}

std::optional<long> FieldReader::nextNumber() {
    const auto text = nextText();
    if (!text) {
        return std::nullopt;
    }
    long value = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) {
        return 0L;
    }
    return value;
}

} // namespace lumo
