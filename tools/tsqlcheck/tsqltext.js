// Text handling before parsing: batch splitting and placeholder rewriting. Both keep line and
// column positions so errors point into the original file.
'use strict';

const GO_LINE = /^[ \t]*go[ \t]*(?:\d+[ \t]*)?$/i;

// Splits a script on lines holding only "GO" (any case, optionally followed by a repeat count).
// Returns the batches that hold anything but blanks, each with the 1-based line it starts on.
function splitBatches(text) {
    const lines = text.split(/\r\n|\r|\n/);
    const batches = [];
    let current = [];
    let firstLine = 1;
    const flush = () => {
        const body = current.join('\n');
        if (body.trim() !== '') {
            batches.push({ text: body, firstLine });
        }
    };
    lines.forEach((line, index) => {
        if (GO_LINE.test(line)) {
            flush();
            current = [];
            firstLine = index + 2;
        } else {
            current.push(line);
        }
    });
    flush();
    return batches;
}

const IDENTIFIER_START = /[\p{L}_]/u;

// Offsets of the colons of ":name" placeholders outside literals, quoted names and comments.
// A colon that belongs to "::" (scope qualifier) is not one.
function placeholderColons(sql) {
    const colons = [];
    let i = 0;
    const n = sql.length;
    const skipQuoted = (close) => {
        // Past the opening char; a doubled closing char is an escaped one.
        i++;
        while (i < n) {
            if (sql[i] === close) {
                if (sql[i + 1] === close) {
                    i += 2;
                    continue;
                }
                i++;
                return;
            }
            i++;
        }
    };
    while (i < n) {
        const c = sql[i];
        const next = sql[i + 1];
        if (c === "'" || c === '"') {
            skipQuoted(c);
        } else if (c === '[') {
            skipQuoted(']');
        } else if (c === '-' && next === '-') {
            while (i < n && sql[i] !== '\n') i++;
        } else if (c === '/' && next === '*') {
            // Block comments nest in T-SQL.
            let depth = 0;
            while (i < n) {
                if (sql[i] === '/' && sql[i + 1] === '*') {
                    depth++;
                    i += 2;
                } else if (sql[i] === '*' && sql[i + 1] === '/') {
                    depth--;
                    i += 2;
                    if (depth === 0) break;
                } else {
                    i++;
                }
            }
        } else if (c === ':' && next === ':') {
            i += 2;
        } else if (c === ':' && next !== undefined && IDENTIFIER_START.test(next)) {
            colons.push(i);
            i++;
        } else {
            i++;
        }
    }
    return colons;
}

// The text with each ":name" placeholder read as the variable "@name"; same length.
function placeholdersToVariables(sql) {
    const out = sql.split('');
    for (const i of placeholderColons(sql)) {
        out[i] = '@';
    }
    return out.join('');
}

module.exports = { splitBatches, placeholderColons, placeholdersToVariables };
