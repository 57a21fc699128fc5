#!/usr/bin/env bash
# Optional: a Lighthouse run (mobile form factor, default simulated throttling)
# of a modern album served on 127.0.0.1, for reading; nothing here is a test.
#
#   bench/modern-lighthouse.sh [PHOTO_FOLDER]
#
# Makes a modern album of PHOTO_FOLDER (copied to a temporary folder first;
# default: the first 12 photos of build/release/bench-data/photos24mp, which
# bench/run makes; those synthetic photos compress to a few KiB, so give a
# folder of real-looking photos for figures that mean something), serves it
# with python3 -m http.server on 127.0.0.1 and runs Lighthouse on index.html
# and n2.html for the categories performance, accessibility and
# best-practices. Prints per page the category scores, LCP,
# CLS, TBT, total byte weight, the failing accessibility and best-practices
# audits with the elements involved, and the performance opportunities.
#
# Environment:
#   LH_VERSION   Lighthouse version from the npm registry (default 12.8.2)
#   LH_PREFIX    where it is installed with npm --no-save (default /tmp/lh)
#   CHROME_PATH  the browser (default /usr/bin/chromium)
#   LH_RUNS      runs per page; the summary is of the run with the median
#                performance score (default 1)
#   LH_PORT      the port of the server (default 8765)
#   LH_KEEP      when set, the album and the JSON reports are kept and their
#                folder is printed
#   PHOTOALBUM_MAKE  the program (default build/release/bin/photoalbum-make,
#                else build/dev/bin/photoalbum-make)
# Exits 0 unless the album, the install or a Lighthouse run failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

version="${LH_VERSION:-12.8.2}"
prefix="${LH_PREFIX:-/tmp/lh}"
export CHROME_PATH="${CHROME_PATH:-/usr/bin/chromium}"
runs="${LH_RUNS:-1}"
port="${LH_PORT:-8765}"

make_tool="${PHOTOALBUM_MAKE:-}"
if [ -z "$make_tool" ]; then
    for t in build/release/bin/photoalbum-make build/dev/bin/photoalbum-make; do
        if [ -x "$t" ]; then make_tool="$root/$t"; break; fi
    done
fi
[ -n "$make_tool" ] || { echo "no photoalbum-make built (build/release or build/dev)" >&2; exit 1; }
[ -x "$CHROME_PATH" ] || { echo "no browser at $CHROME_PATH" >&2; exit 1; }

work="$(mktemp -d /tmp/modern-lighthouse.XXXXXX)"
server=""
cleanup() {
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; fi
    if [ -n "${LH_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

mkdir "$work/photos"
if [ $# -ge 1 ]; then
    cp -- "$1"/* "$work/photos/"
else
    src="$root/build/release/bench-data/photos24mp"
    [ -d "$src" ] || { echo "no $src: run bench/run first or give a photo folder" >&2; exit 1; }
    find "$src" -maxdepth 1 -type f -name '*.jpg' | sort | head -n 12 |
        while read -r f; do cp -- "$f" "$work/photos/"; done
fi
"$make_tool" -q --modern -n Альбом "$work/photos" >/dev/null
album="$work/photos/Альбом"

if [ ! -x "$prefix/node_modules/.bin/lighthouse" ] ||
    [ "$(node -p "require('$prefix/node_modules/lighthouse/package.json').version")" != "$version" ]; then
    npm install --no-save --no-audit --no-fund --silent --prefix "$prefix" "lighthouse@$version"
fi
lighthouse="$prefix/node_modules/.bin/lighthouse"

python3 -m http.server "$port" --bind 127.0.0.1 --directory "$album" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
    if python3 -c "import urllib.request as u; u.urlopen('http://127.0.0.1:$port/index.html')" 2>/dev/null; then break; fi
    sleep 0.1
done

reports=()
for page in index n2; do
    for run in $(seq "$runs"); do
        out="$work/$page-$run.json"
        "$lighthouse" "http://127.0.0.1:$port/$page.html" \
            --only-categories=performance,accessibility,best-practices \
            --chrome-flags="--headless=new --no-sandbox" \
            --output=json --output-path="$out" --quiet
        reports+=("$out")
    done
done

node - "$runs" "${reports[@]}" <<'EOF'
const fs = require('fs');
const [runs, ...files] = process.argv.slice(2);
const n = Number(runs);
for (let i = 0; i < files.length; i += n) {
  const all = files.slice(i, i + n).map(f => JSON.parse(fs.readFileSync(f, 'utf8')));
  all.sort((a, b) => a.categories.performance.score - b.categories.performance.score);
  const r = all[Math.floor((all.length - 1) / 2)];
  const a = r.audits;
  const page = new URL(r.finalDisplayedUrl).pathname.slice(1);
  console.log(`== ${page}  Lighthouse ${r.lighthouseVersion}, ${r.configSettings.formFactor}, ${r.configSettings.throttlingMethod}`);
  if (r.runtimeError) console.log('  runtime error:', r.runtimeError.message);
  if (n > 1) console.log('  performance of the runs:', all.map(x => x.categories.performance.score).join(' '));
  console.log('  scores: ' + Object.entries(r.categories).map(([k, c]) => `${k} ${c.score}`).join(', '));
  const m = id => `${a[id].displayValue} (${a[id].score})`;
  console.log(`  LCP ${m('largest-contentful-paint')}, CLS ${m('cumulative-layout-shift')}, TBT ${m('total-blocking-time')}, FCP ${m('first-contentful-paint')}, SI ${m('speed-index')}`);
  console.log(`  total byte weight ${Math.round(a['total-byte-weight'].numericValue / 1024)} KiB in ${a['network-requests'].details.items.length} requests`);
  for (const cat of ['accessibility', 'best-practices']) {
    for (const ref of r.categories[cat].auditRefs) {
      const au = a[ref.id];
      if (au.score === null || au.score === 1 || ['notApplicable', 'manual', 'informative'].includes(au.scoreDisplayMode)) continue;
      console.log(`  failing ${cat}: ${ref.id}: ${au.title}`);
      const items = Array.isArray(au.details?.items) ? au.details.items : [];
      for (const it of items.slice(0, 5)) {
        const node = it.node ?? it.element;
        console.log('    - ' + (node?.snippet ?? it.description ?? it.url ?? JSON.stringify(it).slice(0, 160)) +
          (it.sourceLocation?.url ? ` [${it.sourceLocation.url}]` : ''));
      }
    }
  }
  const opps = r.categories.performance.auditRefs.map(ref => a[ref.id])
    .filter(au => au.score !== null && au.score < 1 && au.scoreDisplayMode !== 'notApplicable' && au.id !== 'largest-contentful-paint-element' &&
      (au.metricSavings && Object.values(au.metricSavings).some(v => v > 0) ||
       au.details?.overallSavingsBytes > 0))
    .sort((x, y) => Math.max(0, ...Object.values(y.metricSavings ?? {})) - Math.max(0, ...Object.values(x.metricSavings ?? {})));
  for (const au of opps.slice(0, 8)) {
    const items = Array.isArray(au.details?.items) ? au.details.items : [];
    console.log(`  opportunity: ${au.id}: ${au.title} ${au.displayValue ?? ''} ${JSON.stringify(au.metricSavings ?? {})}` +
      (items.length ? ` (${items.length} items, first ${items[0].url ?? items[0].node?.selector ?? ''})` : ''));
  }
  const lcp = a['largest-contentful-paint-element']?.details?.items?.[0]?.items?.[0]?.node;
  if (lcp) console.log(`  LCP element: ${lcp.selector} ${lcp.snippet}`);
}
EOF
