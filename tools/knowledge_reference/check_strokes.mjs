// Holds the stroke counts of the character knowledge against an independent stroke table, the traditional-character
// strokes of the npm packages cnchar and cnchar-trad (MIT licence), used only for this check: no five-grid count
// (data/knowledge/characters.tsv, equal to `bh` of word.tsv) is below the plain stroke count cnchar gives for its
// counted traditional form, the numerals 一 to 十 (counted by value) excepted, and but where stroke_exceptions.tsv
// lists the character with its reason. An exception that no longer applies fails the check too.
//
//   npm ci && node check_strokes.mjs      prints the figures; exit status 1 on a count below the table's

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const cnchar = require('cnchar');
cnchar.use(require('cnchar-trad'));

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..', '..');

function rows(path, header = true) {
    const lines = readFileSync(path, 'utf8').split('\n').filter((line) => line && !line.startsWith('#'));
    return (header ? lines.slice(1) : lines).map((line) => line.split('\t'));
}

const exceptions = new Map();
for (const [zi, form, theirs, reason] of rows(join(here, 'stroke_exceptions.tsv'), false)) {
    if (!reason) {
        throw new Error('stroke_exceptions.tsv: expected character, form, cnchar count, reason');
    }
    exceptions.set(zi, { form, theirs: Number(theirs), used: false });
}

const failures = [];
let compared = 0;
let unknown = 0;
let glyphAgrees = 0;
for (const [zi, , , , , , form, , , , , strokes, rule, , , , glyph] of rows(
    join(root, 'data', 'knowledge', 'characters.tsv'))) {
    if (rule === 'numeral') {
        continue;
    }
    const theirs = cnchar.stroke(form);
    if (!theirs) {
        unknown += 1;
        continue;
    }
    compared += 1;
    glyphAgrees += Number(glyph) === theirs ? 1 : 0;
    const exception = exceptions.get(zi);
    if (exception) {
        exception.used = true;
        if (exception.form !== form || exception.theirs !== theirs || Number(strokes) >= theirs) {
            failures.push(`${zi} (${form}): counts ${strokes}, cnchar ${theirs}; the exception says ` +
                          `${exception.form} ${exception.theirs}: review it`);
        }
    } else if (Number(strokes) < theirs) {
        failures.push(`${zi} (${form}): counts ${strokes}, below the ${theirs} strokes cnchar gives the form`);
    }
}
for (const [zi, exception] of exceptions) {
    if (!exception.used) {
        failures.push(`${zi}: a listed exception that is checked no more`);
    }
}

console.log(`characters compared: ${compared} (cnchar knows no traditional count for ${unknown} more), ` +
            `glyph counts equal to cnchar's ${glyphAgrees}, reviewed exceptions ${exceptions.size}`);
for (const failure of failures) {
    console.log(failure);
}
process.exit(failures.length ? 1 : 0);
