#include "hosts/json/utf8_text.hpp"

#include <stdexcept>
#include <utf8.h>

namespace zop {

Text utf8_to_text(std::string_view utf8) {
  Text text;
  try {
    utf8::utf8to16(utf8.begin(), utf8.end(), std::back_inserter(text));
  } catch (const utf8::exception&) {
    throw std::invalid_argument("the text is not valid UTF-8");
  }
  return text;
}

std::string text_to_utf8(TextView text) {
  std::string utf8;
  try {
    utf8::utf16to8(text.begin(), text.end(), std::back_inserter(utf8));
  } catch (const utf8::exception&) {
    throw std::invalid_argument("the text holds an unpaired UTF-16 surrogate");
  }
  return utf8;
}

}  // namespace zop
