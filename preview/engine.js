/* zopDrupal preview engine: a small drawing engine that stands in for the
   host product's menu engine. The runtime library calls it exactly as it
   calls the real one; it draws the menu with plain DOM elements and makes
   it work: groups open on hover and on keyboard focus, and every item shows
   its normal, hover and pressed look. It draws only what the calls say. */

// Images are looked up beside the preview page.
var zopMenuPath = "";
var zopImagesPath = ".";

(function () {
  "use strict";

  var ALIGN = ["left", "center", "right"];
  var JUSTIFY = ["flex-start", "center", "flex-end"];
  var CURSOR = ["default", "pointer", "crosshair", "help", "move", "text", "wait"];
  var ORDINARY_ITEM = 2;
  var NORMAL = 0, HOVER = 1, PRESSED = 2;

  // One look per zopCreateCSS call; the runtime library refers to them by
  // their position in call order.
  var looks = [];

  function given(value) {
    return value !== null && value !== undefined;
  }

  function cssLength(value) {
    if (!given(value)) return "";
    return /^\s*-?\d+(\.\d+)?\s*$/.test(String(value)) ? Number(value) + "px" : String(value);
  }

  function imageSource(imageNumber) {
    return zopMenuPath + zopImagesPath + "/" + zopImagesColl[3 * imageNumber];
  }

  function cssUrl(source) {
    return 'url("' + source.replace(/[\\"\n]/g, function (c) { return "\\" + c.charCodeAt(0).toString(16) + " "; }) + '")';
  }

  window.zopCreateCSS = function (first, kind, align, color, bgcolor, bgimage, font,
                                  underline, border, borderWidth, borderColor, padding, cursor) {
    looks.push({
      align: align,
      style: {
        textAlign: given(ALIGN[align]) ? ALIGN[align] : "",
        color: given(color) ? color : "",
        backgroundColor: given(bgcolor) ? bgcolor : "",
        backgroundImage: given(bgimage) ? cssUrl(imageSource(bgimage)) : "",
        font: given(font) ? font : "",
        textDecoration: given(underline) ? underline : "none",
        borderStyle: given(border) ? border : "",
        borderWidth: cssLength(borderWidth),
        borderColor: given(borderColor) ? borderColor : "",
        padding: cssLength(padding),
        cursor: given(CURSOR[cursor]) ? CURSOR[cursor] : ""
      }
    });
  };

  // Floating images are recorded but not drawn by the preview.
  window.zopCF = function (image, anchor, itemAnchor, offsetX, offsetY) {
    return { image: image, anchor: anchor, itemAnchor: itemAnchor, offsetX: offsetX, offsetY: offsetY };
  };

  // Group style type 0 lays a group out in a row, any other type in a column.
  function Group(horizontal, lookNumber, itemDistance, opacity, hideDelay) {
    this.horizontal = horizontal;
    this.lookNumber = lookNumber;
    this.itemDistance = itemDistance;
    this.opacity = opacity;
    this.hideDelay = Number(hideDelay) || 0;
    this.entries = [];
  }

  Group.prototype.addItem = function (look0, look1, look2, text0, text1, text2, tooltip, status,
                                      script0, script1, script2, url, target, minWidth, minHeight,
                                      kind, separator, htmlMode) {
    var entry = new Entry({
      looks: [look0, look1, look2],
      texts: [text0, text1, text2],
      tooltip: tooltip, url: url, target: target,
      minWidth: minWidth, minHeight: minHeight,
      interactive: kind === ORDINARY_ITEM,
      separator: separator, htmlMode: htmlMode
    });
    this.entries.push(entry);
    return entry;
  };

  function Entry(settings) {
    for (var name in settings) this[name] = settings[name];
    this.group = null;
  }

  Entry.prototype.addSubmenu = function (type, when, groupOffset, how, showEffect, alignsWith,
                                         openDirection, lookNumber, itemDistance, uniformWidth,
                                         uniformHeight, scriptAppear, scriptDisappear, opacity,
                                         alignOffset, groupId, groupWidth, scrollbar, divider,
                                         showDelay, hideDelay) {
    this.group = new Group(type == 0, lookNumber, itemDistance, opacity, hideDelay);
    this.group.parentEntry = this;
    return this.group;
  };

  // Of its 50 arguments the preview uses the main group's type (13), look
  // (14), item distance (15), opacity (20) and hide delay (29).
  window.zopCreateMenu = function () {
    var a = arguments;
    var menu = new Group(a[12] == 0, a[13], a[14], a[19], a[28]);
    menu.pm = { buildMenu: function () { drawMenu(menu); } };
    return menu;
  };

  function element(tag, className) {
    var node = document.createElement(tag);
    node.className = className;
    return node;
  }

  function applyLook(node, lookNumber) {
    var look = looks[lookNumber];
    if (!look) return;
    for (var property in look.style) node.style[property] = look.style[property];
  }

  function imageElement(imageNumber, className) {
    var image = element("img", className);
    image.alt = "";
    image.onerror = function () { image.hidden = true; };
    image.src = imageSource(imageNumber);
    return image;
  }

  function drawMenu(menu) {
    var root = drawGroup(menu, "zp-group zp-main");
    document.getElementById("zp-menu").appendChild(root);
  }

  function drawGroup(group, className) {
    var node = element("div", className + (group.horizontal ? " zp-horizontal" : " zp-vertical"));
    node.setAttribute("role", "menu");
    applyLook(node, group.lookNumber);
    node.style.gap = cssLength(group.itemDistance);
    if (given(group.opacity)) node.style.opacity = Number(group.opacity) / 100;
    group.openEntry = null;
    group.entries.forEach(function (entry) {
      node.appendChild(drawEntry(entry, group));
      if (entry.separator > 0) node.appendChild(drawSeparator(entry.separator));
    });
    group.node = node;
    return node;
  }

  // A separator's width, colour, shadow colour and margin stand in zopSepr.
  function drawSeparator(number) {
    var width = zopSepr[4 * number], color = zopSepr[4 * number + 1];
    var shadow = zopSepr[4 * number + 2], margin = zopSepr[4 * number + 3];
    var line = element("div", "zp-separator");
    line.style.flexBasis = cssLength(width);
    if (given(color)) line.style.backgroundColor = color;
    if (given(shadow) && shadow !== "") line.style.boxShadow = "1px 1px 0 " + shadow;
    line.style.margin = cssLength(margin);
    return line;
  }

  function drawEntry(entry, owner) {
    var wrapper = element("div", "zp-entry");
    var face = element(entry.interactive ? "a" : "div", entry.interactive ? "zp-face zp-item" : "zp-face zp-fixed");
    if (entry.tooltip) face.title = entry.tooltip;
    face.style.minWidth = cssLength(entry.minWidth);
    face.style.minHeight = cssLength(entry.minHeight);
    entry.stateNodes = [NORMAL, HOVER, PRESSED].map(function (state) {
      return face.appendChild(drawState(entry, state));
    });
    wrapper.appendChild(face);
    entry.face = face;
    entry.owner = owner;
    entry.hovered = entry.pressed = false;
    showState(entry, NORMAL);
    if (entry.interactive) makeInteractive(entry, wrapper);
    return wrapper;
  }

  function makeInteractive(entry, wrapper) {
    var face = entry.face;
    face.tabIndex = 0;
    face.setAttribute("role", "menuitem");
    if (entry.url) face.href = entry.url;
    if (entry.target) face.target = entry.target;
    if (entry.group) {
      var groupNode = drawGroup(entry.group, "zp-group zp-sub");
      groupNode.hidden = true;
      wrapper.appendChild(groupNode);
      face.setAttribute("aria-haspopup", "true");
      face.setAttribute("aria-expanded", "false");
    }
    wrapper.addEventListener("mouseenter", function () { entry.hovered = true; open(entry); });
    wrapper.addEventListener("mouseleave", function () {
      entry.hovered = entry.pressed = false;
      refresh(entry);
      scheduleClose(entry);
    });
    face.addEventListener("focus", function () { open(entry); });
    wrapper.addEventListener("focusout", function (event) {
      if (!wrapper.contains(event.relatedTarget)) close(entry);
    });
    face.addEventListener("mousedown", function () { press(entry, true); });
    face.addEventListener("mouseup", function () { press(entry, false); });
    face.addEventListener("keydown", function (event) {
      if (event.key === "Enter" || event.key === " ") press(entry, true);
      if (event.key === "Escape") closeFromKeyboard(entry);
    });
    face.addEventListener("keyup", function () { press(entry, false); });
  }

  function press(entry, down) {
    entry.pressed = down;
    refresh(entry);
  }

  function open(entry) {
    clearTimeout(entry.closeTimer);
    var owner = entry.owner;
    if (owner.openEntry && owner.openEntry !== entry) close(owner.openEntry);
    owner.openEntry = entry;
    entry.open = true;
    if (entry.group) {
      entry.group.node.hidden = false;
      entry.face.setAttribute("aria-expanded", "true");
    }
    refresh(entry);
  }

  function scheduleClose(entry) {
    clearTimeout(entry.closeTimer);
    var delay = entry.group ? entry.group.hideDelay : 0;
    entry.closeTimer = setTimeout(function () { close(entry); }, delay);
  }

  function close(entry) {
    clearTimeout(entry.closeTimer);
    if (entry.owner.openEntry === entry) entry.owner.openEntry = null;
    entry.open = false;
    if (entry.group) {
      if (entry.group.openEntry) close(entry.group.openEntry);
      entry.group.node.hidden = true;
      entry.face.setAttribute("aria-expanded", "false");
    }
    refresh(entry);
  }

  // Escape closes the item's open group, or else the group the item is in,
  // whose item takes the focus (first, since taking it opens the group).
  function closeFromKeyboard(entry) {
    if (entry.open && entry.group) return close(entry);
    var parent = entry.owner.parentEntry;
    if (!parent) return;
    parent.face.focus();
    close(parent);
  }

  // An item stays highlighted while its group is open.
  function refresh(entry) {
    showState(entry, entry.pressed ? PRESSED : entry.hovered || entry.open ? HOVER : NORMAL);
  }

  // Shows the look and the content of one display state.
  function showState(entry, state) {
    if (entry.state === state) return;
    entry.state = state;
    applyLook(entry.face, entry.looks[state]);
    entry.stateNodes.forEach(function (node, shown) { node.hidden = shown !== state; });
  }

  // The images and text of one display state, in the order they stand.
  function drawState(entry, state) {
    var node = element("span", "zp-state");
    addImage(node, entry.lI, state, "zp-left-image");
    node.appendChild(drawBody(entry, state));
    addImage(node, entry.rI, state, "zp-right-image");
    addImage(node, entry.hsi, state, "zp-group-image");
    return node;
  }

  function addImage(parent, images, state, className) {
    if (images && given(images[state])) parent.appendChild(imageElement(images[state], className));
  }

  // The item's own image stands above, right of, below or left of its text.
  function drawBody(entry, state) {
    var body = element("span", "zp-body");
    var alignment = entry.ia && given(entry.ia[state]) ? entry.ia[state] : 1;
    body.classList.add("zp-image-" + ["top", "right", "bottom", "left"][alignment]);
    var look = looks[entry.looks[state]];
    if (look && given(JUSTIFY[look.align])) body.style.justifyContent = JUSTIFY[look.align];
    var text = entry.texts[state];
    if (given(text)) {
      var span = element("span", "zp-text");
      if (entry.htmlMode == 1) span.innerHTML = text; else span.textContent = text;
      body.appendChild(span);
    }
    addImage(body, entry.ii, state, "zp-image");
    return body;
  }
})();
