// Loads the shipped runtime library into a fresh page-like vm context:
// the recording engine first, then the library with its marker replaced by
// a declaration, as the host does.
"use strict";

const fs = require("fs");
const path = require("path");
const vm = require("vm");
const { createStandInDocument } = require("../support/stand-in-document.js");

const ROOT = path.resolve(__dirname, "../..");
const LIBRARY_FILE = process.env.ZOP_RUNTIME_LIBRARY_FILE ||
  path.join(ROOT, "build/runtime/zopDynMenus.js");
const ENGINE_FILE = path.join(ROOT, "tests/support/recording-engine.js");
const MARKER = "/*zopDynMenus*/";
const HOST_DECLARATION = "zopHostDeclaration=1";

function shippedBytes() {
  if (!fs.existsSync(LIBRARY_FILE)) {
    throw new Error(`${LIBRARY_FILE} is missing: build it first (scripts/test-runtime.sh does)`);
  }
  return fs.readFileSync(LIBRARY_FILE);
}

// `before(page)` may run code after the engine and before the library.
function loadPage({ before } = {}) {
  const context = vm.createContext({});
  const run = (code, filename) => vm.runInContext(code, context, { filename: filename || "page.js" });
  context.document = createStandInDocument((code) => run(code, "handler.js"));
  run(fs.readFileSync(ENGINE_FILE, "utf8"), "recording-engine.js");
  if (before) before(run);
  const library = shippedBytes().toString("latin1").replace(MARKER, HOST_DECLARATION);
  run(library, "zopDynMenus.js");
  const page = {
    context,
    run,
    // The recorded calls as arrays of this realm, so they compare by value.
    get calls() { return [...context.zopCalls].map((c) => ({ ...c, args: [...c.args] })); },
    callsOf(fn) { return page.calls.filter((c) => c.fn === fn); },
    get document() { return context.document; },
    // Runs the generated script and ProduceMenu on the menu it names.
    produce(script, menuVariable) {
      if (script) run(script, "generated.js");
      run(`ProduceMenu(${menuVariable || "m"})`, "produce.js");
      return page;
    },
  };
  return page;
}

// Values from the vm context compare by structure in the tests.
function plain(value) {
  return value === undefined ? undefined : JSON.parse(JSON.stringify(value, (k, v) => (v === undefined ? "<undefined>" : v)));
}

module.exports = { loadPage, shippedBytes, plain, LIBRARY_FILE, MARKER, HOST_DECLARATION, ROOT };
