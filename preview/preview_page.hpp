#pragma once
#include <string>
#include <string_view>

namespace zop {

// What one preview page shows: the runtime library as shipped (its marker
// still in place), the generated script and the name of the menu variable
// that the script creates.
struct PreviewContent {
  std::string_view runtime_library;
  std::string_view menu_script;
  std::string_view menu_name;
  std::string_view mode_description;  // for example "complete mode"
};

// One self-contained HTML page: the preview drawing engine, the runtime
// library with its marker replaced, the generated script and the call that
// produces the menu while the page is parsed.
std::string preview_page(const PreviewContent& content);

}  // namespace zop
