// Menu, Submenu and Item objects: the tree that the generated script builds.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const { loadPage } = require("./harness.js");

test("newItem appends items with the defaults and their position as index, on menus and groups", () => {
  const page = loadPage();
  page.run("m = new Menu(); g = m.newItem('text0=a').newGroup();");
  for (const owner of ["m", "g"]) {
    page.run(`a = ${owner}.newItem(); b = ${owner}.newItem(''); c = ${owner}.newItem('index=7;visible=0'); d = ${owner}.newItem();`);
    const items = page.run(`${owner}.items`);
    assert.equal(items.length, owner === "m" ? 5 : 4);
    const offset = owner === "m" ? 1 : 0;
    ["a", "b", "c", "d"].forEach((name, i) => {
      assert.equal(items[i + offset], page.context[name]);
      assert.equal(page.context[name].index, i + offset);
    });
    for (const [prop, value] of page.context.IP) {
      if (prop !== "index") assert.equal(page.context.a[prop], value, prop);
    }
    assert.equal(page.context.c.visible, 0);
  }
});

test("newItemBefore inserts in front of the very object given, without renumbering", () => {
  const page = loadPage();
  page.run("m = new Menu(); a = m.newItem('text0=a'); b = m.newItem('text0=b');");
  page.run("x = m.newItemBefore(a, 'text0=x'); y = m.newItemBefore(b, 'index=5');");
  assert.deepEqual([...page.run("m.items.map(function (i) { return i.text0 + ':' + i.index; })")],
    ["x:0", "a:0", "undefined:5", "b:1"]);
  // Equal contents are not the same object; a missing object changes nothing.
  assert.equal(page.run("m.newItemBefore(new Item(), 'text0=z')"), null);
  assert.equal(page.run("m.newItemBefore(undefined)"), null);
  assert.equal(page.run("m.items.length"), 4);
  // When the object stands twice, the last place counts.
  page.run("g = a.newGroup(); p = g.newItem(); g.items.push(p); q = g.newItemBefore(p);");
  assert.equal(page.run("g.items.indexOf(q) + '/' + g.items.length"), "1/3");
});

test("a second newGroup replaces the item's group", () => {
  const page = loadPage();
  page.run("m = new Menu(); i = m.newItem(); g1 = i.newGroup('text=one'); g1.newItem(); g2 = i.newGroup();");
  assert.equal(page.run("i.submenu === g2 && g2 !== g1 && g2.items.length === 0 && g1.text === 'one'"), true);
});

test("value vectors are snapshots of the table properties only", () => {
  const page = loadPage();
  page.run("m = new Menu('foo=1;text=t'); i = m.newItem(); g = i.newGroup(); m.$2v(); i.$2v(); g.$2v(); m.text = 'later';");
  assert.deepEqual([page.run("m.v.length"), page.run("g.v.length"), page.run("i.v.length")], [40, 15, 26]);
  assert.equal(page.run("m.v[14]"), "t");
  page.run("m.$2v()");
  assert.equal(page.run("m.v[14]"), "later");
  assert.equal(page.run("m.v.indexOf(1) === 10 && i.v[9] === g"), true);
});

test("every object carries its own methods, bound to it", () => {
  const page = loadPage();
  page.run("m1 = new Menu(); m2 = new Menu(); add = m1.newItem; add('text0=loose');");
  assert.equal(page.run("m1.items.length + '/' + m2.items.length + '/' + (m1.newItem !== m2.newItem)"), "1/0/true");
});

test("a failing setting leaves no item behind, but a group stays attached", () => {
  const page = loadPage();
  page.run("m = new Menu(); i = m.newItem();");
  assert.throws(() => page.run("m.newItem('text0=a;bad name=1')"));
  assert.equal(page.run("m.items.length"), 1);
  assert.throws(() => page.run("i.newGroup('text=kept;bad(name)=1;tooltip=lost')"));
  assert.equal(page.run("i.submenu.text + '/' + i.submenu.tooltip"), "kept/undefined");
});
