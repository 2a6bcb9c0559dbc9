#pragma once

#include <cstdint>
#include <string>

namespace qv {

class Cncdatadraw;

// Draws the program of `draw` from scratch into a width x height image and writes it as PNG
// to `path` (UTF-8). Needs no display. False with `error` set when the file cannot be written.
bool WritePng(Cncdatadraw& draw, int32_t width, int32_t height, const std::string& path,
              std::string& error);

}  // namespace qv
