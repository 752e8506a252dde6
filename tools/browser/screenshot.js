'use strict';
// Takes a PNG screenshot of each page in headless Chromium.
//
//   node screenshot.js OUTDIR PAGE.htm...     writes OUTDIR/PAGE.png
//
// A page is laid out 640 pixels wide (wider when its content is) and shot
// whole.  Fails when the browser reports an error while loading a page.
const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const { Browser } = require('./chromium');

async function main([outDir, ...pages]) {
  if (!outDir || !pages.length) {
    console.error('usage: screenshot.js OUTDIR PAGE.htm...');
    return 2;
  }
  fs.mkdirSync(outDir, { recursive: true });
  const browser = await Browser.launch();
  let status = 0;
  try {
    const page = await browser.newPage();
    for (const file of pages) {
      const errors = await page.load(pathToFileURL(path.resolve(file)).href);
      for (const e of errors) {
        console.error(`${file}: ${e}`);
        status = 1;
      }
      const png = path.join(outDir, `${path.basename(file).replace(/\.[^.]*$/, '')}.png`);
      const size = await page.screenshot(png, 640);
      console.log(`${png} (${size.width}x${size.height})`);
    }
  } finally {
    await browser.close();
  }
  return status;
}

main(process.argv.slice(2)).then((code) => { process.exitCode = code; }, (e) => {
  console.error(`screenshot: ${e.stack || e}`);
  process.exitCode = 2;
});
