// Minimal stand-in for the browser document, for Node tests of the runtime
// library: `write` and `getElementById`, with image tags parsed the way a
// browser reads their attributes (quotes and character references).
"use strict";

const NAMED_REFERENCES = { amp: "&", lt: "<", gt: ">", quot: "\"", apos: "'" };

function decodeReferences(text) {
  return text.replace(/&(#x[\da-f]+|#\d+|[a-z]+);/gi, (whole, ref) => {
    if (ref[0] === "#") {
      const code = ref[1] === "x" || ref[1] === "X" ? parseInt(ref.slice(2), 16) : parseInt(ref.slice(1), 10);
      return String.fromCodePoint(code);
    }
    return Object.prototype.hasOwnProperty.call(NAMED_REFERENCES, ref) ? NAMED_REFERENCES[ref] : whole;
  });
}

// Attributes of one start tag, decoded; later duplicates are ignored as a
// browser ignores them.
function parseAttributes(tagBody) {
  const attributes = {};
  const pattern = /([^\s"'>\/=]+)(?:\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'=<>`]+)))?/g;
  let match;
  while ((match = pattern.exec(tagBody))) {
    const name = match[1].toLowerCase();
    const raw = match[2] !== undefined ? match[2] : match[3] !== undefined ? match[3] : match[4] || "";
    if (!(name in attributes)) attributes[name] = decodeReferences(raw);
  }
  return attributes;
}

// Splits written markup into tags and text the simple way: enough for the
// markup the runtime library writes and to see when it breaks.
function parseMarkup(html) {
  const nodes = [];
  const pattern = /<([a-zA-Z][^\s\/>]*)((?:[^>"']|"[^"]*"|'[^']*')*)>|([^<]+|<)/g;
  let match;
  while ((match = pattern.exec(html))) {
    if (match[1]) nodes.push({ tag: match[1].toLowerCase(), attributes: parseAttributes(match[2]) });
    else nodes.push({ text: match[3] });
  }
  return nodes;
}

// `run(code)` evaluates an event handler's code in the page (the test
// harness passes the vm context's evaluator).
function createStandInDocument(run) {
  const written = [];
  const elements = [];
  const document = {
    written,
    elements,
    write(...parts) {
      const html = parts.join("");
      written.push(html);
      for (const node of parseMarkup(html)) {
        if (!node.tag) continue;
        elements.push({ tagName: node.tag.toUpperCase(), attributes: node.attributes, width: 0, height: 0 });
      }
    },
    getElementById(id) {
      return elements.find((e) => e.attributes.id === String(id)) || null;
    },
    // Simulates the browser finishing an image: "load" with the given size,
    // or "error"; runs the element's handler attribute.
    finishImage(id, outcome, width, height) {
      const element = document.getElementById(id);
      if (!element) throw new Error(`no element ${id}`);
      if (outcome === "load") {
        element.width = width;
        element.height = height;
      }
      const handler = element.attributes["on" + outcome];
      if (handler) run(handler);
    },
  };
  return document;
}

module.exports = { createStandInDocument, parseMarkup, decodeReferences };
