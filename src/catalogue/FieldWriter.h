#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Writes records in the catalogue files' syntax: fields separated by single commas, text in
// double quotes, numbers as plain digits, each record ended by CR LF.
class FieldWriter {
public:
    // A double quote cannot stand inside a quoted field; it is written as a single quote.
    FieldWriter& text(std::string_view value);
    // A text as text() writes it, and so as it reads back.
    static std::string asWritten(std::string_view value);
    FieldWriter& number(long value);
    FieldWriter& endRecord();

    const std::string& bytes() const { return m_bytes; }

private:
    void separate();

    std::string m_bytes;
    bool m_recordOpen = false;
};

} // namespace lumo
