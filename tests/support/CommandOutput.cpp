// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/CommandOutput.h"

namespace zorbin::test {

namespace {
QByteArray drain(std::FILE* stream) {
    std::fflush(stream);
    std::rewind(stream);
    QByteArray bytes;
    char buffer[4096];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, stream))
        bytes.append(buffer, static_cast<qsizetype>(count));
    std::fclose(stream);
    return bytes;
}
} // namespace

CommandOutput captureCommand(const std::function<int(std::FILE* out, std::FILE* err)>& command) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CommandOutput output;
    output.status = command(out, err);
    output.out = drain(out);
    output.err = drain(err);
    return output;
}

} // namespace zorbin::test
