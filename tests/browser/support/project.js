// Paths of the project and the zopdrupal command, as the browser tests use them.
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const { execFileSync } = require("child_process");

const ROOT = path.resolve(__dirname, "../../..");
const BUILD_DIR = process.env.BUILD_DIR || path.join(ROOT, "build");
const ZOPDRUPAL = process.env.ZOPDRUPAL || path.join(BUILD_DIR, "zopdrupal");
const MARKER = "/*zopDynMenus*/";

function zopdrupal(...args) {
  return execFileSync(ZOPDRUPAL, args, { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
}

function readModel(file) {
  return JSON.parse(fs.readFileSync(file, "utf8"));
}

// The runtime library with its marker replaced by a declaration, as the host does.
function runtimeLibrary() {
  return zopdrupal("runtime").replace(MARKER, "zopHostDeclaration=1");
}

// Where a test keeps what it writes: ZOP_TEST_OUTPUT_DIR, or a new temporary folder.
function outputDirectory() {
  const dir = process.env.ZOP_TEST_OUTPUT_DIR;
  if (!dir) return fs.mkdtempSync(path.join(os.tmpdir(), "zopdrupal-browser-"));
  fs.mkdirSync(dir, { recursive: true });
  return dir;
}

module.exports = { ROOT, ZOPDRUPAL, zopdrupal, readModel, runtimeLibrary, outputDirectory };
