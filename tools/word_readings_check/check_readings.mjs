// Holds the readings of our unfortunate words (data/sources/unfortunate_words.tsv) against a second pinyin dictionary
// we did not write them from: the npm package pinyin-pro (MIT licence), which reads whole words, polyphonic characters
// by their context.
//
//   npm ci && node check_readings.mjs      prints every disagreement and exits 1 if any is not a reviewed exception
//
// A word agrees when every syllable has the same letters and the same tone, or the same letters with the neutral tone
// on one side: the light tone of 屁股 pì gu is a matter of the word, and pinyin-pro gives most characters their full
// tone. pinyin-pro's tone sandhi is off: the list writes 一 and 不 in their own tones, as dictionaries do.
// exceptions.tsv lists the words where pinyin-pro reads otherwise and our reading stands, with both readings and the
// reason; an exception that no longer differs, or differs otherwise, fails too, so the list stays reviewed.

import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { pinyin } from 'pinyin-pro';

const here = dirname(fileURLToPath(import.meta.url));
const words = join(here, '..', '..', 'data', 'sources', 'unfortunate_words.tsv');
const exceptionsFile = join(here, 'exceptions.tsv');

function rows(path) {
    return readFileSync(path, 'utf8')
        .split('\n')
        .filter((line) => line && !line.startsWith('#'))
        .map((line) => line.split('\t'));
}

const marks = /[\u0300\u0301\u0304\u030c]/g;
function letters(syllable) {
    return syllable.normalize('NFD').replace(marks, '').normalize('NFC');
}
function isNeutral(syllable) {
    return letters(syllable) === syllable;
}
function agrees(ours, theirs) {
    return ours.length === theirs.length &&
        ours.every((s, i) => s === theirs[i] ||
            (letters(s) === letters(theirs[i]) && (isNeutral(s) || isNeutral(theirs[i]))));
}

const exceptions = new Map();
for (const [word, ours, theirs, reason] of rows(exceptionsFile).slice(1)) {
    if (!reason) {
        throw new Error(`exceptions.tsv: ${word} needs both readings and a reason`);
    }
    exceptions.set(word, { ours, theirs, used: false });
}

let failures = 0;
let checked = 0;
for (const [word, reading] of rows(words)) {
    ++checked;
    const theirs = pinyin(word, { type: 'array', toneType: 'symbol', toneSandhi: false }).join(' ');
    const exception = exceptions.get(word);
    if (exception) {
        exception.used = true;
    }
    if (agrees(reading.split(' '), theirs.split(' '))) {
        if (exception) {
            console.log(`${word}: listed as an exception but agrees now (${reading} / ${theirs})`);
            ++failures;
        }
        continue;
    }
    if (exception && exception.ours === reading && exception.theirs === theirs) {
        continue;
    }
    console.log(`${word}: ours ${reading}, pinyin-pro ${theirs}` + (exception ? ' (the exception says otherwise)' : ''));
    ++failures;
}
for (const [word, exception] of exceptions) {
    if (!exception.used) {
        console.log(`${word}: an exception for a word not in the list`);
        ++failures;
    }
}
console.log(`${checked} words, ${exceptions.size} reviewed exceptions, ${failures} disagreements`);
process.exit(failures === 0 ? 0 : 1);
