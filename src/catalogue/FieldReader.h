#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// Reads the comma-separated fields of the catalogue files one after another. Line ends end a
// field just as commas do, so fields are counted, not lines: a record of N fields is simply the
// next N fields. Reading past the end of the file gives nothing (a read error).
// The file's bytes are read as UTF-8 when they are valid UTF-8, else as Windows-1252; fields
// come out as UTF-8, cut to at most kMaxFieldBytes.
class FieldReader {
public:
    static constexpr std::size_t kMaxFieldBytes = 4096;

    // `bytes` must outlive the reader.
    explicit FieldReader(std::string_view bytes);
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;

    // The next field as text: a quoted field is the text between its quotes (anything after
    // the closing quote up to the next comma or line end is skipped); an unquoted field is
    // the text up to the next comma or line end, without surrounding blanks.
    std::optional<std::string> nextText();

    // The next field as a number; a field that is not a whole number reads as 0.
    std::optional<long> nextNumber();

    bool atEnd() const { return m_pos >= m_text.size() && !m_fieldOwed; }

private:
    void skipBlanks();
    void consumeDelimiter();

    std::string m_converted; // the text, when the file's bytes were not UTF-8 as they stand
    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_fieldOwed = false; // a comma was just read, so one more (empty) field follows
};

} // namespace lumo
