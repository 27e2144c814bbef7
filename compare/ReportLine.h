#pragma once

#include <QByteArray>

namespace zorbin {

// Name padded with spaces to 21 characters (a longer name is kept whole and widens its line), two
// spaces, the identity, one space, the team name.
[[nodiscard]] QByteArray reportLine(const QByteArray& name, int identity, const QByteArray& team);

} // namespace zorbin
