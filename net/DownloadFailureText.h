#pragma once
// Why a download failed, in the user's words; empty for a good download. The server's
// own words (its status line, the system's reason) are kept to one short line of plain
// text, so that a hostile reply cannot push a label or a menu apart.
//
// DownloadProblem: the middle of a sentence ("the server answered HTTP 404 Not Found",
// "the server did not answer in time"), for a line that says what the request was.
// DownloadFailureText: a sentence of its own; a refused connection (or one the system
// denied) is told as the firewall warning.

#include "Download.h"

#include <QString>

namespace orbelune {

QString DownloadProblem(const TDownloadResult& Result);
QString DownloadFailureText(const TDownloadResult& Result);

}  // namespace orbelune
