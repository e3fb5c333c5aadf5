/* Version */
// zopDrupal runtime library, readable source.
//
// The page loads the menu engine, then this library (with the host's
// declarations in place of the marker below), then the generated script,
// and finally calls ProduceMenu with the Menu object that the script built.
// build.js turns this file into the shipped one-line resource: it keeps the
// two marker comments and drops every other comment and all line breaks,
// so every statement here ends with an explicit ";".
//
// Conventions: every global name below is part of the page's interface and
// keeps its short name. "No value" is null or undefined, always tested with
// "== null". Each object carries its own methods as closures bound to it.

// Lookup tables: alignment and cursor names to the engine's numbers. They
// have no prototype, so a name like "constructor" is simply not found.
var $al = {__proto__: null, left: 0, center: 1, right: 2};
var $ia = {__proto__: null, top: 0, right: 1, bottom: 2, left: 3};
var $cr = {__proto__: null, "default": 0, hand: 1, crosshair: 2, help: 3, move: 4, text: 5, wait: 6};

// Property tables: one [name, default] row per property; the row number is
// the property's position in the value vector. `n` is still undefined while
// these are built, so "no value" rows hold undefined.

// Item styles. Rows 0-32: the same eleven properties for display states 0, 1
// and 2; then properties shared by all states; then per-state triples.
var ISP = [
  ["align0", "center"], ["textfont0", "sans-serif"], ["textsize0", "14px"], ["textdecor0", n],
  ["color0", "#000000"], ["padding0", 0], ["margin0", "0,0"], ["border0", "none"],
  ["borderwidth0", 0], ["bordercolor0", "#C0C0C0"], ["bgcolor0", n],
  ["align1", "center"], ["textfont1", "sans-serif"], ["textsize1", "14px"], ["textdecor1", n],
  ["color1", "#FFFFFF"], ["padding1", 0], ["margin1", "0,0"], ["border1", "none"],
  ["borderwidth1", 0], ["bordercolor1", "#C0C0C0"], ["bgcolor1", n],
  ["align2", "center"], ["textfont2", "sans-serif"], ["textsize2", "14px"], ["textdecor2", n],
  ["color2", "#FFFFFF"], ["padding2", 0], ["margin2", "0,0"], ["border2", "none"],
  ["borderwidth2", 0], ["bordercolor2", "#C0C0C0"], ["bgcolor2", n],
  ["minwidth", 0], ["minheight", 0], ["cursor", "default"], ["name", n],
  ["bgimage0", n], ["bgimage1", n], ["bgimage2", n],
  ["leftimage0", n], ["leftimage1", n], ["leftimage2", n],
  ["rightimage0", n], ["rightimage1", n], ["rightimage2", n],
  ["subimage0", n], ["subimage1", n], ["subimage2", n],
  ["subimagewidth0", 0], ["subimagewidth1", 0], ["subimagewidth2", 0],
  ["tooltipstyle", n],
  ["bgimagepos0", 0], ["bgimagepos1", 0], ["bgimagepos2", 0],
  ["floatingimage0", n], ["floatingimage1", n], ["floatingimage2", n],
  ["floatingimageanchor0", 0], ["floatingimageanchor1", 0], ["floatingimageanchor2", 0],
  ["floatingimageitemanchor0", 0], ["floatingimageitemanchor1", 0], ["floatingimageitemanchor2", 0],
  ["floatingimageoffsetx0", 0], ["floatingimageoffsetx1", 0], ["floatingimageoffsetx2", 0],
  ["floatingimageoffsety0", 0], ["floatingimageoffsety1", 0], ["floatingimageoffsety2", 0]
];

// Group styles.
var GSP = [
  ["type", 0], ["opacity", 100], ["bgcolor", n], ["border", "none"], ["borderwidth", 0],
  ["bordercolor", "#000000"], ["itemdistance", 0], ["uniform", 0], ["name", n], ["bgimage", n],
  ["alignoffset", 0], ["groupoffset", 0], ["when", 0], ["how", 0], ["groupwidth", 0],
  ["scrollbar", -1], ["divider", 1], ["showDelay", 200], ["hideDelay", 200], ["hideHow", 0],
  ["leftMargin", "0"], ["rightMargin", "0"], ["showUnfoldEffect", 0], ["hideUnfoldEffect", 0],
  ["itemsWidenHow", "0"], ["openDirection", "0"], ["alignsWith", "0"], ["slidingGroup", "0"],
  ["slidingRelativeTo", "0"], ["slidingLeftMargin", "0"], ["slidingTopMargin", "0"],
  ["slidingRightMargin", "0"], ["slidingBottomMargin", "0"], ["slidingIdentation", "10"],
  ["slidingShrink", "0"], ["slidingStretch", "0"], ["slidingWhen", "1"], ["autoScroll", 0]
];

// Menu objects (the menu and its main group).
var MP = [
  ["movable", 0], ["drifty", 0], ["sticky", 0], ["corner", 0], ["offsetx", 0], ["offsety", 0],
  ["elementrelative", 0], ["scriptappear", n], ["scriptdisappear", n], ["tooltip", ""],
  ["visible", 1], ["groupid", 0], ["style", n], ["headerstyle", n], ["text", n], ["image", n],
  ["imagealign", "right"], ["footerstyle", n], ["footerimage", n], ["footertext", n],
  ["footerimagealign", "right"], ["footertooltip", ""], ["stickyUntilClick", 1],
  ["rememberState", 0], ["pushPull", 0], ["ignoreLinks", 1], ["autoHighlight", 0],
  ["autoHighlightType", 0], ["autoHighlightID", 0], ["autoHighlightState", 1],
  ["autoHighlightOpenGroup", 1], ["manualTrigger", 0], ["floatFromOffset", "0"],
  ["floatFromDistanceSide", 0], ["floatToDistanceSide", 0], ["floatToDistanceType", 0],
  ["floatIDFileName", ""], ["floatToOffset", 0], ["floatHiddenAbove", 0], ["floatHiddenBelow", 0]
];

// Submenu objects (groups).
var GP = [
  ["visible", 1], ["text", n], ["tooltip", n], ["scriptappear", n], ["scriptdisappear", n],
  ["groupid", ""], ["style", n], ["headerstyle", n], ["image", n], ["imagealign", "right"],
  ["footerstyle", n], ["footerimage", n], ["footertext", n], ["footerimagealign", "right"],
  ["footertooltip", ""]
];

// Item objects.
var IP = [
  ["index", 0], ["visible", 1], ["text0", n], ["text1", n], ["text2", n], ["targetframe", n],
  ["status", n], ["style", n], ["tooltip", n], ["submenu", n], ["url", n],
  ["script0", n], ["script1", n], ["script2", n], ["image0", n], ["image1", n], ["image2", n],
  ["imagealign0", "right"], ["imagealign1", "right"], ["imagealign2", "right"],
  ["sepWidth", 0], ["sepColor", n], ["sepColorShadow", n], ["sepMargin", n],
  ["htmlMode", 0], ["itemid", ""]
];

// The library's globals. _D is kept for pages that read it; escaping no
// longer needs a placeholder. aCS reads the engine's zopCreateCSS now, so a
// page without the engine stops here. The host puts further declarations in
// place of the marker that ends this statement.
var n = null, _D = "@@##", gstyleid = 0, istyleid = 0, GSC = kP(), ISC = kP(), _tis, _tgs,
  aCS = zopCreateCSS, $X = kP(), $x = 0, zopD = 1, /*zopDynMenus*/;

// The image registry is shared with the engine when the engine made it first.
// Declaring `ic` also keeps an element with the id "ic" from posing as it.
if (typeof ic == "undefined") var ic = 0, zopImagesColl = kP();

// Separator table; entry 0 means "no separator".
var zopSepr = ["0", "", "", ""];

// ---- Image registry ------------------------------------------------------

// Load handler of a hidden image: record its measured size.
function imgldl($i) {
  var e = document.getElementById("simg" + $i);
  zopImagesColl[$i + 1] = e.width;
  zopImagesColl[$i + 2] = e.height;
}

// Error handler of a hidden image: size 1 x 1.
function imgnldl($i) {
  zopImagesColl[$i + 1] = zopImagesColl[$i + 2] = 1;
}

function kP() {
  return [];
}

// ---- Runtime styles ------------------------------------------------------

function GroupStyle(s) {
  var t = this, i;
  for (i = 0; i < GSP.length; i++) t[GSP[i][0]] = GSP[i][1];
  GSC[gstyleid++] = t;
  if (s) evl(s, t);
  t.getCSS = function () {
    var v = t.v = kP(), i;
    for (i = 0; i < GSP.length; i++) v[i] = t[GSP[i][0]];
    aCS(0, 1, 0, null, v[2], _in(v[9]), null, null, v[3], v[4], v[5], 0, 0);
  };
}

// Copies every non-function property of `ist` (values shared, not cloned)
// into a new group style named `nm`; null unless called with two arguments.
function CopyGroupStyle(ist, nm) {
  if (arguments.length != 2) return null;
  var c = new GroupStyle(), k;
  for (k in ist) if (typeof ist[k] != "function") c[k] = ist[k];
  c.name = nm;
  return c;
}

function ItemStyle(s) {
  var t = this, i;
  for (i = 0; i < ISP.length; i++) t[ISP[i][0]] = ISP[i][1];
  ISC[istyleid++] = t;
  if (s) evl(s, t);
  // One engine entry per display state; b is the first row of the state.
  t.getCSS = function () {
    var v = t.v = kP(), i, b, d;
    for (i = 0; i < ISP.length; i++) v[i] = t[ISP[i][0]];
    for (i = 0; i < 3; i++) {
      b = 11 * i;
      d = v[b + 3];
      aCS(i ? 0 : 1, 2, $al[v[b]], v[b + 4], v[b + 10], _in(v[37 + i]),
        _ib(d) + v[b + 2] + " " + v[b + 1], _ul(d), v[b + 7], v[b + 8], v[b + 9], v[b + 5],
        $cr[v[35]]);
    }
  };
}

function CopyItemStyle(ist, nm) {
  if (arguments.length != 2) return null;
  var c = new ItemStyle(), k;
  for (k in ist) if (typeof ist[k] != "function") c[k] = ist[k];
  c.name = nm;
  return c;
}

// ---- Menu objects --------------------------------------------------------

function Item() {
  var t = this, i;
  for (i = 0; i < IP.length; i++) t[IP[i][0]] = IP[i][1];
  // The new group replaces any earlier one of this item.
  t.newGroup = function (a) {
    var g = t.submenu = new Submenu();
    if (a) evl(a, g);
    return g;
  };
  t.$2v = function () {
    var v = t.v = kP(), i;
    for (i = 0; i < IP.length; i++) v[i] = t[IP[i][0]];
  };
}

function Menu(s) {
  var t = this, i;
  for (i = 0; i < MP.length; i++) t[MP[i][0]] = MP[i][1];
  t.items = kP();
  if (s) evl(s, t);
  // Appends an item; its index is its position, whatever a setting said.
  t.newItem = function (a) {
    var it = new Item();
    if (a) evl(a, it);
    it.index = t.items.length;
    t.items[it.index] = it;
    return it;
  };
  t.$2v = function () {
    var v = t.v = kP(), i;
    for (i = 0; i < MP.length; i++) v[i] = t[MP[i][0]];
  };
  // Inserts an item in front of the last entry that is `$p` itself; the
  // index of the new item and of the items behind it stays as it was.
  t.newItemBefore = function ($p, a) {
    var m = t.items, i, p = -1, it;
    for (i = 0; i < m.length; i++) if (m[i] === $p) p = i;
    if (p < 0) return null;
    it = new Item();
    if (a) evl(a, it);
    m.splice(p, 0, it);
    return it;
  };
}

// A group; newGroup applies its settings. Same item methods as Menu.
function Submenu() {
  var t = this, i;
  for (i = 0; i < GP.length; i++) t[GP[i][0]] = GP[i][1];
  t.items = kP();
  t.newItem = function (a) {
    var it = new Item();
    if (a) evl(a, it);
    it.index = t.items.length;
    t.items[it.index] = it;
    return it;
  };
  t.$2v = function () {
    var v = t.v = kP(), i;
    for (i = 0; i < GP.length; i++) v[i] = t[GP[i][0]];
  };
  t.newItemBefore = function ($p, a) {
    var m = t.items, i, p = -1, it;
    for (i = 0; i < m.length; i++) if (m[i] === $p) p = i;
    if (p < 0) return null;
    it = new Item();
    if (a) evl(a, it);
    m.splice(p, 0, it);
    return it;
  };
}

// ---- Production ----------------------------------------------------------
// ProduceMenu and $P2 each carry the same local helpers (style resolution,
// image fields, header/footer and item steps): the library adds no globals
// beyond its documented names. Keep the two copies alike.
// Throughout, `v` is the value vector of the menu, group or item at hand,
// `st` its resolved style, `s` that style's value vector and `e` the engine
// object made for it; the numbers are positions in the property tables.

function ProduceMenu(m) {
  var v, st, s, e, i, c = 0;

  // The style that reference `r` names in registry `g`, whose styles keep
  // their name at position `k`. A reference is a name, a style object or no
  // value; no value and a name that no style carries both resolve to the
  // first style of the registry.
  function resolve(r, g, k) {
    var i;
    if (r == null) return g[0];
    if (typeof r == "object") return r;
    for (i = 0; i < g.length; i++) if (g[i].v[k] == r) return g[i];
    return g[0];
  }
  // Image fields of an engine item: `im` its own three image names, `al` its
  // three alignment words. Images are entered in this order on purpose.
  function imageFields(e, st, im, al) {
    var s = st.v;
    e.lI = [_in(s[40]), _in(s[41]), _in(s[42])];
    e.rI = [_in(s[43]), _in(s[44]), _in(s[45])];
    e.ii = [_in(im[0]), _in(im[1]), _in(im[2])];
    e.ia = [$ia[al[0]], $ia[al[1]], $ia[al[2]]];
    e.bIP = [s[37] != null ? s[53] : 0, s[38] != null ? s[54] : 0, s[39] != null ? s[55] : 0];
    e.fI$ = [
      s[56] != null ? _if(s[56], s[59], s[62], s[65], s[68]) : null,
      s[57] != null ? _if(s[57], s[60], s[63], s[66], s[69]) : null,
      s[58] != null ? _if(s[58], s[61], s[64], s[67], s[70]) : null
    ];
  }
  // Header or footer entry of container `c`: style reference `r`, text
  // `tx`, tooltip `tt`, image `im` with alignment `al`, movable value `mv`.
  function headerFooter(c, r, tx, tt, im, al, mv) {
    var st = resolve(r, ISC, 36), s = st.v, e;
    e = c.addItem(st.id, st.id + 1, st.id + 2, _as(tx, s[6]), null, null, tt != null ? tt : "",
      "", null, null, null, null, null, s[33], s[34], mv, 0);
    imageFields(e, st, [im, im, im], [al, al, al]);
    return st;
  }
  // One item of container `c`, then its group, before the next item.
  function produceItem(it, c) {
    var v, st, s, e;
    it.$2v();
    v = it.v;
    if (!v[1]) return;
    st = v[7] = resolve(v[7], ISC, 36);
    s = st.v;
    e = c.addItem(st.id, st.id + 1, st.id + 2, _as(v[2], s[6]),
      _as(v[3] != null ? v[3] : v[2], s[17]), _as(v[4] != null ? v[4] : v[2], s[28]),
      v[8] != null ? v[8] : "", v[6] != null ? v[6] : v[10] != null ? v[10] : "",
      v[11], v[12], v[13], v[10], v[5], s[33], s[34], 2, _gs(it), v[24], v[25], s[52]);
    imageFields(e, st, [v[14], v[15], v[16]], [v[17], v[18], v[19]]);
    if (v[9] != null) {
      e.hsi = [_in(s[46], s[49]), _in(s[47], s[50]), _in(s[48], s[51])];
      $P2(it, e);
    }
  }

  if (!GSC.length) _tgs = new GroupStyle();
  if (!ISC.length) _tis = new ItemStyle();
  // Engine CSS entries: one per group style, then three per item style.
  for (i = 0; i < GSC.length; i++) {
    GSC[i].id = c++;
    GSC[i].getCSS();
  }
  for (i = 0; i < ISC.length; i++) {
    ISC[i].id = c;
    ISC[i].getCSS();
    c += 3;
  }
  m.$2v();
  v = m.v;
  if (!v[10]) return;
  st = v[12] = resolve(v[12], GSC, 8);
  s = st.v;
  e = $X[0] = zopCreateMenu(v[31], 0, 0, s[13], s[22], 0, v[0], v[1], v[3], v[4], v[5], v[2],
    s[0], st.id, s[6], s[0] == 0 ? 1 : s[7], s[0] != 0 ? 1 : s[7], v[7], v[8], s[1], v[6], v[11],
    v[4], v[5], s[14], s[15], s[16], s[17], s[18], s[19], s[23], v[22], [s[20], s[21], s[24]].join(),
    v[32], v[33], v[34], v[35], v[36], v[37], v[38], v[39], 0,
    v[26] && v[27] == 0 ? v[29] : 0, v[23], v[24], v[25], v[27], v[28], v[29], v[30]);
  zopD = 0;
  if (m.text || v[15] != null) v[13] = headerFooter(e, v[13], m.text, v[9], v[15], v[16], v[0]);
  $x++;
  for (i = 0; i < m.items.length; i++) produceItem(m.items[i], e);
  // The menu's footer is decided by its text and style, not by its image.
  if (v[19] || v[17] != null) v[17] = headerFooter(e, v[17], v[19], v[21], v[18], v[20], v[0]);
  e.pm.buildMenu();
}

// Produces the group of item `it2` below the engine item `it1`, taking the
// next slot of the container table.
function $P2(it2, it1) {
  var g = it2.v[9], v, st, s, e, i;

  // The same helpers as in ProduceMenu.
  function resolve(r, g, k) {
    var i;
    if (r == null) return g[0];
    if (typeof r == "object") return r;
    for (i = 0; i < g.length; i++) if (g[i].v[k] == r) return g[i];
    return g[0];
  }
  function imageFields(e, st, im, al) {
    var s = st.v;
    e.lI = [_in(s[40]), _in(s[41]), _in(s[42])];
    e.rI = [_in(s[43]), _in(s[44]), _in(s[45])];
    e.ii = [_in(im[0]), _in(im[1]), _in(im[2])];
    e.ia = [$ia[al[0]], $ia[al[1]], $ia[al[2]]];
    e.bIP = [s[37] != null ? s[53] : 0, s[38] != null ? s[54] : 0, s[39] != null ? s[55] : 0];
    e.fI$ = [
      s[56] != null ? _if(s[56], s[59], s[62], s[65], s[68]) : null,
      s[57] != null ? _if(s[57], s[60], s[63], s[66], s[69]) : null,
      s[58] != null ? _if(s[58], s[61], s[64], s[67], s[70]) : null
    ];
  }
  function headerFooter(c, r, tx, tt, im, al, mv) {
    var st = resolve(r, ISC, 36), s = st.v, e;
    e = c.addItem(st.id, st.id + 1, st.id + 2, _as(tx, s[6]), null, null, tt != null ? tt : "",
      "", null, null, null, null, null, s[33], s[34], mv, 0);
    imageFields(e, st, [im, im, im], [al, al, al]);
    return st;
  }
  function produceItem(it, c) {
    var v, st, s, e;
    it.$2v();
    v = it.v;
    if (!v[1]) return;
    st = v[7] = resolve(v[7], ISC, 36);
    s = st.v;
    e = c.addItem(st.id, st.id + 1, st.id + 2, _as(v[2], s[6]),
      _as(v[3] != null ? v[3] : v[2], s[17]), _as(v[4] != null ? v[4] : v[2], s[28]),
      v[8] != null ? v[8] : "", v[6] != null ? v[6] : v[10] != null ? v[10] : "",
      v[11], v[12], v[13], v[10], v[5], s[33], s[34], 2, _gs(it), v[24], v[25], s[52]);
    imageFields(e, st, [v[14], v[15], v[16]], [v[17], v[18], v[19]]);
    if (v[9] != null) {
      e.hsi = [_in(s[46], s[49]), _in(s[47], s[50]), _in(s[48], s[51])];
      $P2(it, e);
    }
  }

  g.$2v();
  v = g.v;
  if (!v[0]) return;
  st = v[6] = resolve(v[6], GSC, 8);
  s = st.v;
  i = $x++;
  e = $X[i] = it1.addSubmenu(s[0], s[12], s[11], s[13], s[22], s[26], s[25], st.id, s[6],
    s[0] == 0 ? 1 : s[7], s[0] != 0 ? 1 : s[7], v[3], v[4], s[1], s[10], v[5], s[14], s[15],
    s[16], s[17], s[18], s[19], s[23], [s[20], s[21], s[24]].join(), s[37], s.slice(27, 37).join());
  if (v[1] || v[8] != null) v[7] = headerFooter(e, v[7], v[1], v[2], v[8], v[9], 0);
  for (i = 0; i < g.items.length; i++) produceItem(g.items[i], e);
  if (v[12] || v[11] != null) v[10] = headerFooter(e, v[10], v[12], v[14], v[11], v[13], 0);
}

// ---- Argument strings ----------------------------------------------------

// `s` escaped for a double-quoted script literal.
function dqr(s) {
  return ("" + s).replace(/\\/g, "\\\\").replace(/"/g, "\\\"");
}

// Splits the argument string `s` ("name=value;name=value...") into
// assignment texts 'name=value;'; entry i is the setting closed by piece i,
// the others are "". With `o`, also applies the settings to `o`, in order.
//
// A ";" stays inside a value when the next piece has no "=", or when the
// value is markup: the open value holds a "<" and the piece a ">", or the
// piece has a "<" before its "=". `nm` and `val` are the open setting.
function evl(s, o) {
  var p = ("" + s).split(";"), r = kP(), i, q, e, nm, val, w;
  for (i = 0; i <= p.length; i++) {
    r[i] = "";
    q = p[i];
    if (i < p.length) {
      e = q.indexOf("=");
      if (e < 0 || nm != null && (val.indexOf("<") >= 0 && q.indexOf(">") >= 0 ||
          q.slice(0, e).indexOf("<") >= 0)) {
        if (q != "" && nm != null) val += ";" + q;
        continue;
      }
    }
    if (nm != null) {
      // Blank or non-numeric values are texts; the empty text becomes ''.
      w = dqr(val);
      r[i] = nm + "=" + (Tr(w) == "" || isNaN(w) ? "\"" + (w == "" ? "''" : w) + "\"" : w) + ";";
    }
    if (i < p.length) {
      nm = q.slice(0, e);
      val = q.slice(e + 1);
    }
  }
  for (i = 0; o && i < r.length; i++) if (r[i]) _set(o, r[i]);
  return r;

  // Applies one assignment text. Only a property name or a dotted path of
  // them may be set, so a setting never runs code; the value, a quoted
  // literal or a number, is read by the script engine, so that literals like
  // 010 and 0x10 keep their meaning.
  function _set(o, a) {
    var e = a.indexOf("="), path = a.slice(0, e).split("."), k, value;
    for (k = 0; k < path.length; k++) {
      path[k] = path[k].replace(/^[ \t]+|[ \t]+$/g, "");
      if (!/^[A-Za-z_$][\w$]*$/.test(path[k]) || /^(__proto__|prototype|constructor)$/.test(path[k]))
        throw new Error("invalid setting name: " + a.slice(0, e));
    }
    value = (0, eval)("(" + a.slice(e + 1, -1) + ")");
    for (k = 0; k < path.length - 1; k++) o = o[path[k]];
    o[path[k]] = value;
  }
}

// ---- Production helpers --------------------------------------------------

// `s` with as many spaces in front and behind as the margin text "front,back"
// says; a count rounds up, and one that is not a number counts 0.
function _as(s, r) {
  var p, i, a = "", b = "";
  if (s == null) return;
  p = ("" + r).split(",");
  if (p.length != 2) return s;
  for (i = 0; i < p[0]; i++) a += " ";
  for (i = 0; i < p[1]; i++) b += " ";
  return a + s + b;
}

// Separator number of item `s` (its value vector current); 0 for none. Each
// qualifying item appends its own entry to zopSepr.
function _gs(s) {
  var v = s.v, r = zopSepr.length;
  if (!(v[20] > 0 && v[21] != "" && v[23] > -1)) return 0;
  zopSepr[r] = v[20];
  zopSepr[r + 1] = v[21];
  zopSepr[r + 2] = v[22];
  zopSepr[r + 3] = v[23];
  return r / 4;
}

// "italic " and/or "bold " from the text decoration flags.
function _ib(s) {
  if (s == null || s == "") return "";
  s = ("" + s).toUpperCase();
  return (s.indexOf("I") < 0 ? "" : "italic ") + (s.indexOf("B") < 0 ? "" : "bold ");
}

// "underline" or null from the text decoration flags.
function _ul(s) {
  return s == null || s == "" || ("" + s).toUpperCase().indexOf("U") < 0 ? null : "underline";
}

// Image number of the name `s` (null for none), entering a new name with a
// hidden image tag that loads it. A second argument, even undefined, is the
// image's explicit width.
function _in(s, t) {
  var c = zopImagesColl, i;
  if (s == null || s == "") return null;
  for (i = 0; i < c.length; i += 3) if (c[i] == s) {
    if (arguments.length > 1) c[i + 1] = t;
    return i / 3;
  }
  i = ic;
  c[i] = s;
  c[i + 1] = c[i + 2] = 0;
  // The address is escaped for the attribute, so the browser reads it as is.
  document.write("<img id='simg" + i + "' src='" + (zopMenuPath + zopImagesPath + "/" + s)
    .replace(/[&'"<>]/g, function (ch) { return "&#" + ch.charCodeAt(0) + ";"; }) +
    "' onload='imgldl(" + i + ")' onerror='imgnldl(" + i + ")' style='position:absolute;visibility:hidden'>");
  if (arguments.length > 1) c[i + 1] = t;
  ic += 3;
  return i / 3;
}

// Floating image record from the engine; null when there is no image.
function _if(s, t1, t2, t3, t4) {
  return s == null || s == "" ? null : zopCF(_in(s), t1, t2, t3, t4);
}

// `s` without spaces at either end.
function Tr(s) {
  return ("" + s).replace(/^ +| +$/g, "");
}
