#include "generator/style_names.hpp"

#include <array>
#include <string>

namespace zop {
namespace {

constexpr std::array<TextView, kFixedItemStyles> kItemSuffixes = {
    u"_main_item_style",         u"_sub_item_style",
    u"_sub_item_plus_style",     u"_main_group_header_style",
    u"_main_group_footer_style", u"_sub_group_header_style",
    u"_sub_group_footer_style",  u"_sub_group_plus_header_style",
    u"_sub_group_plus_footer_style"};

constexpr std::array<TextView, kFixedGroupStyles> kGroupSuffixes = {
    u"_main_group_style", u"_sub_group_style", u"_sub_group_plus_style"};

Text numbered_name(const Text& menu_name, TextView stem, std::int32_t number) {
  return menu_name + Text(stem) + ascii_text(std::to_string(number));
}

}  // namespace

TextView fixed_item_style_suffix(int number) { return kItemSuffixes.at(number - 1); }

TextView fixed_group_style_suffix(int number) { return kGroupSuffixes.at(number - 1); }

Text declared_item_style_name(const Text& menu_name, std::int32_t number) {
  if (number >= 1 && number <= kFixedItemStyles) return menu_name + Text(fixed_item_style_suffix(number));
  return numbered_name(menu_name, u"_itemstyle", number);
}

Text declared_group_style_name(const Text& menu_name, std::int32_t number) {
  if (number >= 1 && number <= kFixedGroupStyles) return menu_name + Text(fixed_group_style_suffix(number));
  return numbered_name(menu_name, u"_groupstyle", number);
}

}  // namespace zop
