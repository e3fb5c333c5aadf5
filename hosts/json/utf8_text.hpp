#pragma once
#include <string>
#include <string_view>

#include "automation/text.hpp"

namespace zop {

// Conversions between UTF-8 bytes and automation texts. Invalid input raises
// std::invalid_argument naming the problem.
Text utf8_to_text(std::string_view utf8);
std::string text_to_utf8(TextView text);

}  // namespace zop
