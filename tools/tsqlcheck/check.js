#!/usr/bin/env node
// Parses T-SQL files with the grammars-v4 T-SQL grammar and reports every syntax error.
//
//   node check.js FILE...
//
// Each file is a script of batches separated by lines holding only "GO", or a dump of ad-hoc
// statements separated the same way. Placeholders such as ":a1" are read as variables
// ("@a1") so that statements written for bound parameters parse. Errors are printed as
// "FILE:LINE:COL: message" with the line and column of the original file; the exit status is
// 1 when any error was found, 2 on a usage or read failure, 0 otherwise.
'use strict';

const fs = require('fs');
const { splitBatches, placeholderColons } = require('./tsqltext');
const { parseBatch } = require('./tsqlparse');

function checkFile(path) {
    const text = fs.readFileSync(path, 'utf8').replace(/^\uFEFF/, '');
    const errors = [];
    const batches = splitBatches(text);
    for (const batch of batches) {
        for (const error of parseBatch(batch.text, placeholderColons(batch.text))) {
            // Lines inside a batch count from 1; the batch starts at a line start, so the
            // column needs no shift.
            errors.push(`${path}:${batch.firstLine + error.line - 1}:${error.column + 1}: ${error.message}`);
        }
    }
    return { batchCount: batches.length, errors };
}

function main(args) {
    if (args.length === 0) {
        process.stderr.write('usage: node check.js FILE...\n');
        return 2;
    }
    let batchCount = 0;
    let failed = false;
    for (const path of args) {
        let result;
        try {
            result = checkFile(path);
        } catch (e) {
            process.stderr.write(`${path}: cannot read: ${e.message}\n`);
            return 2;
        }
        batchCount += result.batchCount;
        for (const line of result.errors) {
            process.stdout.write(line + '\n');
        }
        failed = failed || result.errors.length > 0;
    }
    if (!failed) {
        process.stdout.write(`${batchCount} batches OK\n`);
    }
    return failed ? 1 : 0;
}

process.exitCode = main(process.argv.slice(2));
