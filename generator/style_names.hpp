#pragma once
#include <cstdint>

#include "automation/text.hpp"

namespace zop {

// Item styles 1 to 9 and group styles 1 to 3 are the seeded fixed styles,
// declared under fixed names; later styles under numbered names.
inline constexpr int kFixedItemStyles = 9;
inline constexpr int kFixedGroupStyles = 3;

// The name under which item (group) style `number` is declared for the menu
// `menu_name`: menu_name + "_main_item_style", ..., menu_name + "_itemstyle10".
Text declared_item_style_name(const Text& menu_name, std::int32_t number);
Text declared_group_style_name(const Text& menu_name, std::int32_t number);

// The name suffix of a fixed item style (1 to 9) or group style (1 to 3),
// which is also the copy name without its leading "_".
TextView fixed_item_style_suffix(int number);
TextView fixed_group_style_suffix(int number);

}  // namespace zop
