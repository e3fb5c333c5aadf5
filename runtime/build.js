#!/usr/bin/env node
// Makes the shipped runtime library from its readable source:
//   node runtime/build.js SOURCE OUTPUT
// The output is one line of printable ASCII without line break, byte-order
// mark or terminating zero. Comments are dropped except the two that the
// library's layout needs ("/* Version */", which opens the text, and the
// host's marker "/*zopDynMenus*/"); whitespace is kept only where two tokens
// would otherwise merge. Names are never changed, so the output is the same
// program as the source, statement for statement, in the same order.
"use strict";

const fs = require("fs");
const vm = require("vm");

const KEPT_COMMENTS = ["/* Version */", "/*zopDynMenus*/"];
const MARKER = "/*zopDynMenus*/";

const PUNCTUATORS = [
  ">>>=", "...", "===", "!==", "**=", "<<=", ">>=", ">>>", "&&=", "||=", "??=",
  "=>", "==", "!=", "<=", ">=", "&&", "||", "??", "?.", "++", "--", "+=", "-=", "*=", "/=",
  "%=", "&=", "|=", "^=", "<<", ">>", "**",
  "{", "}", "(", ")", "[", "]", ";", ",", "<", ">", "+", "-", "*", "/", "%", "&", "|",
  "^", "!", "~", "?", ":", "=", ".",
];

// Keywords after which a "/" starts a regular expression.
const REGEX_AFTER = new Set(["return", "typeof", "instanceof", "in", "of", "new", "delete",
  "void", "throw", "case", "do", "else"]);
// Keywords that never end a statement, so a line break after them is harmless.
const CONTINUING = new Set(["else", "do", "var", "let", "const", "typeof", "new", "in",
  "instanceof", "case", "delete", "void", "function"]);
const CONTROL = new Set(["if", "for", "while", "with", "catch", "switch", "function"]);

const IDENT = /[A-Za-z_$][\w$]*/y;
const NUMBER = /(?:0[xXoObB][\da-fA-F_]+|(?:\d[\d_]*\.?[\d_]*|\.\d[\d_]*)(?:[eE][+-]?\d+)?)n?/y;

class BuildError extends Error {}

function fail(source, pos, message) {
  const line = source.slice(0, pos).split("\n").length;
  throw new BuildError(`line ${line}: ${message}`);
}

function regexAllowed(prev) {
  if (!prev) return true;
  if (prev.type === "punct") return ![")", "]", "}"].includes(prev.text);
  if (prev.type === "ident") return REGEX_AFTER.has(prev.text);
  return prev.type === "comment";
}

function scanQuoted(source, i) {
  const quote = source[i];
  let j = i + 1;
  while (j < source.length && source[j] !== quote) {
    if (source[j] === "\n") fail(source, j, "line break in a string");
    j += source[j] === "\\" ? 2 : 1;
  }
  if (j >= source.length) fail(source, i, "unterminated string");
  return j + 1;
}

function scanRegex(source, i) {
  let j = i + 1;
  let inClass = false;
  for (;;) {
    const c = source[j];
    if (c === undefined || c === "\n") fail(source, i, "unterminated regular expression");
    if (c === "\\") j += 2;
    else {
      if (c === "[") inClass = true;
      else if (c === "]") inClass = false;
      else if (c === "/" && !inClass) break;
      j += 1;
    }
  }
  j += 1;
  while (/[a-z]/.test(source[j] || "")) j += 1;
  return j;
}

// Splits the source into tokens; each records whether a line break preceded it.
function tokenize(source) {
  const tokens = [];
  let i = 0;
  let newline = false;
  const prev = () => {
    for (let k = tokens.length - 1; k >= 0; k--) if (tokens[k].type !== "comment") return tokens[k];
    return null;
  };
  const push = (type, end) => {
    tokens.push({ type, text: source.slice(i, end), newline, pos: i });
    newline = false;
    i = end;
  };
  while (i < source.length) {
    const c = source[i];
    if (c === "\n") { newline = true; i += 1; continue; }
    if (/\s/.test(c)) { i += 1; continue; }
    if (source.startsWith("//", i)) {
      const end = source.indexOf("\n", i);
      i = end < 0 ? source.length : end;
      continue;
    }
    if (source.startsWith("/*", i)) {
      const end = source.indexOf("*/", i + 2);
      if (end < 0) fail(source, i, "unterminated comment");
      const text = source.slice(i, end + 2);
      if (KEPT_COMMENTS.includes(text)) push("comment", end + 2);
      else {
        if (text.includes("\n")) newline = true;
        i = end + 2;
      }
      continue;
    }
    if (c === "\"" || c === "'") { push("string", scanQuoted(source, i)); continue; }
    if (c === "`") fail(source, i, "template literals are not supported");
    if (c === "/" && regexAllowed(prev())) { push("regex", scanRegex(source, i)); continue; }
    NUMBER.lastIndex = i;
    if (/[\d.]/.test(c) && NUMBER.test(source) && NUMBER.lastIndex > i && /[\d]/.test(source.slice(i, NUMBER.lastIndex))) {
      push("number", NUMBER.lastIndex);
      continue;
    }
    IDENT.lastIndex = i;
    if (IDENT.test(source)) { push("ident", IDENT.lastIndex); continue; }
    const p = PUNCTUATORS.find((q) => source.startsWith(q, i));
    if (!p) fail(source, i, `unexpected character ${JSON.stringify(c)}`);
    push("punct", i + p.length);
  }
  return tokens;
}

// The output has no line breaks, so the source must not rely on automatic
// semicolon insertion: refuse a line break between two tokens that could
// each end and start a statement, unless the first closes a control header.
function checkNoAsi(source, tokens) {
  const parens = [];
  let last = null;
  let lastControlParen = false;
  for (const t of tokens) {
    if (t.type === "comment") continue;
    if (last && t.newline) {
      const ends = last.type === "number" || last.type === "string" || last.type === "regex" ||
        (last.type === "ident" && !CONTINUING.has(last.text)) ||
        last.text === "]" || (last.text === ")" && !lastControlParen) ||
        last.text === "++" || last.text === "--";
      const starts = t.type !== "punct" || ["(", "[", "{", "++", "--", "!", "~"].includes(t.text);
      if (ends && starts) fail(source, t.pos, `statement relies on a line break before ${t.text}`);
    }
    lastControlParen = false;
    if (t.text === "(") parens.push(last !== null && last.type === "ident" && CONTROL.has(last.text));
    else if (t.text === ")") lastControlParen = parens.pop() === true;
    last = t;
  }
}

function needsSpace(a, b) {
  const x = a.text[a.text.length - 1];
  const y = b.text[0];
  const word = (ch) => /[\w$]/.test(ch);
  if (word(x) && word(y)) return true;
  if ((x === "+" || x === "-") && y === x) return true;
  if (a.type === "number" && y === ".") return true;
  if (x === "<" && y === "!") return true;      // never form "<!--"
  if (a.text === "--" && y === ">") return true; // never form "-->"
  return false;
}

function minify(source) {
  const tokens = tokenize(source);
  checkNoAsi(source, tokens);
  let out = "";
  let prev = null;
  for (const t of tokens) {
    if (prev && needsSpace(prev, t)) out += " ";
    out += t.text;
    prev = t;
  }
  return out;
}

// The layout the host relies on, checked on every build.
function checkShipped(text) {
  if (!text.startsWith("/* Version */")) throw new BuildError("the text must begin with /* Version */");
  for (let i = 0; i < text.length; i++) {
    const code = text.charCodeAt(i);
    if (code < 0x20 || code > 0x7e) throw new BuildError(`character ${code} at ${i} is not printable ASCII`);
  }
  const at = text.indexOf(MARKER);
  if (at < 0 || text.indexOf(MARKER, at + 1) >= 0 || text[at - 1] !== ",") {
    throw new BuildError("the marker must stand once, after a comma");
  }
  if (/<\/script|<!--/i.test(text)) throw new BuildError("the text must be safe inside a script element");
  // With a declaration in place of the marker the text is a complete script.
  new vm.Script(text.replace(MARKER, "zopHostDeclaration=0"), { filename: "zopDynMenus.js" });
}

function build(sourceFile, outputFile) {
  const shipped = minify(fs.readFileSync(sourceFile, "utf8"));
  checkShipped(shipped);
  fs.writeFileSync(outputFile, shipped, { encoding: "latin1" });
  return shipped;
}

module.exports = { minify, checkShipped, build, MARKER };

if (require.main === module) {
  const [sourceFile, outputFile] = process.argv.slice(2);
  if (!sourceFile || !outputFile) {
    console.error("usage: node build.js SOURCE OUTPUT");
    process.exit(2);
  }
  try {
    build(sourceFile, outputFile);
  } catch (e) {
    if (!(e instanceof BuildError) && !(e instanceof SyntaxError)) throw e;
    console.error(`${sourceFile}: ${e.message}`);
    process.exit(1);
  }
}
