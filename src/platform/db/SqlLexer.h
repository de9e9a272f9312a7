// The one scanner of SQL text in the database layer. It cuts T-SQL into
// lexemes (blanks, comments, strings, bracketed names, numbers, words,
// variables, parameters, punctuation) and nothing more; the T-SQL dialect,
// the statement shapes of the prepared-statement cache, the GO splitter and
// the quoting formatter all read statements through it, so a quote inside a
// comment or a bracketed name means the same thing to each of them.
#pragma once

#include <QString>
#include <QStringView>

namespace tj::db::sql {

struct Lexeme {
    enum Kind {
        Space,     // blanks and line breaks
        Comment,   // -- to the end of the line, or /* ... */ (nested as the server nests them)
        String,    // '...' or N'...' ('' stands for one quote)
        Name,      // [...], "..." or `...` (the closing mark doubled stands for itself)
        Number,    // 12, 1.5, .5, 1e3, 2.5E-2
        Binary,    // 0x1F...
        Word,      // a keyword or a plain name; letters, digits, _ # $ and any non-ASCII character
        Variable,  // @name, @@name
        Parameter, // ? or ?N
        Punct,     // an operator or punctuation mark; <= >= <> != !< !> || == << >> are one lexeme
    };
    Kind kind = Punct;
    int begin = 0;   // offset of the first character in the text
    int end = 0;     // offset just past the last character
    bool unicode = false;  // String: written N'...'
    bool closed = true;    // String, Name, Comment: the closing mark was found

    int size() const { return end - begin; }
    QStringView text(QStringView source) const { return source.mid(begin, end - begin); }
};

class Lexer {
public:
    explicit Lexer(QStringView text) : s_(text) {}

    // The next lexeme; false at the end of the text.
    bool next(Lexeme& out);
    int position() const { return pos_; }

private:
    // Past the closing mark of a string or name whose text starts at i.
    int skipQuoted(int i, QChar close, bool* closed) const;

    QStringView s_;
    int pos_ = 0;
};

// The value of a String lexeme: the text between the quotes with '' read as '.
QString stringValue(QStringView source, const Lexeme& l);
// The value of a Name lexeme: the text between the marks with a doubled
// closing mark read as one.
QString nameValue(QStringView source, const Lexeme& l);

// ASCII keyword test, case-insensitive; word is lower case.
bool isWord(QStringView text, const char* word);

}  // namespace tj::db::sql
