#include "catalogue/FieldWriter.h"

#include <algorithm>

namespace lumo {

void FieldWriter::separate() {
    if (m_recordOpen) {
        m_bytes += ',';
    }
    m_recordOpen = true;
}

std::string FieldWriter::asWritten(std::string_view value) {
    std::string out(value);
    std::ranges::replace(out, '"', '\'');
    return out;
}

FieldWriter& FieldWriter::text(std::string_view value) {
    separate();
    m_bytes += '"';
    m_bytes += asWritten(value);
    m_bytes += '"';
    return *this;
}

FieldWriter& FieldWriter::number(long value) {
    separate();
    m_bytes += std::to_string(value);
    return *this;
}

FieldWriter& FieldWriter::endRecord() {
    m_bytes += "\r\n";
    m_recordOpen = false;
    return *this;
}

} // namespace lumo
