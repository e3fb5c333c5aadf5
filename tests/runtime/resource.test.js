// The shipped resource: its bytes, its layout and the globals it defines.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("fs");
const path = require("path");
const vm = require("vm");
const { loadPage, shippedBytes, MARKER, HOST_DECLARATION, ROOT } = require("./harness.js");
const { minify, checkShipped } = require("../../runtime/build.js");

const FUNCTIONS = ["imgldl", "imgnldl", "kP", "GroupStyle", "CopyGroupStyle", "ItemStyle",
  "CopyItemStyle", "Item", "Menu", "Submenu", "ProduceMenu", "$P2", "dqr", "evl", "_as", "_gs",
  "_ib", "_ul", "_in", "_if", "Tr"];
const VARIABLES = ["$al", "$ia", "$cr", "ISP", "GSP", "MP", "GP", "IP", "n", "_D", "gstyleid",
  "istyleid", "GSC", "ISC", "_tis", "_tgs", "aCS", "$X", "$x", "zopD", "ic", "zopImagesColl",
  "zopSepr"];

test("the resource is one line of printable ASCII opening with the version comment", () => {
  const bytes = shippedBytes();
  assert.ok(bytes.length > 0);
  assert.equal(bytes.subarray(0, 13).toString("latin1"), "/* Version */");
  for (const b of bytes) assert.ok(b >= 0x20 && b <= 0x7e, `byte ${b} is not printable ASCII`);
});

test("the build is deterministic and the file is its output", () => {
  const source = fs.readFileSync(path.join(ROOT, "runtime/zopDynMenus.src.js"), "utf8");
  const once = minify(source);
  assert.equal(minify(source), once);
  assert.equal(shippedBytes().toString("latin1"), once);
});

test("the marker stands after a comma inside the declaration, and completes the script only when replaced", () => {
  const text = shippedBytes().toString("latin1");
  assert.match(text, /;var n=null,[^;]*,zopD=1,\/\*zopDynMenus\*\/;/);
  assert.equal(text.split(MARKER).length, 2);
  assert.throws(() => new vm.Script(text), SyntaxError);
  assert.doesNotThrow(() => new vm.Script(text.replace(MARKER, HOST_DECLARATION)));
});

test("top-level statements come in their fixed order", () => {
  const text = shippedBytes().toString("latin1");
  const order = ["var $al=", "var $ia=", "var $cr=", "var ISP=", "var GSP=", "var MP=", "var GP=",
    "var IP=", "var n=null,", 'if(typeof ic=="undefined")', "var zopSepr=",
    ...FUNCTIONS.map((f) => `}function ${f}(`).map((s, i) => (i === 0 ? s.replace("}", ";") : s))];
  let at = 0;
  for (const piece of order) {
    const next = text.indexOf(piece, at);
    assert.ok(next >= at, `${piece} is missing or out of order`);
    at = next + piece.length;
  }
});

test("the library adds exactly its documented globals, with their initial values", () => {
  const globalNames = "Object.keys(globalThis)";
  const bare = vm.createContext({});
  vm.runInContext(fs.readFileSync(path.join(ROOT, "tests/support/recording-engine.js"), "utf8"), bare);
  const engineNames = new Set(vm.runInContext(globalNames, bare));
  const page = loadPage();
  const added = [...page.run(globalNames)].filter((k) => !engineNames.has(k) && k !== "document");
  assert.deepEqual(added.sort(), [...FUNCTIONS, ...VARIABLES, "zopHostDeclaration"].sort());
  for (const f of FUNCTIONS) assert.equal(typeof page.context[f], "function", f);

  const g = page.run(`[n, _D, gstyleid, istyleid, GSC.length, ISC.length, _tis, _tgs,
    aCS === zopCreateCSS, $X.length, $x, zopD, ic, zopImagesColl.length, zopSepr]`);
  assert.deepEqual(JSON.parse(JSON.stringify(g, (k, v) => (v === undefined ? "u" : v))),
    [null, "@@##", 0, 0, 0, 0, "u", "u", true, 0, 0, 1, 0, 0, ["0", "", "", ""]]);
  assert.equal(page.run("kP() !== kP() && Array.isArray(kP()) && kP().length"), 0);
});

test("without the engine the declaration stops the load at aCS", () => {
  const context = vm.createContext({});
  const text = shippedBytes().toString("latin1").replace(MARKER, HOST_DECLARATION);
  assert.throws(() => vm.runInContext(text, context), (e) => e.name === "ReferenceError" && /zopCreateCSS/.test(e.message));
  assert.equal(vm.runInContext("typeof zopSepr + typeof ic + typeof ProduceMenu", context), "undefinedundefinedfunction");
});

test("the build refuses a source that relies on line breaks as statement ends", () => {
  assert.throws(() => minify("var a = 1\nvar b = 2;"), /line break/);
  assert.throws(() => minify("x = y\n(z);"), /line break/);
  assert.equal(minify("if (a)\n  b = 1;\nvar c = a\n  .b;"), "if(a)b=1;var c=a.b;");
  assert.equal(minify("/* Version */\n// gone\nvar a = b + +c, d = /[/]'/g; /* gone */"),
    "/* Version */var a=b+ +c,d=/[/]'/g;");
});

test("the build refuses output that breaks the layout", () => {
  const good = "/* Version */var a=1,/*zopDynMenus*/;";
  assert.doesNotThrow(() => checkShipped(good));
  for (const bad of ["var a=1,/*zopDynMenus*/;", "/* Version */var a='\u00e9',/*zopDynMenus*/;",
    "/* Version */var a=1 /*zopDynMenus*/;", "/* Version */var a='</script>',/*zopDynMenus*/;",
    "/* Version */var a=1,/*zopDynMenus*/;a(", "/* Version */var a=1,/*zopDynMenus*/;\n"]) {
    assert.throws(() => checkShipped(bad), undefined, bad);
  }
});

test("ProduceMenu and $P2 carry identical copies of their production helpers", () => {
  const text = shippedBytes().toString("latin1");
  const first = text.indexOf("function resolve(");
  const copy = text.slice(first, text.indexOf("if(!GSC.length)", first));
  const second = text.indexOf("function resolve(", first + 1);
  assert.ok(copy.length > 100 && second > first);
  assert.equal(text.slice(second, second + copy.length), copy);
  assert.ok(text.startsWith("g.$2v();", second + copy.length));
});
