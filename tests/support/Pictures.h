#pragma once

#include <Qt>
#include <string>

namespace lumo::test {

// A small JPEG of one colour, as a studio camera might send.
std::string jpegOf(Qt::GlobalColor colour, int width = 64, int height = 48);
// A PNG of noise (it does not compress: 120 x 40 is more than 1000 bytes).
std::string noisyPng(int seed, int width = 120, int height = 40);
// A PNG of one colour at any size: small on the wire, huge once decoded.
std::string plainPng(int width, int height);
// A progressive JPEG whose shortest scan is repeated `repeats` times: each repeat is a full
// pass of a decoder over the picture, for a few bytes each.
std::string repeatedScanJpeg(int repeats, int width = 512, int height = 512);

} // namespace lumo::test
