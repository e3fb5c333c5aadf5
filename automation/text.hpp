#pragma once
#include <string>
#include <string_view>

namespace zop {

// An automation text: UTF-16 code units, as the host hands them over.
using Text = std::u16string;
using TextView = std::u16string_view;

// Widens 7-bit ASCII literals and numbers; not a general UTF-8 decoder.
inline Text ascii_text(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

}  // namespace zop
