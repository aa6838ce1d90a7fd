#pragma once
// Why a download failed, as one sentence for the user: a refusal (or a connection the
// system denied), a time-out, a reply too large, an HTTP status other than success, or a
// server that could not be reached, with the system's reason. Empty for a good download.

#include "Download.h"

#include <QString>

namespace orbelune {

QString DownloadFailureText(const TDownloadResult& Result);

}  // namespace orbelune
