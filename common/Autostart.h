#pragma once
// Starting the program with the user's session: an XDG autostart entry.

#include <QString>

namespace orbelune {

// The autostart entry of `name`: <config folder>/autostart/<name in lower case>.desktop.
QString AutostartFilePath(const QString& name);

// With `on`, writes the entry that starts `path`, with the program's icon and comment; true unless
// it cannot be written (or the path holds a control character, which an entry cannot carry).
// Without `on`, deletes the entry; true when there was one.
bool SetRunAtStartup(const QString& name, const QString& path, bool on);

}  // namespace orbelune
