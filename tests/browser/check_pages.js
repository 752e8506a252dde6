'use strict';
// Loads SVG pages in headless Chromium and checks what the browser itself
// reports about them, each against the VML page the same program wrote for
// the same chart description (the VML page fixes which blocks, sizes,
// positions and series elements the description asks for):
//
//   console    the page loads without errors, warnings of level error or
//              exceptions
//   document   a page opened by the standard heading is parsed in standards
//              mode as UTF-8
//   blocks     one svg per positioned block of the VML page, in the same
//              order, positioned as that block (position, left, top)
//   svg        each svg is an SVG element in the SVG namespace with its own
//              xmlns, a viewBox, role="img" and aria-labelledby naming a
//              <title> and a <desc> inside that svg
//   size       width and height equal the VML group's, and so does the size
//              the browser lays the svg out at
//   standalone each svg's source text, with an XML declaration before it,
//              parses as an SVG document on its own
//   ids        no id occurs twice in the page
//   safety     no script element, event handler attribute or javascript:
//              link
//   text       the box of every non-empty text lies inside its svg, unless
//              the layout itself puts the text outside its chart: a text
//              leaving its chart fails only where its VML text box (the one
//              of the same text nearest to it) lies inside the chart; the
//              others are noted, not failed
//   series     every series id of the VML block is carried by an element of
//              the svg (its id equal to the series id or beginning with it
//              and a separator, or a class or data-series equal to it)
//              that the browser draws: displayed, visible, painted, of
//              non-empty size and overlapping the svg; each tooltip of the
//              series is the text of a <title> of such an element
//
//   node check_pages.js [--may-keep-vml PAGE]... [--dir VMLDIR SVGDIR | --page VML SVG [--expect-faults a,b,...]]...
//
// --dir checks every page of SVGDIR but the run log against the page of the
// same name in VMLDIR; --page checks one page, and with --expect-faults it
// passes when exactly those kinds of fault are found (to show that the
// checks catch them).  A page named by --may-keep-vml (before --dir) passes
// when it is the same as its VML page: error pages may stay as they are.
// All in one browser.
//
// Prints a line per page, the faults found under a failed one, and closes
// with "N passed, N failed".  Exit code 1 when a page failed.

const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const { Browser } = require('../../tools/browser/chromium');

const TOLERANCE = 0.5;   // pixels, for boxes measured by the browser

// What the VML page says about each positioned block.
function vmlBlocks() {
  return [...document.getElementsByTagName('v:group')].map((group) => {
    const block = group.parentElement;
    const style = group.getAttribute('style') || '';
    const size = (name) => { const m = new RegExp(`(?:^|;)\\s*${name}:(\\d+)px`).exec(style); return m ? Number(m[1]) : null; };
    const computed = getComputedStyle(block);
    const series = {};
    for (const e of block.querySelectorAll('[id]')) {
      const s = series[e.id] || (series[e.id] = { titles: [] });
      const t = e.getAttribute('title');
      if (t && !s.titles.includes(t)) s.titles.push(t);
    }
    const boxes = [];
    for (const t of block.getElementsByTagName('v:textbox')) {
      const shape = t.parentElement.getAttribute('style') || '';
      const at = (name) => { const m = new RegExp(`(?:^|;)\\s*${name}:(-?\\d+)`).exec(shape); return m ? Number(m[1]) : 0; };
      boxes.push({ text: t.textContent, left: at('left'), top: at('top'), width: at('width'), height: at('height') });
    }
    return {
      id: block.id, width: size('width'), height: size('height'),
      position: computed.position, left: computed.left, top: computed.top, series, boxes,
    };
  });
}

// What the browser reports about the SVG page.
function svgReport(sources) {
  const NS = 'http://www.w3.org/2000/svg';
  const SHAPES = new Set(['path', 'line', 'polyline', 'polygon', 'rect', 'circle', 'ellipse', 'text', 'use', 'image']);
  const ids = {};
  for (const e of document.querySelectorAll('[id]')) ids[e.id] = (ids[e.id] || 0) + 1;
  const handlers = [];
  for (const e of document.querySelectorAll('*')) {
    for (const a of e.attributes) {
      if (/^on[a-z]/i.test(a.name) && a.name.length > 2) handlers.push(`${e.localName} ${a.name}`);
      if (/href$/i.test(a.name) && /^\s*(javascript|vbscript|data):/i.test(a.value)) handlers.push(`${e.localName} ${a.name}=${a.value.slice(0, 40)}`);
    }
  }
  const box = (r, o) => ({ x: r.left - o.left, y: r.top - o.top, w: r.width, h: r.height });
  const drawnLeaf = (e, frame) => {
    const cs = getComputedStyle(e);
    if (cs.display === 'none' || cs.visibility !== 'visible' || Number(cs.opacity) === 0) return false;
    const painted = (cs.fill !== 'none' && Number(cs.fillOpacity) > 0)
      || (cs.stroke !== 'none' && parseFloat(cs.strokeWidth) > 0 && Number(cs.strokeOpacity) > 0);
    if (!painted) return false;
    const r = e.getBoundingClientRect();
    if (r.width <= 0 && r.height <= 0) return false;
    return r.right >= frame.left && r.left <= frame.right && r.bottom >= frame.top && r.top <= frame.bottom;
  };
  const svgs = [...document.getElementsByTagNameNS(NS, 'svg')].filter((s) => !s.parentElement.closest('svg'));
  const charts = svgs.map((s) => {
    const frame = s.getBoundingClientRect();
    let block = s;
    while (block && block !== document.body && getComputedStyle(block).position === 'static') block = block.parentElement;
    if (!block || block === document.body) block = null;
    const computed = block ? getComputedStyle(block) : null;
    const labels = (s.getAttribute('aria-labelledby') || '').split(/\s+/).filter(Boolean).map((id) => {
      const e = document.getElementById(id);
      return e && s.contains(e) ? e.localName : `${id}: ${e ? 'outside this svg' : 'missing'}`;
    });
    const texts = [];
    let textCount = 0;
    for (const t of s.querySelectorAll('text')) {
      const r = t.getBoundingClientRect();
      if (r.width === 0 && r.height === 0) continue;
      textCount++;
      const b = box(r, frame);
      if (b.x < -0.5 || b.y < -0.5 || b.x + b.w > frame.width + 0.5 || b.y + b.h > frame.height + 0.5) {
        texts.push({ text: t.textContent.slice(0, 60), box: b });
      }
    }
    const elements = [];
    for (const e of s.querySelectorAll('[id], [class], [data-series]')) {
      if (e.localName === 'title' || e.localName === 'desc') continue;
      const leaves = SHAPES.has(e.localName) ? [e] : [...e.querySelectorAll('*')].filter((d) => SHAPES.has(d.localName));
      const titles = new Set();
      for (const t of e.querySelectorAll('title')) titles.add(t.textContent);
      for (let a = e.parentElement; a && a !== s.parentElement; a = a.parentElement) {
        for (const c of a.children) if (c.localName === 'title' && a !== s) titles.add(c.textContent);
      }
      elements.push({
        names: [e.id, e.getAttribute('data-series') || '', ...(e.getAttribute('class') || '').split(/\s+/)].filter(Boolean),
        drawn: leaves.some((l) => drawnLeaf(l, frame)),
        titles: [...titles],
      });
    }
    const drawnShapes = [...s.querySelectorAll('*')].filter((e) => SHAPES.has(e.localName) && e.localName !== 'text' && drawnLeaf(e, frame));
    const untitled = [...s.querySelectorAll('title')].filter((t) => t.parentElement !== s).map((t) => t.textContent);
    return {
      shapes: Math.max(0, drawnShapes.length - 1), untitled,
      isSvg: s instanceof SVGSVGElement && s.namespaceURI === NS,
      xmlns: s.getAttribute('xmlns'), width: s.getAttribute('width'), height: s.getAttribute('height'),
      viewBox: s.getAttribute('viewBox'), role: s.getAttribute('role'), labels,
      laidOut: { w: frame.width, h: frame.height },
      block: computed ? { position: computed.position, left: computed.left, top: computed.top } : null,
      texts, textCount, elements,
    };
  });
  const standalone = sources.map((source) => {
    const d = new DOMParser().parseFromString(`<?xml version="1.0" encoding="UTF-8"?>\n${source}`, 'image/svg+xml');
    const error = d.getElementsByTagName('parsererror')[0];
    if (error) {
      const m = /error on line[^\n]*/.exec(error.textContent);
      return (m ? m[0] : error.textContent).replace(/\s+/g, ' ').trim().slice(0, 160);
    }
    const root = d.documentElement;
    return root.namespaceURI === NS && root.localName === 'svg' ? '' : `root element is ${root.localName} in ${root.namespaceURI}`;
  });
  return {
    compatMode: document.compatMode, charset: document.characterSet,
    duplicates: Object.keys(ids).filter((id) => ids[id] > 1),
    scripts: document.getElementsByTagName('script').length, handlers, charts, standalone,
  };
}

// The outermost svg elements' source texts.
function svgSources(text) {
  const sources = [];
  const open = /<svg[\s>/]/gi;
  let m;
  while ((m = open.exec(text))) {
    let depth = 0;
    const tag = /<(\/?)svg[\s>/]/gi;
    tag.lastIndex = m.index;
    let t;
    while ((t = tag.exec(text))) {
      depth += t[1] ? -1 : 1;
      if (depth === 0) break;
    }
    const end = t ? text.indexOf('>', t.index) + 1 : text.length;
    sources.push(text.slice(m.index, end));
    open.lastIndex = end;
  }
  return sources;
}

function carries(names, seriesId) {
  return names.some((n) => n === seriesId || (n.startsWith(seriesId) && /^[-_.:]/.test(n.slice(seriesId.length))));
}

const near = (a, b) => Math.abs(Number(a) - Number(b)) <= TOLERANCE;

async function checkPage(page, vmlFile, svgFile) {
  const faults = [];
  const notes = [];
  const fault = (kind, text) => faults.push({ kind, text });
  const stats = { charts: 0, texts: 0, series: 0 };

  const vmlErrors = await page.load(pathToFileURL(vmlFile).href);
  if (vmlErrors.length) throw new Error(`the VML page ${vmlFile} did not load cleanly: ${vmlErrors.join('; ')}`);
  const expected = await page.evaluate(vmlBlocks);

  const text = fs.readFileSync(svgFile, 'utf8');
  const standardHeading = /^<!DOCTYPE html>/i.test(text);
  const errors = await page.load(pathToFileURL(svgFile).href);
  for (const e of errors) fault('console', e);
  const r = await page.evaluate(svgReport, svgSources(text));

  if (standardHeading && r.compatMode !== 'CSS1Compat') fault('document', `parsed in ${r.compatMode} mode`);
  if (standardHeading && r.charset !== 'UTF-8') fault('document', `read as ${r.charset}`);
  for (const id of r.duplicates) fault('ids', `id "${id}" occurs more than once`);
  if (r.scripts) fault('safety', `${r.scripts} script element(s)`);
  for (const h of r.handlers) fault('safety', h);
  r.standalone.forEach((error, i) => { if (error) fault('standalone', `svg ${i + 1}: ${error}`); });
  if (r.charts.length !== expected.length) {
    fault('blocks', `${r.charts.length} svg elements for ${expected.length} blocks of the VML page`);
  }

  const seen = new Set();
  r.charts.forEach((c, i) => {
    const want = expected[i];
    if (!want) return;
    const name = want.id || `block ${i + 1}`;
    stats.charts++;
    stats.texts += c.textCount;
    if (!c.isSvg) fault('svg', `${name}: not an SVG element in the SVG namespace`);
    if (c.xmlns !== 'http://www.w3.org/2000/svg') fault('svg', `${name}: xmlns is ${JSON.stringify(c.xmlns)}`);
    if (!c.viewBox || c.viewBox.trim().split(/[\s,]+/).length !== 4) fault('svg', `${name}: viewBox is ${JSON.stringify(c.viewBox)}`);
    if (c.role !== 'img') fault('svg', `${name}: role is ${JSON.stringify(c.role)}`);
    const kinds = c.labels.slice().sort().join(',');
    if (kinds !== 'desc,title') fault('svg', `${name}: aria-labelledby names ${JSON.stringify(c.labels)}, not its own title and desc`);
    if (!near(c.width, want.width) || !near(c.height, want.height)) {
      fault('size', `${name}: width/height ${c.width}x${c.height}, the area is ${want.width}x${want.height}`);
    } else if (!near(c.laidOut.w, want.width) || !near(c.laidOut.h, want.height)) {
      fault('size', `${name}: laid out at ${c.laidOut.w}x${c.laidOut.h}, the area is ${want.width}x${want.height}`);
    }
    if (!c.block) fault('blocks', `${name}: the svg is in no positioned block`);
    else if (c.block.position !== want.position || c.block.left !== want.left || c.block.top !== want.top) {
      fault('blocks', `${name}: block at ${c.block.position} ${c.block.left},${c.block.top}; the VML block at ${want.position} ${want.left},${want.top}`);
    }
    for (const t of c.texts) {
      const b = t.box;
      const distance = (x) => Math.hypot(x.left - b.x, x.top - b.y);
      const v = want.boxes.filter((x) => x.text.trim() === t.text.trim())
        .sort((x, y) => distance(x) - distance(y))[0];
      const vml = v ? ` (the VML text box: ${v.left},${v.top} size ${v.width}x${v.height})` : '';
      const what = `${name}: text "${t.text}" at ${b.x.toFixed(1)},${b.y.toFixed(1)} size ${b.w.toFixed(1)}x${b.h.toFixed(1)} leaves the ${want.width}x${want.height} chart${vml}`;
      const vmlOutside = v && (v.left < 0 || v.top < 0 || v.left + v.width > want.width || v.top + v.height > want.height);
      if (vmlOutside) notes.push(`${what}, which lies outside it too: not a fault`);
      else fault('text', what);
    }
    let samples = 0;
    for (const [seriesId, s] of Object.entries(want.series)) {
      if (seriesId === want.id) continue;
      stats.series++;
      const carriers = c.elements.filter((e) => carries(e.names, seriesId));
      if (seen.has(seriesId) && !carriers.length) {
        samples++;
        continue;
      }
      seen.add(seriesId);
      if (!carriers.length) { fault('series', `${name}: no element carries series ${seriesId}`); continue; }
      if (!carriers.some((e) => e.drawn)) fault('series', `${name}: series ${seriesId} is not drawn (${carriers.length} element(s), none visible)`);
      for (const title of s.titles) {
        if (carriers.some((e) => e.titles.includes(title))) continue;
        const elsewhere = c.elements.some((e) => e.titles.includes(title)) || c.untitled.includes(title);
        fault('series', `${name}: no element carrying series ${seriesId} has the <title> "${title}"${elsewhere ? ' (an element without the series id has it)' : ''}`);
      }
    }
    // A series id that an earlier block of the page carries (a legend's
    // samples in VML repeat their chart's ids) cannot repeat in SVG: there
    // the block must draw at least as many samples, each a shape.
    if (samples && c.shapes < samples) fault('series', `${name}: ${c.shapes} shapes drawn for ${samples} series samples`);
  });
  return { faults, notes, stats };
}

function pagesOf(vmlDir, svgDir) {
  if (!fs.existsSync(svgDir)) return [{ name: svgDir, vml: path.join(vmlDir, 'line_plain.htm'), svg: svgDir, expectFaults: null, missing: true }];
  return fs.readdirSync(svgDir)
    .filter((f) => /\.htm$/i.test(f) && f.toLowerCase() !== 'qplotlog.htm')
    .sort()
    .map((f) => ({ name: f, vml: path.join(vmlDir, f), svg: path.join(svgDir, f), expectFaults: null }));
}

function parse(argv) {
  const pages = [];
  const keptVml = new Set();
  for (let i = 0; i < argv.length;) {
    if (argv[i] === '--may-keep-vml' && i + 1 < argv.length) {
      keptVml.add(argv[i + 1]);
      i += 2;
    } else if (argv[i] === '--dir' && i + 2 < argv.length) {
      pages.push(...pagesOf(argv[i + 1], argv[i + 2]));
      i += 3;
    } else if (argv[i] === '--page' && i + 2 < argv.length) {
      const p = { name: argv[i + 2], vml: argv[i + 1], svg: argv[i + 2], expectFaults: null };
      i += 3;
      if (argv[i] === '--expect-faults' && i + 1 < argv.length) {
        p.expectFaults = argv[i + 1].split(',').filter(Boolean).sort();
        i += 2;
      }
      pages.push(p);
    } else {
      return null;
    }
  }
  return pages.length ? { pages, keptVml } : null;
}

async function main(argv) {
  const parsed = parse(argv);
  if (!parsed) {
    console.error('usage: check_pages.js [--may-keep-vml PAGE]... [--dir VMLDIR SVGDIR | --page VML SVG [--expect-faults a,b,...]]...');
    return 2;
  }
  const { pages, keptVml } = parsed;

  console.log('texts: a text that leaves its chart fails only where its VML text box lies inside the chart; one placed outside by the layout itself is noted');
  const browser = await Browser.launch();
  let passed = 0;
  let failed = 0;
  try {
    const page = await browser.newPage();
    for (const p of pages) {
      let result;
      if (p.missing) result = { faults: [{ kind: 'blocks', text: `no directory of SVG pages ${p.svg}` }], stats: {} };
      else if (!fs.existsSync(p.vml)) result = { faults: [{ kind: 'blocks', text: `no VML page ${p.vml}` }], stats: {} };
      else if (keptVml.has(p.name) && fs.readFileSync(p.vml).equals(fs.readFileSync(p.svg))) {
        passed++;
        console.log(`ok     ${p.name} (written as without --svg)`);
        continue;
      } else result = await checkPage(page, p.vml, p.svg);
      const kinds = [...new Set(result.faults.map((f) => f.kind))].sort();
      const { expectFaults } = p;
      const ok = expectFaults ? kinds.join(',') === expectFaults.join(',') : kinds.length === 0;
      const s = result.stats;
      const what = `${s.charts || 0} svg, ${s.texts || 0} texts, ${s.series || 0} series`;
      if (ok) {
        passed++;
        console.log(`ok     ${p.name} (${what}${expectFaults ? `; found the expected faults: ${kinds.join(', ')}` : ''})`);
      } else {
        failed++;
        console.log(`FAILED ${p.name} (${what})`);
        if (expectFaults) console.log(`         expected faults: ${expectFaults.join(', ') || 'none'}; found: ${kinds.join(', ') || 'none'}`);
        for (const f of result.faults) console.log(`         [${f.kind}] ${f.text}`);
      }
      for (const n of result.notes || []) console.log(`         [note] ${n}`);
    }
  } finally {
    await browser.close();
  }
  console.log(`${passed} passed, ${failed} failed`);
  return failed ? 1 : 0;
}

main(process.argv.slice(2)).then((code) => { process.exitCode = code; }, (e) => {
  console.error(`check_pages: ${e.stack || e}`);
  process.exitCode = 2;
});
