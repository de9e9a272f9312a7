#include "platform/sheet/NumberFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace tj::sheet {

QString builtinNumberFormat(int id)
{
    switch (id) {
    case 1: return QStringLiteral("0");
    case 2: return QStringLiteral("0.00");
    case 3: return QStringLiteral("#,##0");
    case 4: return QStringLiteral("#,##0.00");
    case 9: return QStringLiteral("0%");
    case 10: return QStringLiteral("0.00%");
    case 11: return QStringLiteral("0.00E+00");
    case 14: return QStringLiteral("yyyy-mm-dd");
    case 15: return QStringLiteral("d-mmm-yy");
    case 16: return QStringLiteral("d-mmm");
    case 17: return QStringLiteral("mmm-yy");
    case 18: return QStringLiteral("h:mm AM/PM");
    case 19: return QStringLiteral("h:mm:ss AM/PM");
    case 20: return QStringLiteral("h:mm");
    case 21: return QStringLiteral("h:mm:ss");
    case 22: return QStringLiteral("yyyy-mm-dd h:mm");
    case 27: case 36: case 50: case 57: return QStringLiteral("yyyy\"年\"m\"月\"");
    case 28: case 29: case 52: case 53: case 54: case 58: return QStringLiteral("m\"月\"d\"日\"");
    case 30: return QStringLiteral("m-d-yy");
    case 31: case 51: return QStringLiteral("yyyy\"年\"m\"月\"d\"日\"");
    case 32: case 55: return QStringLiteral("h\"时\"mm\"分\"");
    case 33: case 56: return QStringLiteral("h\"时\"mm\"分\"ss\"秒\"");
    case 34: return QStringLiteral("上午/下午h\"时\"mm\"分\"");
    case 35: return QStringLiteral("上午/下午h\"时\"mm\"分\"ss\"秒\"");
    case 37: return QStringLiteral("#,##0 ;(#,##0)");
    case 38: return QStringLiteral("#,##0 ;[Red](#,##0)");
    case 39: return QStringLiteral("#,##0.00;(#,##0.00)");
    case 40: return QStringLiteral("#,##0.00;[Red](#,##0.00)");
    case 45: return QStringLiteral("mm:ss");
    case 46: return QStringLiteral("[h]:mm:ss");
    case 47: return QStringLiteral("mm:ss.0");
    case 48: return QStringLiteral("##0.0E+0");
    case 49: return QStringLiteral("@");
    default: return QString();
    }
}

namespace {

// Splits a format code into its sections at unquoted semicolons.
QStringList sections(const QString& code)
{
    QStringList out;
    QString cur;
    bool quoted = false;
    for (int i = 0; i < code.size(); ++i) {
        QChar c = code[i];
        if (c == '"') quoted = !quoted;
        if (c == '\\' && i + 1 < code.size()) {
            cur += c;
            cur += code[++i];
            continue;
        }
        if (c == ';' && !quoted) {
            out << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    out << cur;
    return out;
}

// Removes [Red], [$-804] and similar bracketed parts except elapsed-time ones.
QString stripBrackets(const QString& code, bool* elapsedHours = nullptr)
{
    QString out;
    bool quoted = false;
    for (int i = 0; i < code.size(); ++i) {
        QChar c = code[i];
        if (c == '"') quoted = !quoted;
        if (c == '[' && !quoted) {
            int end = code.indexOf(']', i);
            if (end < 0) break;
            QString inner = code.mid(i + 1, end - i - 1).toLower();
            if (!inner.isEmpty() && (inner[0] == 'h' || inner[0] == 'm' || inner[0] == 's')) {
                if (elapsedHours && inner[0] == 'h') *elapsedHours = true;
                out += inner;
            } else if (inner.startsWith("$") && inner.size() > 1 && inner[1] != '-') {
                // [$¥-804]: a currency symbol shown as literal text
                out += '"' + inner.mid(1, inner.indexOf('-') > 0 ? inner.indexOf('-') - 1 : -1) + '"';
            }
            i = end;
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

bool isDateFormat(const QString& code)
{
    QString c = stripBrackets(sections(code).value(0));
    bool quoted = false;
    for (int i = 0; i < c.size(); ++i) {
        QChar ch = c[i].toLower();
        if (c[i] == '"') quoted = !quoted;
        if (quoted) continue;
        if (c[i] == '\\') {
            ++i;
            continue;
        }
        if (ch == 'y' || ch == 'd' || ch == 'h' || ch == 's' || ch == 'm') return true;
        if (ch == 'e' && i > 0 && (c[i - 1] == '0' || c[i - 1] == '#')) return false;
    }
    return false;
}

QString formatGeneral(double value)
{
    if (!std::isfinite(value)) return QStringLiteral("#NUM!");
    if (value == std::floor(value) && std::fabs(value) < 1e11) return QString::number(qint64(value));
    QString s = QString::number(value, 'g', 10);
    if (s.contains('e')) {
        // 1.23457E+11 as spreadsheet programs write it
        s = QString::number(value, 'E', 5);
        int e = s.indexOf('E');
        QString mant = s.left(e), exp = s.mid(e + 1);
        while (mant.contains('.') && (mant.endsWith('0') || mant.endsWith('.'))) mant.chop(1);
        QChar sign = exp[0];
        QString digits = exp.mid(1);
        while (digits.size() > 2 && digits.startsWith('0')) digits.remove(0, 1);
        s = mant + "E" + sign + digits;
    }
    return s;
}

QDateTime serialToDateTime(double serial, bool date1904)
{
    qint64 secs = qint64(std::llround(serial * 86400.0));
    QDate base;
    if (date1904)
        base = QDate(1904, 1, 1);
    else if (serial < 61)
        base = QDate(1899, 12, 31);  // serial 1 is 1900-01-01; 60 is the nonexistent 1900-02-29
    else
        base = QDate(1899, 12, 30);
    qint64 days = secs / 86400, rest = secs % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    return QDateTime(base.addDays(days), QTime(0, 0).addSecs(int(rest)));
}

double dateTimeToSerial(const QDateTime& dt, bool date1904)
{
    QDate d = dt.date();
    qint64 days;
    if (date1904) {
        days = QDate(1904, 1, 1).daysTo(d);
    } else {
        days = QDate(1899, 12, 30).daysTo(d);
        if (days < 61) --days;  // before the nonexistent 1900-02-29
    }
    return double(days) + QTime(0, 0).secsTo(dt.time()) / 86400.0;
}

namespace {

QString formatDate(double value, const QString& code, bool date1904)
{
    bool elapsed = false;
    QString c = stripBrackets(code, &elapsed);
    QDateTime dt = serialToDateTime(value, date1904);
    QDate d = dt.date();
    QTime t = dt.time();
    bool twelveHour = c.contains("AM/PM", Qt::CaseInsensitive) || c.contains("A/P", Qt::CaseInsensitive) ||
                      c.contains(QStringLiteral("上午/下午"));
    static const char* months[] = {"January", "February", "March", "April", "May", "June", "July",
                                   "August", "September", "October", "November", "December"};
    static const char* days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    static const QString cnDays = QStringLiteral("一二三四五六日");

    // Tokenise first so that "m" can be told apart as month or minute.
    struct Tok {
        QChar kind;  // y m d h s a (weekday cn) p (am/pm) l (literal)
        int len;
        QString lit;
    };
    std::vector<Tok> toks;
    for (int i = 0; i < c.size();) {
        QChar ch = c[i];
        QChar lo = ch.toLower();
        if (ch == '"') {
            int end = c.indexOf('"', i + 1);
            if (end < 0) end = c.size();
            toks.push_back({'l', 0, c.mid(i + 1, end - i - 1)});
            i = end + 1;
            continue;
        }
        if (ch == '\\' && i + 1 < c.size()) {
            toks.push_back({'l', 0, QString(c[i + 1])});
            i += 2;
            continue;
        }
        if (c.mid(i, 5).compare("AM/PM", Qt::CaseInsensitive) == 0) {
            toks.push_back({'p', 5, {}});
            i += 5;
            continue;
        }
        if (c.mid(i, 5) == QStringLiteral("上午/下午")) {
            toks.push_back({'P', 5, {}});
            i += 5;
            continue;
        }
        if (lo == 'y' || lo == 'm' || lo == 'd' || lo == 'h' || lo == 's' || lo == 'a') {
            int j = i;
            while (j < c.size() && c[j].toLower() == lo) ++j;
            toks.push_back({lo, j - i, {}});
            i = j;
            continue;
        }
        if (ch == '.' && i + 1 < c.size() && c[i + 1] == '0') {
            int j = i + 1;
            while (j < c.size() && c[j] == '0') ++j;
            toks.push_back({'f', j - i - 1, {}});
            i = j;
            continue;
        }
        if (ch == '_' || ch == '*') {
            i += 2;  // padding and fill characters
            continue;
        }
        toks.push_back({'l', 0, QString(ch)});
        ++i;
    }
    auto neighbourKind = [&](size_t i, int dir) -> QChar {
        for (int j = int(i) + dir; j >= 0 && j < int(toks.size()); j += dir)
            if (toks[j].kind != 'l') return toks[j].kind;
        return QChar();
    };
    QString out;
    for (size_t i = 0; i < toks.size(); ++i) {
        const Tok& k = toks[i];
        auto pad = [](int v, int n) { return QString::number(v).rightJustified(n, '0'); };
        switch (k.kind.unicode()) {
        case 'l': out += k.lit; break;
        case 'y': out += k.len <= 2 ? pad(d.year() % 100, 2) : QString::number(d.year()); break;
        case 'm': {
            bool minute = (k.len <= 2) && (neighbourKind(i, -1) == 'h' || neighbourKind(i, 1) == 's');
            if (minute)
                out += pad(t.minute(), k.len);
            else if (k.len <= 2)
                out += pad(d.month(), k.len);
            else if (k.len == 3)
                out += QString::fromLatin1(months[d.month() - 1]).left(3);
            else
                out += QString::fromLatin1(months[d.month() - 1]);
            break;
        }
        case 'd':
            if (k.len <= 2)
                out += pad(d.day(), k.len);
            else
                out += k.len == 3 ? QString::fromLatin1(days[d.dayOfWeek() - 1]).left(3)
                                  : QString::fromLatin1(days[d.dayOfWeek() - 1]);
            break;
        case 'a':
            out += (k.len >= 4 ? QStringLiteral("星期") : QString()) + cnDays[d.dayOfWeek() - 1];
            break;
        case 'h': {
            int h = t.hour();
            if (elapsed && i == 0) h = int(std::floor(value * 24.0 + 1e-9));
            else if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
            out += pad(h, k.len);
            break;
        }
        case 's': out += pad(t.second(), k.len); break;
        case 'f': out += '.' + QString::number(t.msec()).rightJustified(3, '0').left(k.len); break;
        case 'p': out += t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"); break;
        case 'P': out += t.hour() < 12 ? QStringLiteral("上午") : QStringLiteral("下午"); break;
        }
    }
    return out;
}

QString formatPlain(double value, const QString& section)
{
    QString c = stripBrackets(section);
    QString prefix, suffix, number;
    bool inNumber = false, seenNumber = false, quoted = false;
    for (int i = 0; i < c.size(); ++i) {
        QChar ch = c[i];
        if (ch == '"') {
            quoted = !quoted;
            continue;
        }
        bool placeholder = !quoted && (ch == '0' || ch == '#' || ch == '?' || ch == '.' || ch == ',' ||
                                       ((ch == 'E' || ch == 'e') && inNumber));
        if (!quoted && ch == '\\' && i + 1 < c.size()) {
            (seenNumber ? suffix : prefix) += c[++i];
            continue;
        }
        if (!quoted && (ch == '_' || ch == '*')) {
            ++i;
            continue;
        }
        if (placeholder && !(seenNumber && !inNumber)) {
            number += ch;
            inNumber = seenNumber = true;
            continue;
        }
        if (inNumber && !quoted && (ch == '+' || ch == '-') && number.endsWith('E', Qt::CaseInsensitive)) {
            number += ch;
            continue;
        }
        inNumber = false;
        (seenNumber ? suffix : prefix) += ch;
    }
    if (number.isEmpty()) return prefix + suffix;
    bool percent = (prefix + suffix).contains('%');
    if (percent) value *= 100.0;
    int e = number.indexOf('E', 0, Qt::CaseInsensitive);
    QString mantissa = e >= 0 ? number.left(e) : number;
    int dot = mantissa.indexOf('.');
    int decimals = 0;
    if (dot >= 0)
        for (int i = dot + 1; i < mantissa.size(); ++i)
            if (mantissa[i] == '0' || mantissa[i] == '#' || mantissa[i] == '?') ++decimals;
    // Trailing commas scale by thousands; commas inside group digits.
    QString intPart = dot >= 0 ? mantissa.left(dot) : mantissa;
    while (intPart.endsWith(',')) {
        intPart.chop(1);
        value /= 1000.0;
    }
    bool grouping = intPart.contains(',');
    QString digits;
    if (e >= 0) {
        digits = QString::number(value, 'E', decimals);
        int ep = digits.indexOf('E');
        QString exp = digits.mid(ep + 1);
        QChar sign = exp[0];
        QString ed = exp.mid(1);
        int expDigits = int(number.size() - e - 2);
        while (ed.size() > std::max(expDigits, 1) && ed.startsWith('0')) ed.remove(0, 1);
        digits = digits.left(ep) + "E" + sign + ed;
    } else {
        QLocale loc = QLocale::c();
        if (grouping)
            loc.setNumberOptions(QLocale::DefaultNumberOptions);
        else
            loc.setNumberOptions(QLocale::OmitGroupSeparator);
        digits = loc.toString(value, 'f', decimals);
        if (decimals == 0 && !intPart.contains('0') && digits == "0") digits.clear();
        if (digits == "-0") digits = "0";
    }
    return prefix + digits + suffix;
}

}  // namespace

QString formatNumber(double value, const QString& code, bool date1904)
{
    QString trimmed = code.trimmed();
    if (trimmed.isEmpty() || trimmed.compare("General", Qt::CaseInsensitive) == 0 || trimmed == "@")
        return formatGeneral(value);
    QStringList secs = sections(trimmed);
    QString section = secs[0];
    bool negativeSection = false;
    if (value < 0 && secs.size() > 1 && !secs[1].isEmpty()) {
        section = secs[1];
        negativeSection = true;
    } else if (value == 0 && secs.size() > 2 && !secs[2].isEmpty()) {
        section = secs[2];
    }
    if (section.compare("General", Qt::CaseInsensitive) == 0) return formatGeneral(negativeSection ? -value : value);
    if (isDateFormat(section)) {
        if (value < 0) return formatGeneral(value);
        return formatDate(value, section, date1904);
    }
    return formatPlain(negativeSection ? -value : value, section);
}

namespace {

bool digitsAt(const QString& t, std::initializer_list<int> positions)
{
    for (int i : positions)
        if (i >= t.size() || !t[i].isDigit() || t[i].unicode() > '9') return false;
    return true;
}

std::optional<NumberValue> dateTimeFromText(const QString& text)
{
    // yyyy-MM-dd, yyyy-MM-dd hh:mm, yyyy-MM-dd hh:mm:ss, hh:mm, hh:mm:ss
    struct Form {
        int size;
        const char* qt;
        const char* code;
    } forms[] = {{10, "yyyy-MM-dd", "yyyy-mm-dd"},
                 {16, "yyyy-MM-dd hh:mm", "yyyy-mm-dd hh:mm"},
                 {19, "yyyy-MM-dd hh:mm:ss", "yyyy-mm-dd hh:mm:ss"},
                 {5, "hh:mm", "hh:mm"},
                 {8, "hh:mm:ss", "hh:mm:ss"}};
    for (const Form& f : forms) {
        if (text.size() != f.size) continue;
        double serial;
        if (f.size >= 10) {
            if (!digitsAt(text, {0, 1, 2, 3, 5, 6, 8, 9}) || text[4] != '-' || text[7] != '-') return std::nullopt;
            QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(f.qt));
            if (!dt.isValid() || dt.date().year() < 1900) return std::nullopt;
            serial = dateTimeToSerial(dt);
        } else {
            QTime t = QTime::fromString(text, QString::fromLatin1(f.qt));
            if (!t.isValid() || !digitsAt(text, {0, 1, 3, 4})) return std::nullopt;
            serial = QTime(0, 0).secsTo(t) / 86400.0;
        }
        return NumberValue{serial, QString::fromLatin1(f.code)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<NumberValue> numberFromText(const QString& text)
{
    // sign, whole part (grouped by thousands or not), decimals, percent
    static const QRegularExpression number(
        QStringLiteral(R"(^-?(0|[1-9][0-9]{0,2}(?:,[0-9]{3})+|[1-9][0-9]*)(?:\.([0-9]+))?(%?)$)"));
    std::optional<NumberValue> out;
    if (auto m = number.match(text); m.hasMatch()) {
        QString whole = m.captured(1).remove(','), decimals = m.captured(2);
        bool percent = !m.captured(3).isEmpty();
        // Long digit strings are codes (identity card numbers of 15 or 18
        // digits, bar codes), not quantities, and stay texts; and doubles
        // hold no more than 15 significant digits exactly.
        QString digits = whole + decimals;
        while (digits.startsWith('0')) digits.remove(0, 1);
        if (whole.size() > 11 || digits.size() > 15) return std::nullopt;
        bool ok = false;
        QString plain = (text.startsWith('-') ? QStringLiteral("-") : QString()) + whole;
        if (!decimals.isEmpty()) plain += '.' + decimals;
        double v = plain.toDouble(&ok);
        if (!ok) return std::nullopt;
        QString code = m.captured(1).contains(',') ? QStringLiteral("#,##0") : QStringLiteral("0");
        if (!decimals.isEmpty()) code += "." + QString(decimals.size(), '0');
        if (percent) {
            code += '%';
            v /= 100.0;
        }
        out = NumberValue{v, code};
    } else {
        out = dateTimeFromText(text);
    }
    // Only what shows as the same text is stored as a number.
    if (out && formatNumber(out->value, out->format) != text) return std::nullopt;
    return out;
}

}  // namespace tj::sheet
