#pragma once
// Why an imagery request, or one download of it, brought no picture, and the words the
// Radar and Satellite tabs' time lines use for it. A download's own failure (refused,
// timed out, an HTTP status, too large a reply, anything else) comes from its result;
// the request adds what it found itself: a reply that is no picture, a picture too
// large for the map or the memory, a listing without frames, its time used up, the
// user's "Cancel".

#include "Download.h"

#include <QSize>
#include <QString>

namespace orbelune {

struct TImageryProblem {
    enum class TKind {
        None,
        Refused,
        TimedOut,
        HttpStatus,
        TooLarge,         // the reply passed its size cap
        NotAPicture,      // the reply is not the GIF or JPEG asked for, or does not decode
        PictureTooLarge,  // more pixels than the map or the memory allows
        NoFrames,         // the listing names fewer frames than asked for
        OutOfTime,        // the whole request used its time
        Cancelled,
        Failed,  // anything else: the error text says what
    };
    TKind Kind = TKind::None;
    // A failed download's own words (DownloadProblem), a picture's size, or for Failed
    // what went wrong.
    QString Detail;

    bool Any() const { return Kind != TKind::None; }
};

// None for a good reply.
TImageryProblem ProblemOf(const TDownloadResult& Reply);
TImageryProblem PictureTooLarge(QSize Size);

// "the server refused the connection", "the server answered HTTP 404 Not Found",
// "the picture is too large (5000 x 5000)", ...; empty for none.
QString ProblemText(const TImageryProblem& Problem);

}  // namespace orbelune
