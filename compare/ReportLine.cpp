#include "compare/ReportLine.h"

#include <algorithm>

namespace zorbin {

namespace {
constexpr qsizetype nameColumnWidth = 21;
}

QByteArray reportLine(const QByteArray& name, int identity, const QByteArray& team) {
    QByteArray line;
    line.reserve(std::max(name.size(), nameColumnWidth) + 8 + team.size());
    line += name;
    if (name.size() < nameColumnWidth)
        line.append(nameColumnWidth - name.size(), ' ');
    line += "  ";
    line += QByteArray::number(identity);
    line += ' ';
    line += team;
    return line;
}

} // namespace zorbin
