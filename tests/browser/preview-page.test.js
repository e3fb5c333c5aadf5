// The page that `zopdrupal preview` writes, opened in Chromium: the menu is
// drawn and works with the mouse and the keyboard.
"use strict";

const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("fs");
const path = require("path");
const { launchBrowser } = require("./support/browser.js");
const { serveFiles, html, svgImage } = require("./support/server.js");
const { ROOT, zopdrupal, readModel, outputDirectory } = require("./support/project.js");
const { menuItem, serveDemoPreview, openDemoGroups, takePicture } = require("./support/preview-picture.js");

const GALLERY = path.join(__dirname, "fixtures/gallery.json");

let browser;
let output;
before(async () => {
  browser = await launchBrowser();
  output = outputDirectory();
});
after(async () => { if (browser) await browser.close(); });

const boxOf = (locator) => locator.boundingBox();
const entryTexts = (group) => group.locator(":scope > .zp-entry > .zp-face").evaluateAll(
  (faces) => faces.map((face) => face.innerText.trim()));
const groupOf = (page, name) => menuItem(page, name).locator("xpath=following-sibling::div[contains(@class,'zp-group')]");
const background = (locator) => locator.evaluate((node) => getComputedStyle(node).backgroundColor);

// "#2F5D9E" as the browser reports it.
function rgb(hex) {
  const [r, g, b] = [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));
  return `rgb(${r}, ${g}, ${b})`;
}

function styleSetting(styleString, name) {
  return new RegExp(`(?:^|;)${name}=([^;]*)`).exec(styleString)[1];
}

async function openDemo() {
  const { server, url } = await serveDemoPreview(output);
  const page = await browser.newPage();
  await page.goto(url);
  return { page, server };
}

test("demo preview: a row of items, groups open on hover, three looks, a picture", async () => {
  const { page, server } = await openDemo();
  try {
    const main = page.locator(".zp-main");
    assert.deepEqual(await entryTexts(main), ["Example Co.", "Home", "About us", "Services", "News", "Contact"]);
    const [home, about] = [await boxOf(menuItem(page, "Home")), await boxOf(menuItem(page, "About us"))];
    assert.equal(home.y, about.y);
    assert.ok(about.x >= home.x + home.width);

    const services = menuItem(page, "Services");
    assert.equal(await groupOf(page, "Services").isVisible(), false);
    await openDemoGroups(page);
    assert.deepEqual(await entryTexts(groupOf(page, "Services")), ["Web design", "Hosting", "All prices excl. VAT"]);
    assert.deepEqual(await entryTexts(groupOf(page, "Hosting")), ["Shared hosting", "Dedicated servers"]);
    const [hosting, hostingGroup] = [await boxOf(menuItem(page, "Hosting")), await boxOf(groupOf(page, "Hosting"))];
    assert.ok(hostingGroup.x >= hosting.x + hosting.width - 1, "a column's group opens beside its item");
    await takePicture(page, path.join(output, "demo-preview.png"));

    // Normal, hover and pressed looks, from the demo's item styles; an item
    // keeps its hover look while its group is open.
    const { menus } = readModel(path.join(ROOT, "examples/demo.json"));
    const looks = (key) => [0, 1, 2].map((state) => rgb(styleSetting(menus[key].ItemStyleStringDyn, `bgcolor${state}`)));
    const [servicesLooks, hostingLooks] = [looks("I5"), looks("I7")];
    const hostingItem = menuItem(page, "Hosting");
    await page.evaluate(() => document.addEventListener("click", (event) => event.preventDefault()));
    assert.equal(await background(services), servicesLooks[1]);
    assert.equal(await background(hostingItem), hostingLooks[1]);
    await page.mouse.down();
    assert.equal(await background(hostingItem), hostingLooks[2]);
    await page.mouse.up();
    assert.equal(await background(hostingItem), hostingLooks[1]);
    await page.mouse.move(700, 400);
    await page.waitForFunction(() => document.querySelectorAll(".zp-sub:not([hidden])").length === 0);
    assert.equal(await background(services), servicesLooks[0]);
    assert.deepEqual(page.scriptErrors, []);
  } finally {
    await page.close();
    await server.close();
  }
});

test("demo preview: groups open on keyboard focus and close when focus leaves them", async () => {
  const { page, server } = await openDemo();
  try {
    const focused = () => page.evaluate(() => document.activeElement.innerText.trim());
    await page.keyboard.press("Tab");
    assert.equal(await focused(), "Home");
    await page.keyboard.press("Tab");
    assert.equal(await focused(), "About us");
    assert.equal(await groupOf(page, "About us").isVisible(), true);
    await page.keyboard.press("Tab");
    assert.equal(await focused(), "Our team", "focus goes into the open group");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    assert.equal(await focused(), "Services");
    assert.equal(await groupOf(page, "About us").isVisible(), false);
    assert.equal(await groupOf(page, "Services").isVisible(), true);
    await page.keyboard.press("Tab");
    assert.equal(await focused(), "Web design");
    await page.keyboard.press("Escape");
    assert.equal(await focused(), "Services", "Escape leaves the group for the item that opened it");
    assert.equal(await groupOf(page, "Services").isVisible(), false);
    assert.deepEqual(page.scriptErrors, []);
  } finally {
    await page.close();
    await server.close();
  }
});

test("gallery preview: a column, images, a separator, header and footer, texts drawn as given", async () => {
  const file = path.join(output, "gallery-preview.html");
  zopdrupal("preview", GALLERY, "--output", file);
  const server = await serveFiles({
    "/preview/gallery.html": html(fs.readFileSync(file)),
    "/preview/it's.svg": svgImage(12, 5),
    "/preview/arrow.svg": svgImage(7, 9),
  });
  const page = await browser.newPage();
  try {
    await page.goto(`${server.origin}/preview/gallery.html`);
    // Texts that look like the end of a script or the start of a comment.
    const [news, contactText] = ["</script><b>News</b>", "Contact<!--<script>"];
    assert.deepEqual(await entryTexts(page.locator(".zp-main")), ["Gallery", "Home", news, contactText]);
    assert.equal(await page.locator(".zp-main > .zp-entry > .zp-fixed").innerText(), "Gallery");
    const [home, contact] = [await boxOf(menuItem(page, "Home")), await boxOf(menuItem(page, contactText))];
    assert.equal(home.x, contact.x);
    assert.ok(contact.y > home.y);

    const homeImage = menuItem(page, "Home").locator(".zp-state:not([hidden]) .zp-image");
    await page.waitForFunction((image) => image.complete, await homeImage.elementHandle());
    assert.deepEqual(await homeImage.evaluate((image) => [image.naturalWidth, image.naturalHeight]), [7, 9]);
    const missing = menuItem(page, news).locator(".zp-state:not([hidden]) .zp-image");
    await page.waitForFunction((image) => image.hidden, await missing.elementHandle());

    const separator = menuItem(page, news).locator("xpath=../following-sibling::div[1]");
    assert.equal(await separator.getAttribute("class"), "zp-separator");
    assert.equal(await separator.evaluate((line) => line.getBoundingClientRect().height), 2);
    assert.equal(await background(separator), rgb("#C0392B"));

    await menuItem(page, "Home").hover();
    const homeLook = await menuItem(page, "Home").evaluate((face) => getComputedStyle(face).backgroundImage);
    assert.match(homeLook, /\/preview\/it's\.svg"\)$/);

    await menuItem(page, news).hover();
    const group = groupOf(page, news);
    assert.deepEqual(await entryTexts(group), ["Bold news", "More soon @MENU_NAME@"], "a text is put in the page as it is");
    assert.equal(await group.locator(".zp-state:not([hidden]) b").innerText(), "Bold", "an item in HTML mode shows its markup");
    assert.deepEqual(page.scriptErrors, []);
  } finally {
    await page.close();
    await server.close();
  }
});
