// The site's pictures: each scene's first picture for the index, and one
// whole page for the README.
//   node site_pictures.mjs SITE_DIR [DOCS_DIR]
import fs from 'node:fs';
import path from 'node:path';
import { PNG } from 'pngjs';
import { canvasShot, distinctColors, launchBrowser, openScene, serveSite } from './browser.mjs';

const [site, docs] = process.argv.slice(2).map((p) => path.resolve(p));
const scenes = JSON.parse(fs.readFileSync(path.join(site, 'scenes.json'), 'utf8'));
const server = await serveSite(site);
const base = `http://127.0.0.1:${server.address().port}`;
const browser = await launchBrowser();
try {
  for (const { name } of scenes) {
    const page = await openScene(browser, base, name);
    // The first drawn picture; a program that draws nothing keeps its black window.
    let shot = await canvasShot(page);
    for (let i = 0; i < 100 && distinctColors(shot, 20) <= 10 && (await page.evaluate(() => window.scene.running)); i++)
      shot = await canvasShot(page);
    const png = new PNG({ width: shot.width, height: shot.height });
    shot.data.copy(png.data);
    fs.writeFileSync(path.join(site, `${name}.png`), PNG.sync.write(png));
    await page.close();
  }
  if (docs) {
    const page = await browser.newPage();
    await page.setViewport({ width: 900, height: 800 });
    await page.goto(`${base}/snow_room/index.html`);
    await page.waitForFunction(() => window.scene && window.scene.output.includes('iniciou'), { timeout: 60000 });
    await page.screenshot({ path: path.join(docs, 'web_snow_room_page.png'), fullPage: true });
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
