#include "platform/db/SqlLexer.h"

namespace tj::db::sql {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#') || c.unicode() >= 0x80;
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('$')
        || c.unicode() >= 0x80;
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

}  // namespace

int Lexer::skipQuoted(int i, QChar close, bool* closed) const
{
    const int n = int(s_.size());
    *closed = false;
    while (i < n) {
        if (s_[i] == close) {
            if (i + 1 < n && s_[i + 1] == close) {
                i += 2;  // the mark doubled stands for itself
                continue;
            }
            *closed = true;
            return i + 1;
        }
        ++i;
    }
    return i;
}

bool Lexer::next(Lexeme& out)
{
    const int n = int(s_.size());
    if (pos_ >= n)
        return false;
    int i = pos_;
    const QChar c = s_[i];
    const QChar d = i + 1 < n ? s_[i + 1] : QChar();
    out = Lexeme();
    out.begin = i;

    if (c.isSpace()) {
        while (i < n && s_[i].isSpace())
            ++i;
        out.kind = Lexeme::Space;
    } else if (c == QLatin1Char('-') && d == QLatin1Char('-')) {
        while (i < n && s_[i] != QLatin1Char('\n'))
            ++i;
        out.kind = Lexeme::Comment;
    } else if (c == QLatin1Char('/') && d == QLatin1Char('*')) {
        out.kind = Lexeme::Comment;
        int depth = 0;
        out.closed = false;
        while (i < n) {
            if (s_[i] == QLatin1Char('/') && i + 1 < n && s_[i + 1] == QLatin1Char('*')) {
                ++depth;
                i += 2;
            } else if (s_[i] == QLatin1Char('*') && i + 1 < n && s_[i + 1] == QLatin1Char('/')) {
                i += 2;
                if (--depth == 0) {
                    out.closed = true;
                    break;
                }
            } else {
                ++i;
            }
        }
    } else if (c == QLatin1Char('\'') || ((c == QLatin1Char('N') || c == QLatin1Char('n')) && d == QLatin1Char('\''))) {
        out.kind = Lexeme::String;
        out.unicode = c != QLatin1Char('\'');
        i = skipQuoted(i + (out.unicode ? 2 : 1), QLatin1Char('\''), &out.closed);
    } else if (c == QLatin1Char('[') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
        out.kind = Lexeme::Name;
        i = skipQuoted(i + 1, c == QLatin1Char('[') ? QLatin1Char(']') : c, &out.closed);
    } else if (c == QLatin1Char('0') && (d == QLatin1Char('x') || d == QLatin1Char('X'))) {
        i += 2;
        while (i < n && isHexDigit(s_[i]))
            ++i;
        out.kind = Lexeme::Binary;
    } else if (isDigit(c) || (c == QLatin1Char('.') && isDigit(d))) {
        while (i < n && isDigit(s_[i]))
            ++i;
        if (i < n && s_[i] == QLatin1Char('.')) {
            ++i;
            while (i < n && isDigit(s_[i]))
                ++i;
        }
        if (i < n && (s_[i] == QLatin1Char('e') || s_[i] == QLatin1Char('E'))) {
            int k = i + 1;
            if (k < n && (s_[k] == QLatin1Char('+') || s_[k] == QLatin1Char('-')))
                ++k;
            if (k < n && isDigit(s_[k])) {
                i = k;
                while (i < n && isDigit(s_[i]))
                    ++i;
            }
        }
        out.kind = Lexeme::Number;
    } else if (c == QLatin1Char('?')) {
        ++i;
        while (i < n && isDigit(s_[i]))
            ++i;
        out.kind = Lexeme::Parameter;
    } else if (c == QLatin1Char('@')) {
        ++i;
        while (i < n && (s_[i] == QLatin1Char('@') || isWordChar(s_[i])))
            ++i;
        out.kind = Lexeme::Variable;
    } else if (isWordStart(c)) {
        ++i;
        while (i < n && isWordChar(s_[i]))
            ++i;
        out.kind = Lexeme::Word;
    } else {
        static const char* const two[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||", "==", "<<", ">>"};
        out.kind = Lexeme::Punct;
        ++i;
        for (const char* op : two) {
            if (c == QLatin1Char(op[0]) && d == QLatin1Char(op[1])) {
                ++i;
                break;
            }
        }
    }
    out.end = i;
    pos_ = i;
    return true;
}

QString stringValue(QStringView source, const Lexeme& l)
{
    const int open = l.begin + (l.unicode ? 2 : 1);
    const int close = l.closed ? l.end - 1 : l.end;
    QString v = source.mid(open, close - open).toString();
    v.replace(QLatin1String("''"), QLatin1String("'"));
    return v;
}

QString nameValue(QStringView source, const Lexeme& l)
{
    const QChar mark = source[l.begin] == QLatin1Char('[') ? QLatin1Char(']') : source[l.begin];
    const int close = l.closed ? l.end - 1 : l.end;
    QString v = source.mid(l.begin + 1, close - l.begin - 1).toString();
    v.replace(QString(2, mark), QString(mark));
    return v;
}

bool isWord(QStringView w, const char* kw)
{
    const qsizetype n = w.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!kw[i])
            return false;
        char16_t c = w[i].unicode();
        if (c >= 'A' && c <= 'Z')
            c += 32;
        if (c != char16_t(kw[i]))
            return false;
    }
    return kw[n] == 0;
}

}  // namespace tj::db::sql
