// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/KeyValues.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>

namespace zorbin {

namespace {

enum class Token { End, Text, Open, Close, Broken };

class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView text) : text_(text) {}

    // The next token; a text token's text is in text().
    Token next() {
        skipBlanksAndComments();
        if (at_ >= text_.size())
            return Token::End;
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            return Token::Open;
        }
        if (c == '}') {
            ++at_;
            return Token::Close;
        }
        if (c == '"')
            return quoted();
        return bare();
    }

    [[nodiscard]] const QString& text() const { return token_; }

    // Skips a "[$WIN32]" condition after a value, which only Steam on that platform heeds.
    void skipCondition() {
        skipBlanksAndComments();
        if (at_ < text_.size() && text_[at_] == '[') {
            qsizetype end = at_;
            while (end < text_.size() && text_[end] != ']' && text_[end] != '\n')
                ++end;
            at_ = end < text_.size() && text_[end] == ']' ? end + 1 : end;
        }
    }

private:
    static bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

    void skipBlanksAndComments() {
        while (at_ < text_.size()) {
            if (isBlank(text_[at_])) {
                ++at_;
            } else if (text_[at_] == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '/') {
                while (at_ < text_.size() && text_[at_] != '\n')
                    ++at_;
            } else {
                return;
            }
        }
    }

    Token quoted() {
        QByteArray bytes;
        for (qsizetype i = at_ + 1; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '"') {
                at_ = i + 1;
                token_ = QString::fromUtf8(bytes);
                return Token::Text;
            }
            if (c == '\\' && i + 1 < text_.size()) {
                const char escaped = text_[i + 1];
                switch (escaped) {
                case '\\':
                case '"':
                    bytes += escaped;
                    ++i;
                    continue;
                case 'n':
                    bytes += '\n';
                    ++i;
                    continue;
                case 't':
                    bytes += '\t';
                    ++i;
                    continue;
                default:
                    break; // any other backslash is itself, as in a Windows path
                }
            }
            bytes += c;
        }
        return Token::Broken; // a quote left open
    }

    Token bare() {
        const qsizetype start = at_;
        while (at_ < text_.size() && !isBlank(text_[at_]) && text_[at_] != '"' &&
               text_[at_] != '{' && text_[at_] != '}')
            ++at_;
        token_ = QString::fromUtf8(text_.sliced(start, at_ - start));
        return Token::Text;
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
    QString token_;
};

class Parser {
public:
    explicit Parser(QByteArrayView text) : tokens_(text) {}

    // Fills `block` with entries up to its closing brace (or the end, at the outermost level).
    bool fill(KeyValues& block, int depth) {
        for (;;) {
            switch (tokens_.next()) {
            case Token::End:
                return true; // open blocks at the end of a cut-short file count as closed
            case Token::Close:
                return depth > 0; // a brace that closes nothing: not KeyValues
            case Token::Open:
            case Token::Broken:
                return false;
            case Token::Text:
                break;
            }
            if (++entries_ > KeyValues::mostEntries)
                return false;
            KeyValues entry;
            entry.key = tokens_.text();
            switch (tokens_.next()) {
            case Token::Text:
                entry.value = tokens_.text();
                tokens_.skipCondition();
                break;
            case Token::Open:
                if (depth + 1 >= KeyValues::deepestNesting)
                    return false;
                entry.block = true;
                if (!fill(entry, depth + 1))
                    return false;
                break;
            case Token::End:
            case Token::Close:
            case Token::Broken:
                return false; // a key without a value
            }
            block.children.append(std::move(entry));
        }
    }

private:
    Tokenizer tokens_;
    int entries_ = 0;
};

} // namespace

std::optional<KeyValues> KeyValues::parse(QByteArrayView text) {
    if (text.size() > largestText)
        return std::nullopt;
    KeyValues root;
    root.block = true;
    Parser parser(text);
    if (!parser.fill(root, 0))
        return std::nullopt;
    return root;
}

std::optional<KeyValues> KeyValues::read(const QString& path, qsizetype largest) {
    // Only a regular file: opening a FIFO waits for a writer, and a device may never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qsizetype bound = std::min(largest, largestText);
    const QByteArray content = file.read(bound + 1);
    if (content.size() > bound || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(content);
}

const KeyValues* KeyValues::find(QStringView name) const {
    for (const KeyValues& child : children) {
        if (child.key.compare(name, Qt::CaseInsensitive) == 0)
            return &child;
    }
    return nullptr;
}

QString KeyValues::valueOf(QStringView name) const {
    for (const KeyValues& child : children) {
        if (!child.block && child.key.compare(name, Qt::CaseInsensitive) == 0)
            return child.value;
    }
    return {};
}

} // namespace zorbin
