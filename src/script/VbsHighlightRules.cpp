#include "script/VbsHighlightRules.h"

#include <QSet>
#include <QString>

using namespace Qt::StringLiterals;

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

const QSet<QString> &keywords()
{
    static const QSet<QString> set{
        u"and"_s,      u"as"_s,      u"byref"_s,    u"byval"_s,    u"call"_s,   u"case"_s,  u"class"_s,    u"const"_s,
        u"dim"_s,      u"do"_s,      u"each"_s,     u"else"_s,     u"elseif"_s, u"empty"_s, u"end"_s,      u"eqv"_s,
        u"erase"_s,    u"error"_s,   u"exit"_s,     u"explicit"_s, u"false"_s,  u"for"_s,   u"function"_s, u"get"_s,
        u"goto"_s,     u"if"_s,      u"imp"_s,      u"in"_s,       u"is"_s,     u"let"_s,   u"loop"_s,     u"mod"_s,
        u"new"_s,      u"next"_s,    u"not"_s,      u"nothing"_s,  u"null"_s,   u"on"_s,    u"option"_s,   u"or"_s,
        u"preserve"_s, u"private"_s, u"property"_s, u"public"_s,   u"redim"_s,  u"rem"_s,   u"resume"_s,   u"select"_s,
        u"set"_s,      u"step"_s,    u"sub"_s,      u"then"_s,     u"to"_s,     u"true"_s,  u"until"_s,    u"wend"_s,
        u"while"_s,    u"with"_s,    u"xor"_s,
    };
    return set;
}

// The end of a number starting at pos ("12", "1.5", ".5", "1e-3", "&HFF", "&O17").
qsizetype numberEnd(QStringView line, qsizetype pos)
{
    const qsizetype n = line.size();
    if (line[pos] == u'&') {
        const bool hex = line[pos + 1].toLower() == u'h';
        qsizetype p = pos + 2;
        while (p < n && (hex ? isHexDigit(line[p]) : (line[p] >= u'0' && line[p] <= u'7')))
            ++p;
        if (p < n && line[p] == u'&')
            ++p;
        return p;
    }
    qsizetype p = pos;
    while (p < n && isDigit(line[p]))
        ++p;
    if (p < n && line[p] == u'.') {
        ++p;
        while (p < n && isDigit(line[p]))
            ++p;
    }
    if (p < n && (line[p] == u'e' || line[p] == u'E')) {
        qsizetype q = p + 1;
        if (q < n && (line[q] == u'+' || line[q] == u'-'))
            ++q;
        if (q < n && isDigit(line[q])) {
            while (q < n && isDigit(line[q]))
                ++q;
            p = q;
        }
    }
    return p;
}

} // namespace

namespace vbshighlight {

bool isKeyword(QStringView word)
{
    return keywords().contains(word.toString().toLower());
}

QList<Span> spans(QStringView line)
{
    QList<Span> result;
    const qsizetype n = line.size();
    qsizetype p = 0;
    while (p < n) {
        const QChar c = line[p];
        if (c == u'\'') {
            result.append({p, n - p, TokenKind::Comment});
            break;
        }
        if (c == u'"') {
            qsizetype q = p + 1;
            while (q < n) {
                if (line[q] == u'"') {
                    if (q + 1 < n && line[q + 1] == u'"') {
                        q += 2;
                        continue;
                    }
                    ++q;
                    break;
                }
                ++q;
            }
            result.append({p, q - p, TokenKind::String});
            p = q;
        } else if (isWordStart(c)) {
            qsizetype q = p + 1;
            while (q < n && isWordPart(line[q]))
                ++q;
            const QStringView word = line.mid(p, q - p);
            if (word.compare(u"rem", Qt::CaseInsensitive) == 0 && (q == n || line[q].isSpace())) {
                result.append({p, n - p, TokenKind::Comment});
                break;
            }
            if (isKeyword(word))
                result.append({p, q - p, TokenKind::Keyword});
            p = q;
        } else if (isDigit(c) || (c == u'.' && p + 1 < n && isDigit(line[p + 1])) ||
                   (c == u'&' && p + 2 < n && (line[p + 1].toLower() == u'h' || line[p + 1].toLower() == u'o') &&
                    isHexDigit(line[p + 2]))) {
            const qsizetype q = numberEnd(line, p);
            result.append({p, q - p, TokenKind::Number});
            p = q;
        } else {
            ++p;
        }
    }
    return result;
}

} // namespace vbshighlight
