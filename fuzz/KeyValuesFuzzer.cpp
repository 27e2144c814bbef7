// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as Steam's KeyValues text (libraryfolders.vdf, appmanifest_*.acf). Whatever
// the bytes, reading ends within its bounds, and what it reads survives being written out plainly
// and read again: the reader neither loses nor invents entries.

#include "FuzzCheck.h"
#include "wine/KeyValues.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>

using namespace zorbin;

namespace {

QByteArray quoted(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace('\\', "\\\\");
    bytes.replace('"', "\\\"");
    return '"' + bytes + '"';
}

// The entries of `block`, one per line, every token quoted.
void writePlainly(const KeyValues& block, QByteArray& out) {
    for (const KeyValues& entry : block.children) {
        out += quoted(entry.key);
        if (entry.block) {
            out += "\n{\n";
            writePlainly(entry, out);
            out += "}\n";
        } else {
            out += '\t' + quoted(entry.value) + '\n';
        }
    }
}

// Depth and entry count, checked against the bounds.
void measure(const KeyValues& block, int depth, int& entries) {
    ZORBIN_FUZZ_CHECK(depth < KeyValues::deepestNesting, "nested %d deep", depth);
    for (const KeyValues& entry : block.children) {
        ++entries;
        ZORBIN_FUZZ_CHECK(entry.block || entry.children.isEmpty(), "a value with entries");
        ZORBIN_FUZZ_CHECK(!entry.block || entry.value.isEmpty(), "a block with a value");
        if (entry.block)
            measure(entry, depth + 1, entries);
    }
}

bool same(const KeyValues& a, const KeyValues& b) {
    if (a.key != b.key || a.value != b.value || a.block != b.block ||
        a.children.size() != b.children.size())
        return false;
    for (qsizetype i = 0; i < a.children.size(); ++i) {
        if (!same(a.children[i], b.children[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<KeyValues> read = KeyValues::parse(input);
    if (!read)
        return 0;
    int entries = 0;
    measure(*read, 0, entries);
    ZORBIN_FUZZ_CHECK(entries <= KeyValues::mostEntries, "%d entries", entries);
    // What Steam's files are asked for must answer without trouble.
    if (const KeyValues* folders = read->find(u"libraryfolders")) {
        for (const KeyValues& library : folders->children)
            (void)library.valueOf(u"path");
    }

    QByteArray written;
    writePlainly(*read, written);
    const std::optional<KeyValues> again = KeyValues::parse(written);
    ZORBIN_FUZZ_CHECK(again.has_value(), "what was read does not read back:\n%s",
                      written.constData());
    ZORBIN_FUZZ_CHECK(same(*read, *again), "read back differently:\n%s", written.constData());
    return 0;
}
