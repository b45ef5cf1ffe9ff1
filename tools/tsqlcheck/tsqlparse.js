// Parsing one batch with the grammars-v4 T-SQL grammar (as built by antlr4ts-sql).
'use strict';

const { ANTLRInputStream, CommonTokenStream } = require('antlr4ts');
const { TSqlLexer, TSQLGrammar } = require('antlr4ts-sql');

const AT_SIGN = '@'.codePointAt(0);

// What the lexer sees: the grammar's keywords are upper case, so it gets an upper-cased view
// of the text, with placeholder colons read as "@"; token texts (and so error messages) keep
// the original spelling. (The package's own CaseChangingStream passes the interval to getText
// the wrong way and yields empty texts in error messages.)
class LexerView {
    constructor(stream, variableColons) {
        this.stream = stream;
        this.variableColons = new Set(variableColons);
    }
    get index() {
        return this.stream.index;
    }
    get size() {
        return this.stream.size;
    }
    get sourceName() {
        return this.stream.sourceName;
    }
    LA(offset) {
        const c = this.stream.LA(offset);
        if (c <= 0) {
            return c;
        }
        const at = offset > 0 ? this.stream.index + offset - 1 : this.stream.index + offset;
        if (this.variableColons.has(at)) {
            return AT_SIGN;
        }
        const upper = String.fromCodePoint(c).toUpperCase();
        // Some characters grow when upper-cased ("ß" -> "SS"); keep those as they are.
        return upper.length === 1 ? upper.codePointAt(0) : c;
    }
    consume() {
        this.stream.consume();
    }
    mark() {
        return this.stream.mark();
    }
    release(marker) {
        this.stream.release(marker);
    }
    seek(index) {
        this.stream.seek(index);
    }
    getText(interval) {
        return this.stream.getText(interval);
    }
    toString() {
        return this.stream.toString();
    }
}

// Collects syntax errors instead of printing them to the console.
class ErrorCollector {
    constructor() {
        this.errors = [];
    }
    syntaxError(recognizer, offendingSymbol, line, charPositionInLine, msg) {
        this.errors.push({ line, column: charPositionInLine, message: msg });
    }
}

// Returns the syntax errors of one batch as { line, column (0-based), message }. The colons at
// `variableColons` (offsets) are read as "@".
function parseBatch(sql, variableColons = []) {
    const collector = new ErrorCollector();
    const lexer = new TSqlLexer(new LexerView(new ANTLRInputStream(sql), variableColons));
    lexer.removeErrorListeners();
    lexer.addErrorListener(collector);
    const parser = new TSQLGrammar.TSqlParser(new CommonTokenStream(lexer));
    parser.removeErrorListeners();
    parser.addErrorListener(collector);
    parser.tsql_file();
    return collector.errors.sort((a, b) => a.line - b.line || a.column - b.column);
}

module.exports = { parseBatch };
