// The picture of the demo menu's preview: the page that `zopdrupal preview`
// writes for examples/demo.json, with a group and its subgroup open.
// Run as a program it writes that picture to the PNG file it is given.
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const { launchBrowser } = require("./browser.js");
const { serveFiles, html } = require("./server.js");
const { ROOT, zopdrupal } = require("./project.js");

const DEMO = path.join(ROOT, "examples/demo.json");
const PICTURE_SIZE = { width: 640, height: 240 };

const menuItem = (page, name) => page.getByRole("menuitem", { name, exact: true });

// Writes the demo's preview page and serves it; returns its address.
async function serveDemoPreview(directory) {
  const file = path.join(directory, "demo-preview.html");
  zopdrupal("preview", DEMO, "--output", file);
  const server = await serveFiles({ "/demo-preview.html": html(fs.readFileSync(file)) });
  return { server, url: `${server.origin}/demo-preview.html` };
}

// Opens "Services" and, inside its group, "Hosting" with the mouse.
async function openDemoGroups(page) {
  await menuItem(page, "Services").hover();
  await menuItem(page, "Hosting").hover();
}

async function takePicture(page, file) {
  await page.screenshot({ path: file, clip: { x: 0, y: 0, ...PICTURE_SIZE } });
}

async function main(file) {
  const directory = fs.mkdtempSync(path.join(os.tmpdir(), "zopdrupal-preview-"));
  const browser = await launchBrowser();
  const { server, url } = await serveDemoPreview(directory);
  try {
    const page = await browser.newPage();
    await page.goto(url);
    await openDemoGroups(page);
    await takePicture(page, file);
  } finally {
    await server.close();
    await browser.close();
    fs.rmSync(directory, { recursive: true, force: true });
  }
}

if (require.main === module) {
  main(path.resolve(process.argv[2])).catch((error) => {
    console.error(error);
    process.exit(1);
  });
}

module.exports = { menuItem, serveDemoPreview, openDemoGroups, takePicture };
