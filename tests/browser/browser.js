// Launches the system Chromium through playwright-core with a fresh, empty
// profile and no network use of its own. Exits with status 77 (a skip) when
// Chromium or the node modules are missing.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');

const SKIP = 77;
const CHROMIUM = process.env.MANIFIT_CHROMIUM || '/usr/bin/chromium';

function skip(why) {
  console.log('SKIPPED: ' + why);
  process.exit(SKIP);
}

function loadPlaywright() {
  try {
    return require('playwright-core');
  } catch (e) {
    skip('playwright-core is not installed (run npm ci in tests/browser)');
  }
  return null;
}

async function launch() {
  if (!fs.existsSync(CHROMIUM)) skip(CHROMIUM + ' is not installed');
  const { chromium } = loadPlaywright();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'manifit-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1200, height: 900 },
  });
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

// Opens the page and collects console errors and uncaught exceptions.
async function openPage(context, file) {
  const page = await context.newPage();
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('request', (r) => { if (!r.url().startsWith('file:')) errors.push('request ' + r.url()); });
  await page.goto('file://' + path.resolve(file));
  await page.waitForFunction(() => window.manifitReady === true, null, { timeout: 60000 });
  return { page, errors };
}

module.exports = { launch, openPage, skip, SKIP };
