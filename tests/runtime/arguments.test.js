// Argument strings: splitting, value types, escaping, and which names may be set.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const { loadPage } = require("./harness.js");

// Applies `args` to a new item (the object that takes any name) and returns it.
function settle(page, args) {
  page.context.args = args;
  return page.run("new Menu().newItem(args)");
}

test("settings become properties with texts and numbers told apart", () => {
  const page = loadPage();
  const cases = [
    ["name=a;color0=#FF0000;padding0=3;margin0=2,1", { name: "a", color0: "#FF0000", padding0: 3, margin0: "2,1" }],
    ["a= 5 ;b=0x10;c=010;d=08;e=-1;f=1e3;g=.5", { a: 5, b: 16, c: 8, d: 8, e: -1, f: 1000, g: 0.5 }],
    ["a=   ;b=1,5;c=5px;d=Infinity;e=0x", { a: "   ", b: "1,5", c: "5px", d: Infinity, e: "0x" }],
    ["name=", { name: "''" }],
    ["a=1;;b=2;", { a: 1, b: 2 }],
    ["text0=x;y;z=1", { text0: "x;y", z: 1 }],
    ["text0=x;;y", { text0: "x;y" }],
    ["name=a=b", { name: "a=b" }],
    ["padding0=1;padding0=2", { padding0: 2 }],
    ["text0=<span style=\"color:red;font-weight:bold\">x</span>;url=p.htm",
      { text0: "<span style=\"color:red;font-weight:bold\">x</span>", url: "p.htm" }],
    ["text0=<b>x</b>;text1=<i>y</i>", { text0: "<b>x</b>;text1=<i>y</i>", text1: undefined }],
    ["text0=a;<a href=x>b</a>", { text0: "a;<a href=x>b</a>" }],
    [" status = x ", { status: " x " }],
  ];
  for (const [args, expected] of cases) {
    const item = settle(page, args);
    for (const [name, value] of Object.entries(expected)) assert.equal(item[name], value, `${args} -> ${name}`);
  }
});

test("evl returns one assignment text per closed setting, at the piece that closed it", () => {
  const page = loadPage();
  assert.deepEqual([...page.run('evl("a=1;;b=x;")')], ["", "", "a=1;", "", "b=\"x\";"]);
  assert.deepEqual([...page.run('evl("t=a\\"b\\\\\\\\c;n=")')], ["", "t=\"a\\\"b\\\\\\\\c\";", "n=\"''\";"]);
});

test("texts with quotes, backslashes and the old placeholder arrive unchanged", () => {
  const page = loadPage();
  for (const value of ["a\"b", "c:\\dir\\", "\\\"", "x@@##y", "@@##", "\\@@##\"", "\"+alert(1)+\""]) {
    assert.equal(settle(page, "text0=" + value).text0, value);
  }
  assert.equal(page.run('dqr("a\\"b\\\\c@@##")'), "a\\\"b\\\\c@@##");
  assert.equal(page.run('Tr("  a b  ")'), "a b");
  assert.equal(page.run('Tr("\\ta ")'), "\ta");
});

test("a dotted path of property names sets a nested property", () => {
  const page = loadPage();
  page.run("var it = new Menu().newItem('text0=x'); it.extra = {};");
  page.run("evl(' extra . deep =7;extra.word=w', it)");
  assert.equal(page.run("it.extra.deep + it.extra.word"), "7w");
});

test("a name that is not a property path throws before any of its setting is evaluated", () => {
  const page = loadPage();
  page.run("var hits = 0; function alert() { hits++; return 'k'; } var x = {};");
  const names = ["x[alert(1)]", "alert(1)||x", "__proto__", "a.prototype", "constructor",
    "a.constructor.b", "x.__proto__.polluted", "", "1a", "a..b", "a b", "a-b", "a//", "a\tb"];
  for (const name of names) {
    page.context.args = "color0=#111111;" + name + "=" + "alert(2);color1=#222222";
    assert.throws(() => page.run("st = null; new ItemStyle(args)"), (e) => e.name === "Error" && /setting name/.test(e.message), name);
    // The style was entered in its registry; the settings before the bad one stay.
    const st = page.run("ISC[ISC.length - 1]");
    assert.equal(st.color0, "#111111");
    assert.equal(st.color1, "#FFFFFF");
  }
  assert.equal(page.run("hits"), 0);
  assert.equal(page.run("({}).polluted"), undefined);
});

test("a text value with a line break fails as before", () => {
  const page = loadPage();
  page.context.args = "text0=a\nb";
  assert.throws(() => page.run("new Menu().newItem(args)"), (e) => e.name === "SyntaxError");
});
