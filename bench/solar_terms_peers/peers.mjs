// The solar terms of a run of years by a JavaScript peer, in the lines `namewright-cli solar-terms --year Y --to Y2`
// prints (name, a tab, Beijing time to the nearest minute), so that compare.py times equal work.
//
//   node peers.mjs lunar-javascript|astronomy-engine FIRST [LAST]
//
// lunar-javascript (MIT): the 24 terms of Gregorian year Y are entries 2..25 of LunarYear(Y)'s term table (its own
// Sun series, Beijing time). astronomy-engine (MIT): SearchSunLongitude from a mean-Sun guess, as
// tools/solar_terms_reference/make_reference.mjs searches, and UT + 8 h.

import { createRequire } from 'node:module';
import * as Astronomy from 'astronomy-engine';

const require = createRequire(import.meta.url);
const { LunarYear, Solar } = require('lunar-javascript');

const names = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
               '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];

const [peer, firstText, lastText] = process.argv.slice(2);
const first = Number(firstText);
const last = Number(lastText ?? firstText);
if (!['lunar-javascript', 'astronomy-engine'].includes(peer) || !Number.isInteger(first) || !Number.isInteger(last)) {
    console.error('usage: node peers.mjs lunar-javascript|astronomy-engine FIRST [LAST]');
    process.exit(2);
}

const pad = (n) => String(n).padStart(2, '0');
const text = (y, mo, d, h, mi) => `${y}-${pad(mo)}-${pad(d)} ${pad(h)}:${pad(mi)}`;

function lunarJavascriptYear(year, lines) {
    const julianDays = LunarYear.fromYear(year).getJieQiJulianDays();
    for (let i = 0; i < 24; ++i) {
        // Half a minute later, read down to the minute: the nearest minute.
        const s = Solar.fromJulianDay(julianDays[i + 2] + 30 / 86400);
        lines.push(`${names[i]}\t${text(s.getYear(), s.getMonth(), s.getDay(), s.getHour(), s.getMinute())}`);
    }
}

function astronomyEngineYear(year, lines) {
    for (let i = 0; i < 24; ++i) {
        const guess = 365.2422 * (year - 2000) + ((285 + 15 * i) - 280.46) / 360 * 365.2422;
        const found = Astronomy.SearchSunLongitude((285 + 15 * i) % 360, Astronomy.MakeTime(guess - 6), 12);
        const d = new Date(Math.round(found.ut * 1440 + 480) * 60000 + Date.UTC(2000, 0, 1, 12));
        lines.push(`${names[i]}\t${text(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(), d.getUTCHours(),
                                         d.getUTCMinutes())}`);
    }
}

const lines = [];
for (let year = first; year <= last; ++year) {
    (peer === 'lunar-javascript' ? lunarJavascriptYear : astronomyEngineYear)(year, lines);
}
process.stdout.write(lines.join('\n') + '\n');
