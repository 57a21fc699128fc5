// Makes a modern album of the photos in FOLDER (copied first, FOLDER is left
// as it was) and prints what a phone (360x740, 3 pixels to the point) downloads
// in headless chromium for the first screen of the index and for a photo page,
// file by file. The figures are for reading; the exit status is 0 unless the
// album or the browser failed.
//
// usage: node bench/modern-phone-bytes.mjs FOLDER CHROMIUM PHOTOALBUM_MAKE

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { runInTab } from '../tests/browser/chromium.mjs';

const [folder, browserPath, makeTool] = process.argv.slice(2);
if (!makeTool) {
  console.error('usage: node bench/modern-phone-bytes.mjs FOLDER CHROMIUM PHOTOALBUM_MAKE');
  process.exit(2);
}
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

await runInTab(browserPath, 'photoalbum-phone-bytes', 590, async ({ chromium, tab, work }) => {
  const source = path.join(work, 'Фото');
  fs.mkdirSync(source);
  const photos = fs.readdirSync(folder).filter((f) => /\.jpe?g$/i.test(f));
  for (const photo of photos) fs.copyFileSync(path.join(folder, photo), path.join(source, photo));
  const started = Date.now();
  const out = execFileSync(makeTool, ['-q', '--modern', '-n', 'Замер', source], { encoding: 'utf8' });
  const album = path.resolve(out.trim().split('\n').pop());
  console.log(`${photos.length} photos made into a modern album in ${((Date.now() - started) / 1000).toFixed(1)} s`);

  const loaded = new Map();
  chromium.onEvent((method, params) => {
    if (method === 'Network.requestWillBeSent') loaded.set(params.requestId, { url: params.request.url });
    if (method === 'Network.loadingFinished' && loaded.has(params.requestId))
      loaded.get(params.requestId).encoded = params.encodedDataLength;
  });
  await tab.send('Network.setCacheDisabled', { cacheDisabled: true });
  await tab.window(360, 740, true, 3);

  // The files a page asks for until it has asked for nothing more for a
  // second: the script's loading ahead too. A file of the album counts at its
  // size on disk.
  async function download(name) {
    loaded.clear();
    await tab.open(pathToFileURL(path.join(album, name)).href);
    for (let count = -1; count !== loaded.size; await sleep(1000)) count = loaded.size;
    return [...loaded.values()].map(({ url, encoded }) => {
      const file = url.startsWith('file:') ? fileURLToPath(url) : null;
      const bytes = file && fs.existsSync(file) ? fs.statSync(file).size : encoded ?? 0;
      return { name: path.basename(file ?? url), bytes };
    });
  }
  const report = (label, files, target) => {
    const total = files.reduce((sum, f) => sum + f.bytes, 0);
    console.log(`${label}: ${kb(total)} in ${files.length} files${target ? ` (wanted: at most ${target} KB)` : ''}`);
    for (const f of files) console.log(`    ${f.name.padEnd(20)} ${kb(f.bytes).padStart(10)}`);
  };

  report('index.html, first screen on a 360x740 phone at 3x', await download('index.html'), 300);
  const k = Math.min(2, photos.length);
  const files = await download(`n${k}.html`);
  const ahead = (f) => f.name.startsWith(`n${k + 1}-`);
  report(`n${k}.html on a 360x740 phone at 3x`, files.filter((f) => !ahead(f)), 250);
  report('    and the next photo it loads ahead', files.filter(ahead));
  return 0;
});
