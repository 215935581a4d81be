// The peer of `namewright-cli describe --batch`: pinyin-pro gives only the pinyin (with tone marks) of each
// family<TAB>given line of standard input, in one process, one line per name.
import { readFileSync } from 'node:fs';
import { pinyin } from 'pinyin-pro';

const lines = readFileSync(0, 'utf8').split('\n').filter((line) => line.length > 0);
const out = [];
for (const line of lines) {
    const [family, given] = line.split('\t');
    out.push(pinyin(family, { surname: 'all' }) + ' ' + pinyin(given));
}
process.stdout.write(out.join('\n') + '\n');
