// Generates reference fixtures for Kosmira's ephemeris tests from astronomy-engine.
//
//   cd tools/reference && npm ci && node generate.mjs
//
// Writes tests/astro/fixtures/positions.csv and tests/astro/fixtures/events.csv.
// Deterministic: instants and dates come from a seeded generator, never from the clock.

import { writeFileSync, mkdirSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as Astronomy from 'astronomy-engine';

const here = dirname(fileURLToPath(import.meta.url));
const outDir = join(here, '..', '..', 'tests', 'astro', 'fixtures');

const J2000_JD = 2451545.0;
const MS_PER_DAY = 86400000;
const J2000_MS = Date.UTC(2000, 0, 1, 12, 0, 0);

// mulberry32: small, well-known 32-bit PRNG; same seed gives the same sequence everywhere.
function makeRandom(seed) {
  let a = seed >>> 0;
  return function next() {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Fixed-point formatting that never prints "-0.000…".
function fix(x, digits) {
  let s = x.toFixed(digits);
  if (/^-0\.?0*$/.test(s)) s = s.slice(1);
  return s;
}

// Angle in [0, 360) printed with the given digits; a value that rounds to 360 prints as 0.
function fixAngle360(deg, digits) {
  let d = deg % 360;
  if (d < 0) d += 360;
  let s = fix(d, digits);
  if (Number(s) >= 360) s = fix(0, digits);
  return s;
}

// Days since J2000 (UT) of 00:00 UT on a calendar date.
function utOfDate(year, month, day) {
  return (Date.UTC(year, month - 1, day) - J2000_MS) / MS_PER_DAY;
}

function isoDate(ms) {
  return new Date(ms).toISOString().slice(0, 10);
}

const BODIES = [
  ['sun', Astronomy.Body.Sun],
  ['moon', Astronomy.Body.Moon],
  ['mercury', Astronomy.Body.Mercury],
  ['venus', Astronomy.Body.Venus],
  ['mars', Astronomy.Body.Mars],
  ['jupiter', Astronomy.Body.Jupiter],
  ['saturn', Astronomy.Body.Saturn],
  ['uranus', Astronomy.Body.Uranus],
  ['neptune', Astronomy.Body.Neptune],
  ['pluto', Astronomy.Body.Pluto],
];

// Observing sites for positions.csv (latitude, longitude in degrees, east positive).
const POSITION_SITES = [
  [37.5665, 126.978],     // Seoul
  [69.6492, 18.9553],     // Tromsø
  [-54.8019, -68.303],    // Ushuaia
  [-0.1807, -78.4678],    // Quito
  [-33.8688, 151.2093],   // Sydney
  [51.4769, -0.0005],     // Greenwich
  [21.3069, -157.8583],   // Honolulu
  [-68.5767, 77.9674],    // Davis Station
  [61.2181, -149.9003],   // Anchorage
  [30.0444, 31.2357],     // Cairo
];

const POSITIONS_HEADER =
  'jd_ut,jd_tt,lat_deg,lon_deg,height_m,body,ra_deg,dec_deg,ecl_lon_deg,ecl_lat_deg,' +
  'distance_au,alt_deg,az_deg,magnitude,illuminated,elongation_deg';

function positionRow(time, site, name, body) {
  const [lat, lon] = site;
  const observer = new Astronomy.Observer(lat, lon, 0);

  // Apparent geocentric vector (light time + aberration) in J2000 mean equator (EQJ).
  const eqj = Astronomy.GeoVector(body, time, true);
  // Rotate to true equator and equinox of date (precession + nutation).
  const eqd = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), eqj);
  const sph = Astronomy.SphereFromVector(eqd);
  // Same direction on the true ecliptic and equinox of date.
  const ecl = Astronomy.Ecliptic(eqj);

  // Topocentric, of date, with aberration; horizontal without refraction.
  const topo = Astronomy.Equator(body, time, observer, true, true);
  const hor = Astronomy.Horizon(time, observer, topo.ra, topo.dec);

  const illum = Astronomy.Illumination(body, time);
  let illuminated;
  let elongation;
  if (body === Astronomy.Body.Sun) {
    illuminated = 1;
    elongation = 0;
  } else {
    illuminated = illum.phase_fraction;
    elongation = Astronomy.AngleFromSun(body, time);
  }

  return [
    fix(time.ut + J2000_JD, 8),
    fix(time.tt + J2000_JD, 8),
    fix(lat, 7),
    fix(lon, 7),
    '0',
    name,
    fixAngle360(sph.lon, 7),
    fix(sph.lat, 7),
    fixAngle360(ecl.elon, 7),
    fix(ecl.elat, 7),
    fix(eqj.Length(), 9),
    fix(hor.altitude, 7),
    fixAngle360(hor.azimuth, 7),
    fix(illum.mag, 4),
    fix(illuminated, 7),
    fix(elongation, 7),
  ].join(',');
}

function generatePositions() {
  const random = makeRandom(20260101);
  const startMs = Date.UTC(1900, 0, 1);
  const endMs = Date.UTC(2101, 0, 1); // exclusive: covers all of 2100-12-31
  const count = 400;
  const instants = [];
  for (let i = 0; i < count; i++) {
    const ms = startMs + random() * (endMs - startMs);
    // Round to 1e-8 day so the printed jd_ut is exactly the instant used.
    const jdText = fix(ms / MS_PER_DAY - J2000_MS / MS_PER_DAY + J2000_JD, 8);
    instants.push(Number(jdText) - J2000_JD);
  }
  instants.sort((a, b) => a - b);

  const lines = [POSITIONS_HEADER];
  instants.forEach((ut, i) => {
    const time = Astronomy.MakeTime(ut);
    const site = POSITION_SITES[i % POSITION_SITES.length];
    for (const [name, body] of BODIES) lines.push(positionRow(time, site, name, body));
  });
  return lines;
}

// Sites for events.csv: name, latitude, longitude, fixed zone offset in hours.
const EVENT_SITES = [
  ['seoul', 37.5665, 126.978, 9],
  ['singapore', 1.3521, 103.8198, 8],
  ['quito', -0.1807, -78.4678, -5],
  ['sydney', -33.8688, 151.2093, 10],
  ['capetown', -33.9249, 18.4241, 2],
  ['newyork', 40.7128, -74.006, -5],
  ['helsinki', 60.1699, 24.9384, 2],
  ['anchorage', 61.2181, -149.9003, -9],
  ['reykjavik', 64.1466, -21.9426, 0],
  ['ushuaia', -54.8019, -68.303, -3],
  ['murmansk', 68.9585, 33.0827, 3],
  ['tromso', 69.6492, 18.9553, 1],
];

const FIXED_DATES = [[2026, 1, 5], [2026, 6, 21], [2026, 12, 21], [2026, 3, 20]];
const RANDOM_DATES_PER_SITE = 60;

const EVENTS_HEADER = 'site,lat_deg,lon_deg,zone_hours,date,event,rise_hours,set_hours';

// Hours since local midnight of an event found by a search started at dayStart,
// or '' when there is none inside [dayStart, dayStart + 1 day).
function hoursInDay(found, dayStart) {
  if (found === null) return '';
  const days = found.ut - dayStart.ut;
  if (!(days >= 0 && days < 1)) return '';
  return fix(days * 24, 5);
}

function eventRows(site, dateMs) {
  const [name, lat, lon, zone] = site;
  const observer = new Astronomy.Observer(lat, lon, 0);
  const d = new Date(dateMs);
  // Local 00:00 expressed in UT.
  const dayStart = Astronomy.MakeTime(
    utOfDate(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate()) - zone / 24);
  const prefix = [name, fix(lat, 4), fix(lon, 4), String(zone), isoDate(dateMs)].join(',');
  const rows = [];

  for (const [event, body] of [['sun', Astronomy.Body.Sun], ['moon', Astronomy.Body.Moon]]) {
    const rise = Astronomy.SearchRiseSet(body, observer, +1, dayStart, 1);
    const set = Astronomy.SearchRiseSet(body, observer, -1, dayStart, 1);
    rows.push(`${prefix},${event},${hoursInDay(rise, dayStart)},${hoursInDay(set, dayStart)}`);
  }
  for (const [event, altitude] of [['civil', -6], ['nautical', -12], ['astronomical', -18]]) {
    const rise = Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, +1, dayStart, 1, altitude);
    const set = Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, -1, dayStart, 1, altitude);
    rows.push(`${prefix},${event},${hoursInDay(rise, dayStart)},${hoursInDay(set, dayStart)}`);
  }
  return rows;
}

function generateEvents() {
  const random = makeRandom(19502050);
  const firstDay = Date.UTC(1950, 0, 1) / MS_PER_DAY;
  const lastDay = Date.UTC(2050, 11, 31) / MS_PER_DAY;
  const lines = [EVENTS_HEADER];
  for (const site of EVENT_SITES) {
    const days = new Set();
    while (days.size < RANDOM_DATES_PER_SITE) {
      days.add(firstDay + Math.floor(random() * (lastDay - firstDay + 1)));
    }
    for (const [y, m, dd] of FIXED_DATES) days.add(Date.UTC(y, m - 1, dd) / MS_PER_DAY);
    const sorted = [...days].sort((a, b) => a - b);
    for (const day of sorted) lines.push(...eventRows(site, day * MS_PER_DAY));
  }
  return lines;
}

function write(name, lines) {
  mkdirSync(outDir, { recursive: true });
  const path = join(outDir, name);
  writeFileSync(path, lines.join('\n') + '\n');
  console.log(`${path}: ${lines.length - 1} rows`);
}

const version = JSON.parse(
  readFileSync(join(here, 'node_modules', 'astronomy-engine', 'package.json'), 'utf8')).version;
console.log(`astronomy-engine ${version}`);
write('positions.csv', generatePositions());
write('events.csv', generateEvents());
