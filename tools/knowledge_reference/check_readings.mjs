// Holds the readings of the character knowledge against an independent dictionary, the npm package pinyin-pro
// (MIT licence), used only for this check:
//   * every name character (data/tables/word1.tsv and word2.tsv) reads as pinyin-pro reads the character alone;
//   * every family name of data/knowledge/surnames.tsv reads as pinyin-pro reads it in its surname mode;
// except where reading_exceptions.tsv lists the difference with its reason. An exception that no longer differs, or
// differs otherwise than listed, fails the check too, so that the list stays reviewed. Beyond that, every character
// of the 通用规范汉字表 reads with one of the readings pinyin-pro knows for it (no exceptions).
//
//   npm ci && node check_readings.mjs      prints the figures; exit status 1 on a disagreement or a stale exception

import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { pinyin } from 'pinyin-pro';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..', '..');

/// The rows of a tab-separated file after its header line, as arrays of fields.
function rows(path, header = true) {
    const lines = readFileSync(path, 'utf8').split('\n').filter((line) => line && !line.startsWith('#'));
    return (header ? lines.slice(1) : lines).map((line) => line.split('\t'));
}

const characters = rows(join(root, 'data', 'knowledge', 'characters.tsv'));
const ours = new Map(characters.map((f) => [f[0], f[1]]));
const names = new Set();
for (const table of ['word1', 'word2']) {
    for (const f of rows(join(root, 'data', 'tables', `${table}.tsv`))) {
        names.add(f[1]);
    }
}
const exceptions = new Map();
for (const [kind, text, reading, theirs, reason] of rows(join(here, 'reading_exceptions.tsv'), false)) {
    if (!reason || !['name', 'family'].includes(kind)) {
        throw new Error(`reading_exceptions.tsv: expected kind (name or family), text, reading, pinyin-pro, reason`);
    }
    exceptions.set(`${kind}\t${text}`, { reading, theirs, used: false });
}

const failures = [];
function compare(kind, text, reading, theirs, figures) {
    const exception = exceptions.get(`${kind}\t${text}`);
    if (!exception) {
        if (reading === theirs) {
            figures.agree += 1;
        } else {
            failures.push(`${kind} ${text}: ours ${reading}, pinyin-pro ${theirs}, and no reviewed exception`);
        }
        return;
    }
    exception.used = true;
    figures.exceptions += 1;
    if (reading !== exception.reading || theirs !== exception.theirs || reading === theirs) {
        failures.push(`${kind} ${text}: ours ${reading}, pinyin-pro ${theirs}; the exception says ` +
                      `${exception.reading} against ${exception.theirs}: review it`);
    }
}

const nameFigures = { agree: 0, exceptions: 0 };
for (const zi of names) {
    compare('name', zi, ours.get(zi) ?? '', pinyin(zi), nameFigures);
}
const familyFigures = { agree: 0, exceptions: 0 };
for (const [family, reading] of rows(join(root, 'data', 'knowledge', 'surnames.tsv'))) {
    compare('family', family, reading, pinyin(family, { mode: 'surname' }), familyFigures);
}
let standard = 0;
for (const [zi, reading, , , , level] of characters) {
    if (level !== '0') {
        standard += 1;
        const known = pinyin(zi, { multiple: true }).split(' ');
        if (!known.includes(reading)) {
            failures.push(`standard ${zi}: ours ${reading}, not among pinyin-pro's ${known.join(' ')}`);
        }
    }
}
for (const [key, exception] of exceptions) {
    if (!exception.used) {
        failures.push(`${key.replace('\t', ' ')}: a listed exception that is checked no more`);
    }
}

console.log(`name characters: ${names.size}, agreeing with pinyin-pro ${nameFigures.agree}, ` +
            `reviewed exceptions ${nameFigures.exceptions}`);
console.log(`family names: ${familyFigures.agree + familyFigures.exceptions}, agreeing ${familyFigures.agree}, ` +
            `reviewed exceptions ${familyFigures.exceptions}`);
console.log(`characters of the 通用规范汉字表: ${standard}, each reading one pinyin-pro knows unless listed below`);
for (const failure of failures) {
    console.log(failure);
}
process.exit(failures.length ? 1 : 0);
