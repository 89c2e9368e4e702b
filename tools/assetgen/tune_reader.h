#pragma once

#include <string>
#include <string_view>

#include "midi_file.h"

namespace assetgen {

// Reads one tune written in our note notation (described at the top of tune_reader.cpp).
// `source` names the tune in messages and is its title unless the text gives one. Throws
// std::runtime_error naming the line of the first mistake.
midi::Song ReadTune(std::string_view text, const std::string& source);

} // namespace assetgen
