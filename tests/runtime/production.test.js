// ProduceMenu and $P2: style numbering, the engine calls and their arguments,
// image fields, separators, margins and the container table.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const { loadPage, plain } = require("./harness.js");

const U = "<undefined>";

function produced(script, options) {
  const page = loadPage(options);
  page.produce(script);
  return page;
}

// Gives every table property of `variable` a distinct value "<prefix><row>"
// (numbers for the rows in `numeric`), so arguments show where they come from.
function markAll(table, variable, prefix, overrides) {
  return `for (var k = 0; k < ${table}.length; k++) ${variable}[${table}[k][0]] = '${prefix}' + k;` +
    Object.entries(overrides || {}).map(([name, value]) => `${variable}.${name} = ${JSON.stringify(value)};`).join("");
}

test("without declared styles production makes one default of each kind", () => {
  const page = produced("m = new Menu('text=H'); m.newItem('text0=a;style=nothing');");
  assert.equal(page.run("GSC.length === 1 && GSC[0] === _tgs && ISC.length === 1 && ISC[0] === _tis"), true);
  assert.equal(page.run("_tgs.id + '/' + _tis.id + '/' + _tis.name"), "0/1/undefined");
  assert.equal(page.callsOf("zopCreateCSS").length, 4);
  assert.equal(page.callsOf("zopCreateMenu")[0].args[13], 0);
  for (const call of page.callsOf("addItem")) assert.deepEqual(call.args.slice(0, 3), [1, 2, 3]);
});

test("style ids follow the engine's CSS entries; names resolve to the first match, else to entry 0", () => {
  const page = produced(`g1 = new GroupStyle('name=ga'); g2 = new GroupStyle('name=gb');
    i1 = new ItemStyle('name=ia'); i2 = new ItemStyle('name=ib'); i3 = new ItemStyle('name=ib;color0=#2');
    m = new Menu('style=gb;headerstyle=nobody;text=H');
    a = m.newItem('style=ib'); b = m.newItem('style=missing'); c = m.newItem();
    c.style = i3; a.newGroup('style=ghost').newItem('style=ia');`);
  assert.deepEqual([...page.run("[g1.id, g2.id, i1.id, i2.id, i3.id]")], [0, 1, 2, 5, 8]);
  const css = page.callsOf("zopCreateCSS");
  assert.equal(css.length, 11);
  assert.equal(css[10].args[3], "#FFFFFF");
  assert.equal(css[8].args[3], "#2");
  assert.equal(page.callsOf("zopCreateMenu")[0].args[13], 1);
  const items = page.callsOf("addItem").map((c) => c.args.slice(0, 3));
  assert.deepEqual(items, [[2, 3, 4], [5, 6, 7], [2, 3, 4], [2, 3, 4], [8, 9, 10]]);
  assert.equal(page.callsOf("addSubmenu")[0].args[7], 0);
  // The name stays in the property; the vector holds the resolved style.
  assert.equal(page.run("a.style === 'ib' && a.v[7] === i2 && b.v[7] === i1 && m.v[13] === i1"), true);
});

test("an invisible menu hands over the CSS and nothing else", () => {
  const page = produced("new ItemStyle(); m = new Menu('visible=0;text=H'); m.newItem('text0=a');");
  assert.deepEqual(page.calls.map((c) => c.fn), ["zopCreateCSS", "zopCreateCSS", "zopCreateCSS", "zopCreateCSS"]);
  assert.equal(page.run("zopD + '/' + $x + '/' + $X.length"), "1/0/0");
});

test("zopCreateMenu receives the menu's and its group style's values in their places", () => {
  const page = produced(`st = new GroupStyle(); ${markAll("GSP", "st", "s", { type: 0 })}
    m = new Menu(); ${markAll("MP", "m", "m", { autoHighlight: 1, autoHighlightType: 0, visible: 1, footertext: "" })}
    m.text = ''; m.image = null; m.style = st; m.footerstyle = null;`);
  const expected = ["m31", 0, 0, "s13", "s22", 0, "m0", "m1", "m3", "m4", "m5", "m2", 0, 0, "s6", 1,
    "s7", "m7", "m8", "s1", "m6", "m11", "m4", "m5", "s14", "s15", "s16", "s17", "s18", "s19", "s23",
    "m22", "s20,s21,s24", "m32", "m33", "m34", "m35", "m36", "m37", "m38", "m39", 0, "m29", "m23",
    "m24", "m25", 0, "m28", "m29", "m30"];
  const [create] = page.callsOf("zopCreateMenu");
  assert.deepEqual(plain(create.args), expected);
  assert.equal(page.run("zopD + '/' + $X.length + '/' + $x"), "0/1/1");
  assert.equal(page.run("$X[0]"), create.result);
  assert.deepEqual(page.calls.slice(-1).map((c) => [c.fn, c.on]), [["buildMenu", create.result.id]]);

  const other = produced(`st = new GroupStyle('type=2;uniform=u'); m = new Menu('autoHighlight=1;autoHighlightType=2;autoHighlightState=9');`);
  assert.deepEqual(plain(other.callsOf("zopCreateMenu")[0].args).filter((_, k) => [12, 15, 16, 42].includes(k)), [2, "u", 1, 0]);
  const off = produced(`new GroupStyle('uniform=u'); m = new Menu('autoHighlight=0;autoHighlightState=9');`);
  assert.deepEqual(plain(off.callsOf("zopCreateMenu")[0].args).filter((_, k) => [15, 16, 42].includes(k)), [1, "u", 0]);
});

test("addSubmenu receives the group's and its style's values in their places", () => {
  const page = produced(`new GroupStyle(); st = new GroupStyle(); ${markAll("GSP", "st", "s", { type: 1 })}
    m = new Menu(); i = m.newItem('text0=a'); g = i.newGroup();
    ${markAll("GP", "g", "g", { visible: 1, text: "", image: null, footertext: 0, footerimage: null })}
    g.style = st;`);
  const expected = [1, "s12", "s11", "s13", "s22", "s26", "s25", 1, "s6", "s7", 1, "g3", "g4", "s1",
    "s10", "g5", "s14", "s15", "s16", "s17", "s18", "s19", "s23", "s20,s21,s24", "s37",
    "s27,s28,s29,s30,s31,s32,s33,s34,s35,s36"];
  const [sub] = page.callsOf("addSubmenu");
  assert.deepEqual(plain(sub.args), expected);
  assert.equal(page.run("$X[1] === zopCalls[zopCalls.length - 2].result && $x"), 2);
  const defaults = produced("m = new Menu(); m.newItem().newGroup();");
  assert.deepEqual(plain(defaults.callsOf("addSubmenu")[0].args).slice(23),
    ["0,0,0", 0, "0,0,0,0,0,0,10,0,0,1"]);
});

test("addItem receives the item's and its style's values in their places", () => {
  const page = produced(`st = new ItemStyle(); ${markAll("ISP", "st", "t", { margin0: "1,0", margin1: "0,1", margin2: "2,2" })}
    m = new Menu(); it = m.newItem();
    ${markAll("IP", "it", "i", { visible: 1, submenu: null, sepWidth: 0 })}`);
  const [item] = page.callsOf("addItem");
  assert.deepEqual(plain(item.args), [1, 2, 3, " i2", "i3 ", "  i4  ", "i8", "i6", "i11", "i12", "i13",
    "i10", "i5", "t33", "t34", 2, 0, "i24", "i25", "t52"]);
});

test("item texts, tooltip and status fall back as documented", () => {
  const page = produced(`new ItemStyle('margin0=1,0;margin1=0,1;margin2=2,x'); m = new Menu();
    m.newItem('text0=a;url=u.htm'); m.newItem('text0=b;text2=c;status=st;tooltip=tt'); m.newItem();`);
  const args = page.callsOf("addItem").map((c) => plain(c.args).slice(3, 8));
  assert.deepEqual(args, [
    [" a", "a ", "  a", "", "u.htm"],
    [" b", "b ", "  c", "tt", "st"],
    [U, U, U, "", ""],
  ]);
});

test("text margins pad by whole counts and leave odd margins alone", () => {
  const page = loadPage();
  const cases = [["t", "0,0", "t"], ["t", "2,3", "  t   "], ["t", "2", "t"], ["t", "1,2,3", "t"],
    ["t", "1.5,0.2", "  t "], ["t", "x,1", "t "], ["", "1,1", "  "], ["t", 5, "t"]];
  for (const [s, r, expected] of cases) {
    page.context.args = [s, r];
    assert.equal(page.run("_as(args[0], args[1])"), expected, `${s} ${r}`);
  }
  assert.equal(page.run("_as(null, '1,1')"), undefined);
});

test("headers and footers take their own texts, styles, images and movable value", () => {
  const page = produced(`new GroupStyle(); new ItemStyle(); hs = new ItemStyle('name=h;margin0=1,1'); fs = new ItemStyle('name=f');
    m = new Menu('movable=1;text=Head;tooltip=tip;headerstyle=h;image=hi.png;imagealign=left;footertext=Foot;footerstyle=f;footertooltip=ft;footerimage=fi.png;footerimagealign=bottom');
    i = m.newItem('text0=a');
    i.newGroup('text=GH;tooltip=gt;headerstyle=f;image=gi.png;imagealign=top;footertext=GF;footerstyle=h;footerimage=fi.png');`);
  const calls = page.calls.filter((c) => c.fn === "addItem");
  const menuId = page.callsOf("zopCreateMenu")[0].result.id;
  const groupId = page.callsOf("addSubmenu")[0].result.id;
  const row = (c) => plain(c.args);
  const nulls5 = [null, null, null, null, null];
  assert.deepEqual(calls.map((c) => c.on), [menuId, menuId, groupId, groupId, menuId]);
  assert.deepEqual(row(calls[0]), [4, 5, 6, " Head ", null, null, "tip", "", ...nulls5, 0, 0, 1, 0]);
  assert.deepEqual(row(calls[2]), [7, 8, 9, "GH", null, null, "gt", "", ...nulls5, 0, 0, 0, 0]);
  assert.deepEqual(row(calls[3]), [4, 5, 6, " GF ", null, null, "", "", ...nulls5, 0, 0, 0, 0]);
  assert.deepEqual(row(calls[4]), [7, 8, 9, "Foot", null, null, "ft", "", ...nulls5, 0, 0, 1, 0]);
  assert.equal(row(calls[1])[15], 2);
  const fields = (c) => [c.result.ii, c.result.ia].map((a) => [...a]);
  assert.deepEqual(fields(calls[0]), [[0, 0, 0], [3, 3, 3]]);
  assert.deepEqual(fields(calls[2]), [[1, 1, 1], [0, 0, 0]]);
  assert.deepEqual(fields(calls[3]), [[2, 2, 2], [1, 1, 1]]);
  assert.deepEqual(fields(calls[4]), [[2, 2, 2], [2, 2, 2]]);
  assert.equal(calls[0].result.hsi, undefined);
});

test("a menu footer needs text or a style; a group footer text or an image", () => {
  const imageOnly = produced("m = new Menu('footerimage=f.png'); m.newItem('text0=a').newGroup('footerimage=g.png');");
  const adds = imageOnly.callsOf("addItem");
  assert.equal(adds.length, 2);
  assert.deepEqual([...adds[1].result.ii], [0, 0, 0]);
  assert.equal(imageOnly.run("zopImagesColl[0]"), "g.png");
  const styleOnly = produced("new ItemStyle(); new ItemStyle('name=f'); m = new Menu('footerstyle=f');");
  assert.deepEqual(plain(styleOnly.callsOf("addItem")[0].args).slice(0, 4), [4, 5, 6, U]);
  const none = produced("m = new Menu('text=;footertext=0;image=');");
  assert.equal(none.callsOf("addItem").length, 1);
});

test("image fields: per-state images, background positions, floating images and indicators", () => {
  // An empty text is a given image name that names no image.
  const page = produced(`st = new ItemStyle('leftimage0=l0.png;leftimage2=l2.png;rightimage1=r1.png;bgimage0=bg.png;bgimagepos0=7;bgimagepos1=8;bgimagepos2=9;' +
      'floatingimage1=f1.png;floatingimageanchor1=2;floatingimageitemanchor1=3;floatingimageoffsetx1=4;floatingimageoffsety1=5;' +
      'subimage0=s.png;subimage1=l0.png;subimagewidth1=9');
    st.bgimage2 = ''; st.floatingimage2 = '';
    m = new Menu(); a = m.newItem('image0=i0.png;image1=l0.png;imagealign0=left;imagealign1=top;imagealign2=middle');
    a.newGroup().newItem('text0=x');`);
  const [first] = page.callsOf("addItem");
  const e = first.result;
  assert.deepEqual(plain([e.lI, e.rI, e.ii, e.ia, e.bIP]), [[1, null, 2], [null, 3, null], [4, 1, null], [3, 0, U], [7, 0, 9]]);
  assert.deepEqual(plain(e.fI$), [null, { image: 5, anchor: 2, itemAnchor: 3, offsetX: 4, offsetY: 5 }, null]);
  assert.deepEqual(plain(e.hsi), [6, 1, null]);
  assert.deepEqual(Object.keys(e).slice(-7), ["lI", "rI", "ii", "ia", "bIP", "fI$", "hsi"]);
  // Names are numbered in production order; an indicator overwrites the width.
  assert.deepEqual(page.run("zopImagesColl.filter(function (x, k) { return k % 3 === 0; })").join(),
    "bg.png,l0.png,l2.png,r1.png,i0.png,f1.png,s.png");
  assert.equal(page.run("zopImagesColl[4]"), 9);
  assert.equal(page.run("zopImagesColl[19]"), 0);
  assert.deepEqual(plain(page.callsOf("zopCF")[0].args), [5, 2, 3, 4, 5]);
  assert.equal(page.run("_if('', 1, 2, 3, 4) === null && _if(null) === null"), true);
});

test("groups take container slots depth first and are produced before the next item", () => {
  const page = produced(`m = new Menu(); A = m.newItem('text0=A'); G1 = A.newGroup(); A1 = G1.newItem('text0=A1');
    G2 = A1.newGroup(); G2.newItem('text0=A2'); B = m.newItem('text0=B'); G3 = B.newGroup(); G3.newItem('text0=B1');`);
  const trace = page.calls.filter((c) => c.fn === "addItem" || c.fn === "addSubmenu")
    .map((c) => (c.fn === "addItem" ? c.args[3] : "sub"));
  assert.deepEqual(trace, ["A", "sub", "A1", "sub", "A2", "B", "sub", "B1"]);
  const subs = page.callsOf("addSubmenu").map((c) => c.result);
  assert.equal(page.run("$x"), 4);
  subs.forEach((group, k) => assert.equal(page.run(`$X[${k + 1}].id`), group.id));
});

test("invisible items and groups are left out without taking numbers or slots", () => {
  const page = produced(`new ItemStyle('subimage0=s.png'); m = new Menu();
    h = m.newItem('text0=h;visible=0;sepWidth=1;sepMargin=0'); h.newGroup().newItem('text0=hidden child');
    v = m.newItem('text0=v'); v.newGroup('visible=0').newItem('text0=child of hidden group');
    w = m.newItem('text0=w;sepWidth=2;sepMargin=1'); w.newGroup('text=G');`);
  const adds = page.callsOf("addItem");
  assert.deepEqual(adds.map((c) => c.args[3]), ["v", "w", "G"]);
  assert.deepEqual(plain(adds[0].result.hsi), [0, null, null]);
  assert.equal(page.callsOf("addSubmenu").length, 1);
  assert.equal(page.run("$x"), 2);
  assert.equal(adds[1].args[16], 1);
});

test("separators get numbers in item order, one entry per qualifying item", () => {
  const page = produced(`m = new Menu();
    m.newItem('sepWidth=1;sepColor=#1;sepColorShadow=#2;sepMargin=0');
    m.newItem('sepWidth=1;sepColor=#1;sepColorShadow=#2;sepMargin=0');
    m.newItem('sepWidth=0;sepMargin=1'); m.newItem('sepWidth=1;sepColor=;sepMargin=1');
    m.newItem('sepWidth=1;sepMargin=-1'); m.newItem('sepWidth=1');
    x = m.newItem('sepWidth=3;sepMargin=2'); x.sepColor = '';`);
  assert.deepEqual(page.callsOf("addItem").map((c) => c.args[16]), [1, 2, 0, 3, 0, 0, 0]);
  assert.deepEqual(plain([...page.run("zopSepr")]),
    ["0", "", "", "", 1, "#1", "#2", 0, 1, "#1", "#2", 0, 1, "''", U, 1]);
});

test("a second production renumbers the styles and continues the tables", () => {
  const page = produced("m = new Menu('text=H'); m.newItem('text0=a').newGroup().newItem('text0=b;sepWidth=1;sepMargin=0');");
  const firstMenu = page.run("$X[0]");
  page.run("zopResetRecording(); new GroupStyle('name=late'); ProduceMenu(m);");
  assert.deepEqual(page.callsOf("addItem").map((c) => c.args[0]), [2, 2, 2]);
  assert.equal(page.run("$x"), 4);
  assert.notEqual(page.run("$X[0]"), firstMenu);
  assert.equal(page.callsOf("addItem")[2].args[16], 2);
});
