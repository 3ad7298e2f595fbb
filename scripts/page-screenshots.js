// Photographs the views of manifit-view pages in headless Chromium for the
// README: the whole top of the iris page and each view on its own.
// Usage: node scripts/page-screenshots.js <iris page> <graph page> <output folder>
// Needs the system Chromium and playwright-core (npm ci in tests/browser).
'use strict';
const path = require('path');
const { launch, openPage } = require('../tests/browser/browser.js');

const [irisPage, graphPage, out] = process.argv.slice(2);

async function shoot(page, selector, name) {
  await page.locator(selector).screenshot({ path: path.join(out, name) });
  console.log(path.join(out, name) + ' written');
}

async function main() {
  const { context, close } = await launch();
  try {
    const { page } = await openPage(context, irisPage);
    await page.screenshot({ path: path.join(out, 'iris-page.png') });
    console.log(path.join(out, 'iris-page.png') + ' written');
    await shoot(page, '#figure-data-12', 'view-data.png');
    await shoot(page, '#figure-map', 'view-map.png');
    await shoot(page, '#figure-umatrix', 'view-umatrix.png');
    await shoot(page, '#figure-quality', 'view-quality.png');
    await shoot(page, '.planes', 'view-planes.png');
    await shoot(page, '#figure-curve', 'view-curve.png');
    // Interaction: the map coloured by a variable, a node under the mouse.
    await page.click('#figure-map [data-var="2"]');
    let node = 0;
    const counts = await page.evaluate(() => window.MANIFIT_DATA.counts);
    counts.forEach((c, j) => { if (c > counts[node]) node = j; });
    await page.hover('#view-umatrix .cell[data-n="' + node + '"]');
    await page.evaluate(() => window.scrollTo(0, 0));
    await shoot(page, '#info', 'view-hover-info.png');
    await shoot(page, '#figure-map', 'view-map-variable.png');
    const graph = await openPage(context, graphPage);
    await shoot(graph.page, '#figure-map', 'view-graph.png');
  } finally {
    await close();
  }
}

main().catch((e) => { console.log(e.stack || String(e)); process.exit(1); });
