// The catalogue files' field reader on any bytes, and the writer's records read back.
#include "FuzzCheck.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/TextEncoding.h"

#include <string>
#include <vector>

using namespace lumo;
using fuzz::check;

namespace {

// Every field is UTF-8 of at most kMaxFieldBytes, and each read either takes input or ends.
void readAnything(std::string_view bytes) {
    FieldReader reader(bytes);
    std::size_t fields = 0;
    while (const auto field = reader.nextText()) {
        check(isValidUtf8(*field), "fields come out as UTF-8");
        check(field->size() <= FieldReader::kMaxFieldBytes, "fields are cut to the limit");
        check(++fields <= bytes.size() + 1, "a file of N bytes has at most N + 1 fields");
    }
    check(reader.atEnd(), "nothing is left once the fields run out");
    check(!reader.nextNumber(), "no number past the end");
}

// Fields split from the input at 0x1F bytes; every second one is a number. What the writer
// writes, the reader gives back: a double quote comes back as a single one.
void roundTrip(std::string_view bytes) {
    std::vector<std::string> texts;
    std::vector<long> numbers;
    FieldWriter writer;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\x1F') {
            continue;
        }
        const std::string_view part = bytes.substr(start, i - start);
        start = i + 1;
        if (texts.size() > numbers.size()) {
            long value = 0;
            for (char c : part.substr(0, 8)) {
                value = value * 131 + static_cast<signed char>(c);
            }
            numbers.push_back(value);
            writer.number(value);
        } else {
            std::string text(cutUtf8(part, FieldReader::kMaxFieldBytes));
            writer.text(text);
            for (char& c : text) {
                c = c == '"' ? '\'' : c;
            }
            texts.push_back(std::move(text));
        }
    }
    writer.endRecord();
    const std::string written = writer.bytes();
    if (!isValidUtf8(written)) {
        return; // the reader then takes the file as Windows-1252, as it should
    }
    FieldReader reader(written);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        check(reader.nextText() == texts[i], "a written text reads back");
        if (i < numbers.size()) {
            check(reader.nextNumber() == numbers[i], "a written number reads back");
        }
    }
    check(reader.atEnd() && !reader.nextText(), "a record ends where it was ended");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::bytesOf(data, size);
    readAnything(bytes);
    roundTrip(bytes);
    return 0;
}
