// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/YamlScalars.h"

#include <QStringDecoder>

namespace zorbin {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isBlankLine(QStringView line) {
    for (const QChar c : line) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

// Outside YAML's printable set: the C0 controls but tab and line ends, DEL, the C1 controls but
// NEL, and the two non-characters of the first plane.
bool isForbidden(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') ||
           (c >= 0x7f && c <= 0x9f && c != 0x85) || c == 0xfffe || c == 0xffff;
}

int indentOf(QStringView line) {
    int indent = 0;
    while (indent < line.size() && line[indent] == u' ')
        ++indent;
    return indent;
}

QStringView trimmedRight(QStringView text) {
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// `text` up to a comment, which starts with a "#" at its start or after a blank.
QStringView beforeComment(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'#' && (i == 0 || isBlank(text[i - 1])))
            return text.first(i);
    }
    return text;
}

int hexValue(QChar digit) {
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isMarker(QStringView rest, QStringView marker) {
    return rest.startsWith(marker) &&
           (rest.size() == marker.size() || isBlank(rest[marker.size()]));
}

// The character a double-quoted scalar's escape `\<letter>` stands for; none for the numbered ones
// and those YAML does not have.
std::optional<char32_t> namedEscape(QChar letter) {
    switch (letter.unicode()) {
    case u'0':
        return 0;
    case u'a':
        return 7;
    case u'b':
        return 8;
    case u't':
    case u'\t':
        return 9;
    case u'n':
        return 10;
    case u'v':
        return 11;
    case u'f':
        return 12;
    case u'r':
        return 13;
    case u'e':
        return 27;
    case u' ':
    case u'"':
    case u'/':
    case u'\\':
        return letter.unicode();
    case u'N':
        return 0x85;
    case u'_':
        return 0xa0;
    case u'L':
        return 0x2028;
    case u'P':
        return 0x2029;
    default:
        return std::nullopt;
    }
}

class Parser {
public:
    explicit Parser(const QString& text) : lines_(QStringView(text).split(u'\n')) {
        for (QStringView& line : lines_) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
    }

    // False when the text is not YAML this reader can trust: a quoted scalar that never ends or
    // holds an escape YAML does not have, or a bound passed.
    bool parse(YamlScalars& into) {
        while (at_ < lines_.size()) {
            const QStringView line = lines_[at_];
            const int indent = indentOf(line);
            const QStringView rest = line.sliced(indent);
            if (isBlankLine(rest) || rest.startsWith(u'#') ||
                (indent == 0 && rest.startsWith(u'%'))) {
                ++at_;
                continue;
            }
            if (indent == 0 && (isMarker(rest, u"---") || isMarker(rest, u"..."))) {
                open_.clear(); // a new document
                ++at_;
                continue;
            }
            while (!open_.isEmpty() && open_.last().indent >= indent)
                open_.removeLast();
            qsizetype afterKey = 0;
            const std::optional<QString> key = keyOf(line, indent, afterKey);
            if (!key) {
                // A list item, or anything else that is no key of a mapping: stepped over whole.
                ++at_;
                skipDeeper(indent);
                continue;
            }
            const QStringView value = withoutProperties(line.sliced(afterKey));
            if (value.isEmpty() || value.startsWith(u'#')) {
                // Its value is what the deeper lines hold.
                if (open_.size() + 1 >= YamlScalars::deepestNesting)
                    return false;
                open_.append({indent, *key});
                ++at_;
                continue;
            }
            bool wellFormed = true;
            const std::optional<QString> scalar =
                scalarAt(line.size() - value.size(), indent, wellFormed);
            if (!wellFormed)
                return false;
            if (!scalar)
                continue;
            if (into.entries.size() >= YamlScalars::mostEntries)
                return false;
            QStringList keys;
            for (const Open& open : std::as_const(open_))
                keys.append(open.key);
            keys.append(*key);
            into.entries.append({std::move(keys), *scalar});
        }
        return true;
    }

private:
    struct Open {
        int indent;
        QString key;
    };

    // Steps over the lines deeper than `indent` from the current one on, and blank ones among them.
    void skipDeeper(int indent) {
        while (at_ < lines_.size() && (isBlankLine(lines_[at_]) || indentOf(lines_[at_]) > indent))
            ++at_;
    }

    // Anchors ("&a") and tags ("!!str") before a value say nothing of the text it holds.
    static QStringView withoutProperties(QStringView value) {
        for (;;) {
            while (!value.isEmpty() && isBlank(value.front()))
                value = value.sliced(1);
            if (value.isEmpty() || (value.front() != u'&' && value.front() != u'!'))
                return value;
            while (!value.isEmpty() && !isBlank(value.front()))
                value = value.sliced(1);
        }
    }

    // The key of a mapping that `line` holds after its indent, quoted or plain; `after` is set past
    // its colon.
    std::optional<QString> keyOf(QStringView line, int indent, qsizetype& after) {
        const QChar first = line[indent];
        qsizetype end = indent;
        QString key;
        if (first == u'"' || first == u'\'') {
            bool wellFormed = true;
            std::optional<QString> quotedKey = quoted(indent, false, end, wellFormed);
            if (!quotedKey)
                return std::nullopt;
            key = std::move(*quotedKey);
            while (end < line.size() && isBlank(line[end]))
                ++end;
            if (end >= line.size() || line[end] != u':' ||
                (end + 1 < line.size() && !isBlank(line[end + 1])))
                return std::nullopt;
        } else {
            static const QString indicators = QStringLiteral(",[]{}#&*!|>%@`\t");
            const bool bareIndicator = (first == u'-' || first == u'?' || first == u':') &&
                                       (indent + 1 == line.size() || isBlank(line[indent + 1]));
            if (bareIndicator || indicators.contains(first))
                return std::nullopt;
            while (end < line.size() &&
                   !(line[end] == u':' && (end + 1 == line.size() || isBlank(line[end + 1]))))
                ++end;
            const QStringView plain = trimmedRight(line.sliced(indent, end - indent));
            if (end == line.size() || beforeComment(plain).size() != plain.size())
                return std::nullopt;
            key = plain.toString();
        }
        after = end + 1;
        return key;
    }

    // The scalar starting at `column` of the current line, the value of a key indented by
    // `indent`; the lines it takes are stepped over. None for a null or a value of another kind;
    // `wellFormed` is cleared for a quoted scalar that is not one.
    std::optional<QString> scalarAt(qsizetype column, int indent, bool& wellFormed) {
        const QStringView value = lines_[at_].sliced(column);
        const QChar first = value.front();
        if (first == u'"' || first == u'\'') {
            qsizetype end = 0;
            std::optional<QString> text = quoted(column, true, end, wellFormed);
            if (!text)
                return std::nullopt;
            const QStringView tail = lines_[at_].sliced(end);
            if (!isBlankLine(tail) && !isBlankLine(beforeComment(tail)))
                wellFormed = false;
            ++at_;
            return text;
        }
        ++at_;
        if (first == u'|' || first == u'>' || first == u'[' || first == u'{' || first == u'*') {
            skipDeeper(indent); // block text, a flow collection or an alias
            return std::nullopt;
        }
        const QStringView firstLine = trimmedRight(beforeComment(value));
        QString text = firstLine.toString();
        // A plain scalar goes on over deeper lines, each break folded into a space, until a
        // comment.
        for (bool commented = firstLine.size() != trimmedRight(value).size(); !commented;) {
            qsizetype next = at_;
            int breaks = 0;
            while (next < lines_.size() && isBlankLine(lines_[next])) {
                ++breaks;
                ++next;
            }
            if (next >= lines_.size() || indentOf(lines_[next]) <= indent)
                break;
            const QStringView content = lines_[next].trimmed();
            if (content.startsWith(u'#'))
                break;
            const QStringView kept = trimmedRight(beforeComment(content));
            text += breaks == 0 ? QString(QLatin1Char(' ')) : QString(breaks, QLatin1Char('\n'));
            text += kept;
            commented = kept.size() != content.size();
            at_ = next + 1;
        }
        skipDeeper(indent);
        if (text == u"~" || text == u"null" || text == u"Null" || text == u"NULL")
            return std::nullopt;
        return text;
    }

    // The quoted scalar whose opening quote is at `column` of the current line; `end` is set past
    // its closing quote, in the line it ends on, which becomes the current one. Single-line for a
    // key. Line breaks fold as YAML folds them: one into a space, each further one kept.
    std::optional<QString> quoted(qsizetype column, bool acrossLines, qsizetype& end,
                                  bool& wellFormed) {
        QStringView line = lines_[at_];
        const QChar quote = line[column];
        QString text;
        qsizetype kept = 0; // the text without the blanks that end the line so far
        bool escapedBreak = false;
        for (qsizetype i = column + 1;;) {
            if (i >= line.size()) {
                if (!acrossLines)
                    return std::nullopt;
                text.truncate(kept);
                int breaks = 0;
                ++at_;
                while (at_ < lines_.size() && isBlankLine(lines_[at_])) {
                    ++breaks;
                    ++at_;
                }
                if (at_ >= lines_.size()) {
                    wellFormed = false; // never closed
                    return std::nullopt;
                }
                if (breaks > 0)
                    text += QString(breaks, QLatin1Char('\n'));
                else if (!escapedBreak)
                    text += QLatin1Char(' ');
                escapedBreak = false;
                kept = text.size();
                line = lines_[at_];
                i = 0;
                while (i < line.size() && isBlank(line[i]))
                    ++i;
                continue;
            }
            const QChar c = line[i];
            if (c == quote) {
                if (quote == u'\'' && i + 1 < line.size() && line[i + 1] == u'\'') {
                    text += quote;
                    kept = text.size();
                    i += 2;
                    continue;
                }
                end = i + 1;
                return text;
            }
            if (quote == u'"' && c == u'\\') {
                if (i + 1 == line.size()) {
                    escapedBreak = true;
                    kept = text.size();
                    ++i;
                    continue;
                }
                const std::optional<char32_t> escaped = escape(line, i);
                if (!escaped) {
                    wellFormed = false;
                    return std::nullopt;
                }
                text += QChar::fromUcs4(*escaped);
                kept = text.size();
                continue;
            }
            text += c;
            if (!isBlank(c))
                kept = text.size();
            ++i;
        }
    }

    // The character of the escape at `i` of `line`, which it steps past; none when YAML has no
    // such escape or it names no character.
    static std::optional<char32_t> escape(QStringView line, qsizetype& i) {
        const QChar letter = line[i + 1];
        const int digits = letter == u'x' ? 2 : letter == u'u' ? 4 : letter == u'U' ? 8 : 0;
        if (digits == 0) {
            i += 2;
            return namedEscape(letter);
        }
        if (i + 2 + digits > line.size())
            return std::nullopt;
        char32_t code = 0;
        for (const QChar digit : line.sliced(i + 2, digits)) {
            const int value = hexValue(digit);
            if (value < 0)
                return std::nullopt;
            code = code * 16 + static_cast<char32_t>(value);
        }
        i += 2 + digits;
        if (code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return std::nullopt;
        return code;
    }

    QList<QStringView> lines_;
    qsizetype at_ = 0;
    QList<Open> open_; // the keys whose values hold the lines to come, outermost first
};

} // namespace

std::optional<YamlScalars> YamlScalars::parse(QByteArrayView text) {
    if (text.size() > largestText)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(text);
    if (decoder.hasError())
        return std::nullopt;
    for (const QChar c : decoded) {
        if (isForbidden(c.unicode()))
            return std::nullopt;
    }
    YamlScalars scalars;
    if (!Parser(decoded).parse(scalars))
        return std::nullopt;
    return scalars;
}

QString YamlScalars::valueOf(const QStringList& keys) const {
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (entry->keys == keys)
            return entry->value;
    }
    return {};
}

} // namespace zorbin
