// The desktop program beside the browser's: run under a private Xvfb, sent
// keys through XTEST, its window grabbed as a picture.
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { decodePng } from './browser.mjs';

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');

export function startXvfb() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'scenes-xvfb-'));
  execFileSync(path.join(root, 'scripts/xvfb.sh'), ['start', dir], { stdio: 'ignore' });
  return { dir, display: fs.readFileSync(path.join(dir, 'display'), 'utf8').trim() };
}

export function stopXvfb(x) {
  execFileSync(path.join(root, 'scripts/xvfb.sh'), ['stop', x.dir], { stdio: 'ignore' });
  fs.rmSync(x.dir, { recursive: true, force: true });
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

export class DesktopApp {
  constructor(x, folder, program, title) {
    this.env = { ...process.env, DISPLAY: x.display };
    this.title = title;
    this.child = spawn(`./${program}`, [], { cwd: path.join(folder, program), env: this.env, stdio: 'ignore' });
  }

  xdotool(...args) {
    return execFileSync('xdotool', args, { env: this.env, encoding: 'utf8' }).trim();
  }

  async waitForWindow(timeoutMs = 60000) {
    const end = Date.now() + timeoutMs;
    while (Date.now() < end) {
      try {
        const ids = this.xdotool('search', '--name', `^${this.title.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}$`);
        if (ids) {
          this.window = ids.split('\n')[0];
          return this.window;
        }
      } catch { /* not mapped yet */ }
      await sleep(200);
    }
    throw new Error(`no desktop window titled ${this.title}`);
  }

  screenshot() {
    return decodePng(execFileSync('import', ['-window', this.window, 'png:-'], { env: this.env, maxBuffer: 1 << 26 }));
  }

  key(keysym, times = 1) {
    this.xdotool('windowfocus', '--sync', this.window);
    this.xdotool('key', '--repeat', String(times), '--delay', '5', keysym);
  }

  stop() {
    this.child.kill('SIGTERM');
  }
}
