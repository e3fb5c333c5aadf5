// Round trip: the script that `zopdrupal generate` writes for the demo model,
// run after the shipped runtime library, then ProduceMenu; the engine calls
// must draw the menu of the model. Skipped while the binary is not built.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("fs");
const path = require("path");
const { execFileSync } = require("child_process");
const { loadPage, shippedBytes, ROOT } = require("./harness.js");

const BINARY = path.resolve(ROOT, process.env.ZOPDRUPAL || "build/zopdrupal");
const MODEL_FILE = path.join(ROOT, "examples/demo.json");
const skip = !fs.existsSync(BINARY) ? `no zopdrupal binary at ${BINARY}` : false;

function zopdrupal(...args) {
  return execFileSync(BINARY, args, { cwd: ROOT, maxBuffer: 1 << 24 });
}

function settings(text) {
  const values = {};
  for (const piece of (text || "").split(";")) {
    const at = piece.indexOf("=");
    if (at > 0) values[piece.slice(0, at)] = piece.slice(at + 1);
  }
  return values;
}

// What the engine must receive, in order, for the model in `mode`: entries
// for headers, items, groups and footers with their container's model key.
function expectedEntries(model, mode) {
  const entries = [];
  const styles = model.styles;
  const mainItems = styles["Main Items Style"].ItemStyleStringDyn;
  const visit = (node, parentKey) => {
    const m = model.menus[node.key];
    const own = settings(m.settings);
    if (node.key[0] === "I") {
      if (mode === "complete" && m.DrupalID) return;
      const script = [m.DynamicJSscript0, m.DynamicJSscript1, m.DynamicJSscript2].join("");
      const tooltip = /\.tooltip="([^"]*)"/.exec(script);
      entries.push({ fn: "addItem", key: node.key, on: parentKey, text: own.text0, url: own.url,
        tooltip: tooltip ? tooltip[1] : "", style: m.ItemStyleStringDyn });
    } else {
      if (node.key !== "M0") entries.push({ fn: "addSubmenu", key: node.key, on: parentKey, group: m.GroupStyleStringDyn });
      const headerStyle = m.HeaderShow ? m.HeaderItem.ItemStyleStringDyn : mainItems;
      const footerStyle = m.FooterShow ? m.FooterItem.ItemStyleStringDyn : mainItems;
      if (own.text) entries.push({ fn: "addItem", on: node.key, text: own.text, url: null, tooltip: "", style: headerStyle });
      const children = node.key === "M0" && mode === "menu" ? [] : node.children || [];
      for (const child of children) visit(child, node.key);
      if (own.footertext) entries.push({ fn: "addItem", on: node.key, text: own.footertext, url: null, tooltip: "", style: footerStyle });
      return;
    }
    for (const child of node.children || []) visit(child, node.key);
  };
  visit(model.tree, null);
  return entries;
}

// The engine CSS entry with number `id` shows the settings of `styleText`.
function assertItemCss(css, id, styleText, where) {
  const s = settings(styleText);
  const args = css[id].args;
  assert.equal(args[3], s.color0 || "#000000", `${where}: color0`);
  assert.equal(args[4], s.bgcolor0, `${where}: bgcolor0`);
  assert.ok(args[6].endsWith(`${s.textsize0 || "14px"} ${s.textfont0 || "sans-serif"}`), `${where}: font`);
  assert.equal(args[6].includes("bold"), /b/i.test(s.textdecor0 || ""), `${where}: bold`);
}

function assertGroupCss(css, id, styleText, where) {
  const s = settings(styleText);
  const args = css[id].args;
  assert.deepEqual([args[4], args[8], args[9], args[10]],
    [s.bgcolor, s.border || "none", Number(s.borderwidth || 0), s.bordercolor || "#000000"], where);
}

for (const mode of ["template", "menu", "complete"]) {
  test(`the ${mode} script of the demo model draws the model's menu`, { skip }, () => {
    const model = JSON.parse(fs.readFileSync(MODEL_FILE, "utf8"));
    const script = zopdrupal("generate", MODEL_FILE, "--mode", mode).toString("utf8");
    const page = loadPage();
    page.produce(script, model.menuName);

    const css = page.callsOf("zopCreateCSS");
    const [create] = page.callsOf("zopCreateMenu");
    assertGroupCss(css, create.args[13], model.menus.M0.GroupStyleStringDyn, "main group");

    const keyOf = new Map([[create.result.id, "M0"]]);
    const actual = page.calls.filter((c) => c.fn === "addItem" || c.fn === "addSubmenu");
    const expected = expectedEntries(model, mode);
    assert.deepEqual(actual.map((c) => c.fn), expected.map((e) => e.fn));
    actual.forEach((call, k) => {
      const e = expected[k];
      const where = `${mode} entry ${k} (${e.key || e.text})`;
      assert.equal(keyOf.get(call.on), e.on, `${where}: container`);
      if (e.fn === "addSubmenu") {
        assertGroupCss(css, call.args[7], e.group, where);
        assert.equal(call.args[0], Number(settings(e.group).type || 0), `${where}: type`);
      } else {
        assert.equal(call.args[3], e.text, `${where}: text`);
        assert.equal(call.args.length === 20 ? call.args[11] : null, e.url, `${where}: url`);
        assert.equal(call.args[6], e.tooltip, `${where}: tooltip`);
        assertItemCss(css, call.args[0], e.style, where);
      }
      if (e.key) keyOf.set(call.result.id, e.key);
    });
    assert.deepEqual(page.calls.slice(-1).map((c) => [c.fn, c.on]), [["buildMenu", create.result.id]]);
    // Template mode leaves the hidden representative item in the menu.
    if (mode === "template") assert.equal(page.run("IRP.visible + '/' + demo.items.indexOf(IRP)"), "0/1");
  });
}

test("zopdrupal runtime writes the shipped bytes exactly", { skip }, () => {
  assert.ok(zopdrupal("runtime").equals(shippedBytes()),
    `${BINARY} embeds another runtime library than the one just built: rebuild it`);
});
