// `zopdrupal preview` reports every failure and then leaves no page behind.
"use strict";

const { test } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { spawnSync } = require("child_process");
const { ZOPDRUPAL, readModel } = require("./support/project.js");
const GALLERY = path.join(__dirname, "fixtures/gallery.json");

test("a failed preview exits non-zero, says why, and writes no file", async (t) => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "zopdrupal-preview-command-"));
  t.after(() => fs.rmSync(dir, { recursive: true, force: true }));
  const brokenModel = path.join(dir, "broken.json");
  const model = readModel(GALLERY);
  model.tree.children.push({ key: "I99" });
  fs.writeFileSync(brokenModel, JSON.stringify(model));
  const notJson = path.join(dir, "not-json.json");
  fs.writeFileSync(notJson, "{ menuName: ");

  const cases = [
    { name: "missing model", model: path.join(dir, "absent.json"), status: 2, message: /absent\.json/ },
    { name: "model that is not JSON", model: notJson, status: 2, message: /not-json\.json/ },
    { name: "generation error", model: brokenModel, status: 1, message: /^zopdrupal: error 5: .*I99/m },
    { name: "unwritable output", model: GALLERY, output: path.join(dir, "no/such/dir/page.html"), status: 3, message: /page\.html/ },
  ];
  for (const c of cases) {
    await t.test(c.name, () => {
      const output = c.output || path.join(dir, `${c.name}.html`);
      const run = spawnSync(ZOPDRUPAL, ["preview", c.model, "--output", output], { encoding: "utf8" });
      assert.equal(run.status, c.status, run.stderr);
      assert.match(run.stderr, c.message);
      assert.equal(run.stdout, "");
      assert.equal(fs.existsSync(output), false);
    });
  }
});
