// Recording stand-in for the menu engine, for tests of the runtime library.
//
// A plain script: load it before the runtime library, in a browser page with
// <script src> or in Node into a vm context. It defines the engine globals
// the runtime library uses and records every call into them, in order, in
// `zopCalls`:
//   { fn, args, on, result }
// fn is "zopCreateCSS", "zopCreateMenu", "addItem", "addSubmenu",
// "buildMenu" or "zopCF"; args is a real array of the arguments; on is the
// id of the engine object the method was called on (null for globals);
// result is what the call returned.
//
// Engine objects carry an `id`: "menu1", "group2", "item3", ... numbered in
// creation order. A menu holds `pm.buildMenu`; menus and groups have
// `addItem`; items have `addSubmenu`. The runtime library also sets the
// fields lI, rI, ii, ia, bIP, fI$ and hsi on item objects; tests read them
// from the objects in zopCalls.
//
// zopResetRecording() empties the record and restarts the numbering.
var zopMenuPath = "/menus/";
var zopImagesPath = "images";
var zopCalls = [];
var zopEngineObjectCount = 0;

function zopResetRecording() {
  zopCalls.length = 0;
  zopEngineObjectCount = 0;
}

function zopRecordCall(fn, args, on, result) {
  zopCalls.push({ fn: fn, args: Array.prototype.slice.call(args), on: on, result: result });
  return result;
}

function zopNewEngineObject(kind) {
  zopEngineObjectCount += 1;
  return { id: kind + zopEngineObjectCount };
}

function zopNewEngineItem() {
  var item = zopNewEngineObject("item");
  item.addSubmenu = function () {
    return zopRecordCall("addSubmenu", arguments, item.id, zopNewEngineContainer("group"));
  };
  return item;
}

function zopNewEngineContainer(kind) {
  var container = zopNewEngineObject(kind);
  container.addItem = function () {
    return zopRecordCall("addItem", arguments, container.id, zopNewEngineItem());
  };
  return container;
}

// Returns the position of the entry in the engine's CSS table.
function zopCreateCSS() {
  var entry = 0;
  for (var i = 0; i < zopCalls.length; i++) if (zopCalls[i].fn === "zopCreateCSS") entry += 1;
  return zopRecordCall("zopCreateCSS", arguments, null, entry);
}

function zopCreateMenu() {
  var menu = zopNewEngineContainer("menu");
  menu.pm = {
    buildMenu: function () {
      return zopRecordCall("buildMenu", arguments, menu.id, undefined);
    }
  };
  return zopRecordCall("zopCreateMenu", arguments, null, menu);
}

// A floating-image record: the image number and its placement.
function zopCF(image, anchor, itemAnchor, offsetX, offsetY) {
  var record = { image: image, anchor: anchor, itemAnchor: itemAnchor, offsetX: offsetX, offsetY: offsetY };
  return zopRecordCall("zopCF", arguments, null, record);
}
