// A tiny HTTP server on 127.0.0.1 that serves a fixed set of in-memory files.
"use strict";

const http = require("http");

// `files` maps a decoded URL path ("/menus/images/it's.svg") to
// { type, body }. Anything else is 404.
async function serveFiles(files) {
  const server = http.createServer((request, response) => {
    const file = files[decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname)];
    if (!file) {
      response.writeHead(404, { "content-type": "text/plain" }).end("not found");
      return;
    }
    response.writeHead(200, { "content-type": file.type, "cache-control": "no-store" }).end(file.body);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    origin: `http://127.0.0.1:${server.address().port}`,
    close() {
      server.closeAllConnections();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

const html = (body) => ({ type: "text/html; charset=utf-8", body });
const script = (body) => ({ type: "text/javascript; charset=utf-8", body });

// An image of the given size, so that a test knows what the browser measures.
const svgImage = (width, height) => ({
  type: "image/svg+xml",
  body: `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}">` +
    `<rect width="${width}" height="${height}" fill="#c0392b"/></svg>`,
});

module.exports = { serveFiles, html, script, svgImage };
