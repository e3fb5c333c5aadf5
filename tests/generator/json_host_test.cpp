// The JSON model host: the model file's shape, its errors, DynamicJS composed
// from settings, and the log of StyleID writes.
#include <gtest/gtest.h>

#include "generator/zopDRPL.hpp"
#include "hosts/json/json_model.hpp"

namespace zop::json_host {
namespace {

const std::string kStyles = R"({
  "Main Items Style": {"ItemStyleStringDyn": "mi"}, "Sub Items Style": {"ItemStyleStringDyn": "si"},
  "Sub Items Style+": {"ItemStyleStringDyn": "sip"},
  "Main Group Style": {"GroupStyleStringDyn": "g1", "HeaderItem": {"ItemStyleStringDyn": "h"}, "FooterItem": {"ItemStyleStringDyn": "f"}},
  "Sub Groups Style": {"GroupStyleStringDyn": "g2", "HeaderItem": {"ItemStyleStringDyn": "h"}, "FooterItem": {"ItemStyleStringDyn": "f"}},
  "Sub Groups Style+": {"GroupStyleStringDyn": "g3", "HeaderItem": {"ItemStyleStringDyn": "h"}, "FooterItem": {"ItemStyleStringDyn": "f"}}})";

std::string model_text(const std::string& menus, const std::string& tree) {
  return R"({"menuName": "m", "styles": )" + kStyles + R"(, "menus": )" + menus + R"(, "tree": )" + tree + "}";
}

std::string error_of(const std::string& text) {
  try {
    parse_model(text, "model.json");
  } catch (const ModelError& error) {
    return error.what();
  }
  return "";
}

Text generate(const JsonModel& model) {
  zopDRPL generator;
  generator.SetMenuName(model.menu_name);
  generator.SetMenuColl(model.menus);
  generator.SetStyleColl(model.styles);
  generator.SetFull(model.full);
  return generator.GetStringOfStyles2(model.nodes.get());
}

TEST(ModelFile, MalformedFilesNameTheFileAndThePlace) {
  const std::string tree = R"({"key": "M0"})";
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"{\n  \"menuName\": \"m\",\n  x", "model.json:3:3: not valid JSON: "},
      {"[]", "model.json: at /: the model must be a JSON object"},
      {R"({"menuName": 1})", "model.json: at /menuName: must be a text"},
      {model_text("{}", tree).replace(1, 0, R"("ful": 1, )"), "model.json: at /: unknown member \"ful\""},
      {model_text("{}", tree).replace(1, 0, R"("full": 256, )"), "model.json: at /full: must be from 0 to 255"},
      {model_text("{}", tree).replace(1, 0, R"("fullItemNo": -32769, )"), "model.json: at /fullItemNo: must be from -32768 to 32767"},
      {model_text("{}", tree).replace(1, 0, R"("full": 1.5, )"), "model.json: at /full: must be a whole number"},
      {model_text("[]", tree), "model.json: at /menus: must be an object of objects by name"},
      {model_text(R"({"I1": {"DynamicJS": [1]}})", tree), "model.json: at /menus/I1/DynamicJS: a property value must be"},
      {model_text(R"({"I1": {"settings": 3}})", tree), "model.json: at /menus/I1/settings: must be a text"},
      {model_text("{}", R"({"key": "M0", "children": [{"key": "I1"}, {"children": []}]})"),
       "model.json: at /tree/children/1: a node needs a \"key\""},
      {model_text("{}", R"({"key": "M0", "children": [{"key": "I1", "children": {}}]})"),
       "model.json: at /tree/children/0/children: must be an array of nodes"},
      {model_text("{}", R"({"key": "M0", "children": [{"key": "M0"}]})"),
       "model.json: at /tree/children/0/key: the key \"M0\" is used by another node"},
      {model_text("{}", R"({"key": "M0", "designatedChild": "I9"})"),
       "model.json: at /tree/designatedChild: must be the key of a node of the tree"},
      {model_text("{}", R"({"key": "M0", "child": []})"), "model.json: at /tree: unknown member \"child\""},
  };
  for (const auto& c : cases) {
    const std::string message = error_of(c.text);
    EXPECT_EQ(message.substr(0, c.message.size()), c.message) << c.text;
  }
}

TEST(ModelFile, ADeepTreeLoadsWithoutRecursion) {
  std::string tree;
  const int depth = 100000;
  for (int level = 0; level < depth; ++level) tree += R"({"key": "G)" + std::to_string(level) + R"(", "children": [)";
  tree += R"({"key": "I1"})";
  for (int level = 0; level < depth; ++level) tree += "]}";
  tree.replace(tree.find("\"G0\""), 4, "\"M0\"");
  const JsonModel model = parse_model(model_text("{}", tree), "deep.json");
  EXPECT_EQ(model.nodes->Item(u"I1")->Parent()->Key(), u"G99999");
}

TEST(ComposedDynamicJS, FollowsTheCurrentStyleNumbersAndEscapesTheBody) {
  const JsonModel model = parse_model(model_text(R"({
      "M0": {"GroupStyleStringDyn": "g1", "HeaderShow": true, "FooterShow": 0, "settings": "text=Main",
             "HeaderItem": {"ItemStyleStringDyn": "own header"}},
      "I1": {"ItemStyleStringDyn": "new", "settings": "text0=\"Q\" \\ a\r\nb\u2028", "DynamicJSscript0": "",
             "DynamicJSscript1": "", "DynamicJSscript2": ""},
      "G1": {"GroupStyleStringDyn": "g2", "HeaderShow": false, "FooterShow": true, "settings": "",
             "FooterItem": {"ItemStyleStringDyn": "f"}}})",
      R"({"key": "M0", "children": [{"key": "I1", "children": [{"key": "G1"}]}]})"), "model.json");
  const Text script = generate(model);
  const Text tail = script.substr(script.find(u"GSRP="));
  EXPECT_NE(tail.find(u"drupalgroup=m=new Menu(\"style=m_main_group_style;headerstyle=m_itemstyle10;text=Main\")"), Text::npos);
  EXPECT_NE(tail.find(u"\r\nI1=m.newItem(\"style=m_itemstyle11;text0=\\\"Q\\\" \\\\ a\\r\\nb\\u2028\")"), Text::npos);
  EXPECT_NE(tail.find(u"\r\nG1=I1.newGroup(\"style=m_sub_group_style;footerstyle=m_main_group_footer_style\")"), Text::npos);
}

TEST(ComposedDynamicJS, AnObjectWithNeitherDynamicJSNorSettingsLacksIt) {
  const JsonModel model = parse_model(model_text(R"({"M0": {"GroupStyleStringDyn": "g1", "HeaderShow": false, "FooterShow": false}})",
                                                 R"({"key": "M0"})"), "model.json");
  try {
    generate(model);
    FAIL() << "no failure";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.number(), kObjectDoesNotSupport);
    EXPECT_EQ(error.description(), u"Object doesn't support this property or method: \"M0\" has no property \"DynamicJS\"");
  }
}

TEST(StyleIdLog, ListsEveryWriteWithItsLatestValue) {
  const JsonModel model = parse_model(model_text(R"~({
      "M0": {"GroupStyleStringDyn": "g1", "HeaderShow": true, "FooterShow": false, "DynamicJS": "new Menu()",
             "HeaderItem": {"ItemStyleStringDyn": "h"}},
      "I1": {"ItemStyleStringDyn": "x", "StyleID": 3, "DynamicJS": ".newItem()", "DynamicJSscript0": "",
             "DynamicJSscript1": "", "DynamicJSscript2": ""},
      "I2": {"ItemStyleStringDyn": "y", "StyleID": 4}})~",
      R"({"key": "M0", "children": [{"key": "I1"}, {"key": "I2"}]})"), "model.json");
  EXPECT_THROW(generate(model), AutomationError);  // I2 has no DynamicJS
  EXPECT_EQ(style_ids_json(*model.style_ids), "{\n  \"M0.HeaderItem\": 4,\n  \"M0\": 1,\n  \"I1\": 10,\n  \"I2\": 11\n}\n");
}

TEST(Collections, MissingKeysAndPropertiesNameWhatIsMissing) {
  const JsonModel model = parse_model(model_text(R"({"M0": {}})", R"({"key": "M0"})"), "model.json");
  try {
    model.menus->Item(u"I7");
    FAIL() << "no failure";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.number(), kInvalidProcedureCall);
    EXPECT_EQ(error.description(), u"Invalid procedure call or argument: no entry \"I7\" in \"menus\"");
  }
  EXPECT_THROW(model.nodes->Item(u"I7"), AutomationError);
}

}  // namespace
}  // namespace zop::json_host
