// The information window's place: applied from the settings at creation, kept on a
// screen once shown, and recorded for the settings.
#include "InfoForm.h"

#include "Settings.h"
#include "WindowGeometry.h"

namespace orbelune {

void TInfoForm::PlaceAtStoredPlace() {
    const TSettings defaults;
    PlaceWindow(this, Settings.InfoFormLeft, Settings.InfoFormTop, Settings.InfoFormWidth,
                Settings.InfoFormHeight, QPoint(defaults.InfoFormLeft, defaults.InfoFormTop));
}

// A maximised window keeps the size it is restored to.
void TInfoForm::RecordPlace() {
    const TWindowPlace place = StoredPlaceOf(this);
    Settings.InfoFormLeft = place.FrameTopLeft.x();
    Settings.InfoFormTop = place.FrameTopLeft.y();
    Settings.InfoFormWidth = place.ClientSize.width();
    Settings.InfoFormHeight = place.ClientSize.height();
    Settings.InfoFormMaximized = isMaximized();
}

}  // namespace orbelune
