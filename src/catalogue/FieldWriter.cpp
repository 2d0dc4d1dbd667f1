#include "catalogue/FieldWriter.h"

namespace lumo {

void FieldWriter::separate() {
    if (m_recordOpen) {
        m_bytes += ',';
    }
    m_recordOpen = true;
}

FieldWriter& FieldWriter::text(std::string_view value) {
    separate();
    m_bytes += '"';
    for (char c : value) {
        m_bytes += c == '"' ? '\'' : c;
    }
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
