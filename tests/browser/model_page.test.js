// The page drawn from a model file and a CSV table in real Chromium: the
// iris CSV (a header of column names and a species column) is fitted with a
// test part and saved with -model; the viewer draws it from the model and
// the CSV alone. The training curve is drawn with one vertex per iteration
// and its test curve, the species column colours the points, the component
// planes carry the column names, hovering a node shows its values in the
// input's units, and nothing is logged as an error.
// Usage: node model_page.test.js <manifit> <manifit-view> <source folder> <work folder>
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { launch, openPage } = require('./browser.js');
const { decodePng, distinctColours } = require('./png.js');
const { check, finish } = require('./check.js');

const [manifit, viewer, source, work] = process.argv.slice(2);
const csv = path.join(source, 'examples/iris.csv');

function makePage() {
  fs.rmSync(work, { recursive: true, force: true });
  fs.mkdirSync(work, { recursive: true });
  execFileSync(manifit, ['-d', csv, '-i', path.join(source, 'examples/manifit.ini'), '-n', '1',
    '-o', 'iris.map', '-t', '20', '-model', 'iris.json'], { cwd: work, stdio: 'ignore' });
  // No summary, no normalized table: the model and the table are enough.
  fs.rmSync(path.join(work, 'temp'), { force: true });
  execFileSync(viewer, ['-model', 'iris.json', '-d', csv, '-html', 'iris.html'], { cwd: work, stdio: 'ignore' });
  return path.join(work, 'iris.html');
}

async function main() {
  const file = makePage();
  const model = JSON.parse(fs.readFileSync(path.join(work, 'iris.json'), 'utf8'));
  const { context, close } = await launch();
  try {
    const { page, errors } = await openPage(context, file);
    const data = await page.evaluate(() => window.MANIFIT_DATA);

    check('the page is titled by the model file', (await page.textContent('h1')) === 'iris.json');
    const curve = await page.$('#view-curve');
    check('the training curve is present', curve !== null);
    const vertices = await page.$eval('#view-curve .train-curve', e => e.points.numberOfItems);
    check('one vertex per iteration of the history', vertices === model.history.length,
      vertices + ' vertices, ' + model.history.length + ' iterations');
    const testVertices = await page.$eval('#view-curve .test-curve', e => e.points.numberOfItems);
    check('the test error is drawn too', testVertices === model.history.length);
    let stages = 0;
    model.history.forEach((e, i) => { if (i > 0 && e.stage !== model.history[i - 1].stage) stages++; });
    check('stage boundaries are marked', stages > 0 &&
      (await page.$$eval('#view-curve .stage', es => es.length)) === stages, stages + ' boundaries');
    const image = decodePng(await page.locator('#view-curve').screenshot());
    check('the curve is painted', distinctColours(image) > 5, distinctColours(image) + ' colours');

    check('the planes are named by the columns', JSON.stringify(data.columns) === JSON.stringify(model.columns));
    const titles = await page.$$eval('.plane figcaption', es => es.map(e => e.textContent));
    check('each plane is titled by its column', JSON.stringify(titles) === JSON.stringify(model.columns), titles.join(', '));
    const legend = await page.$$eval('.legend .entry', es => es.map(e => e.textContent));
    check('the species column colours the points', JSON.stringify(legend) === '["setosa","versicolor","virginica"]', legend.join(', '));
    check('every row of the table is a point', data.points.count === 150);

    // A node's values are shown in the input's units (sepal lengths of 4.3 to 7.9 cm).
    let node = 0;
    data.counts.forEach((c, j) => { if (c > data.counts[node]) node = j; });
    await page.hover('#view-umatrix .cell[data-n="' + node + '"]');
    const info = await page.textContent('#info');
    const m = /sepal_length (-?[0-9.]+)/.exec(info);
    check('hover shows the node in input units', m !== null && +m[1] > 4 && +m[1] < 8, info);
    check('no console error', errors.length === 0, errors.join('; '));
  } finally {
    await close();
  }
  finish();
}

main().catch((e) => { console.log('FAILED: ' + (e.stack || e)); process.exit(1); });
