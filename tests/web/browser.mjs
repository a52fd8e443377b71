// Shared by the browser tests and the site's screenshots: a static server
// for the built site and headless Chromium drawing WebGL through SwiftShader.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { PNG } from 'pngjs';

const kTypes = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.png': 'image/png',
};

export function serveSite(folder) {
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://localhost');
    const file = path.join(folder, path.normalize(decodeURIComponent(url.pathname)).replace(/^([/\\])+/, ''));
    if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, { 'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'scenes-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run', `--user-data-dir=${profile}`],
  });
  browser.on('disconnected', () => {
    try { fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 }); } catch { /* Chromium may still be writing it */ }
  });
  return browser;
}

export function decodePng(buffer) {
  const png = PNG.sync.read(buffer);
  return { width: png.width, height: png.height, data: png.data };  // RGBA rows, top first
}

// Share of pixels, 0..1, whose channels all lie within tolerance of the other picture's.
export function shareAlike(a, b, tolerance = 8) {
  if (a.width !== b.width || a.height !== b.height) return 0;
  let alike = 0;
  for (let i = 0; i < a.data.length; i += 4) {
    if (Math.abs(a.data[i] - b.data[i]) <= tolerance && Math.abs(a.data[i + 1] - b.data[i + 1]) <= tolerance &&
        Math.abs(a.data[i + 2] - b.data[i + 2]) <= tolerance) alike++;
  }
  return alike / (a.width * a.height);
}

export function distinctColors(img, limit = 1000) {
  const seen = new Set();
  for (let i = 0; i < img.data.length && seen.size < limit; i += 4)
    seen.add((img.data[i] << 16) | (img.data[i + 1] << 8) | img.data[i + 2]);
  return seen.size;
}

// A scene's page with only its canvas; resolves once the program runs.
export async function openScene(browser, base, program) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1024, height: 800 });
  await page.goto(`${base}/${program}/index.html?bare`);
  await page.waitForFunction(() => window.scene && (window.scene.running || window.scene.exitStatus !== null),
    { timeout: 60000 });
  return page;
}

export async function canvasShot(page) {
  const canvas = await page.$('#canvas');
  return decodePng(await canvas.screenshot({ type: 'png' }));
}
