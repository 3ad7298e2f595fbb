// The iris example's page in real Chromium: every view renders, hovering a
// node shows its values and highlights its points, clicking a variable
// recolours the map, clicking a legend entry hides its class, nothing is
// logged as an error, and without script every picture still shows.
// Usage: node iris_page.test.js <manifit> <manifit-view> <source folder> <work folder>
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { launch, openPage } = require('./browser.js');
const { decodePng, distinctColours, changedPixels } = require('./png.js');
const { check, finish } = require('./check.js');

const [manifit, viewer, source, work] = process.argv.slice(2);

function makePage() {
  fs.rmSync(work, { recursive: true, force: true });
  fs.mkdirSync(work, { recursive: true });
  execFileSync(manifit, ['-d', path.join(source, 'examples/iris.txt'), '-i',
    path.join(source, 'examples/manifit.ini'), '-n', '1', '-o', 'iris.map', '-dat', 'iris', '-p',
    'iris.proj', '-normdat', 'iris.norm'], { cwd: work, stdio: 'ignore' });
  execFileSync(viewer, ['-map', 'iris.map', '-normdat', 'iris.norm', '-p', 'iris.proj', '-labels',
    path.join(source, 'examples/iris-labels.txt'), '-html', 'iris.html'], { cwd: work, stdio: 'ignore' });
  return path.join(work, 'iris.html');
}

async function shot(page, selector) {
  return decodePng(await page.locator(selector).screenshot());
}

async function main() {
  const file = makePage();
  const { context, close } = await launch();
  try {
    const { page, errors } = await openPage(context, file);
    const data = await page.evaluate(() => window.MANIFIT_DATA);

    // Every view is drawn (pictures of one colour or a few are blank).
    await page.click('[data-pair="12"]');
    const views = ['#view-data-12', '#view-map', '#view-umatrix', '#view-quality'];
    for (let i = 1; i <= data.columns.length; i++) views.push('#view-plane-' + i);
    for (const id of views) {
      const image = await shot(page, id);
      check('view ' + id + ' is drawn', distinctColours(image) > 20, distinctColours(image) + ' colours');
    }
    for (const pair of ['13', '23']) {
      await page.click('[data-pair="' + pair + '"]');
      check('pair ' + pair + ' is shown alone', await page.isVisible('#view-data-' + pair) &&
        !(await page.isVisible('#view-data-12')));
      check('view ' + pair + ' is drawn', distinctColours(await shot(page, '#view-data-' + pair)) > 20);
    }
    await page.click('[data-pair="12"]');

    // Hovering the busiest node's U-matrix cell: its figures, its points ringed in every view.
    let node = 0;
    data.counts.forEach((c, j) => { if (c > data.counts[node]) node = j; });
    await page.hover('#view-umatrix .cell[data-n="' + node + '"]');
    const info = await page.textContent('#info');
    check('hover names the node and its count', info.includes('Node ' + node + ': ' + data.counts[node] + ' points'), info);
    const shown = v => { const t = Number(v).toPrecision(4); return t.includes('.') && !t.includes('e') ? t.replace(/0+$/, '').replace(/\.$/, '') : t; };
    const values = data.columns.map((c, i) => c + ' ' + shown(data.values[i][node]));
    check('hover shows every variable of the node', values.every(v => info.includes(v)), info);
    check('hover highlights all its points',
      (await page.getAttribute('#info', 'data-highlighted')) === String(data.counts[node]));
    const lit = await page.$$eval('.hl', es => es.map(e => e.closest('svg').id));
    for (const id of views.concat(['#view-data-13', '#view-data-23'])) {
      check('node highlighted in ' + id, lit.includes(id.slice(1)));
    }
    const ringed = await page.evaluate(() => {
      const c = document.querySelector('#view-data-12').parentNode.querySelector('.highlight-canvas');
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let n = 0;
      for (let i = 3; i < d.length; i += 4) if (d[i] > 0) n++;
      return n;
    });
    check('the node\'s points are ringed on the data view', ringed > 20 * data.counts[node], ringed + ' pixels');

    // Hovering a point: its label and its projection.
    await page.locator('#view-data-12').scrollIntoViewIfNeeded();
    const point = await page.$eval('#view-data-12 .point', e => ({ p: +e.getAttribute('data-p'), x: +e.getAttribute('cx'), y: +e.getAttribute('cy') }));
    const box = await page.locator('#view-data-12').boundingBox();
    await page.mouse.move(box.x + point.x, box.y + point.y);
    const pointInfo = await page.textContent('#info');
    check('hover on a point shows its number, label and projection',
      pointInfo.startsWith('Point ' + (point.p + 1) + ' (setosa)') && pointInfo.includes('on the map at'), pointInfo);

    // Clicking a variable recolours the map view.
    await page.mouse.move(0, 0);
    const fills = () => page.$$eval('#view-map .cell', es => es.map(e => e.getAttribute('fill')));
    const hitFills = await fills();
    const before = await shot(page, '#view-map');
    await page.click('#figure-map [data-var="2"]');
    const after = await shot(page, '#view-map');
    const changed = changedPixels(before, after);
    check('clicking a variable changes the map\'s colours', changed > 0.2 * before.width * before.height, changed + ' pixels');
    check('the scale names the variable', (await page.textContent('#map-scale .scale-title')).startsWith(data.columns[2]));
    await page.click('#figure-map [data-var="-1"]');
    // (A repaint may shift a few anti-aliased pixels; the cells' colours are exact.)
    check('hit counts come back', JSON.stringify(await fills()) === JSON.stringify(hitFills) &&
      changedPixels(before, await shot(page, '#view-map')) < 0.01 * before.width * before.height);
    await page.click('.plane figcaption[data-var="0"]');
    check('a component plane\'s title recolours too',
      changedPixels(before, await shot(page, '#view-map')) > 0.2 * before.width * before.height);

    // A legend entry hides its class and shows it again.
    const setosa = await page.$$eval('#view-data-12 .point', es => es.filter(e => e.querySelector('title').textContent.endsWith('setosa')).length);
    await page.click('[data-class="0"]');
    const hidden = await page.$$eval('#view-data-12 .point', es => es.filter(e => e.style.display === 'none').length);
    check('the legend hides the class', hidden === setosa && setosa === 50, hidden + ' of ' + setosa);
    await page.click('[data-class="0"]');
    check('and shows it again', (await page.$$eval('#view-data-12 .point', es => es.filter(e => e.style.display === 'none').length)) === 0);

    check('no console error', errors.length === 0, errors.join('; '));

    // Without script every picture still shows: all three data views, the
    // map, the U-matrix, the quality and the component planes.
    const still = await context.newPage();
    const cdp = await context.newCDPSession(still);
    await cdp.send('Emulation.setScriptExecutionDisabled', { value: true });
    await still.goto('file://' + path.resolve(file));
    check('the script did not run', await still.evaluate(() => window.manifitReady === undefined).catch(() => true));
    for (const id of views.concat(['#view-data-13', '#view-data-23'])) {
      const image = decodePng(await still.locator(id).screenshot());
      check('without script ' + id + ' is drawn', distinctColours(image) > 20, distinctColours(image) + ' colours');
    }
    await still.close();
  } finally {
    await close();
  }
  finish();
}

main().catch((e) => { console.log('FAILED: ' + (e.stack || e)); process.exit(1); });
