// The runtime library in a real page: the recording engine, the runtime
// library and a generated script are loaded by <script> tags, and the page
// calls ProduceMenu while it is parsed.
"use strict";

const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("fs");
const path = require("path");
const { launchBrowser } = require("./support/browser.js");
const { serveFiles, html, script, svgImage } = require("./support/server.js");
const { ROOT, zopdrupal, readModel, runtimeLibrary } = require("./support/project.js");
const { loadPage, plain } = require("../runtime/harness.js");

const DEMO = path.join(ROOT, "examples/demo.json");
const GALLERY = path.join(__dirname, "fixtures/gallery.json");
const RECORDING_ENGINE = fs.readFileSync(path.join(ROOT, "tests/support/recording-engine.js"), "utf8");

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { if (browser) await browser.close(); });

// The recording engine puts the menu's images under /menus/images/.
function menuPageFiles(menuScript, menuName, images = {}) {
  const files = {
    "/page.html": html(`<!DOCTYPE html><meta charset="utf-8"><title>menu</title>
<script src="/recording-engine.js"></script>
<script src="/zopDynMenus.js"></script>
<script src="/menu.js"></script>
<script>ProduceMenu(window[${JSON.stringify(menuName)}]);</script>
<p id="after-menu">The page goes on.</p>`),
    "/recording-engine.js": script(RECORDING_ENGINE),
    "/zopDynMenus.js": script(runtimeLibrary()),
    "/menu.js": script(menuScript),
  };
  for (const [name, image] of Object.entries(images)) files[`/menus/images/${name}`] = image;
  return files;
}

async function openMenuPage(files) {
  const server = await serveFiles(files);
  const page = await browser.newPage();
  await page.goto(`${server.origin}/page.html`);
  return { page, server };
}

const recordedCalls = (page) =>
  page.evaluate(() => JSON.parse(JSON.stringify(zopCalls, (k, v) => (v === undefined ? "<undefined>" : v))));

// The entries the engine receives for the demo model, in order: the texts of
// the menu header, then each item followed by its group's entries.
function expectedEntries(model, mode) {
  const settingOf = (key, name) => {
    const match = new RegExp(`(?:^|;)${name}=([^;]*)`).exec(model.menus[key].settings);
    return match && match[1];
  };
  const entries = [];
  const visit = (node) => {
    const object = model.menus[node.key];
    if (node.key.startsWith("I")) {
      if (mode === "complete" && object.DrupalID !== "") return;
      entries.push(settingOf(node.key, "text0"));
    } else if (object.HeaderShow) {
      entries.push(settingOf(node.key, "text"));
    }
    if (node.key === "M0" && mode === "menu") return;
    (node.children || []).forEach(visit);
    if (!node.key.startsWith("I") && object.FooterShow) entries.push(settingOf(node.key, "footertext"));
  };
  visit(model.tree);
  return entries;
}

test("the demo menu reaches the engine in the browser exactly as in the runtime tests' page", async (t) => {
  const model = readModel(DEMO);
  for (const mode of ["template", "menu", "complete"]) {
    await t.test(`${mode} mode`, async () => {
      const menuScript = zopdrupal("generate", DEMO, "--mode", mode);
      const { page, server } = await openMenuPage(menuPageFiles(menuScript, model.menuName));
      try {
        const calls = await recordedCalls(page);
        const texts = calls.filter((c) => c.fn === "addItem").map((c) => c.args[3]);
        assert.deepEqual(texts, expectedEntries(model, mode));
        assert.equal(calls.filter((c) => c.fn === "zopCreateMenu").length, 1);
        assert.equal(calls.at(-1).fn, "buildMenu");
        const inNode = loadPage().produce(menuScript, model.menuName);
        assert.deepEqual(calls, plain(inNode.calls));
        assert.deepEqual(page.scriptErrors, []);
      } finally {
        await page.close();
        await server.close();
      }
    });
  }
});

test("images: one hidden tag per distinct name, measured sizes, 1 x 1 for a missing image", async () => {
  const menuScript = zopdrupal("generate", GALLERY);
  const images = { "it's.svg": svgImage(12, 5), "arrow.svg": svgImage(7, 9) };
  const { page, server } = await openMenuPage(menuPageFiles(menuScript, "gallery", images));
  try {
    await page.waitForFunction(() => {
      for (let i = 0; i < zopImagesColl.length; i += 3) if (!zopImagesColl[i + 1] || !zopImagesColl[i + 2]) return false;
      return zopImagesColl.length > 0;
    });
    const tags = await page.$$eval("img[id^=simg]", (images) => images.map((i) => [i.id, i.getAttribute("src")]));
    assert.deepEqual(tags, [
      ["simg0", "/menus/images/it's.svg"],
      ["simg3", "/menus/images/arrow.svg"],
      ["simg6", "/menus/images/missing.svg"],
    ]);
    assert.deepEqual(await page.evaluate(() => zopImagesColl), ["it's.svg", 12, 5, "arrow.svg", 7, 9, "missing.svg", 1, 1]);

    // The tags were written while the page was parsed, before the rest of it.
    assert.ok(await page.evaluate(() =>
      document.getElementById("simg6").compareDocumentPosition(document.getElementById("after-menu")) &
      Node.DOCUMENT_POSITION_FOLLOWING));

    // The engine receives the images' numbers: Home's own image, News's left and own images.
    const items = (await recordedCalls(page)).filter((c) => c.fn === "addItem");
    const byText = (text) => items.find((c) => c.args[3] === text).result;
    assert.deepEqual(byText("Home").ii, [1, null, null]);
    assert.deepEqual(byText("</script><b>News</b>").lI, [1, null, null]);
    assert.deepEqual(byText("</script><b>News</b>").ii, [2, null, null]);
    assert.deepEqual(page.scriptErrors, []);
  } finally {
    await page.close();
    await server.close();
  }
});
