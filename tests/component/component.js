// The script-host test of zopDrupal.zopDRPL: run as
//   wine cscript.exe //nologo component.js
// The host objects are JScript objects; the collections are functions, whose
// call is their default member. Wine's script host exits 0 even on a script
// error, so everything runs inside try/catch and ends in WScript.Quit.
var passed = 0;
var failed = 0;

function test(name, body) {
  WScript.Echo(name);
  try {
    body();
    passed++;
    WScript.Echo("  ok");
  } catch (e) {
    failed++;
    WScript.Echo("    " + (e.description || e.message || e) + " (" + e.number + ")");
    WScript.Echo("  FAILED");
  }
}

function expect(ok, what) {
  if (!ok) throw new Error(what);
}

// A collection look-up that fails like the host's collections for a missing key.
function collection(entries) {
  return function (key) {
    if (!entries.hasOwnProperty(key)) {
      var missing = new Error("no entry \"" + key + "\"");
      missing.number = 0x800A0005 | 0;
      throw missing;
    }
    return entries[key];
  };
}

function itemPart(styleString) {
  return { ItemStyleStringDyn: styleString, StyleID: 0 };
}

function groupStyle() {
  return { GroupStyleStringDyn: "bgcolor=#FFFFFF", HeaderItem: itemPart("color0=#666666"),
           FooterItem: itemPart("color0=#666666") };
}

// The demo menu: the root M0 with the item I1, its designated child.
function demoHost() {
  var m0 = { Key: "M0", Children: 1 };
  var i1 = { Key: "I1", Parent: m0, Children: 0 };
  m0.Child = i1;
  m0.DesignatedChild = i1;
  var menus = {
    M0: { GroupStyleStringDyn: "bgcolor=#FFFFFF", HeaderShow: false, FooterShow: false, StyleID: 0,
          DynamicJS: "new Menu(\"style=demo_main_group_style\")" },
    I1: { ItemStyleStringDyn: "color0=#FF0000", StyleID: 0, DrupalID: "",
          DynamicJS: ".newItem(\"style=demo_itemstyle10;text0=Home\")",
          DynamicJSscript0: "", DynamicJSscript1: "", DynamicJSscript2: "" }
  };
  var styles = {
    "Main Group Style": groupStyle(), "Sub Groups Style": groupStyle(), "Sub Groups Style+": groupStyle(),
    "Main Items Style": { ItemStyleStringDyn: "color0=#000000" },
    "Sub Items Style": { ItemStyleStringDyn: "color0=#333333" },
    "Sub Items Style+": { ItemStyleStringDyn: "color0=#333333" }
  };
  return { menus: menus, menuColl: collection(menus), styleColl: collection(styles),
           nodes: collection({ M0: m0, I1: i1 }) };
}

function configured(host, full) {
  var server = new ActiveXObject("zopDrupal.zopDRPL");
  server.SetMenuName("demo");
  server.SetMenuColl(host.menuColl);
  server.SetStyleColl(host.styleColl);
  server.SetFull(full);
  server.SetFullItemNo(0);
  return server;
}

// The error that a call raises, or null.
function errorOf(call) {
  try {
    call();
  } catch (e) {
    return e;
  }
  return null;
}

var itemStyles = [
  "main_item_style;color0=#000000", "sub_item_style;color0=#333333", "sub_item_plus_style;color0=#333333",
  "main_group_header_style;color0=#666666", "main_group_footer_style;color0=#666666",
  "sub_group_header_style;color0=#666666", "sub_group_footer_style;color0=#666666",
  "sub_group_plus_header_style;color0=#666666", "sub_group_plus_footer_style;color0=#666666",
  "itemstyle10;color0=#FF0000"];
var groupStyles = ["main_group_style", "sub_group_style", "sub_group_plus_style"];
var copies = [
  "grsc1=CopyGroupStyle(grs1,\"main_group_style\");", "grsc2=CopyGroupStyle(grs2,\"sub_group_style\");",
  "grsc3=CopyGroupStyle(grs3,\"sub_group_plus_style\");", "itsc1=CopyItemStyle(its1,\"main_item_style\");",
  "itsc2=CopyItemStyle(its2,\"sub_item_style\");", "itsc3=CopyItemStyle(its3,\"sub_item_plus_style\");",
  "itsc4=CopyItemStyle(its4,\"main_group_header_style\");", "itsc5=CopyItemStyle(its5,\"main_group_footer_style\");",
  "itsc6=CopyItemStyle(its6,\"sub_group_header_style\");", "itsc7=CopyItemStyle(its7,\"sub_group_footer_style\");",
  "itsc8=CopyItemStyle(its8,\"sub_group_plus_header_style\");",
  "itsc9=CopyItemStyle(its9,\"sub_group_plus_footer_style\");"];

function demoCompleteScript() {
  var lines = [];
  for (var i = 0; i < itemStyles.length; i++) {
    lines.push("its" + (i + 1) + "=new ItemStyle(\"name=demo_" + itemStyles[i] + "\");");
  }
  for (var g = 0; g < groupStyles.length; g++) {
    lines.push("grs" + (g + 1) + "=new GroupStyle(\"name=demo_" + groupStyles[g] + ";bgcolor=#FFFFFF\");");
  }
  lines = lines.concat(copies);
  lines.push("demo=new Menu(\"style=demo_main_group_style\")");
  lines.push("I1=demo.newItem(\"style=demo_itemstyle10;text0=Home\")");
  return lines.join("\r\n");
}

try {
  test("a menu of JScript objects generates the demo script", function () {
    var host = demoHost();
    var script = configured(host, 2).GetStringOfStyles2(host.nodes);
    expect(script === demoCompleteScript(), "unexpected script:\n" + script);
    expect(host.menus.I1.StyleID === 10 && host.menus.M0.StyleID === 1, "StyleID not written back");
  });

  test("probe, version numbers, and GetDynMenu without a byte array", function () {
    var server = new ActiveXObject("zopDrupal.zopDRPL");
    expect(server.TestMe() === true, "TestMe");
    expect(server.Major() === 1 && server.Minor() === 0 && server.Revision() === 3, "version numbers");
    var notAByteArray = [1, 2, 3];
    expect(server.GetDynMenu(notAByteArray) === false, "GetDynMenu without a byte array");
  });

  test("errors reach the script with number and description", function () {
    var host = demoHost();
    delete host.menus.I1.DynamicJSscript1;
    var unsupported = errorOf(function () { configured(host, 0).GetStringOfStyles2(host.nodes); });
    expect(unsupported && unsupported.number === (0x800A01B6 | 0), "438 expected, got " + (unsupported && unsupported.number));
    expect(unsupported.description.indexOf("Object doesn't support this property or method") === 0,
           "description: " + unsupported.description);

    host = demoHost();
    host.menus.I1.DynamicJS = ".newItem(x)";
    var invalid = errorOf(function () { configured(host, 0).GetStringOfStyles2(host.nodes); });
    expect(invalid && invalid.number === (0x800A0005 | 0), "5 expected");
    expect(invalid.description.indexOf("Invalid procedure call or argument") === 0, "description: " + invalid.description);
  });

  // Wine's JScript hands out the number of an error thrown by a script
  // function, but not its description, so only the number is compared.
  test("the host's own error passes through", function () {
    var host = demoHost();
    host.menuColl = function () {
      var broken = new Error("the host broke");
      broken.number = 0x80040123 | 0;
      throw broken;
    };
    var failure = errorOf(function () { configured(host, 0).GetStringOfStyles2(host.nodes); });
    expect(failure && failure.number === (0x80040123 | 0), "host error number, got " + (failure && failure.number));
  });
} catch (e) {
  failed++;
  WScript.Echo("script error: " + (e.description || e.message));
}
WScript.Echo(passed + " passed, " + failed + " failed");
WScript.Quit(failed === 0 ? 0 : 1);
