// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as the launchers' records (Lutris's and Bottles' YAML, Heroic's and
// Faugus's JSON); the first byte chooses the format ('1' to '7' in the seeds). Whatever the bytes,
// reading ends within its bounds, every place read is an absolute, clean path with nothing that
// could make it another, and the YAML read survives being written out plainly and read again:
// the reader neither loses nor invents scalars.

#include "FuzzCheck.h"
#include "wine/LauncherRecords.h"
#include "wine/YamlScalars.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QDir>

using namespace zorbin;

namespace {

// `text` double-quoted, every character YAML would not take as it is escaped.
QByteArray quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'"' || code == u'\\')
            out += QLatin1Char('\\') + QString(c);
        else if (code < 0x20 || (code >= 0x7f && code <= 0x9f) || code >= 0xfffe)
            out += QStringLiteral("\\u%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'));
        else
            out += c; // a pair of surrogates stays together
    }
    return (out + QLatin1Char('"')).toUtf8();
}

// Each scalar's keys as nested mappings, each opened again where the one before does not hold it.
QByteArray writtenPlainly(const YamlScalars& yaml) {
    QByteArray out;
    QStringList open;
    for (const YamlScalars::Entry& entry : yaml.entries) {
        const QStringList mappings = entry.keys.first(entry.keys.size() - 1);
        qsizetype shared = 0;
        while (shared < open.size() && shared < mappings.size() && open[shared] == mappings[shared])
            ++shared;
        for (qsizetype level = shared; level < mappings.size(); ++level)
            out += QByteArray(2 * level, ' ') + quoted(mappings[level]) + ":\n";
        out += QByteArray(2 * mappings.size(), ' ') + quoted(entry.keys.back()) + ": " +
               quoted(entry.value) + '\n';
        open = mappings;
    }
    return out;
}

void checkYaml(QByteArrayView input) {
    const std::optional<YamlScalars> read = YamlScalars::parse(input);
    if (!read)
        return;
    ZORBIN_FUZZ_CHECK(read->entries.size() <= YamlScalars::mostEntries, "%lld scalars",
                      static_cast<long long>(read->entries.size()));
    for (const YamlScalars::Entry& entry : read->entries)
        ZORBIN_FUZZ_CHECK(!entry.keys.isEmpty() && entry.keys.size() < YamlScalars::deepestNesting,
                          "a scalar %lld keys deep", static_cast<long long>(entry.keys.size()));
    const QByteArray written = writtenPlainly(*read);
    const std::optional<YamlScalars> again = YamlScalars::parse(written);
    ZORBIN_FUZZ_CHECK(again.has_value(), "what was read does not read back:\n%s",
                      written.constData());
    ZORBIN_FUZZ_CHECK(again->entries.size() == read->entries.size(), "read back differently:\n%s",
                      written.constData());
    for (qsizetype i = 0; i < read->entries.size(); ++i)
        ZORBIN_FUZZ_CHECK(again->entries[i].keys == read->entries[i].keys &&
                              again->entries[i].value == read->entries[i].value,
                          "scalar %lld read back differently:\n%s", static_cast<long long>(i),
                          written.constData());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto format = static_cast<launcherRecords::Format>(data[0] % launcherRecords::formats);
    const QByteArrayView text = input.sliced(1);
    checkYaml(text);

    const auto places = launcherRecords::placesIn(format, text, QStringLiteral("/home/player"));
    if (!places) {
        ZORBIN_FUZZ_CHECK(!places.failure().isEmpty(), "a failure without a reason");
        return 0;
    }
    for (const RecordedPlace& place : *places) {
        const QByteArray folder = place.folder.toUtf8();
        ZORBIN_FUZZ_CHECK(place.folder.startsWith(QLatin1Char('/')), "a relative place: %s",
                          folder.constData());
        ZORBIN_FUZZ_CHECK(place.folder == QDir::cleanPath(place.folder) &&
                              !place.folder.contains(QChar(0)),
                          "an unclean place: %s", folder.constData());
    }
    return 0;
}
