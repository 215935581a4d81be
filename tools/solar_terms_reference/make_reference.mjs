// Writes tests/data/solar_terms_reference.tsv: solar-term moments from an independent ephemeris (the npm package
// astronomy-engine, MIT licence; its own VSOP87-based Sun, nutation, aberration and Espenak-Meeus delta T) for a sample
// of years, so that the tests can hold the ERFA computation of src/calendar against it.
//
//   npm ci && node make_reference.mjs            rewrites the table
//   node make_reference.mjs --check              exits 1 when the committed table differs from a fresh run
//
// Sample: every fourth year from 1881 to 2061 and the year 2024.

import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as Astronomy from 'astronomy-engine';

const here = dirname(fileURLToPath(import.meta.url));
const output = join(here, '..', '..', 'tests', 'data', 'solar_terms_reference.tsv');

const names = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
               '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];

const years = [];
for (let year = 1881; year <= 2061; year += 4) {
    years.push(year);
}
years.push(2024);
years.sort((a, b) => a - b);

function pad(n, width = 2) {
    return String(n).padStart(width, '0');
}

// Beijing civil time (UT + 8 h) to the second, from astronomy-engine's UT.
function beijingText(time) {
    const ms = Math.round((time.ut * 86400 + 8 * 3600) * 1000) + Date.UTC(2000, 0, 1, 12, 0, 0);
    const d = new Date(ms);
    return `${d.getUTCFullYear()}-${pad(d.getUTCMonth() + 1)}-${pad(d.getUTCDate())} ` +
           `${pad(d.getUTCHours())}:${pad(d.getUTCMinutes())}:${pad(d.getUTCSeconds())}`;
}

const lines = [
    '# Solar-term moments by astronomy-engine 2.1.19 (MIT), written by tools/solar_terms_reference/make_reference.mjs.',
    '# year, term, moment in TT as days since J2000.0 (2000-01-01 12:00 TT), the same moment in Beijing time',
    '# (UT + 8 h with the package\'s Espenak-Meeus delta T) to the second.',
    'year\tterm\ttt_days_since_j2000\tbeijing',
];
for (const year of years) {
    for (let i = 0; i < 24; ++i) {
        const longitude = (285 + 15 * i) % 360;
        // Mean motion from 2000-01-01 12:00, when the Sun stood near 280.46 degrees, gives the start of the search.
        const guess = 365.2422 * (year - 2000) + ((285 + 15 * i) - 280.46) / 360 * 365.2422;
        const start = Astronomy.MakeTime(guess - 6);
        const found = Astronomy.SearchSunLongitude(longitude, start, 12);
        if (!found) {
            throw new Error(`no moment for ${year} ${names[i]}`);
        }
        lines.push(`${year}\t${names[i]}\t${found.tt.toFixed(8)}\t${beijingText(found)}`);
    }
}
const text = lines.join('\n') + '\n';

if (process.argv.includes('--check')) {
    const committed = readFileSync(output, 'utf8');
    if (committed !== text) {
        console.error(`${output} differs from a fresh run of the generator`);
        process.exit(1);
    }
    console.log('solar_terms_reference.tsv equals the generator output');
} else {
    writeFileSync(output, text);
    console.log(`wrote ${lines.length - 4} moments to ${output}`);
}
