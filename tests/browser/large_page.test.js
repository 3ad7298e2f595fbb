// The page of a large table in real Chromium: 200,000 points of 50
// coordinates on a 20 × 20 map give a page of at most 10 MB that loads with
// every point painted on the canvases and no console error, and that is
// loaded and painted within 2 s: the time from navigation to the page's
// signal that its canvases are painted, the fastest of up to three loads.
// That figure means something only on a machine with a processor to spare,
// so when every load is slower and the load average exceeds the processor
// count, the test prints the times and does not judge them.
// Usage: node large_page.test.js <manifit-view> <work folder> [points]
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { launch, openPage } = require('./browser.js');
const { check, finish } = require('./check.js');
const { writeLargeRun } = require('./large_run.js');

const [viewerArg, work, pointArg] = process.argv.slice(2);
const viewer = path.resolve(viewerArg);
const points = Number(pointArg || 200000);
const dimension = 50;
const size = 20;
const limitBytes = 10 * 1000 * 1000;
const limitMs = 2000;

async function main() {
  fs.rmSync(work, { recursive: true, force: true });
  writeLargeRun(work, points, dimension, size);
  const started = Date.now();
  execFileSync(viewer, ['-map', 'large.map', '-normdat', 'large.norm', '-summary', 'large.temp', '-p',
    'large.proj', '-labels', 'large.labels', '-html', 'large.html'], { cwd: work, stdio: 'ignore' });
  console.log('manifit-view wrote the page in ' + (Date.now() - started) + ' ms');
  const file = path.join(work, 'large.html');
  const bytes = fs.statSync(file).size;
  console.log('page size: ' + bytes + ' bytes');
  check('the page is at most 10 MB', bytes <= limitBytes, bytes + ' bytes');

  const { context, close } = await launch();
  try {
    // A fresh tab each time; the first load also reads the file from disk.
    const times = [];
    let loaded = null;
    for (let attempt = 0; attempt < 3; attempt++) {
      if (loaded) await loaded.page.close();
      loaded = await openPage(context, file);
      times.push(await loaded.page.evaluate(() => window.manifitReadyAt));
      if (times[times.length - 1] <= limitMs) break;
    }
    const fastest = Math.min.apply(null, times);
    console.log('loaded and painted in ' + times.map(t => Math.round(t) + ' ms').join(', '));
    const busy = os.loadavg()[0] > os.cpus().length;
    if (fastest <= limitMs || !busy) {
      check('loaded and painted within 2 s', fastest <= limitMs, Math.round(fastest) + ' ms');
    } else {
      console.log('NOT JUDGED: the load average ' + os.loadavg()[0].toFixed(1) + ' exceeds the ' +
        os.cpus().length + ' processors, so the time says little about the page');
    }
    const { page, errors } = loaded;
    const data = await page.evaluate(() => ({ count: window.MANIFIT_DATA.points.count, large: window.MANIFIT_DATA.points.large }));
    check('every point is in the page', data.count === points && data.large);
    const canvases = await page.evaluate(() => Array.from(document.querySelectorAll('.points-canvas')).map((c) => {
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let n = 0;
      for (let i = 3; i < d.length; i += 4) if (d[i] > 0) n++;
      return n;
    }));
    check('the data views and the map are painted on canvases', canvases.length === 4 && canvases.every(n => n > 1000), canvases.join(', '));
    const svgPoints = await page.$$eval('#view-data-12 .point', es => es.length);
    check('the SVG holds a sample of at most 2000 points', svgPoints > 0 && svgPoints <= 2000, svgPoints);
    check('the page says so without script', (await page.content()).includes('The pictures of points hold an even sample'));
    // Hovering a node highlights its points among all of them.
    await page.hover('#view-umatrix .cell[data-n="210"]');
    const counts = await page.evaluate(() => window.MANIFIT_DATA.counts[210]);
    check('hovering a node highlights all its points',
      (await page.getAttribute('#info', 'data-highlighted')) === String(counts) && counts > 0);
    check('no console error', errors.length === 0, errors.join('; '));
  } finally {
    await close();
  }
  finish();
}

main().catch((e) => { console.log('FAILED: ' + (e.stack || e)); process.exit(1); });
