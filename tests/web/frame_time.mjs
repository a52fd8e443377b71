// Each scene's unpaced frame time in headless Chromium (WebGL on SwiftShader):
// frames drawn back to back, each waited for by reading a pixel back.
//   [SCENES=a,b] node frame_time.mjs SITE_DIR [FRAMES]
import path from 'node:path';
import { canvasShot, distinctColors, launchBrowser, openScene, serveSite } from './browser.mjs';

const site = path.resolve(process.argv[2]);
const frames = Number(process.argv[3] || 200);
const server = await serveSite(site);
const browser = await launchBrowser();
try {
  for (const name of (process.env.SCENES || 'building_tour,snow_room,bezier_lights').split(',')) {
    const page = await openScene(browser, `http://127.0.0.1:${server.address().port}`, name);
    while (distinctColors(await canvasShot(page), 20) <= 10);
    await page.evaluate(() => Module._web_frame_time(10, 1));  // warm up
    const ms = await page.evaluate((n) => Module._web_frame_time(n, 1), frames);
    const before = await page.evaluate(() => Module._web_draw_count());
    const sent = await page.evaluate((n) => Module._web_frame_time(n, 0), frames);
    const draws = ((await page.evaluate(() => Module._web_draw_count())) - before) / frames;
    console.log(`${name}\t${ms.toFixed(2)} ms a frame\t${sent.toFixed(2)} ms of it sending\t${draws.toFixed(0)} draws`);
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
