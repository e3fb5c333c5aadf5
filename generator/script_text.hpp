#pragma once
#include <cstdint>

#include "automation/text.hpp"

namespace zop {

inline constexpr char16_t kLineEnd[] = u"\r\n";

// Output modes, chosen by Full. Values from 3 on are assembled as complete
// mode and walked as menu-only mode.
inline constexpr std::uint8_t kTemplateMode = 0;
inline constexpr std::uint8_t kMenuOnlyMode = 1;
inline constexpr std::uint8_t kCompleteMode = 2;

inline constexpr char16_t kRootKey[] = u"M0";
inline constexpr char16_t kSubItemsStyle[] = u"Sub Items Style";

}  // namespace zop
