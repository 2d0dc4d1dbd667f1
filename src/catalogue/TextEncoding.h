#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo {

// The catalogue files' text: lists written by this program are UTF-8, older lists are
// Windows-1252 single-byte text. Everything inside the program is UTF-8.

bool isValidUtf8(std::string_view bytes);

// The file's text as UTF-8: valid UTF-8 as it is (a leading byte-order mark dropped),
// anything else read as Windows-1252.
std::string catalogueTextAsUtf8(std::string_view bytes);

// The text of one of the program's own files (favourites, own stations, titles heard) as UTF-8,
// decided line by line: a line (a record) that is valid UTF-8 is UTF-8, any other is read as
// Windows-1252, so that one stray byte changes no other record.
std::string ownFileTextAsUtf8(std::string_view bytes);

// At most `limit` bytes of UTF-8 text, never ending inside a character.
std::string_view cutUtf8(std::string_view text, std::size_t limit);

} // namespace lumo
