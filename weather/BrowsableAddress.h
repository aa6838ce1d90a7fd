#pragma once
// Which addresses the program hands to the desktop's default handler: web pages over
// http or https, and the program's own help file. Anything else (a program path, a
// file: address, another scheme) is refused, so a typed "/usr/bin/xterm" or
// "file:///etc/passwd" opens nothing. QtCore only.

#include <QString>
#include <QUrl>

#include <optional>

namespace orbelune {

// The address to open, or nothing. HelpFile is the path of the program's help file
// (empty when there is none); a path or file: address of that same file is accepted.
std::optional<QUrl> BrowsableAddress(const QString& Address, const QString& HelpFile);

// The status text shown when an address is refused.
QString NotBrowsableMessage(const QString& Address);

// The message when the desktop has no browser to open Address: it gives the address, for
// the user to copy.
QString NoBrowserMessage(const QString& Address);

}  // namespace orbelune
