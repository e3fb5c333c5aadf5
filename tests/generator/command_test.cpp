// The zopdrupal command, run as a user runs it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "hosts/json/utf8_text.hpp"
#include "tests/generator/generator_test_support.hpp"

namespace zop::testing {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string read_file(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class Command : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("zopdrupal-test-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs zopdrupal with `arguments` (shell words), standard input from `input`.
  Outcome run(const std::string& arguments, const std::string& input = "") {
    write_file(dir_ / "stdin", input);
    const std::string command = std::string("'") + ZOPDRUPAL_BINARY + "' " + arguments + " <'" + (dir_ / "stdin").string() +
                                "' >'" + (dir_ / "stdout").string() + "' 2>'" + (dir_ / "stderr").string() + "'";
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), read_file(dir_ / "stdout"), read_file(dir_ / "stderr")};
  }

  std::string path(const std::string& name) const { return "'" + (dir_ / name).string() + "'"; }
  fs::path file(const std::string& name) const { return dir_ / name; }

  static std::string fixture(const std::string& name) {
    return std::string(ZOP_SOURCE_DIR) + "/tests/generator/fixtures/" + name;
  }

  fs::path dir_;
};

TEST_F(Command, WorkedExampleIsByteExactInEveryMode) {
  const std::pair<const char*, Text> cases[] = {
      {"template", kWorkedTemplateTail}, {"menu", kWorkedMenuOnlyTail}, {"complete", kWorkedCompleteTail}};
  for (const auto& [mode, tail] : cases) {
    const Outcome result = run("generate " + fixture("worked_example.json") + " --mode " + mode);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, text_to_utf8(kWorkedStyleBlock + tail)) << mode;
  }
}

TEST_F(Command, WalkExampleInTemplateMode) {
  const Outcome result = run("generate " + fixture("worked_walk.json"));
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string tail = result.out.substr(result.out.find("GSRP="));
  EXPECT_EQ(tail,
            "GSRP=CopyGroupStyle(grs2,\"GRP_groupstyle\");\r\n"
            "drupalgroup=menu=new Menu(\"style=menu_main_group_style\")\r\n"
            "drupallevel=0;\r\n"
            "I1=menu.newItem(\"style=menu_main_item_style;text0=Home\")\r\n"
            "IRP=menu.newItem(\"style=menu_main_item_style;visible=0\")\r\n"
            "ISRP=CopyItemStyle(its1,\"IRP_itemstyle\");\r\n"
            "I2=menu.newItem(\"style=menu_main_item_style;text0=Products\")\r\n"
            "G1=I2.newGroup(\"style=menu_sub_group_style\")\r\n"
            "I3=G1.newItem(\"style=menu_itemstyle10;text0=New\")\r\n"
            "IRPS=new ItemStyle(\"name=IRPS_itemstyle;color0=#333333\");");
}

TEST_F(Command, OutputFileStandardInputAndOverrides) {
  const std::string model = read_file(fixture("worked_example.json"));
  const Outcome to_file = run("generate - --mode 3 --full-item-no -1 --output " + path("out.js"), model);
  EXPECT_EQ(to_file.status, 0) << to_file.err;
  EXPECT_EQ(to_file.out, "");
  const std::string script = read_file(file("out.js"));
  EXPECT_NE(script.find("\r\ndrupalgroup=demo=new Menu("), std::string::npos);
  EXPECT_NE(script.find("drupallevel=0;\r\nI1=demo.newItem("), std::string::npos);
  EXPECT_EQ(fs::status(file("out.js")).permissions() & fs::perms::others_read, fs::perms::others_read);
}

TEST_F(Command, AFailedGenerationWritesNothingButTheStyleIds) {
  std::string model = read_file(fixture("worked_example.json"));
  model.replace(model.find("\"DynamicJS\": \".newItem"), 11, "\"NoDynamicJS\"");
  write_file(file("broken.json"), model);
  write_file(file("out.js"), "previous");

  const Outcome result = run("generate " + path("broken.json") + " --output " + path("out.js") + " --style-ids " + path("ids.json"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "zopdrupal: error 438: Object doesn't support this property or method: \"I1\" has no property \"DynamicJS\"\n");
  EXPECT_EQ(read_file(file("out.js")), "previous");
  EXPECT_EQ(read_file(file("ids.json")), "{\n  \"M0\": 1,\n  \"I1\": 10\n}\n");

  const Outcome fresh = run("generate " + path("broken.json") + " --output " + path("new.js"));
  EXPECT_EQ(fresh.status, 1);
  EXPECT_FALSE(fs::exists(file("new.js")));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 6);  // no temporary left
}

TEST_F(Command, UnusableInputsExitWithStatusTwo) {
  write_file(file("bad.json"), "{\"menuName\": \"x\",\n \"tree\": }");
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"generate " + path("bad.json"), "bad.json:2:10: not valid JSON: "},
      {"generate " + path("absent.json"), "absent.json: cannot be read: No such file or directory"},
      {"generate " + fixture("worked_example.json") + " --mode fancy", "--mode"},
      {"generate " + fixture("worked_example.json") + " --full-item-no 40000", "--full-item-no"},
      {"generate", "MODEL"},
      {"", "subcommand"},
  };
  for (const auto& c : cases) {
    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << ": " << result.err;
    EXPECT_EQ(result.out.find("its1="), std::string::npos);
  }
}

TEST_F(Command, HelpVersionAndTheRuntimeLibrary) {
  const Outcome help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("generate"), std::string::npos);
  EXPECT_NE(help.out.find("runtime"), std::string::npos);
  const Outcome generate_help = run("generate --help");
  EXPECT_NE(generate_help.out.find("--style-ids"), std::string::npos);
  EXPECT_EQ(run("--version").out, "zopdrupal 1.00.0003\n");

  const std::string shipped = read_file(ZOP_RUNTIME_LIBRARY_FILE);
  ASSERT_FALSE(shipped.empty());
  EXPECT_EQ(run("runtime").out, shipped);
  EXPECT_EQ(run("runtime --output " + path("rt.js")).status, 0);
  EXPECT_EQ(read_file(file("rt.js")), shipped);
}

}  // namespace
}  // namespace zop::testing
