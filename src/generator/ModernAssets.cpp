#include "generator/ModernAssets.h"

// The album's own colours and the photo pages' bar height stand before these
// rules as custom properties: --album-background, --album-text, --bar.
const char modernStyleRules[] = R"css(:root {
  color-scheme: light dark;
  --background: var(--album-background);
  --text: var(--album-text);
  --tile: rgba(128, 128, 128, 0.15);
}
@media (prefers-color-scheme: dark) {
  :root { --background: #121212; --text: #EDEDED; }
}
*, *::before, *::after { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0;
  background: var(--background);
  color: var(--text);
  font: 1rem/1.5 system-ui, sans-serif;
  overflow-wrap: anywhere;
}
a { color: inherit; }
:focus-visible { outline: 3px solid currentColor; outline-offset: 2px; }
picture, img { display: block; max-width: 100%; }
h1 { font-size: 1.75rem; line-height: 1.25; margin: 1rem 0 0.5rem; }

/* Shown only when reached from the keyboard. */
.skip {
  position: absolute; left: 0.5rem; top: -10rem; z-index: 1;
  padding: 0.75rem 1rem; background: var(--background);
}
.skip:focus { top: 0.5rem; }

/* Index pages: as many columns of thumbnails as fit, never fewer than one. */
.index header, .index main, .pages { max-width: 120rem; margin: 0 auto; padding: 0 1rem; }
.description { max-width: 40rem; }
.grid {
  display: grid; gap: 1rem; list-style: none; margin: 1rem 0; padding: 0;
  grid-template-columns: repeat(auto-fill, minmax(min(100%, 10rem), 1fr));
}
.grid a { display: block; min-height: 44px; text-decoration: none; }
.grid img {
  width: 100%; height: auto; aspect-ratio: 4 / 3; object-fit: contain;
  background: var(--tile);
}
.grid .title { display: block; padding: 0.25rem 0; }
.grid a:hover .title { text-decoration: underline; }

/* Rows of links, each at least a finger wide and tall. */
.bar, .pages { display: flex; flex-wrap: wrap; align-items: center; gap: 0.25rem; }
.bar a, .pages a {
  display: inline-flex; align-items: center; justify-content: center; gap: 0.3em;
  min-width: 44px; min-height: 44px; padding: 0 0.375rem;
}
.pages { padding-bottom: 1rem; }
.pages [aria-current] { font-weight: bold; text-decoration: none; }

/* Photo pages: the bar, then the photo as large as the rest of the window
   allows; the caption follows below. */
.bar { min-height: var(--bar); padding: 0 0.25rem; }
.bar [rel~="next"] { margin-left: auto; }
.photo { margin: 0; }
.photo img {
  width: 100%; height: auto; object-fit: contain;
  max-height: calc(100vh - var(--bar));
  max-height: calc(100svh - var(--bar));
}
.photo figcaption { padding: 0.5rem 1rem 1.5rem; }
.photo h1 { margin-top: 0; }
)css";

// A classic script (no modules: albums open from file:// too). Every link it
// follows is a plain link on the page, so nothing depends on it.
const char modernScriptText[] = R"js((function () {
  "use strict";

  function link(rel) {
    return document.querySelector('a[rel~="' + rel + '"]');
  }

  function withoutHash(address) {
    return address.split("#")[0];
  }

  function go(rel) {
    var a = link(rel);
    if (!a)
      return false;
    // Back to the index just come from: the browser restores where it was.
    if (rel === "up" && document.referrer &&
        withoutHash(document.referrer) === withoutHash(a.href))
      history.back();
    else
      location.href = a.href;
    return true;
  }

  var keys = { ArrowLeft: "prev", ArrowRight: "next", Home: "up", Escape: "up" };
  document.addEventListener("keydown", function (e) {
    var t = e.target;
    if (e.defaultPrevented || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey ||
        (t && (t.isContentEditable || /^(INPUT|SELECT|TEXTAREA)$/.test(t.tagName))))
      return;
    if (keys[e.key] && go(keys[e.key]))
      e.preventDefault();
  });

  // A swipe across the photo turns the page; two fingers or a zoomed-in
  // window are left to the browser.
  var photo = document.querySelector(".photo");
  var start = null;
  function zoomed() {
    return window.visualViewport && window.visualViewport.scale > 1.01;
  }
  if (photo) {
    photo.addEventListener("touchstart", function (e) {
      start = e.touches.length === 1 && !zoomed()
        ? { x: e.touches[0].clientX, y: e.touches[0].clientY } : null;
    }, { passive: true });
    // A sideways swipe is this page's: the browser must not also take it for
    // its own swipe back through the history.
    photo.addEventListener("touchmove", function (e) {
      if (start && e.cancelable && e.touches.length === 1 &&
          Math.abs(e.touches[0].clientX - start.x) > Math.abs(e.touches[0].clientY - start.y))
        e.preventDefault();
    }, { passive: false });
    photo.addEventListener("touchcancel", function () { start = null; }, { passive: true });
    photo.addEventListener("touchend", function (e) {
      if (!start || e.touches.length !== 0)
        return;
      var dx = e.changedTouches[0].clientX - start.x;
      var dy = e.changedTouches[0].clientY - start.y;
      start = null;
      if (Math.abs(dx) > 60 && Math.abs(dx) > 2 * Math.abs(dy))
        go(dx < 0 ? "next" : "prev");
    }, { passive: true });
  }

  // Once this photo is in, the next one loads in the format and size the
  // browser chose here, so that turning the page shows it at once.
  var next = link("next");
  var ahead = null;
  var shown = document.querySelector(".photo img");
  if (next && shown && next.getAttribute("data-srcset")) {
    window.addEventListener("load", function () {
      var webp = /\.webp$/.test(shown.currentSrc || "") && next.getAttribute("data-webp-srcset");
      ahead = new Image();
      ahead.sizes = next.getAttribute("data-sizes");
      ahead.srcset = webp || next.getAttribute("data-srcset");
    });
  }
})();
)js";
