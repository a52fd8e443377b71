// Each scene in headless Chromium against the same program on the desktop:
// the first picture, and the picture after each key that changes it, must
// agree on at least 95 % of pixels within 8/255 per channel.
//
//   node browser_test.mjs SITE_DIR NATIVE_BUILD_DIR
import assert from 'node:assert/strict';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { canvasShot, distinctColors, launchBrowser, openScene, serveSite, shareAlike } from './browser.mjs';
import { DesktopApp, startXvfb, stopXvfb } from './desktop.mjs';

const [site, native] = process.argv.slice(2).map((p) => path.resolve(p));
const kAlike = 0.95;
const kTimeoutMs = 60000;  // only the failure bound, as on the desktop; a busy machine took 4.4 s at most
const kChangedPixels = 100;  // a turned fan blade or a gate moved, not a snowflake

let server, base, browser, xvfb;

before(async () => {
  server = await serveSite(site);
  base = `http://127.0.0.1:${server.address().port}`;
  browser = await launchBrowser();
  xvfb = startXvfb();
});

after(async () => {
  await browser?.close();
  server?.close();
  if (xvfb) stopXvfb(xvfb);
});

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const drawn = (img) => distinctColors(img, 20) > 10;

// Waits until both sides show a picture and the two agree; the best share
// seen is reported when they never do.
async function agreeing(page, app, what) {
  const end = Date.now() + kTimeoutMs;
  let best = 0;
  while (Date.now() < end) {
    const web = await canvasShot(page);
    const desk = app.screenshot();
    if (drawn(web) && drawn(desk)) {
      const share = shareAlike(web, desk);
      best = Math.max(best, share);
      if (share >= kAlike) return share;
    }
    await sleep(250);
  }
  assert.fail(`${what}: at best ${(best * 100).toFixed(1)} % of pixels alike, want ${kAlike * 100} %`);
}

// Keys as the page takes them, and as X names them.
const keysym = (k) => ({ '+': 'plus', '-': 'minus' }[k] || k);

function compareScene(program, title, keys, output = null) {
  describe(program, () => {
    let page, app;
    before(async () => {
      app = new DesktopApp(xvfb, native, program, title);
      await app.waitForWindow();
      page = await openScene(browser, base, program);
    });
    after(async () => {
      app?.stop();
      await page?.close();
    });

    test('first picture matches the desktop', async () => {
      await agreeing(page, app, 'first picture');
      // Its text output reaches the page while it runs, line end or not.
      if (output !== null) assert.equal(await page.evaluate(() => window.scene.output), output);
    });

    for (const [key, times] of keys) {
      test(`after '${key}' x${times} the picture changes and matches the desktop`, async () => {
        const before = await canvasShot(page);
        for (let i = 0; i < times; i++) await page.keyboard.press(key);
        app.key(keysym(key), times);
        const end = Date.now() + kTimeoutMs;
        let changed = false;
        while (!changed && Date.now() < end) {
          const now = await canvasShot(page);
          changed = (1 - shareAlike(now, before)) * now.width * now.height >= kChangedPixels;
          if (!changed) await sleep(100);
        }
        assert.ok(changed, `'${key}' left the browser's picture as it was`);
        await agreeing(page, app, `after '${key}'`);
      });
    }
  });
}

// Keys and how often each is pressed: the gates turn a degree a press.
compareScene('building_tour', '::: Bloco VELD Beta :::', [['D', 80], ['X', 1], ['Y', 1], ['z', 1]], '');
compareScene('snow_room', '>>RIVO', [['p', 1], ['v', 1], ['x', 1], ['Y', 1], ['z', 1]], 'iniciou');
// Its window title is its argv[0], as the harness starts it.
compareScene('bezier_lights', './bezier_lights', []);

// The layer's lighting equation, tile by tile, against colours worked out by
// hand from OpenGL's definitions (tests/web/lighting_probe.cpp).
describe('lighting equation', () => {
  test('each tile shows the colour worked out by hand, within 2/255', async () => {
    const page = await browser.newPage();
    await page.goto(`${base}/cmake/probe/index.html`);
    await page.waitForFunction(() => window.probe.lines.includes('drawn'), { timeout: kTimeoutMs });
    const lines = await page.evaluate(() => window.probe.lines);
    const shot = await canvasShot(page);
    await page.close();
    const tiles = lines.filter((l) => l.startsWith('tile '));
    assert.ok(tiles.length >= 6, `only ${tiles.length} tiles reported`);
    const wrong = [];
    for (const line of tiles) {
      const [, x, y, r, g, b, ...name] = line.split(' ');
      const want = [r, g, b].map((v) => Math.round(Number(v) * 255));
      // A block around the centre, every pixel of it, not one lucky pixel.
      for (let dy = -8; dy <= 8; dy++) {
        for (let dx = -8; dx <= 8; dx++) {
          const i = ((Number(y) + dy) * shot.width + Number(x) + dx) * 4;
          const got = [shot.data[i], shot.data[i + 1], shot.data[i + 2]];
          if (got.some((v, c) => Math.abs(v - want[c]) > 2)) {
            wrong.push(`${name.join(' ')}: got ${got}, want ${want}`);
            dy = dx = 9;
          }
        }
      }
    }
    assert.deepEqual(wrong, []);
  });
});

describe('glew_probe', () => {
  test('says what the browser context supports, and ends', async () => {
    const page = await openScene(browser, base, 'glew_probe');
    await page.waitForFunction(() => window.scene.exitStatus !== null, { timeout: kTimeoutMs });
    const { output, exitStatus } = await page.evaluate(() => window.scene);
    // WebGL 1.0 is not desktop OpenGL 2.0: the program must say so and fail as on such a machine.
    assert.match(output, /^Status: Using GLEW .*WebGL 1\.0/m);
    assert.match(output, /^Nao tem suporte para OpenGL 2\.0$/m);
    assert.equal(exitStatus, 1);
    const context = await page.$eval('#context', (e) => e.textContent);
    assert.match(context, /version: WebGL 1\.0/);
    await page.close();
  });
});
