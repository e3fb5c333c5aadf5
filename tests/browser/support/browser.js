// Debian's Chromium, driven by playwright-core: headless, on a fresh profile,
// never a downloaded browser.
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const { chromium } = require("playwright-core");

const CHROMIUM = "/usr/bin/chromium";
const ARGUMENTS = [
  "--no-sandbox",
  "--disable-gpu",
  "--disable-background-networking",
  "--disable-component-update",
  "--no-first-run",
  "--disable-quic",
  "--disable-sync",
];

async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "zopdrupal-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: ARGUMENTS,
    viewport: { width: 800, height: 420 },
  });
  return {
    context,
    // A new page that collects the script errors it raises.
    async newPage() {
      const page = await context.newPage();
      page.scriptErrors = [];
      page.on("pageerror", (error) => page.scriptErrors.push(error.message));
      return page;
    },
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

module.exports = { launchBrowser };
