// Makes two modern albums and checks them in headless chromium from file://:
// with scripts off every page is reached by links from start.htm, each link,
// #place and picture in the album, each picture shown, titles and comments as
// typed; with scripts on the keys, swipes and Back turn the pages; no page is
// wider than the window from 320 to 2560 pixels; axe-core finds nothing, light
// or dark; no console error, script error or failed request. Without axe-core
// (AXE_SCRIPT empty) the rest is checked and a pass exits 77 (skipped).
// usage: node check-modern.mjs CHROMIUM PHOTOALBUM_MAKE PHOTO_MAKER AXE_SCRIPT

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { runInTab } from './chromium.mjs';

const [browserPath, makeTool, photoMaker, axeScript] = process.argv.slice(2);
const failures = [];
const fail = (where, what) => failures.push(`${where}: ${what}`);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const wideTitle = 'Закат "Алый" <1> & море';
const wideComment = 'Над заливом — «тёплый» вечер';
const description = 'Лето "у моря" & <горы>';
// In album order: a portrait, a small one, one wider than 2560.
const small = { name: 'Сад & огород 2025', args: ['--description', description],
  photos: ['900x1350', 'Башня#Вид снизу.jpg', '120x90', 'Дом.jpg', '2600x1733', `${wideTitle}#${wideComment}.jpg`] };
const large = { name: 'Сто один', args: ['--background', '203040'],
  photos: Array.from({ length: 101 }, (_, k) => `p${String(k + 1).padStart(3, '0')}.jpg`) };
// What each page of the small album shows (a selector, @attribute for an attribute) as typed.
const texts = {
  'index.html': { title: small.name, h1: small.name, '.description': description,
    '#n3 img@alt': wideTitle, '#n3 .title': wideTitle },
  'n3.html': { h1: wideTitle, '.photo img@alt': wideTitle, 'figcaption p': wideComment },
};

const pageUrl = (album, name) => new URL(name, pathToFileURL(`${album.folder}/`)).href;

const pageFacts = `(() => {
  const address = (value) => new URL(value, location.href).href;
  const candidates = (e, name) => (e.getAttribute(name) || '').split(',')
    .map((c) => c.trim().split(/\\s+/)[0]).filter(Boolean).map(address);
  const read = (what) => { const [selector, name] = what.split('@'); const e = document.querySelector(selector);
    return e ? (name ? e.getAttribute(name) : e.textContent.trim()) : null; };
  return {
    links: [...document.querySelectorAll('a[href]')].map((a) => a.href),
    ids: [...document.querySelectorAll('[id]')].map((e) => e.id),
    unshown: [...document.querySelectorAll('img')].filter((i) => !(i.complete && i.naturalWidth > 0))
      .map((i) => i.currentSrc || i.src),
    files: [...document.querySelectorAll('img, source, a[data-srcset]')].flatMap((e) =>
      ['src', 'srcset', 'data-srcset', 'data-webp-srcset'].flatMap((name) => candidates(e, name))),
    texts: Object.fromEntries(${JSON.stringify(Object.values(texts).flatMap(Object.keys))}
      .map((what) => [what, read(what)])),
  };
})()`;

async function check({ chromium, tab, work }) {
  for (const [k, album] of [small, large].entries()) {
    const source = path.join(work, `album${k}`, 'Фото');
    execFileSync(photoMaker, [source, ...album.photos]);
    const out = String(execFileSync(makeTool, ['-q', '--modern', ...album.args, '-n', album.name, source]));
    album.folder = path.resolve(out.trim().split('\n').pop());
  }

  let current = 'the browser';
  const requests = new Map();
  chromium.onEvent((method, params) => {
    if (method === 'Network.requestWillBeSent') requests.set(params.requestId, decodeURI(params.request.url));
    else if (method === 'Runtime.consoleAPICalled' && ['error', 'assert'].includes(params.type))
      fail(current, `console ${params.type}: ${params.args.map((a) => a.value ?? a.description).join(' ')}`);
    else if (method === 'Runtime.exceptionThrown')
      fail(current, `script error: ${params.exceptionDetails.exception?.description ?? params.exceptionDetails.text}`);
    else if (method === 'Log.entryAdded' && params.entry.level === 'error')
      fail(current, `browser error: ${params.entry.text} ${params.entry.url ?? ''}`);
    // A request given up because the page was left is no fault of the album.
    else if (method === 'Network.loadingFailed' && !params.canceled)
      fail(current, `request failed: ${params.errorText} ${requests.get(params.requestId) ?? ''}`);
  });
  const open = (url, arrived) => {
    current = decodeURI(url).split('/').slice(-2).join(', ');
    return tab.open(url, arrived);
  };
  const href = () => tab.evaluate('location.href');

  // --- scripts off: every page by its links alone ---
  function inAlbum(album, where, url) {
    const file = url.startsWith('file:') ? fileURLToPath(url.split('#')[0]) : null;
    if (!file) fail(where, `leads off the album: ${url}`);
    else if (path.dirname(file) !== album.folder) fail(where, `leads outside the album: ${file}`);
    else if (!fs.existsSync(file)) fail(where, `leads to a missing file: ${path.basename(file)}`);
    else return path.basename(file);
    return null;
  }
  async function crawl(album) {
    const index = (h) => h === pageUrl(album, 'index.html');
    if ((await open(pageUrl(album, 'start.htm'), index).catch(() => null)) === null)
      fail(`${album.name}, start.htm`, 'does not lead to index.html');
    const facts = new Map();
    const places = [];
    const queue = ['index.html'];
    for (const name of queue) {
      await open(pageUrl(album, name));
      const page = await tab.evaluate(pageFacts);
      facts.set(name, page);
      const here = `${album.name}, ${name}`;
      for (const link of page.links) {
        const target = inAlbum(album, here, link);
        if (target && link.includes('#')) places.push([here, target, decodeURIComponent(link.split('#')[1])]);
        if (target?.endsWith('.html') && !queue.includes(target)) queue.push(target);
      }
      for (const file of new Set(page.files)) inAlbum(album, here, file);
      for (const src of page.unshown) fail(here, `the browser could not show ${decodeURI(src)}`);
    }
    for (const [here, target, id] of places)
      if (facts.has(target) && !facts.get(target).ids.includes(id))
        fail(here, `leads to ${target}#${id}, a place not on that page`);
    for (const file of fs.readdirSync(album.folder))
      if (file.endsWith('.html') && !facts.has(file)) fail(album.name, `${file} is reached by no link`);
    return facts;
  }
  await tab.send('Emulation.setScriptExecutionDisabled', { value: true });
  const crawled = await crawl(small);
  for (const [page, shown] of Object.entries(texts))
    for (const [what, typed] of Object.entries(shown)) {
      const seen = crawled.get(page)?.texts[what];
      if (seen !== typed)
        fail(`${small.name}, ${page}`, `${what} reads ${JSON.stringify(seen)}, not ${JSON.stringify(typed)}`);
    }
  const pages = crawled.size + (await crawl(large)).size;
  await tab.send('Emulation.setScriptExecutionDisabled', { value: false });

  // --- scripts on: keys, swipes and Back ---
  const codes = { ArrowRight: 39, ArrowLeft: 37, Escape: 27, Home: 36 };
  const press = (key) => async () => {
    for (const type of ['keyDown', 'keyUp'])
      await tab.send('Input.dispatchKeyEvent', { type, key, code: key, windowsVirtualKeyCode: codes[key] });
  };
  const swipe = (fromX, toX, y) => async () => {
    const at = (type, ...xs) =>
      tab.send('Input.dispatchTouchEvent', { type, touchPoints: xs.map((x) => ({ x, y, id: 1 })) });
    await at('touchStart', fromX);
    for (let step = 1; step <= 4; step++) await at('touchMove', fromX + ((toX - fromX) * step) / 4);
    await at('touchEnd');
  };
  const back = async () => {
    const { currentIndex, entries } = await tab.send('Page.getNavigationHistory');
    await tab.send('Page.navigateToHistoryEntry', { entryId: entries[currentIndex - 1].id });
  };
  const clickTile = (id) => () =>
    tab.evaluate(`document.getElementById('${id}').scrollIntoView(); document.querySelector('#${id} a').click()`);
  const touch = (enabled) => () => tab.send('Emulation.setTouchEmulationEnabled', { enabled, maxTouchPoints: 1 });
  // [album, from, what is done, how, where it leads (without #place: any), the tile then on the screen],
  // or a function that sets the window up.
  const steps = [
    () => tab.window(1366, 768),
    [small, 'n1.html', '→', press('ArrowRight'), 'n2.html'],
    [small, 'n2.html', '←', press('ArrowLeft'), 'n1.html'],
    [small, 'n3.html', '→ on the last photo', press('ArrowRight'), 'n3.html'],
    [large, 'n50.html', 'Esc', press('Escape'), 'index.html#n50', 'n50'],
    [large, 'n101.html', 'Home', press('Home'), 'index-2.html#n101'],
    // Back to a tile far down the index, whichever way Esc goes there.
    [large, 'index.html', 'a tile', clickTile('n77'), 'n77.html'],
    [large, 'n77.html', 'Esc after a tile', press('Escape'), 'index.html', 'n77'],
    () => tab.window(360, 740, true, 3),
    touch(true),
    [small, 'n1.html', 'a left swipe', swipe(300, 60, 250), 'n2.html'],
    [small, 'n2.html', 'a right swipe', swipe(60, 300, 200), 'n1.html'],
    touch(false),
    [small, 'n1.html', '→', press('ArrowRight'), 'n2.html'],
    [small, 'n2.html', 'Back', back, 'n1.html'],
  ];
  async function move(album, from, what, how, to, tile) {
    const start = pageUrl(album, from);
    if ((await href()) !== start) await open(start);
    await how();
    const landed = to === from ? (await sleep(300), await href()) : await tab.settle((h) => h !== start);
    current = `${album.name}, ${to}`;
    if ((to.includes('#') ? landed : landed?.split('#')[0]) !== pageUrl(album, to))
      fail(`${album.name}, ${from}`, `${what} leads to ${landed ? decodeURI(landed) : 'nowhere'}, not ${to}`);
    else if (tile) {
      const top = await tab.evaluate(`document.getElementById('${tile}')?.getBoundingClientRect().top`);
      if (!(top >= 0 && top < (await tab.evaluate('innerHeight'))))
        fail(`${album.name}, ${to}`, `tile ${tile} is not on the screen (top ${top})`);
    }
  }
  for (const step of steps) await (typeof step === 'function' ? step() : move(...step));

  // --- every window, light and dark: no overflow, the photo in the window, axe ---
  const axeSource = axeScript && fs.readFileSync(axeScript, 'utf8');
  const axeTags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];
  const shown = [[small, 'index.html'], [small, 'n1.html'], [small, 'n3.html'],
    [large, 'index-2.html'], [large, 'n101.html']];
  for (const scheme of ['light', 'dark']) {
    await tab.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value: scheme }] });
    for (const [width, height] of [[320, 640], [360, 740], [1366, 768], [2560, 1440]]) {
      await tab.window(width, height);
      for (const [album, name] of shown) {
        await open(pageUrl(album, name));
        const where = `${album.name}, ${name}, ${scheme}, ${width}x${height}`;
        const [wide, inner, photo] = await tab.evaluate(`[document.documentElement.scrollWidth, innerWidth,
          (() => { const i = document.querySelector('.photo img'); if (!i) return null;
                   const r = i.getBoundingClientRect();
                   return { right: r.right, bottom: r.bottom, shown: i.complete && i.naturalWidth > 0 }; })()]`);
        if (wide > width || inner !== width) fail(where, `the page is ${Math.max(wide, inner)} pixels wide`);
        if (photo && (photo.right > width + 0.5 || photo.bottom > height + 0.5))
          fail(where, `the photo reaches ${Math.round(photo.right)}x${Math.round(photo.bottom)}, past the window`);
        if (photo && !photo.shown) fail(where, 'the photo is not shown');
        if (!axeSource || (width !== 360 && width !== 1366)) continue;
        await tab.evaluate(axeSource);
        // No preload: it would fetch the style sheet, which file:// pages may not.
        const violations = await tab.evaluate(`axe.run(document, { runOnly: { type: 'tag',
            values: ${JSON.stringify(axeTags)} }, resultTypes: ['violations'], preload: false })
          .then((r) => r.violations.map((v) => \`axe \${v.id} (\${v.help}):\` + v.nodes.map((n) =>
            '\\n    ' + n.target.join(' ') + ': ' + n.failureSummary.replace(/\\s+/g, ' ')).join('')))`);
        for (const violation of violations) fail(where, violation);
      }
    }
  }

  const axe = axeScript && JSON.parse(fs.readFileSync(path.join(path.dirname(axeScript), 'package.json')));
  console.log(`2 modern albums, ${pages} pages reached by their links, checked in ${browserPath}` +
    (axe ? ` with axe-core ${axe.version}` : ''));
  if (failures.length || axe) return failures.length ? 1 : 0;
  console.log(`SKIPPED: the accessibility check: ${process.env.AXE_MISSING || 'no axe-core'}`);
  return 77;
}

await runInTab(browserPath, 'photoalbum-modern', 240, (made) =>
  check(made).finally(() => failures.forEach((failure) => console.error(`FAIL: ${failure}`))));
