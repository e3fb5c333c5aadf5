#include "preview_page.hpp"

#include <array>
#include <cctype>
#include <utility>

#include "preview_engine.hpp"
#include "preview_template.hpp"

namespace zop {
namespace {

constexpr std::string_view kRuntimeMarker = "/*zopDynMenus*/";

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

// Fills the page template's placeholders in one pass, so that text put in
// never has its own "@...@" taken for a placeholder.
std::string fill_template(std::string_view page,
                          const std::array<std::pair<std::string_view, std::string>, 6>& values) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = page.find('@'); at != std::string_view::npos; at = page.find('@', start)) {
    result.append(page, start, at - start);
    start = at + 1;
    const std::size_t end = page.find('@', at + 1);
    bool filled = false;
    for (const auto& [name, value] : values) {
      if (end != std::string_view::npos && page.substr(at + 1, end - at - 1) == name) {
        result += value;
        start = end + 1;
        filled = true;
        break;
      }
    }
    if (!filled) result += '@';
  }
  return result.append(page, start);
}

}  // namespace

std::string preview_page(const PreviewContent& content) {
  const std::string runtime = replace_all(content.runtime_library, kRuntimeMarker, kPreviewMarkerDeclaration);
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
