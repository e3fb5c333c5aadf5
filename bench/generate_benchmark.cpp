// Generation through the JSON host, as `zopdrupal generate` runs it: the
// model file parsed, the tree walked, the script assembled and converted to
// UTF-8. Reports the time per node and the output bytes per second.
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "generator/zopDRPL.hpp"
#include "hosts/json/json_model.hpp"
#include "hosts/json/utf8_text.hpp"

namespace {

using nlohmann::json;

json item(int number, int style) {
  return {{"ItemStyleStringDyn", "color0=#" + std::to_string(100000 + style) + ";padding0=4"},
          {"settings", "text0=Item " + std::to_string(number) + ";url=/page/" + std::to_string(number)},
          {"DynamicJSscript0", ""},
          {"DynamicJSscript1", ""},
          {"DynamicJSscript2", ""},
          {"DrupalID", ""}};
}

json group(int style) {
  return {{"GroupStyleStringDyn", "bgcolor=#" + std::to_string(200000 + style)},
          {"HeaderShow", false},
          {"FooterShow", false},
          {"settings", ""}};
}

json named_styles() {
  json styles;
  for (const char* name : {"Main Items Style", "Sub Items Style", "Sub Items Style+"}) {
    styles[name] = {{"ItemStyleStringDyn", std::string("color0=#000000;name=") + name}};
  }
  for (const char* name : {"Main Group Style", "Sub Groups Style", "Sub Groups Style+"}) {
    styles[name] = {{"GroupStyleStringDyn", "bgcolor=#FFFFFF"},
                    {"HeaderItem", {{"ItemStyleStringDyn", "color0=#111111"}}},
                    {"FooterItem", {{"ItemStyleStringDyn", "color0=#222222"}}}};
  }
  return styles;
}

// A site menu of about `nodes` nodes: top items under the root, each with a
// group of eight items; 40 distinct item styles and 8 group styles.
std::string menu_model(int nodes) {
  json menus;
  menus["M0"] = group(0);
  json tree = {{"key", "M0"}, {"children", json::array()}};
  int next_item = 1;
  for (int top = 0; top * 10 + 1 < nodes; ++top) {
    const int top_number = next_item++;
    menus["I" + std::to_string(top_number)] = item(top_number, top_number % 40);
    const std::string group_key = "G" + std::to_string(top);
    menus[group_key] = group(top % 8);
    json group_node = {{"key", group_key}, {"children", json::array()}};
    for (int sub = 0; sub < 8; ++sub) {
      const int number = next_item++;
      menus["I" + std::to_string(number)] = item(number, number % 40);
      group_node["children"].push_back({{"key", "I" + std::to_string(number)}});
    }
    tree["children"].push_back({{"key", "I" + std::to_string(top_number)}, {"children", {group_node}}});
  }
  return json{{"menuName", "bench"}, {"full", 2}, {"styles", named_styles()}, {"menus", menus}, {"tree", tree}}.dump();
}

void BM_GenerateThroughJsonHost(benchmark::State& state) {
  const std::string model_text = menu_model(static_cast<int>(state.range(0)));
  std::size_t node_count = 0;
  std::size_t output_bytes = 0;
  for (auto _ : state) {
    const zop::json_host::JsonModel model = zop::json_host::parse_model(model_text, "bench.json");
    zop::zopDRPL generator;
    generator.SetMenuName(model.menu_name);
    generator.SetMenuColl(model.menus);
    generator.SetStyleColl(model.styles);
    generator.SetFull(model.full);
    const std::string script = zop::text_to_utf8(generator.GetStringOfStyles2(model.nodes.get()));
    output_bytes = script.size();
    node_count = static_cast<std::size_t>(std::count(script.begin(), script.end(), '\n')) - 24;
    benchmark::DoNotOptimize(script.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * output_bytes));
  state.counters["nodes"] = static_cast<double>(node_count);
  state.counters["time_per_node"] = benchmark::Counter(static_cast<double>(node_count),
                                                       benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GenerateThroughJsonHost)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
