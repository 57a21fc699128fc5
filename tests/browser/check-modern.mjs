// Makes modern albums with photoalbum-make and checks them in headless chromium
// opened from file://, as a visitor meets them:
//   - with scripts off, every page is reached by following links from
//     start.htm, every link and every picture candidate is a file of the album,
//     every link's #place is on its page, every picture is shown;
//   - titles, comments and the description read as typed;
//   - with scripts on, the arrow keys, Esc, Home and swipes turn the pages,
//     and the browser's Back button returns;
//   - no page is wider than the window at 320, 360, 1366 and 2560 pixels, and
//     the photo is wholly in the window;
//   - axe-core finds nothing on the index and photo pages, light and dark;
//   - no console error, no script error, no failed request.
// Without axe-core (AXE_SCRIPT empty) all else is checked and the exit status
// is 77 (skipped) with AXE_MISSING as the reason when all else passed.
//
// With --measure, it makes a modern album of the photos in FOLDER (copied
// first) and prints what a phone (360x740, 3 pixels to the point) downloads
// for the first screen of the index and for a photo page.
//
// usage: node check-modern.mjs CHROMIUM PHOTOALBUM_MAKE PHOTO_MAKER AXE_SCRIPT
//        node check-modern.mjs --measure FOLDER CHROMIUM PHOTOALBUM_MAKE

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { settle as settleOn, startChromium } from './chromium.mjs';

const measuring = process.argv[2] === '--measure';
const [measureFolder, browserPath, makeTool, photoMaker, axeScript] = measuring
  ? process.argv.slice(3)
  : [null, ...process.argv.slice(2)];
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'photoalbum-modern-'));
const failures = [];
const fail = (where, what) => failures.push(`${where}: ${what}`);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const chromium = startChromium(browserPath, work);
const send = chromium.send;
let session;
const evaluate = async (expression) => {
  const reply = await send(
    'Runtime.evaluate',
    { expression, returnByValue: true, awaitPromise: true },
    session,
  );
  if (reply.exceptionDetails)
    throw new Error(`${expression.slice(0, 60)}: ${reply.exceptionDetails.exception?.description}`);
  return reply.result.value;
};
const settle = (arrived) => settleOn(send, session, arrived);

// --- the albums ---

const wideTitle = 'Закат "Алый" <1> & море';
const wideComment = 'Над заливом — «тёплый» вечер';
const description = 'Лето "у моря" & <горы>';
const small = {
  name: 'Сад & огород 2025',
  args: ['--description', description],
  // In album order: the portrait, the small one, the wide one.
  photos: [
    '900x1350', 'Башня#Вид снизу.jpg',
    '120x90', 'Дом.jpg',
    '2600x1733', `${wideTitle}#${wideComment}.jpg`,
  ],
};
const large = {
  name: 'Сто один',
  args: ['--background', '203040'],
  photos: Array.from({ length: 101 }, (_, k) => `p${String(k + 1).padStart(3, '0')}.jpg`),
};

function makeAlbum(album, index) {
  const source = path.join(work, `album${index}`, 'Фото');
  execFileSync(photoMaker, [source, ...album.photos]);
  const out = execFileSync(makeTool, ['-q', '--modern', ...album.args, '-n', album.name, source], {
    encoding: 'utf8',
  });
  return { ...album, folder: path.resolve(out.trim().split('\n').pop()) };
}

const pageUrl = (album, name) => {
  const [file, place] = name.split('#');
  return pathToFileURL(path.join(album.folder, file)).href + (place ? `#${place}` : '');
};

// --- what the browser reports on its own ---

let current = 'the browser';
const watchEvents = (method, params) => {
  if (method === 'Runtime.consoleAPICalled' && (params.type === 'error' || params.type === 'assert'))
    fail(current, `console ${params.type}: ${params.args.map((a) => a.value ?? a.description).join(' ')}`);
  else if (method === 'Runtime.exceptionThrown')
    fail(current, `script error: ${params.exceptionDetails.exception?.description ?? params.exceptionDetails.text}`);
  else if (method === 'Log.entryAdded' && params.entry.level === 'error')
    fail(current, `browser error: ${params.entry.text} ${params.entry.url ?? ''}`);
  // A request given up because the page was left is no fault of the album.
  else if (method === 'Network.loadingFailed' && !params.canceled)
    fail(current, `request failed: ${params.errorText} ${requests.get(params.requestId) ?? ''}`);
};
const requests = new Map();

async function open(url, arrived = (href) => href === url) {
  current = decodeURI(url).split('/').slice(-2).join(', ');
  await send('Page.navigate', { url }, session);
  const href = await settle(arrived);
  if (href === null) throw new Error(`${url} did not load`);
  return href;
}

async function setWindow(width, height, mobile = width < 800, deviceScaleFactor = 1) {
  await send(
    'Emulation.setDeviceMetricsOverride',
    { width, height, deviceScaleFactor, mobile },
    session,
  );
}

// --- scripts off: the album is whole by its links alone ---

const pageFacts = `(() => {
  const address = (value) => new URL(value, location.href).href;
  const candidates = (value) => (value || '').split(',').map((c) => c.trim().split(/\\s+/)[0])
    .filter(Boolean).map(address);
  const text = (selector) => document.querySelector(selector)?.textContent.trim() ?? null;
  return {
    title: document.title,
    h1: text('h1'),
    links: [...document.querySelectorAll('a[href]')].map((a) => a.href),
    ids: [...document.querySelectorAll('[id]')].map((e) => e.id),
    images: [...document.querySelectorAll('img')].map((i) => ({
      src: i.currentSrc || i.src, alt: i.getAttribute('alt'), shown: i.complete && i.naturalWidth > 0,
    })),
    files: [...document.querySelectorAll('img, source, a[data-srcset]')].flatMap((e) => [
      ...(e.getAttribute('src') ? [address(e.getAttribute('src'))] : []),
      ...candidates(e.getAttribute('srcset')),
      ...candidates(e.getAttribute('data-srcset')),
      ...candidates(e.getAttribute('data-webp-srcset')),
    ]),
    description: text('.description'),
    caption: [...document.querySelectorAll('figcaption p')].map((p) => p.textContent.trim()),
    tileTitles: Object.fromEntries([...document.querySelectorAll('.grid li')].map((li) =>
      [li.id, [li.querySelector('img')?.getAttribute('alt'), li.querySelector('.title')?.textContent.trim()]])),
  };
})()`;

function inAlbum(album, where, url) {
  if (!url.startsWith('file:')) {
    fail(where, `leads off the album: ${url}`);
    return null;
  }
  const file = fileURLToPath(url.split('#')[0]);
  if (path.dirname(file) !== album.folder) fail(where, `leads outside the album: ${file}`);
  else if (!fs.existsSync(file)) fail(where, `leads to a missing file: ${path.basename(file)}`);
  else return file;
  return null;
}

// Follows every link from start.htm; returns each page's facts by file name.
async function crawl(album) {
  const where = `${album.name}, start.htm`;
  current = where;
  const index = pageUrl(album, 'index.html');
  if ((await open(pageUrl(album, 'start.htm'), (href) => href === index).catch(() => null)) === null)
    fail(where, 'does not lead to index.html');
  const facts = new Map();
  const places = [];
  const queue = ['index.html'];
  const seen = new Set(queue);
  while (queue.length) {
    const name = queue.shift();
    await open(pageUrl(album, name));
    const page = await evaluate(pageFacts);
    facts.set(name, page);
    const here = `${album.name}, ${name}`;
    for (const link of page.links) {
      const file = inAlbum(album, here, link);
      if (!file) continue;
      const target = path.basename(file);
      if (link.includes('#')) places.push([here, target, decodeURIComponent(link.split('#')[1])]);
      if (target.endsWith('.html') && !seen.has(target)) {
        seen.add(target);
        queue.push(target);
      }
    }
    for (const file of new Set(page.files)) inAlbum(album, here, file);
    for (const image of page.images)
      if (!image.shown) fail(here, `the browser could not show ${decodeURI(image.src)}`);
  }
  for (const [here, target, id] of places)
    if (facts.has(target) && !facts.get(target).ids.includes(id))
      fail(here, `leads to ${target}#${id}, a place not on that page`);
  const pages = fs.readdirSync(album.folder).filter((f) => f.endsWith('.html'));
  for (const page of pages)
    if (!seen.has(page)) fail(album.name, `${page} is reached by no link`);
  return facts;
}

function checkTexts(facts) {
  const expect = (where, what, seen, wanted) => {
    if (seen !== wanted) fail(`${small.name}, ${where}`, `${what} reads ${JSON.stringify(seen)}, not ${JSON.stringify(wanted)}`);
  };
  const index = facts.get('index.html');
  expect('index.html', 'the title', index.title, small.name);
  expect('index.html', 'the heading', index.h1, small.name);
  expect('index.html', 'the description', index.description, description);
  expect('index.html', 'the wide photo\'s picture', index.tileTitles.n3?.[0], wideTitle);
  expect('index.html', 'the wide photo\'s title', index.tileTitles.n3?.[1], wideTitle);
  const photo = facts.get('n3.html');
  expect('n3.html', 'the title', photo.title, `${wideTitle} — ${small.name}`);
  expect('n3.html', 'the heading', photo.h1, wideTitle);
  expect('n3.html', 'the picture', photo.images[0]?.alt, wideTitle);
  expect('n3.html', 'the caption', JSON.stringify(photo.caption), JSON.stringify([wideComment, '3 из 3']));
  // Several widths to choose from, each a file (the crawl saw to that).
  const widths = photo.files.filter((f) => /\/n3-\d+\.(jpg|webp)$/.test(f)).length;
  if (widths < 6) fail(`${small.name}, n3.html`, `the wide photo comes in ${widths} files, not 3 widths in 2 formats`);
}

// --- scripts on: keys, swipes and Back ---

const keyCodes = { ArrowRight: 39, ArrowLeft: 37, Escape: 27, Home: 36 };

async function press(key) {
  for (const type of ['keyDown', 'keyUp'])
    await send(
      'Input.dispatchKeyEvent',
      { type, key, code: key, windowsVirtualKeyCode: keyCodes[key], nativeVirtualKeyCode: keyCodes[key] },
      session,
    );
}

async function swipe(fromX, toX, y) {
  const point = (x) => [{ x, y, id: 1 }];
  await send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: point(fromX) }, session);
  for (let step = 1; step <= 4; step++)
    await send(
      'Input.dispatchTouchEvent',
      { type: 'touchMove', touchPoints: point(fromX + ((toX - fromX) * step) / 4) },
      session,
    );
  await send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] }, session);
}

// Does `act` on the page, then expects the tab at `wanted`.
async function expectMove(album, from, what, act, wanted) {
  const start = pageUrl(album, from);
  const href = await evaluate('location.href');
  if (href !== start) await open(start);
  await act();
  const landed = await settle((h) => h !== start);
  if (landed !== pageUrl(album, wanted))
    fail(`${album.name}, ${from}`, `${what} leads to ${landed ? decodeURI(landed) : 'nowhere'}, not ${wanted}`);
  current = wanted;
  return landed === pageUrl(album, wanted);
}

async function tileInView(album, page, id) {
  const top = await evaluate(`document.getElementById('${id}')?.getBoundingClientRect().top`);
  if (!(top >= 0 && top < (await evaluate('innerHeight'))))
    fail(`${album.name}, ${page}`, `tile ${id} is not on the screen (top ${top})`);
}

async function history() {
  return send('Page.getNavigationHistory', {}, session);
}

async function checkNavigation() {
  await setWindow(1366, 768);
  await expectMove(small, 'n1.html', '→', () => press('ArrowRight'), 'n2.html');
  await expectMove(small, 'n2.html', '←', () => press('ArrowLeft'), 'n1.html');
  await open(pageUrl(small, 'n3.html'));
  await press('ArrowRight');
  await sleep(300);
  if ((await evaluate('location.href')) !== pageUrl(small, 'n3.html'))
    fail(`${small.name}, n3.html`, '→ on the last photo leaves it');
  if (await expectMove(large, 'n50.html', 'Esc', () => press('Escape'), 'index.html#n50'))
    await tileInView(large, 'index.html#n50', 'n50');
  await expectMove(large, 'n101.html', 'Home', () => press('Home'), 'index-2.html#n101');

  // From a tile far down the index to its photo and back with Esc: the tile is
  // on the screen again (the browser goes back where it sends a referrer, not
  // from file://).
  await open(pageUrl(large, 'index.html'));
  await evaluate('document.getElementById("n77").scrollIntoView()');
  await expectMove(large, 'index.html', 'a tile', () => evaluate('document.querySelector(\'a[href="n77.html"]\').click()'), 'n77.html');
  await press('Escape');
  const back = await settle((h) => h.split('#')[0] === pageUrl(large, 'index.html'));
  if (back === null) fail(`${large.name}, n77.html`, 'Esc after a tile does not lead to index.html');
  else await tileInView(large, 'index.html', 'n77');

  // Swipes, as a phone makes them, across the photo.
  await setWindow(360, 740, true, 3);
  await send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 }, session);
  await expectMove(small, 'n1.html', 'a left swipe', () => swipe(300, 60, 250), 'n2.html');
  await expectMove(small, 'n2.html', 'a right swipe', () => swipe(60, 300, 200), 'n1.html');
  await send('Emulation.setTouchEmulationEnabled', { enabled: false }, session);

  // The browser's Back button after a page turned by the script.
  await expectMove(small, 'n1.html', '→', () => press('ArrowRight'), 'n2.html');
  const { currentIndex, entries } = await history();
  await expectMove(small, 'n2.html', 'Back', () =>
    send('Page.navigateToHistoryEntry', { entryId: entries[currentIndex - 1].id }, session), 'n1.html');
}

// --- layout at four window widths ---

const windows = [[320, 640], [360, 740], [1366, 768], [2560, 1440]];

async function checkLayout() {
  const pages = [[small, 'index.html'], [small, 'n1.html'], [small, 'n3.html'], [large, 'index-2.html']];
  for (const [width, height] of windows) {
    await setWindow(width, height);
    for (const [album, name] of pages) {
      await open(pageUrl(album, name));
      const where = `${album.name}, ${name} at ${width}x${height}`;
      const [wide, inner, photo] = await evaluate(`[document.documentElement.scrollWidth, innerWidth,
        (() => { const i = document.querySelector('.photo img'); if (!i) return null;
                 const r = i.getBoundingClientRect();
                 return { right: r.right, bottom: r.bottom, shown: i.complete && i.naturalWidth > 0 }; })()]`);
      if (wide > width || inner !== width) fail(where, `the page is ${Math.max(wide, inner)} pixels wide`);
      if (photo && (photo.right > width + 0.5 || photo.bottom > height + 0.5))
        fail(where, `the photo reaches ${Math.round(photo.right)}x${Math.round(photo.bottom)}, past the window`);
      if (photo && !photo.shown) fail(where, 'the photo is not shown');
    }
  }
}

// --- axe-core, light and dark ---

const axeTags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

async function checkAccessibility(axeSource) {
  const pages = [[small, 'index.html'], [small, 'n3.html'], [large, 'index-2.html'], [large, 'n101.html']];
  for (const scheme of ['light', 'dark']) {
    await send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value: scheme }] }, session);
    for (const [width, height] of [[360, 740], [1366, 768]]) {
      await setWindow(width, height);
      for (const [album, name] of pages) {
        await open(pageUrl(album, name));
        await evaluate(axeSource);
        // No preload: it would fetch the style sheet, which file:// pages may not.
        const violations = await evaluate(`axe.run(document, {
            runOnly: { type: 'tag', values: ${JSON.stringify(axeTags)} }, resultTypes: ['violations'],
            preload: false })
          .then((r) => r.violations.map((v) => ({ id: v.id, help: v.help,
            nodes: v.nodes.map((n) => n.target.join(' ') + ': ' + n.failureSummary.replace(/\\s+/g, ' ')) })))`);
        for (const v of violations)
          fail(`${album.name}, ${name}, ${scheme}, ${width}x${height}`,
            `axe ${v.id} (${v.help}):\n    ${v.nodes.join('\n    ')}`);
      }
    }
  }
  await send('Emulation.setEmulatedMedia', { features: [] }, session);
}

// --- the bytes a phone downloads ---

async function measure() {
  const source = path.join(work, 'Фото');
  fs.mkdirSync(source);
  const photos = fs.readdirSync(measureFolder).filter((f) => /\.jpe?g$/i.test(f));
  for (const photo of photos) fs.copyFileSync(path.join(measureFolder, photo), path.join(source, photo));
  const started = Date.now();
  const out = execFileSync(makeTool, ['-q', '--modern', '-n', 'Замер', source], { encoding: 'utf8' });
  const album = { name: 'Замер', folder: path.resolve(out.trim().split('\n').pop()) };
  console.log(`${photos.length} photos made into a modern album in ${((Date.now() - started) / 1000).toFixed(1)} s`);

  const loaded = new Map();
  chromium.onEvent((method, params) => {
    if (method === 'Network.requestWillBeSent') loaded.set(params.requestId, { url: params.request.url });
    if (method === 'Network.loadingFinished' && loaded.has(params.requestId))
      loaded.get(params.requestId).encoded = params.encodedDataLength;
  });
  await send('Network.setCacheDisabled', { cacheDisabled: true }, session);
  await setWindow(360, 740, true, 3);
  const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
  async function download(name) {
    loaded.clear();
    await open(pageUrl(album, name));
    // Until nothing more has been asked for a second: the script's preloading too.
    for (let count = -1; count !== loaded.size; ) {
      count = loaded.size;
      await sleep(1000);
    }
    const files = [...loaded.values()].map(({ url, encoded }) => {
      const file = url.startsWith('file:') ? fileURLToPath(url) : null;
      return { name: path.basename(file ?? url), bytes: file && fs.existsSync(file) ? fs.statSync(file).size : encoded ?? 0 };
    });
    return files;
  }
  const report = (label, files, target) => {
    const total = files.reduce((sum, f) => sum + f.bytes, 0);
    console.log(`${label}: ${kb(total)} in ${files.length} files${target ? ` (wanted: at most ${target} KB)` : ''}`);
    for (const f of files) console.log(`    ${f.name.padEnd(20)} ${kb(f.bytes).padStart(10)}`);
    return total;
  };
  report('index.html, first screen on a 360x740 phone at 3x', await download('index.html'), 300);
  const k = Math.min(2, photos.length);
  const files = await download(`n${k}.html`);
  const ahead = new RegExp(`^n${k + 1}-`);
  report(`n${k}.html on a 360x740 phone at 3x`, files.filter((f) => !ahead.test(f.name)), 250);
  report('    and the next photo it loads ahead', files.filter((f) => ahead.test(f.name)));
}

const watchdog = setTimeout(() => {
  console.error(`FAIL: the modern album check did not finish in time\n${chromium.log()}`);
  chromium.close().finally(() => process.exit(1));
}, measuring ? 590000 : 240000);

let status = 0;
try {
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  ({ sessionId: session } = await send('Target.attachToTarget', { targetId, flatten: true }));
  for (const domain of ['Page', 'Runtime', 'Log', 'Network']) await send(`${domain}.enable`, {}, session);
  if (measuring) {
    await measure();
  } else {
    const made = [small, large].map(makeAlbum);
    Object.assign(small, made[0]);
    Object.assign(large, made[1]);
    chromium.onEvent((method, params) => {
      if (method === 'Network.requestWillBeSent') requests.set(params.requestId, decodeURI(params.request.url));
      watchEvents(method, params);
    });

    await send('Emulation.setScriptExecutionDisabled', { value: true }, session);
    const crawled = await crawl(small);
    checkTexts(crawled);
    const pages = crawled.size + (await crawl(large)).size;
    await send('Emulation.setScriptExecutionDisabled', { value: false }, session);

    await checkNavigation();
    await checkLayout();
    if (axeScript) await checkAccessibility(fs.readFileSync(axeScript, 'utf8'));
    for (const failure of failures) console.error(`FAIL: ${failure}`);
    console.log(`2 modern albums, ${pages} pages reached by their links, checked in ${browserPath}` +
      (axeScript ? ` with axe-core ${JSON.parse(fs.readFileSync(path.join(path.dirname(axeScript), 'package.json'))).version}` : ''));
    status = failures.length ? 1 : axeScript ? 0 : 77;
    if (status === 77) console.log(`SKIPPED: the accessibility check: ${process.env.AXE_MISSING || 'no axe-core'}`);
  }
} catch (error) {
  for (const failure of failures) console.error(`FAIL: ${failure}`);
  console.error(`FAIL: ${error.stack ?? error}\n${chromium.log().slice(-2000)}`);
  status = 1;
} finally {
  clearTimeout(watchdog);
  await chromium.close();
  try {
    fs.rmSync(work, { recursive: true, force: true, maxRetries: 5 });
  } catch (error) {
    console.error(`FAIL: could not remove ${work}: ${error.message}`);
    status = 1;
  }
}
process.exit(status);
