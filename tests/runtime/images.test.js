// The image registry: numbers, hidden image tags, sizes and sharing.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const { loadPage } = require("./harness.js");

function enter(page, ...args) {
  page.context.args = args;
  return page.run("_in.apply(null, args)");
}

test("each distinct name gets one number and one hidden tag", () => {
  const page = loadPage();
  assert.deepEqual([enter(page, "a.png"), enter(page, "b.png"), enter(page, "a.png"), enter(page, "b.png")], [0, 1, 0, 1]);
  assert.deepEqual(page.document.written, [
    "<img id='simg0' src='/menus/images/a.png' onload='imgldl(0)' onerror='imgnldl(0)' style='position:absolute;visibility:hidden'>",
    "<img id='simg3' src='/menus/images/b.png' onload='imgldl(3)' onerror='imgnldl(3)' style='position:absolute;visibility:hidden'>",
  ]);
  assert.deepEqual([...page.run("zopImagesColl")], ["a.png", 0, 0, "b.png", 0, 0]);
  assert.equal(page.run("ic"), 6);
  for (const none of [null, undefined, ""]) assert.equal(enter(page, none), null);
  assert.equal(page.document.written.length, 2);
});

test("a name with markup characters reaches the browser as exactly the address", () => {
  const page = loadPage();
  const names = ["it's.png", "a&amp;b.png", "q\"uote.png", "<b>x</b>.png", "x' onload='alert(1)"];
  names.forEach((name, k) => assert.equal(enter(page, name), k));
  assert.equal(page.document.elements.length, names.length);
  names.forEach((name, k) => {
    const element = page.document.elements[k];
    assert.equal(element.tagName, "IMG");
    assert.deepEqual(element.attributes, {
      id: `simg${3 * k}`,
      src: `/menus/images/${name}`,
      onload: `imgldl(${3 * k})`,
      onerror: `imgnldl(${3 * k})`,
      style: "position:absolute;visibility:hidden",
    });
  });
});

test("load and error handlers record the size; an explicit width overrides until the next load", () => {
  const page = loadPage();
  enter(page, "a.png");
  enter(page, "b.png");
  enter(page, "c.png", 15);
  page.document.finishImage("simg0", "load", 20, 10);
  page.document.finishImage("simg3", "error");
  assert.deepEqual([...page.run("zopImagesColl")], ["a.png", 20, 10, "b.png", 1, 1, "c.png", 15, 0]);
  enter(page, "a.png", 12);
  enter(page, "b.png", undefined);
  assert.deepEqual([...page.run("zopImagesColl")].slice(0, 6), ["a.png", 12, 10, "b.png", undefined, 1]);
  page.document.finishImage("simg6", "load", 30, 40);
  assert.deepEqual([...page.run("zopImagesColl")].slice(6), ["c.png", 30, 40]);
});

test("a registry that the engine made first is shared and continued", () => {
  const page = loadPage({ before: (run) => run("var ic = 6; var zopImagesColl = ['e1.png', 5, 5, 'e2.png', 6, 6];") });
  assert.equal(enter(page, "e2.png"), 1);
  assert.equal(enter(page, "new.png"), 2);
  assert.equal(page.document.elements[0].attributes.id, "simg6");
  assert.equal(page.run("zopImagesColl.length + '/' + ic"), "9/9");
});
