#include "FakeTimedated.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace orbelune::test {

bool TFakeTimedated::Register(QDBusConnection Bus) {
    return Bus.registerObject(
               QStringLiteral("/org/freedesktop/timedate1"), this,
               QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
           Bus.registerService(QStringLiteral("org.freedesktop.timedate1"));
}

void TFakeTimedated::SetTime(qlonglong usec_utc, bool relative, bool interactive) {
    Calls.append({usec_utc, relative, interactive, message().isInteractiveAuthorizationAllowed()});
    if (!RefuseWith.isEmpty()) sendErrorReply(RefuseWith, QStringLiteral("Refused by the test."));
}

}  // namespace orbelune::test
