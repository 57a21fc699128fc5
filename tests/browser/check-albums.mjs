// Makes albums with photoalbum-make and opens every page in headless chromium,
// driven over --remote-debugging-pipe (no network, no npm packages): each page
// must be decoded as windows-1251, every link and picture must resolve to a
// file in the album folder (the one link to the author's site aside), every
// picture must be decoded by the browser, the navigation buttons must lead to
// the right pages, and titles must read exactly as they were typed.
//
// usage: node check-albums.mjs CHROMIUM PHOTOALBUM_MAKE PHOTO_MAKER

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { settle as settleOn, startChromium } from './chromium.mjs';

const [browserPath, makeTool, photoMaker] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'photoalbum-browser-'));
const failures = [];
const fail = (where, what) => failures.push(`${where}: ${what}`);
const ordinals = ['Первая', 'Вторая', 'Третья', 'Четвертая'];

// Each album: how it is made and what its pages must show.
const albums = [
  {
    label: 'copy mode, Cyrillic titles',
    name: 'Летний отпуск',
    args: [],
    photos: ['Закат#Над заливом.jpg', 'Лес#Осенняя тропа.jpg', 'Море#Волны.jpg'],
  },
  {
    label: 'copy mode, a title with quotes and <',
    name: 'Сад & огород',
    args: [],
    photos: ['Сад "Эдем" <1>#Кот & пёс.jpg', 'Двор#\'Тихий\' уголок.jpg'],
  },
  {
    label: 'copy mode, one photo',
    name: 'Одна',
    args: [],
    photos: ['Единственная#Только она.jpg'],
  },
  {
    label: 'copy mode, thumbnails',
    name: 'С миниатюрами',
    args: ['--thumbnails'],
    photos: ['a.jpg', 'b.jpg', 'c.jpg'],
    thumbnails: ['a-m.jpg', 'b-m.jpg', 'c-m.jpg'],
  },
  {
    label: 'rename mode, a title with quotes and <',
    name: 'Переименованный альбом №1',
    args: ['--rename'],
    photos: ['n1.jpg', 'Пруд#Утки.jpg', 'Сад "Эдем" <1>#Кот & пёс.jpg'],
  },
  {
    label: 'rename mode, thumbnails',
    name: 'Переименованный с миниатюрами',
    args: ['--rename', '--thumbnails'],
    photos: ['n2.jpg', 'x.jpg', 'Лес.jpg'],
    thumbnails: ['n2-m.jpg', 'x-m.jpg', 'Лес-m.jpg'],
  },
  {
    label: 'copy mode, web photos with thumbnails made from them',
    name: 'Для WEB',
    args: ['--web', '--thumbnails'],
    photos: ['a.jpg', 'b.jpg'],
    madeThumbnails: true,
    pictureSize: [600, 410],
  },
];

// The photos in album order: as the program lists them, by the upper-cased name.
function albumOrder(names) {
  const key = (n) => n.toUpperCase();
  return [...names].sort((a, b) => (key(a) < key(b) ? -1 : key(a) > key(b) ? 1 : a < b ? -1 : 1));
}

function makeAlbum(album, index) {
  const source = path.join(work, `album${index}`, 'Фото');
  execFileSync(photoMaker, [source, ...album.photos, ...(album.thumbnails ?? [])]);
  const out = execFileSync(makeTool, ['-q', ...album.args, '-n', album.name, source], {
    encoding: 'utf8',
  });
  const folder = out.trim().split('\n').pop();
  const photos = albumOrder(album.photos);
  // Titles come from the file names only without thumbnails: "Title#Comment.jpg".
  const titles = album.thumbnails || album.madeThumbnails
    ? photos.map(() => '')
    : photos.map((n, k) => (n.includes('#') ? n.slice(0, n.indexOf('#')) : ordinals[k]));
  return { ...album, folder: path.resolve(folder), count: photos.length, titles };
}

const chromium = startChromium(browserPath, work);
const send = chromium.send;

// --- what a page looks like from inside the browser ---
const pageFacts = `(() => {
  const textOf = (selector) => [...document.querySelectorAll(selector)].map((e) => e.textContent.trim());
  return {
    url: location.href,
    charset: document.characterSet,
    title: document.title,
    links: [...document.querySelectorAll('a[href]')].map((a) => ({
      href: a.href,
      button: a.querySelector('img') ? a.querySelector('img').getAttribute('src') : null,
    })),
    images: [...document.querySelectorAll('img')].map((i) => ({
      src: i.src, alt: i.getAttribute('alt'), loaded: i.complete && i.naturalWidth > 0,
      naturalSize: [i.naturalWidth, i.naturalHeight],
    })),
    albumNameOnPhotoPage: textOf('h3 font[color="#800000"]'),
    photoTitle: textOf('h3 font[color="#000080"]'),
    indexName: textOf('font[size="6"]'),
    indexTitles: textOf('h4'),
  };
})()`;

const settle = (session, arrived) => settleOn(send, session, arrived);

async function open(session, url) {
  await send('Page.navigate', { url }, session);
  if ((await settle(session, (href) => href === url)) === null)
    throw new Error(`${url} did not load`);
  return (await send('Runtime.evaluate', { expression: pageFacts, returnByValue: true }, session))
    .result.value;
}

// Clicks the link around the button picture; returns where the tab ends up.
async function click(session, from, buttonSrc) {
  await send(
    'Runtime.evaluate',
    { expression: `document.querySelector('a img[src="${buttonSrc}"]').parentElement.click()` },
    session,
  );
  return (await settle(session, (href) => href !== from)) ?? from;
}

const pageUrl = (album, name) => pathToFileURL(path.join(album.folder, name)).href;

function checkResources(album, where, facts) {
  if (facts.charset !== 'windows-1251') fail(where, `decoded as ${facts.charset}`);
  const targets = [...facts.links.map((l) => l.href), ...facts.images.map((i) => i.src)];
  let external = 0;
  for (const target of targets) {
    if (!target.startsWith('file:')) {
      external += 1;
      if (!/^https?:\/\//.test(target) || !where.endsWith('start.htm'))
        fail(where, `leads off the album: ${target}`);
      continue;
    }
    const file = fileURLToPath(target);
    if (path.dirname(file) !== album.folder) fail(where, `leads outside the album: ${file}`);
    else if (!fs.existsSync(file)) fail(where, `leads to a missing file: ${path.basename(file)}`);
  }
  if (external > 1) fail(where, `${external} links leave the album`);
  for (const image of facts.images)
    if (!image.loaded) fail(where, `the browser could not show ${image.src}`);
}

async function checkAlbum(album, session) {
  const index = pageUrl(album, 'start.htm');
  const where = `${album.label}, start.htm`;
  const facts = await open(session, index);
  checkResources(album, where, facts);
  if (facts.title !== album.name) fail(where, `title "${facts.title}" instead of "${album.name}"`);
  if (facts.indexName[0] !== album.name)
    fail(where, `album name "${facts.indexName[0]}" instead of "${album.name}"`);
  for (let k = 1; k <= album.count; k++) {
    const title = album.titles[k - 1];
    if (facts.indexTitles[k - 1] !== title)
      fail(where, `row ${k} reads "${facts.indexTitles[k - 1]}" instead of "${title}"`);
    const picture = facts.images.find((i) => i.src.endsWith(album.thumbnails || album.madeThumbnails ? `/n${k}-m.jpg` : `/n${k}.jpg`));
    if (!picture || picture.alt !== title) fail(where, `row ${k}'s picture is not titled "${title}"`);
    const rowLinks = facts.links.filter((l) => l.href === pageUrl(album, `n${k}.htm`));
    if (rowLinks.length !== 1) fail(where, `${rowLinks.length} links to n${k}.htm`);
  }
  if (facts.links.some((l) => l.href === pageUrl(album, `n${album.count + 1}.htm`)))
    fail(where, 'links to a page past the last photo');

  for (let k = 1; k <= album.count; k++) {
    const name = `n${k}.htm`;
    const here = `${album.label}, ${name}`;
    const page = await open(session, pageUrl(album, name));
    checkResources(album, here, page);
    if (page.title !== ordinals[k - 1]) fail(here, `title "${page.title}" instead of "${ordinals[k - 1]}"`);
    if (page.albumNameOnPhotoPage[0] !== album.name)
      fail(here, `album name "${page.albumNameOnPhotoPage[0]}" instead of "${album.name}"`);
    if (page.photoTitle[0] !== album.titles[k - 1])
      fail(here, `photo title "${page.photoTitle[0]}" instead of "${album.titles[k - 1]}"`);
    const photo = page.images.find((i) => i.src === pageUrl(album, `n${k}.jpg`));
    if (!photo || photo.alt !== album.titles[k - 1]) fail(here, `the photo is not titled "${album.titles[k - 1]}"`);
    if (photo && album.pictureSize && photo.naturalSize.join('x') !== album.pictureSize.join('x'))
      fail(here, `the photo is ${photo.naturalSize.join('x')}, not ${album.pictureSize.join('x')}`);

    // Home always; back everywhere but on the first page; forward everywhere but on the last.
    const expected = { 'ish-bt.gif': 'start.htm' };
    if (k > 1) expected['back-bt.gif'] = `n${k - 1}.htm`;
    if (k < album.count) expected['for-bt.gif'] = `n${k + 1}.htm`;
    const buttons = page.links.filter((l) => l.button).map((l) => l.button).sort();
    if (JSON.stringify(buttons) !== JSON.stringify(Object.keys(expected).sort()))
      fail(here, `buttons ${buttons.join(', ')} instead of ${Object.keys(expected).sort().join(', ')}`);
    let onThisPage = true;
    for (const [button, target] of Object.entries(expected)) {
      if (!buttons.includes(button)) continue;
      if (!onThisPage) await open(session, pageUrl(album, name));
      const landed = await click(session, pageUrl(album, name), button);
      onThisPage = landed === pageUrl(album, name);
      if (landed !== pageUrl(album, target))
        fail(here, `${button} leads to ${decodeURI(landed)}, not ${target}`);
    }
  }
}

const watchdog = setTimeout(() => {
  console.error(`FAIL: the browser check did not finish in time\n${chromium.log()}`);
  chromium.close().finally(() => process.exit(1));
}, 240000);

let status = 0;
try {
  const made = albums.map(makeAlbum);
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  for (const album of made) await checkAlbum(album, sessionId);
  for (const failure of failures) console.error(`FAIL: ${failure}`);
  const pages = made.reduce((n, a) => n + a.count + 1, 0);
  console.log(`${made.length} albums, ${pages} pages checked in ${browserPath}`);
  status = failures.length ? 1 : 0;
} catch (error) {
  console.error(`FAIL: ${error.stack ?? error}\n${chromium.log()}`);
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
