// Property tables, runtime styles, their registries and copies, and getCSS.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const { loadPage, plain } = require("./harness.js");

const U = "<undefined>";

// Every row of the five tables, "name=default"; U marks no value, quoted
// defaults are texts and bare ones numbers.
const STATE_ROWS = (s, color) => [`align${s}="center"`, `textfont${s}="sans-serif"`,
  `textsize${s}="14px"`, `textdecor${s}=U`, `color${s}="${color}"`, `padding${s}=0`,
  `margin${s}="0,0"`, `border${s}="none"`, `borderwidth${s}=0`, `bordercolor${s}="#C0C0C0"`,
  `bgcolor${s}=U`];
const TRIPLE = (name, d) => [0, 1, 2].map((s) => `${name}${s}=${d}`);
const TABLES = {
  ISP: [...STATE_ROWS(0, "#000000"), ...STATE_ROWS(1, "#FFFFFF"), ...STATE_ROWS(2, "#FFFFFF"),
    "minwidth=0", "minheight=0", 'cursor="default"', "name=U", ...TRIPLE("bgimage", "U"),
    ...TRIPLE("leftimage", "U"), ...TRIPLE("rightimage", "U"), ...TRIPLE("subimage", "U"),
    ...TRIPLE("subimagewidth", 0), "tooltipstyle=U", ...TRIPLE("bgimagepos", 0),
    ...TRIPLE("floatingimage", "U"), ...TRIPLE("floatingimageanchor", 0),
    ...TRIPLE("floatingimageitemanchor", 0), ...TRIPLE("floatingimageoffsetx", 0),
    ...TRIPLE("floatingimageoffsety", 0)],
  GSP: ["type=0", "opacity=100", "bgcolor=U", 'border="none"', "borderwidth=0",
    'bordercolor="#000000"', "itemdistance=0", "uniform=0", "name=U", "bgimage=U",
    "alignoffset=0", "groupoffset=0", "when=0", "how=0", "groupwidth=0", "scrollbar=-1",
    "divider=1", "showDelay=200", "hideDelay=200", "hideHow=0", 'leftMargin="0"',
    'rightMargin="0"', "showUnfoldEffect=0", "hideUnfoldEffect=0", 'itemsWidenHow="0"',
    'openDirection="0"', 'alignsWith="0"', 'slidingGroup="0"', 'slidingRelativeTo="0"',
    'slidingLeftMargin="0"', 'slidingTopMargin="0"', 'slidingRightMargin="0"',
    'slidingBottomMargin="0"', 'slidingIdentation="10"', 'slidingShrink="0"',
    'slidingStretch="0"', 'slidingWhen="1"', "autoScroll=0"],
  MP: ["movable=0", "drifty=0", "sticky=0", "corner=0", "offsetx=0", "offsety=0",
    "elementrelative=0", "scriptappear=U", "scriptdisappear=U", 'tooltip=""', "visible=1",
    "groupid=0", "style=U", "headerstyle=U", "text=U", "image=U", 'imagealign="right"',
    "footerstyle=U", "footerimage=U", "footertext=U", 'footerimagealign="right"',
    'footertooltip=""', "stickyUntilClick=1", "rememberState=0", "pushPull=0", "ignoreLinks=1",
    "autoHighlight=0", "autoHighlightType=0", "autoHighlightID=0", "autoHighlightState=1",
    "autoHighlightOpenGroup=1", "manualTrigger=0", 'floatFromOffset="0"',
    "floatFromDistanceSide=0", "floatToDistanceSide=0", "floatToDistanceType=0",
    'floatIDFileName=""', "floatToOffset=0", "floatHiddenAbove=0", "floatHiddenBelow=0"],
  GP: ["visible=1", "text=U", "tooltip=U", "scriptappear=U", "scriptdisappear=U", 'groupid=""',
    "style=U", "headerstyle=U", "image=U", 'imagealign="right"', "footerstyle=U",
    "footerimage=U", "footertext=U", 'footerimagealign="right"', 'footertooltip=""'],
  IP: ["index=0", "visible=1", "text0=U", "text1=U", "text2=U", "targetframe=U", "status=U",
    "style=U", "tooltip=U", "submenu=U", "url=U", "script0=U", "script1=U", "script2=U",
    "image0=U", "image1=U", "image2=U", ...TRIPLE("imagealign", '"right"'), "sepWidth=0",
    "sepColor=U", "sepColorShadow=U", "sepMargin=U", "htmlMode=0", 'itemid=""'],
};

function rowText([name, value]) {
  if (value === undefined) return `${name}=U`;
  return `${name}=${typeof value === "string" ? JSON.stringify(value) : value}`;
}

test("the five property tables hold every row and default in order", () => {
  const page = loadPage();
  for (const [table, rows] of Object.entries(TABLES)) {
    assert.deepEqual([...page.context[table]].map(rowText), rows, table);
  }
  assert.equal(page.context.ISP.length, 71);
});

test("no-value rows hold whatever n was before the library loaded", () => {
  const page = loadPage({ before: (run) => run("var n = 'earlier';") });
  assert.equal(page.run("ISP[3][1] + '/' + n"), "earlier/null");
});

test("a style without settings holds the defaults and takes the next registry position", () => {
  const page = loadPage();
  page.run("a = new ItemStyle(); b = new ItemStyle(''); g = new GroupStyle();");
  for (const name of ["a", "b"]) {
    const st = page.context[name];
    for (const [prop, value] of page.context.ISP) assert.equal(st[prop], value, prop);
  }
  assert.equal(page.run("ISC[0] === a && ISC[1] === b && istyleid === 2 && GSC[0] === g && gstyleid === 1"), true);
  assert.equal(page.run("'v' in a || 'id' in a"), false);
});

test("an unknown setting name makes an extra property that the value vector leaves out", () => {
  const page = loadPage();
  page.run("a = new ItemStyle('foo=1'); a.getCSS();");
  assert.equal(page.run("a.foo + '/' + a.v.length"), "1/71");
});

test("a copy takes the next position, the source's values and its new name", () => {
  const page = loadPage();
  page.run(`src = new ItemStyle('name=s;color0=#123456;foo=bar'); src.shared = {k: 1};
    src.getCSS(); src.id = 7;
    c = CopyItemStyle(src, 'copy'); src.color0 = '#654321';`);
  assert.equal(page.run("ISC.indexOf(c) + '/' + istyleid"), "1/2");
  assert.equal(page.run("[c.name, c.color0, c.foo, c.id, c.v === src.v, c.shared === src.shared].join()"),
    "copy,#123456,bar,7,true,true");
  // The copy's getCSS works on the copy.
  page.run("zopResetRecording(); c.color0 = '#ABCDEF'; c.getCSS();");
  assert.equal(page.callsOf("zopCreateCSS")[0].args[3], "#ABCDEF");
  assert.equal(page.run("src.v[4]"), "#123456");

  assert.equal(page.run("CopyItemStyle(src)"), null);
  assert.equal(page.run("CopyGroupStyle(1, 2, 3)"), null);
  assert.equal(page.run("ISC.length + '/' + GSC.length"), "2/0");
  page.run("g = CopyGroupStyle(null, 'fresh')");
  assert.equal(page.run("[g.name, g.opacity, GSC.indexOf(g)].join()"), "fresh,100,0");
});

test("getCSS of default styles passes the documented thirteen arguments", () => {
  const page = loadPage();
  page.run("new GroupStyle().getCSS(); new ItemStyle().getCSS();");
  const calls = page.callsOf("zopCreateCSS").map((c) => plain(c.args));
  const first = [1, 2, 1, "#000000", U, null, "14px sans-serif", null, "none", 0, "#C0C0C0", 0, 0];
  assert.deepEqual(calls, [
    [0, 1, 0, null, U, null, null, null, "none", 0, "#000000", 0, 0],
    first,
    [0, ...first.slice(1, 3), "#FFFFFF", ...first.slice(4)],
    [0, ...first.slice(1, 3), "#FFFFFF", ...first.slice(4)],
  ]);
});

test("getCSS reads each state's own values, decoration flags and lookups", () => {
  const page = loadPage();
  page.run(`new ItemStyle('align0=right;color0=#1;bgcolor0=#2;textdecor0=ub;border0=solid;borderwidth0=2;' +
    'bordercolor0=#3;padding0=4;cursor=hand;bgimage0=b.png;align1=justify;textdecor1=bi;textsize1=9pt;' +
    'textfont1=serif;textdecor2=0;align2=constructor').getCSS();`);
  const [s0, s1, s2] = page.callsOf("zopCreateCSS").map((c) => plain(c.args));
  assert.deepEqual(s0, [1, 2, 2, "#1", "#2", 0, "bold 14px sans-serif", "underline", "solid", 2, "#3", 4, 1]);
  assert.deepEqual([s1[2], s1[6], s1[7], s1[5]], [U, "italic bold 9pt serif", null, null]);
  assert.deepEqual([s2[2], s2[6], s2[7], s2[12]], [U, "14px sans-serif", null, 1]);
  // A decoration that reads as a number other than 0 has no flags.
  page.run("zopResetRecording(); new ItemStyle('textdecor0=12').getCSS();");
  assert.deepEqual(plain(page.callsOf("zopCreateCSS")[0].args).slice(6, 8), ["14px sans-serif", null]);
});

test("group style getCSS passes its background, border and image", () => {
  const page = loadPage();
  page.run("new GroupStyle('bgcolor=#FFF;border=solid;borderwidth=1;bordercolor=#000;bgimage=g.png').getCSS();");
  assert.deepEqual(plain(page.callsOf("zopCreateCSS")[0].args),
    [0, 1, 0, null, "#FFF", 0, null, null, "solid", 1, "#000", 0, 0]);
  assert.equal(page.run("zopImagesColl[0]"), "g.png");
});
