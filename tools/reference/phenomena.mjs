// Generates reference instants of phenomena for Kosmira's almanac tests from
// astronomy-engine, independent of ERFA.
//
//   cd tools/reference && npm ci && node phenomena.mjs
//
// Writes tests/astro/fixtures/phenomena.csv: one row per event,
//   kind,jd_ut,value
// kind: moon_phase (value: quarter 0..3), solar_term (value: longitude in degrees),
// perigee / apogee (value: distance in km), solar_eclipse / lunar_eclipse (value: kind),
// opposition / conjunction_sun (value: body), elongation (value: body:east|west:degrees).
// The years are fixed; nothing depends on the clock.

import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as Astronomy from 'astronomy-engine';

const here = dirname(fileURLToPath(import.meta.url));
const out = join(here, '..', '..', 'tests', 'astro', 'fixtures', 'phenomena.csv');
const J2000_JD = 2451545.0;

const rows = ['kind,jd_ut,value'];
const jd = (t) => (t.ut + J2000_JD).toFixed(6);
const start = (y) => Astronomy.MakeTime(new Date(Date.UTC(y, 0, 1)));
const endUt = (y) => start(y + 1).ut;

// Moon phases and solar terms: every tenth year 1900-2100, and 2024-2030.
const phaseYears = [];
for (let y = 1900; y <= 2100; y += 10) phaseYears.push(y);
for (let y = 2024; y <= 2030; ++y) if (!phaseYears.includes(y)) phaseYears.push(y);
for (const y of phaseYears) {
  let q = Astronomy.SearchMoonQuarter(start(y));
  while (q.time.ut < endUt(y)) {
    rows.push(`moon_phase,${jd(q.time)},${q.quarter}`);
    q = Astronomy.NextMoonQuarter(q);
  }
  for (let k = 0; k < 24; ++k) {
    const lon = k * 15;
    const t = Astronomy.SearchSunLongitude(lon, start(y), 366);
    if (t && t.ut < endUt(y)) rows.push(`solar_term,${jd(t)},${lon}`);
  }
}

// Lunar perigee and apogee, 2020-2030.
{
  let a = Astronomy.SearchLunarApsis(start(2020));
  while (a.time.ut < endUt(2030)) {
    rows.push(`${a.kind === Astronomy.ApsisKind.Pericenter ? 'perigee' : 'apogee'},${jd(a.time)},${a.dist_km.toFixed(1)}`);
    a = Astronomy.NextLunarApsis(a);
  }
}

// Every solar and lunar eclipse 2000-2050.
{
  let s = Astronomy.SearchGlobalSolarEclipse(start(2000));
  while (s.peak.ut < endUt(2050)) {
    rows.push(`solar_eclipse,${jd(s.peak)},${s.kind}`);
    s = Astronomy.NextGlobalSolarEclipse(s.peak);
  }
  let l = Astronomy.SearchLunarEclipse(start(2000));
  while (l.peak.ut < endUt(2050)) {
    rows.push(`lunar_eclipse,${jd(l.peak)},${l.kind}`);
    l = Astronomy.NextLunarEclipse(l.peak);
  }
}

// Oppositions, conjunctions with the Sun and greatest elongations, 2020-2030.
{
  const B = Astronomy.Body;
  const outer = [['mars', B.Mars], ['jupiter', B.Jupiter], ['saturn', B.Saturn]];
  const inner = [['mercury', B.Mercury], ['venus', B.Venus]];
  for (const [name, body] of outer) {
    for (const [kind, rel] of [['opposition', 0], ['conjunction_sun', 180]]) {
      let t = Astronomy.SearchRelativeLongitude(body, rel, start(2020));
      while (t.ut < endUt(2030)) {
        rows.push(`${kind},${jd(t)},${name}`);
        t = Astronomy.SearchRelativeLongitude(body, rel, t.AddDays(1));
      }
    }
  }
  for (const [name, body] of inner) {
    for (const rel of [0, 180]) {
      let t = Astronomy.SearchRelativeLongitude(body, rel, start(2020));
      while (t.ut < endUt(2030)) {
        rows.push(`conjunction_sun,${jd(t)},${name}`);
        t = Astronomy.SearchRelativeLongitude(body, rel, t.AddDays(1));
      }
    }
    let e = Astronomy.SearchMaxElongation(body, start(2020));
    while (e.time.ut < endUt(2030)) {
      const side = e.visibility === 'evening' ? 'east' : 'west';
      rows.push(`elongation,${jd(e.time)},${name}:${side}:${e.elongation.toFixed(3)}`);
      e = Astronomy.SearchMaxElongation(body, e.time.AddDays(1));
    }
  }
}

writeFileSync(out, rows.join('\n') + '\n');
console.log(`${out}: ${rows.length - 1} rows`);
