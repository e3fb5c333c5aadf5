// The registered server driven late-bound, with fakes as the host objects.
#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "module_ids.hpp"
#include "server_client.hpp"
#include "test_files.hpp"
#include "test_harness.hpp"

namespace zop::test {
namespace {

constexpr HRESULT automation_error(int number) { return static_cast<HRESULT>(0x800A0000u + number); }

std::wstring lines(std::initializer_list<const wchar_t*> parts) {
  std::wstring text;
  for (const wchar_t* part : parts) text += std::wstring(part) + L"\r\n";
  return text;
}

const std::wstring kDemoStyleBlock = lines({
    LR"(its1=new ItemStyle("name=demo_main_item_style;color0=#000000");)",
    LR"(its2=new ItemStyle("name=demo_sub_item_style;color0=#333333");)",
    LR"(its3=new ItemStyle("name=demo_sub_item_plus_style;color0=#333333");)",
    LR"(its4=new ItemStyle("name=demo_main_group_header_style;color0=#666666");)",
    LR"(its5=new ItemStyle("name=demo_main_group_footer_style;color0=#666666");)",
    LR"(its6=new ItemStyle("name=demo_sub_group_header_style;color0=#666666");)",
    LR"(its7=new ItemStyle("name=demo_sub_group_footer_style;color0=#666666");)",
    LR"(its8=new ItemStyle("name=demo_sub_group_plus_header_style;color0=#666666");)",
    LR"(its9=new ItemStyle("name=demo_sub_group_plus_footer_style;color0=#666666");)",
    LR"(its10=new ItemStyle("name=demo_itemstyle10;color0=#FF0000");)",
    LR"(grs1=new GroupStyle("name=demo_main_group_style;bgcolor=#FFFFFF");)",
    LR"(grs2=new GroupStyle("name=demo_sub_group_style;bgcolor=#FFFFFF");)",
    LR"(grs3=new GroupStyle("name=demo_sub_group_plus_style;bgcolor=#FFFFFF");)",
    LR"(grsc1=CopyGroupStyle(grs1,"main_group_style");)",
    LR"(grsc2=CopyGroupStyle(grs2,"sub_group_style");)",
    LR"(grsc3=CopyGroupStyle(grs3,"sub_group_plus_style");)",
    LR"(itsc1=CopyItemStyle(its1,"main_item_style");)",
    LR"(itsc2=CopyItemStyle(its2,"sub_item_style");)",
    LR"(itsc3=CopyItemStyle(its3,"sub_item_plus_style");)",
    LR"(itsc4=CopyItemStyle(its4,"main_group_header_style");)",
    LR"(itsc5=CopyItemStyle(its5,"main_group_footer_style");)",
    LR"(itsc6=CopyItemStyle(its6,"sub_group_header_style");)",
    LR"(itsc7=CopyItemStyle(its7,"sub_group_footer_style");)",
    LR"(itsc8=CopyItemStyle(its8,"sub_group_plus_header_style");)",
    LR"(itsc9=CopyItemStyle(its9,"sub_group_plus_footer_style");)",
});

const std::wstring kDemoTemplateTail =
    lines({LR"(GSRP=CopyGroupStyle(grs2,"GRP_groupstyle");)", LR"(drupalgroup=demo=new Menu("style=demo_main_group_style"))",
           LR"(drupallevel=0;)", LR"(I1=demo.newItem("style=demo_itemstyle10;text0=Home"))",
           LR"(IRP=demo.newItem("style=demo_itemstyle10;visible=0"))", LR"(ISRP=CopyItemStyle(its10,"IRP_itemstyle");)"}) +
    LR"(IRPS=new ItemStyle("name=IRPS_itemstyle;color0=#333333");)";
const std::wstring kDemoMenuOnlyTail =
    std::wstring(LR"(drupalgroup=demo=new Menu("style=demo_main_group_style"))") + L"\r\n" + L"drupallevel=0;";
const std::wstring kDemoCompleteTail =
    std::wstring(LR"(demo=new Menu("style=demo_main_group_style"))") + L"\r\n" +
    LR"(I1=demo.newItem("style=demo_itemstyle10;text0=Home"))";

// The demo menu generated in each output mode, through collections that
// answer by default member and through ones that only have "Item".
void worked_examples_are_byte_exact(Checks& checks) {
  struct Case {
    BYTE full;
    const std::wstring& tail;
  };
  for (Lookup lookup : {Lookup::kDefaultMember, Lookup::kItemOnly}) {
    for (const Case& c : {Case{0, kDemoTemplateTail}, Case{1, kDemoMenuOnlyTail}, Case{2, kDemoCompleteTail}}) {
      HostModel model = demo_model(lookup);
      Server server = Server::Create();
      server.Configure(model, L"demo", c.full);
      CallResult result = server.Generate(model);
      CHECK_EQ(result.hr, S_OK);
      CHECK_EQ(V_VT(&result.value), VT_BSTR);
      CHECK_EQ(result.text(), kDemoStyleBlock + c.tail);
    }
  }
}

std::vector<FakeDispatch::Write> style_id_writes(FakeDispatch& object) {
  std::vector<FakeDispatch::Write> writes;
  for (const auto& write : object.writes()) {
    if (write.name == L"StyleID") writes.push_back(write);
  }
  return writes;
}

// StyleID is a 16-bit integer where an existing entry matched and a 32-bit
// integer where a new one was appended; groups and headers included.
void style_ids_carry_their_variant_type(Checks& checks) {
  HostModel model = styled_model();
  model.AddNode(L"M0", L"", L"bgcolor=#FFFFFF", LR"(new Menu("style=m_main_group_style"))");
  // Host values of other variant types: a byte 1 shows the header, null hides the footer.
  VARIANT byte_one;
  V_VT(&byte_one) = VT_UI1;
  V_UI1(&byte_one) = 1;
  VARIANT null;
  V_VT(&null) = VT_NULL;
  model.menu(L"M0").Set(L"HeaderShow", byte_one);
  model.menu(L"M0").Set(L"FooterShow", null);
  model.part(L"M0", L"HeaderItem").SetText(L"ItemStyleStringDyn", L"color0=#666666");
  model.AddNode(L"I1", L"M0", L"color0=#FF0000", LR"(.newItem("style=m_itemstyle10;text0=A"))");
  model.AddNode(L"I2", L"M0", L"color0=#FF0000", LR"(.newItem("style=m_itemstyle10;text0=B"))");
  model.AddNode(L"G1", L"I2", L"bgcolor=#000000", LR"(.newGroup("style=m_groupstyle4"))");
  model.AddNode(L"I3", L"G1", L"color0=#000000", LR"(.newItem("style=m_main_item_style;text0=C"))");
  Server server = Server::Create();
  server.Configure(model, L"m", 2);
  CallResult result = server.Generate(model);
  CHECK_EQ(result.hr, S_OK);

  struct Expected {
    FakeDispatch* object;
    VARTYPE type;
    long value;
  };
  for (const Expected& e : {Expected{&model.part(L"M0", L"HeaderItem"), VT_I2, 4}, Expected{&model.menu(L"M0"), VT_I2, 1},
                            Expected{&model.menu(L"I1"), VT_I4, 10}, Expected{&model.menu(L"I2"), VT_I2, 10},
                            Expected{&model.menu(L"G1"), VT_I4, 4}, Expected{&model.menu(L"I3"), VT_I2, 1}}) {
    const auto writes = style_id_writes(*e.object);
    CHECK_EQ(writes.size(), 1u);
    if (writes.size() != 1) continue;
    CHECK_EQ(writes[0].type, e.type);
    CHECK_EQ(writes[0].value, e.value);
  }
  CHECK_EQ(style_id_writes(model.part(L"M0", L"FooterItem")).size(), 0u);
  const std::wstring text = result.text();
  CHECK(text.find(L"\r\nG1=I2.newGroup(") != std::wstring::npos);
  CHECK(text.find(L"\r\nI3=G1.newItem(") != std::wstring::npos);
  CHECK(text.find(L"\r\nI1=m.newItem(") != std::wstring::npos);
}

// Errors raised by the generator and by this server reach the caller as
// automation errors, with the server as their source.
void generator_errors_reach_the_caller(Checks& checks) {
  struct Case {
    const char* what;
    void (*spoil)(HostModel&);
    int number;
    const wchar_t* description;
  };
  const Case cases[] = {
      {"a host object lacks a property",
       [](HostModel& m) {
         m.menus[L"I1"] = FakeDispatch::Create();
         m.menu_coll->AddItem(L"I1", m.menus[L"I1"].Get());
       },
       438, L"Object doesn't support this property or method"},
      {"representative DynamicJS without ';'", [](HostModel& m) { m.menu(L"I1").SetText(L"DynamicJS", L".newItem(x)"); },
       5, L"Invalid procedure call or argument"},
      {"representative DynamicJS head without '='",
       [](HostModel& m) { m.menu(L"I1").SetText(L"DynamicJS", L".newItem(x;y)"); }, 9, L"Subscript out of range"},
      {"more children than a 16-bit counter holds", [](HostModel& m) { m.node(L"M0").SetInt(L"Children", 40000); }, 6,
       L"Overflow"},
      {"Children is not a number", [](HostModel& m) { m.node(L"M0").SetText(L"Children", L"many"); }, 13,
       L"Type mismatch"},
      {"a tree link that is not an object", [](HostModel& m) { m.node(L"M0").SetInt(L"Child", 1); }, 424,
       L"Object required"},
  };
  for (const Case& c : cases) {
    HostModel model = demo_model();
    c.spoil(model);
    Server server = Server::Create();
    server.Configure(model, L"demo", 0);
    CallResult result = server.Generate(model);
    checks.expect(result.hr == DISP_E_EXCEPTION && result.error.scode == automation_error(c.number) &&
                      result.description().rfind(c.description, 0) == 0 && result.source() == L"zopDrupal.zopDRPL",
                  std::string(c.what) + ": got " + hex(result.hr) + " " + hex(result.error.scode) + " \"" +
                      narrow(result.source()) + "\" \"" + narrow(result.description()) + "\"",
                  __LINE__);
  }
}

// A generation without the host's collections fails as "Object variable not
// set" instead of crashing.
void generation_without_collections_fails(Checks& checks) {
  HostModel model = demo_model();
  {
    Server server = Server::Create();
    CallResult result = server.Generate(model);
    CHECK_EQ(result.error.scode, automation_error(91));
  }
  {
    Server server = Server::Create();
    server.Configure(model, L"demo", 0);
    CallResult result = server.CallWithObject(L"GetStringOfStyles2", nullptr);
    CHECK_EQ(result.error.scode, automation_error(91));
  }
}

// The host's own failures pass through unchanged: an exception with all its
// fields, a missing key in the host's collection, a plain failing HRESULT.
void host_failures_pass_through(Checks& checks) {
  {
    HostModel model = demo_model();
    model.menu(L"I1").FailOnGet(L"DynamicJS", {static_cast<SCODE>(0x80040123), L"TestHost.Menu", L"the host broke",
                                                L"host.chm", 42});
    Server server = Server::Create();
    server.Configure(model, L"demo", 0);
    CallResult result = server.Generate(model);
    CHECK_EQ(result.hr, DISP_E_EXCEPTION);
    CHECK_EQ(result.error.scode, static_cast<SCODE>(0x80040123));
    CHECK_EQ(result.source(), L"TestHost.Menu");
    CHECK_EQ(result.description(), L"the host broke");
    CHECK_EQ(std::wstring(result.error.bstrHelpFile ? result.error.bstrHelpFile : L""), L"host.chm");
    CHECK_EQ(result.error.dwHelpContext, 42ul);
  }
  {
    HostModel model = demo_model();
    model.menu_coll = FakeDispatch::Create(Lookup::kDefaultMember);  // has no "M0"
    Server server = Server::Create();
    server.Configure(model, L"demo", 0);
    CallResult result = server.Generate(model);
    CHECK_EQ(result.error.scode, automation_error(5));
    CHECK_EQ(result.source(), L"TestHost.Collection");
  }
  {
    HostModel model = demo_model();
    model.menu(L"I1").FailOnGetWith(L"ItemStyleStringDyn", E_ACCESSDENIED);
    Server server = Server::Create();
    server.Configure(model, L"demo", 0);
    CallResult result = server.Generate(model);
    CHECK_EQ(result.error.scode, E_ACCESSDENIED);
  }
}

// A collection with neither a default member nor "Item" does not support
// the look-up.
void collection_without_lookup_is_error_438(Checks& checks) {
  HostModel model = demo_model();
  model.menu_coll = FakeDispatch::Create(Lookup::kNone);
  Server server = Server::Create();
  server.Configure(model, L"demo", 0);
  CallResult result = server.Generate(model);
  CHECK_EQ(result.error.scode, automation_error(438));
}

std::string array_bytes(SAFEARRAY* array) {
  if (!array || SafeArrayGetDim(array) != 1) return "<no vector>";
  LONG low = 0, high = -1;
  SafeArrayGetLBound(array, 1, &low);
  SafeArrayGetUBound(array, 1, &high);
  if (low != 0) return "<lower bound not 0>";
  return std::string(static_cast<const char*>(array->pvData), static_cast<std::size_t>(high - low + 1));
}

SAFEARRAY* byte_array(const std::string& bytes) {
  SAFEARRAYBOUND bound{static_cast<ULONG>(bytes.size()), 0};
  SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound);
  std::copy(bytes.begin(), bytes.end(), static_cast<char*>(array->pvData));
  return array;
}

// The runtime library arrives byte for byte in an empty or a filled dynamic
// array; a fixed-size or locked array is left alone, and the call succeeds.
void get_dyn_menu_delivers_the_runtime_library(Checks& checks) {
  const std::string expected = read_file(arguments().runtime_library);
  CHECK(!expected.empty());
  CHECK_EQ(expected.front(), '/');
  Server server = Server::Create();

  SAFEARRAY* array = nullptr;
  for (int call = 1; call <= 2; ++call) {  // an empty array, then the filled one again
    CallResult result = server.GetDynMenu(&array);
    CHECK_EQ(result.hr, S_OK);
    CHECK(V_VT(&result.value) == VT_BOOL && V_BOOL(&result.value) == VARIANT_TRUE);
    CHECK(array_bytes(array) == expected);
  }
  SafeArrayDestroy(array);

  struct Case {
    const char* what;
    USHORT feature;
    bool locked;
  };
  for (const Case& c : {Case{"fixed size", FADF_FIXEDSIZE, false}, Case{"locked", 0, true}}) {
    SAFEARRAY* held = byte_array("abc");
    held->fFeatures |= c.feature;
    if (c.locked) SafeArrayLock(held);
    SAFEARRAY* before = held;
    CallResult result = server.GetDynMenu(&held);
    checks.expect(result.hr == S_OK && V_VT(&result.value) == VT_BOOL && V_BOOL(&result.value) == VARIANT_FALSE &&
                      held == before && array_bytes(held) == "abc",
                  std::string(c.what) + ": " + hex(result.hr), __LINE__);
    if (c.locked) SafeArrayUnlock(held);
    held->fFeatures &= ~c.feature;
    SafeArrayDestroy(held);
  }

  // not a byte array: an array of 32-bit integers, and a plain number
  SAFEARRAYBOUND bound{3, 0};
  SAFEARRAY* longs = SafeArrayCreate(VT_I4, 1, &bound);
  SAFEARRAY* longs_before = longs;
  VARIANT array_argument;
  V_VT(&array_argument) = VT_ARRAY | VT_I4 | VT_BYREF;
  V_ARRAYREF(&array_argument) = &longs;
  VARIANT number_argument;
  V_VT(&number_argument) = VT_I4;
  V_I4(&number_argument) = 5;
  for (VARIANT* argument : {&array_argument, &number_argument}) {
    CallResult result = server.Call(L"GetDynMenu", argument);
    CHECK_EQ(result.hr, S_OK);
    CHECK(V_VT(&result.value) == VT_BOOL && V_BOOL(&result.value) == VARIANT_FALSE);
  }
  CHECK(longs == longs_before);
  SafeArrayDestroy(longs);
}

// Version numbers, the presence probe, the setters that cannot fail and the
// About dialog that is not in this build.
void small_methods_answer(Checks& checks) {
  Server server = Server::Create();
  CallResult probe = server.Call(L"TestMe");
  CHECK(probe.hr == S_OK && V_VT(&probe.value) == VT_BOOL && V_BOOL(&probe.value) == VARIANT_TRUE);
  struct Case {
    const wchar_t* method;
    short expected;
  };
  for (const Case& c : {Case{L"Major", 1}, Case{L"Minor", 0}, Case{L"Revision", 3}}) {
    CallResult result = server.Call(c.method);
    checks.expect(result.hr == S_OK && V_VT(&result.value) == VT_I2 && V_I2(&result.value) == c.expected,
                  narrow(c.method) + " " + hex(result.hr), __LINE__);
  }
  CHECK_EQ(server.CallWithText(L"SetBuildNo", L"").hr, S_OK);
  CHECK_EQ(server.CallWithText(L"SetBuildNo", L"1234").hr, S_OK);
  CHECK_EQ(server.CallWithByte(L"SetFull", 255).hr, S_OK);
  CHECK_EQ(server.CallWithShort(L"SetFullItemNo", -1).hr, S_OK);
  CallResult about = server.Call(L"ShowAbout");
  CHECK_EQ(about.error.scode, E_NOTIMPL);
  CHECK_EQ(about.description(), L"The About dialog is not available in this build");

  ComPtr<ISupportErrorInfo> support;
  CHECK_EQ(server.dispatch()->QueryInterface(IID_ISupportErrorInfo, &support), S_OK);
  if (support) CHECK_EQ(support->InterfaceSupportsErrorInfo(module_ids(arguments().dll).interface_id), S_OK);
}

// Each object holds its own generator state.
void objects_are_independent(Checks& checks) {
  HostModel first_model = demo_model();
  HostModel second_model = demo_model();
  Server first = Server::Create();
  Server second = Server::Create();
  first.Configure(first_model, L"demo", 2);
  second.Configure(second_model, L"other", 1);
  CallResult from_first = first.Generate(first_model);
  CallResult from_second = second.Generate(second_model);
  CHECK_EQ(from_first.text(), kDemoStyleBlock + kDemoCompleteTail);
  CHECK(from_second.text().find(L"drupalgroup=other=new Menu(") != std::wstring::npos);
  CHECK_EQ(first.Generate(first_model).text(), from_first.text());
}

HRESULT dll_can_unload_now() {
  HMODULE module = GetModuleHandleW(L"zopDrupal.dll");
  auto entry = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
  return entry ? entry() : E_FAIL;
}

// The module stays loaded while an object lives or a lock is held; the
// object releases the host's collections with itself.
void releasing_every_object_allows_unloading(Checks& checks) {
  const long fakes_before = FakeDispatch::live_objects();
  {
    HostModel model = demo_model();
    Server server = Server::Create();
    server.Configure(model, L"demo", 0);
    CHECK_EQ(server.Generate(model).hr, S_OK);
    CHECK_EQ(dll_can_unload_now(), S_FALSE);
  }
  CHECK_EQ(FakeDispatch::live_objects(), fakes_before);
  CHECK_EQ(dll_can_unload_now(), S_OK);

  ComPtr<IClassFactory> factory;
  CHECK_EQ(CoGetClassObject(module_ids(arguments().dll).class_id, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                            &factory),
           S_OK);
  if (!factory) return;
  factory->LockServer(TRUE);
  CHECK_EQ(dll_can_unload_now(), S_FALSE);
  factory->LockServer(FALSE);
  CHECK_EQ(dll_can_unload_now(), S_OK);
}

struct Usage {
  std::uintptr_t next_handle = 0;
  SIZE_T committed_bytes = 0;
};

// Handle tables hand out the lowest free slot, so the value of a fresh
// handle rises when handles leak. (Wine counts no handles per process.)
Usage process_usage() {
  Usage usage;
  HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  usage.next_handle = reinterpret_cast<std::uintptr_t>(probe);
  CloseHandle(probe);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  usage.committed_bytes = counters.PagefileUsage;
  return usage;
}

void generate_once(BYTE full) {
  HostModel model = demo_model();
  Server server = Server::Create();
  server.Configure(model, L"demo", full);
  server.Generate(model);
  SAFEARRAY* array = nullptr;
  server.GetDynMenu(&array);
  SafeArrayDestroy(array);
}

// A thousand create/generate/release cycles leave handles and memory where
// they were, within a generous margin for the heap's own bookkeeping.
void thousand_cycles_do_not_grow(Checks& checks) {
  for (int i = 0; i < 50; ++i) generate_once(static_cast<BYTE>(i % 3));
  const Usage before = process_usage();
  for (int i = 0; i < 1000; ++i) generate_once(static_cast<BYTE>(i % 3));
  const Usage after = process_usage();
  std::printf("    next handle %#lx -> %#lx, committed bytes %lu -> %lu\n",
              static_cast<unsigned long>(before.next_handle), static_cast<unsigned long>(after.next_handle),
              static_cast<unsigned long>(before.committed_bytes), static_cast<unsigned long>(after.committed_bytes));
  CHECK(after.next_handle <= before.next_handle + 16 * 4);  // handle values step by 4
  CHECK(after.committed_bytes <= before.committed_bytes + 2 * 1024 * 1024);
  CHECK_EQ(FakeDispatch::live_objects(), 0l);
}

}  // namespace

std::vector<TestCase> server_tests() {
  return {
      {"worked examples are byte-exact through IDispatch", worked_examples_are_byte_exact},
      {"StyleID is written as VT_I2 when matched and VT_I4 when appended", style_ids_carry_their_variant_type},
      {"generator errors reach the caller with HRESULT and description", generator_errors_reach_the_caller},
      {"generation without collections fails with error 91", generation_without_collections_fails},
      {"host failures pass through unchanged", host_failures_pass_through},
      {"a collection without default member or Item gives error 438", collection_without_lookup_is_error_438},
      {"GetDynMenu delivers the runtime library", get_dyn_menu_delivers_the_runtime_library},
      {"TestMe, version numbers, setters and ShowAbout answer", small_methods_answer},
      {"two objects are independent", objects_are_independent},
      {"releasing every object allows unloading", releasing_every_object_allows_unloading},
      {"a thousand create/generate/release cycles do not grow", thousand_cycles_do_not_grow},
  };
}

}  // namespace zop::test
