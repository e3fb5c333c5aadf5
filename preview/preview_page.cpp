#include "preview_page.hpp"

#include <array>
#include <cctype>
#include <utility>

#include "preview_engine.hpp"
#include "preview_template.hpp"

namespace zop {
namespace {

constexpr std::string_view kRuntimeMarker = "/*zopDynMenus*/";
// What takes the marker's place: a declaration that nothing reads.
constexpr std::string_view kMarkerDeclaration = "zopPreview=1";

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    result.append(text, start, at - start).append(to);
    start = at + from.size();
  }
  return result.append(text, start);
}

bool starts_with_ignoring_case(std::string_view text, std::size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[at + i])) != prefix[i]) return false;
  }
  return true;
}

// Script text inside a <script> element ends at the first "</script" and
// changes the parser's state at "<!--". A backslash after the "<" hides
// both from the HTML parser and means the same in every place where such a
// text can stand in a script: in a string, a regular expression or a comment.
std::string script_element_text(std::string_view script) {
  std::string result;
  result.reserve(script.size());
  for (std::size_t i = 0; i < script.size(); ++i) {
    result += script[i];
    if (script[i] == '<' &&
        (starts_with_ignoring_case(script, i, "</script") || starts_with_ignoring_case(script, i, "<!--"))) {
      result += '\\';
    }
  }
  return result;
}

// A double-quoted script literal; "<" is written as \u003c so that the
// literal can never close its script element.
std::string script_string_literal(std::string_view text) {
  std::string result = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      result += '\\';
      result += c;
    } else if (byte < 0x20 || c == '<') {
      constexpr std::string_view hex = "0123456789abcdef";
      result += "\\u00";
      result += hex[byte >> 4];
      result += hex[byte & 0xF];
    } else {
      result += c;
    }
  }
  return result + "\"";
}

std::string html_text(std::string_view text) {
  std::string result;
  for (char c : text) {
    switch (c) {
      case '&': result += "&amp;"; break;
      case '<': result += "&lt;"; break;
      case '>': result += "&gt;"; break;
      case '"': result += "&quot;"; break;
      default: result += c;
    }
  }
  return result;
}

using Placeholders = std::array<std::pair<std::string_view, std::string>, 6>;

const std::string* placeholder_value(const Placeholders& values, std::string_view name) {
  for (const auto& [placeholder, value] : values) {
    if (placeholder == name) return &value;
  }
  return nullptr;
}

// Fills the page template's "@NAME@" placeholders in one pass, so that text
// put in is never searched for placeholders itself.
std::string fill_template(std::string_view page, const Placeholders& values) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t open = page.find('@'); open != std::string_view::npos; open = page.find('@', start)) {
    const std::size_t close = page.find('@', open + 1);
    const std::string* value =
        close == std::string_view::npos ? nullptr : placeholder_value(values, page.substr(open + 1, close - open - 1));
    if (value == nullptr) {
      result.append(page, start, open + 1 - start);
      start = open + 1;
    } else {
      result.append(page, start, open - start).append(*value);
      start = close + 1;
    }
  }
  return result.append(page, start);
}

}  // namespace

std::string preview_page(const PreviewContent& content) {
  const std::string runtime = replace_all(content.runtime_library, kRuntimeMarker, kMarkerDeclaration);
  const std::string caption =
      "Preview of the menu " + std::string(content.menu_name) + ", " + std::string(content.mode_description);
  return fill_template(preview_template(), {{
      {"TITLE", html_text("zopDrupal preview: " + std::string(content.menu_name))},
      {"CAPTION", html_text(caption)},
      {"ENGINE", script_element_text(preview_engine())},
      {"RUNTIME", script_element_text(runtime)},
      {"MENU_SCRIPT", script_element_text(content.menu_script)},
      {"MENU_NAME", script_string_literal(content.menu_name)},
  }});
}

}  // namespace zop
