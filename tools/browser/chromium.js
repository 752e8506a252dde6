'use strict';
// Drives headless Chromium over its debugging pipe (file descriptors 3 and
// 4 of the browser, one JSON message per NUL-terminated record), with
// nothing but Node.js: opens pages, collects what the browser reports while
// loading them (console errors, uncaught exceptions, log entries of level
// error), evaluates functions in them and takes screenshots.
//
//   const { Browser } = require('./chromium');
//   const browser = await Browser.launch();
//   const page = await browser.newPage();
//   const report = await page.load('file:///.../page.htm');
//   const value = await page.evaluate((a, b) => a + b, 1, 2);
//   await page.screenshot('/tmp/page.png');
//   await browser.close();

const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const TIMEOUT_MS = 30000;

// This machine's network is closed: without the background-networking
// flags Chromium keeps trying to reach its update and sync services.
const FLAGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
  '--no-first-run', '--no-default-browser-check',
  '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--disable-extensions', '--disable-dev-shm-usage',
  '--hide-scrollbars', '--mute-audio', '--font-render-hinting=none',
  '--remote-debugging-pipe', 'about:blank',
];

class Browser {
  static async launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'qp-chromium-'));
    const child = spawn(CHROMIUM, [`--user-data-dir=${profile}`, ...FLAGS], {
      stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'],
    });
    const browser = new Browser(child, profile);
    await browser.send('Target.setDiscoverTargets', { discover: false });
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = new Set();
    this.stderr = '';
    this.exited = false;
    let buffered = '';
    child.stderr.on('data', (d) => { this.stderr = (this.stderr + d).slice(-4000); });
    child.stdio[4].on('data', (chunk) => {
      buffered += chunk.toString('utf8');
      let end;
      while ((end = buffered.indexOf('\0')) >= 0) {
        const message = JSON.parse(buffered.slice(0, end));
        buffered = buffered.slice(end + 1);
        this.dispatch(message);
      }
    });
    child.on('exit', (code, signal) => {
      this.exited = true;
      const error = new Error(`chromium ended (code ${code}, signal ${signal}): ${this.stderr.trim()}`);
      for (const { reject } of this.pending.values()) reject(error);
      this.pending.clear();
    });
    child.on('error', (e) => {
      this.exited = true;
      for (const { reject } of this.pending.values()) reject(e);
      this.pending.clear();
    });
  }

  dispatch(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      if (!waiting) return;
      this.pending.delete(message.id);
      clearTimeout(waiting.timer);
      if (message.error) waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else waiting.resolve(message.result);
      return;
    }
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    if (this.exited) return Promise.reject(new Error(`chromium is not running: ${this.stderr.trim()}`));
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        this.pending.delete(id);
        reject(new Error(`${method}: no answer within ${TIMEOUT_MS} ms`));
      }, TIMEOUT_MS);
      this.pending.set(id, { resolve, reject, timer, method });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  async newPage(width = 1280, height = 1024) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    await page.send('Log.enable');
    await page.resize(width, height);
    return page;
  }

  async close() {
    if (!this.exited) {
      const ended = new Promise((resolve) => this.child.once('exit', resolve));
      this.send('Browser.close').catch(() => {});
      const timer = setTimeout(() => this.child.kill('SIGKILL'), 5000);
      await ended;
      clearTimeout(timer);
    }
    fs.rmSync(this.profile, { recursive: true, force: true });
  }
}

class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  resize(width, height) {
    return this.send('Emulation.setDeviceMetricsOverride', {
      width, height, deviceScaleFactor: 1, mobile: false,
    });
  }

  // Loads a page and waits for its load event; returns the errors the
  // browser reported meanwhile, as texts.
  async load(url) {
    const errors = [];
    let loaded;
    const done = new Promise((resolve) => { loaded = resolve; });
    const listener = (m) => {
      if (m.sessionId !== this.sessionId) return;
      const p = m.params || {};
      if (m.method === 'Page.loadEventFired') loaded();
      else if (m.method === 'Runtime.exceptionThrown') {
        const d = p.exceptionDetails || {};
        errors.push(`exception: ${(d.exception && d.exception.description) || d.text}`);
      } else if (m.method === 'Runtime.consoleAPICalled' && (p.type === 'error' || p.type === 'assert')) {
        errors.push(`console.${p.type}: ${(p.args || []).map((a) => a.value ?? a.description).join(' ')}`);
      } else if (m.method === 'Log.entryAdded' && p.entry && p.entry.level === 'error') {
        errors.push(`${p.entry.source}: ${p.entry.text}${p.entry.url ? ` (${p.entry.url})` : ''}`);
      }
    };
    this.browser.listeners.add(listener);
    try {
      const result = await this.send('Page.navigate', { url });
      if (result.errorText) errors.push(`navigation: ${result.errorText}`);
      else {
        let timer;
        await Promise.race([done, new Promise((_, reject) => {
          timer = setTimeout(() => reject(new Error(`${url}: not loaded within ${TIMEOUT_MS} ms`)), TIMEOUT_MS);
        })]);
        clearTimeout(timer);
        // Reports of the last parsing steps may arrive just after the event.
        await this.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0))));
      }
    } finally {
      this.browser.listeners.delete(listener);
    }
    return errors;
  }

  // Calls fn in the page with JSON-serialisable arguments and returns its
  // (JSON-serialisable) result; a thrown error is thrown here.
  async evaluate(fn, ...args) {
    const expression = `(${fn.toString()})(...${JSON.stringify(args)})`;
    const r = await this.send('Runtime.evaluate', {
      expression, returnByValue: true, awaitPromise: true,
    });
    if (r.exceptionDetails) {
      const d = r.exceptionDetails;
      throw new Error(`in page: ${(d.exception && d.exception.description) || d.text}`);
    }
    return r.result.value;
  }

  // Writes a PNG of the whole page, at least width x height pixels (the
  // page is laid out at that size first, then grown to its content).
  async screenshot(file, width = 800, height = 200) {
    await this.resize(width, height);
    const size = await this.evaluate(() => ({
      w: Math.ceil(document.documentElement.scrollWidth),
      h: Math.ceil(Math.max(document.documentElement.scrollHeight, document.body ? document.body.scrollHeight : 0)),
    }));
    // A margin below, for texts that reach past the last block.
    const w = Math.min(4000, Math.max(width, size.w));
    const h = Math.min(8000, Math.max(height, size.h + 16));
    await this.resize(w, h);
    const shot = await this.send('Page.captureScreenshot', {
      format: 'png', clip: { x: 0, y: 0, width: w, height: h, scale: 1 }, captureBeyondViewport: true,
    });
    fs.writeFileSync(file, Buffer.from(shot.data, 'base64'));
    return { width: w, height: h };
  }
}

module.exports = { Browser };
