// node bench/modern-sharp.mjs SHARP_PREFIX FOLDER OUTPUT [--per-file]
//
// The modern album's images made with sharp, the yardstick of
// photoalbum-make --modern in bench/run: for every JPEG of FOLDER (in name
// order, numbered from 1 like the album's photos), the same files with the same
// names and sizes as plannedImages (src/state/ModernLayout.cpp) — the photo at
// widths 640, 1280 and 2560 (never wider than the original, the original's own
// width as the last), the thumbnail fitted into 320x240 and, when larger, into
// 640x480 — each as JPEG quality 85 and WebP quality 80 effort 4, upright by the
// EXIF orientation (.rotate()), sRGB and without metadata (sharp's default), all
// written into OUTPUT. SHARP_PREFIX is the folder npm installed sharp under.
//
// The original is decoded once, upright and at the largest photo width (libvips
// shrinks in the JPEG decoder), and every file is made from those pixels, as
// photoalbum-make does. With --per-file every file is its own pipeline from the
// original instead, each shrinking in the decoder for its own size: simpler
// sharp code, but on 24-megapixel photos it decodes ten times and takes well
// over twice as long, so the faster way is the yardstick.
//
// Concurrency: sharp's own defaults are kept (on glibc Linux without jemalloc
// that is one libvips thread per operation, and libuv's pool of 4 threads runs
// the operations side by side), and os.cpus().length photos are in flight at a
// time, each with all its files started at once. That keeps every core busy
// with a handful of operations queued, without holding many decoded photos in
// memory; more photos in flight only queue on the same four libuv threads.
//
// Prints "files N jpeg_bytes J webp_bytes W" for the photo widths alone, then
// "thumbnail_jpeg_bytes J thumbnail_webp_bytes W".

import { createRequire } from 'node:module';
import { readdir, mkdir } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';

const [prefix, folder, output, ...flags] = process.argv.slice(2);
if (!prefix || !folder || !output) {
    console.error('usage: modern-sharp.mjs SHARP_PREFIX FOLDER OUTPUT [--per-file]');
    process.exit(2);
}
const decodeOnce = !flags.includes('--per-file');
const require = createRequire(path.join(path.resolve(prefix), 'node_modules', 'noop.js'));
const sharp = require('sharp');

const PhotoWidths = [640, 1280, 2560];
const Thumbnail = { width: 320, height: 240 };
const Jpeg = { quality: 85, progressive: true };
const WebP = { quality: 80, effort: 4 };

// The original scaled to `width`, its height rounded, at least 1.
function atWidth(original, width) {
    return { width, height: Math.max(1, Math.round((original.height * width) / original.width)) };
}

// The original fitted into the box, never enlarged; the other side is cut
// down to whole pixels, as Qt's QSize::scaled does.
function fitted(original, box) {
    if (original.width <= box.width && original.height <= box.height)
        return { ...original };
    const width = Math.trunc((box.height * original.width) / original.height);
    if (width <= box.width)
        return { width: Math.max(1, width), height: box.height };
    return { width: box.width, height: Math.max(1, Math.trunc((box.width * original.height) / original.width)) };
}

// Every image planned for photo k of the upright size `original`, with the
// stem of its two file names.
function planned(k, original) {
    const images = [];
    const largest = Math.min(original.width, PhotoWidths[PhotoWidths.length - 1]);
    for (const width of PhotoWidths) {
        if (width >= largest)
            break;
        images.push({ ...atWidth(original, width), stem: `n${k}-${width}`, photo: true });
    }
    images.push({ ...atWidth(original, largest), stem: `n${k}-${largest}`, photo: true });
    const thumbnail = fitted(original, Thumbnail);
    images.push({ ...thumbnail, stem: `n${k}-thumb`, photo: false });
    const dense = fitted(original, { width: Thumbnail.width * 2, height: Thumbnail.height * 2 });
    if (dense.width > thumbnail.width)
        images.push({ ...dense, stem: `n${k}-thumb2x`, photo: false });
    return images;
}

const totals = { files: 0, jpeg: 0, webp: 0, thumbJpeg: 0, thumbWebp: 0 };

function count(image, kind, info) {
    totals.files += 1;
    if (image.photo)
        totals[kind] += info.size;
    else
        totals[kind === 'jpeg' ? 'thumbJpeg' : 'thumbWebp'] += info.size;
}

async function makePhoto(file, k) {
    const meta = await sharp(file).metadata();
    const turned = (meta.orientation ?? 1) >= 5;
    const upright = turned ? { width: meta.height, height: meta.width } : { width: meta.width, height: meta.height };
    const images = planned(k, upright);
    let source = sharp(file).rotate();
    if (decodeOnce) {
        const widest = images.filter((image) => image.photo).at(-1);
        const { data, info } = await source
            .resize(widest.width, widest.height, { fit: 'fill' })
            .raw()
            .toBuffer({ resolveWithObject: true });
        source = sharp(data, { raw: { width: info.width, height: info.height, channels: info.channels } });
    }
    const writes = [];
    for (const image of images) {
        const sized = source.clone().resize(image.width, image.height, { fit: 'fill' });
        const jpeg = path.join(output, `${image.stem}.jpg`);
        const webp = path.join(output, `${image.stem}.webp`);
        writes.push(sized.clone().jpeg(Jpeg).toFile(jpeg).then((info) => count(image, 'jpeg', info)));
        writes.push(sized.clone().webp(WebP).toFile(webp).then((info) => count(image, 'webp', info)));
    }
    await Promise.all(writes);
}

const names = (await readdir(folder)).filter((name) => /\.jpe?g$/i.test(name)).sort();
await mkdir(output, { recursive: true });
const inFlight = os.cpus().length;
let next = 0;
async function worker() {
    while (next < names.length) {
        const k = next++;
        await makePhoto(path.join(folder, names[k]), k + 1);
    }
}
await Promise.all(Array.from({ length: Math.min(inFlight, names.length) }, worker));
console.log(`files ${totals.files} jpeg_bytes ${totals.jpeg} webp_bytes ${totals.webp}`);
console.log(`thumbnail_jpeg_bytes ${totals.thumbJpeg} thumbnail_webp_bytes ${totals.thumbWebp}`);
