#pragma once
// Sending the program's windows behind the others, so that a page opened in the default
// browser shows in front of them.

class QWidget;

namespace orbelune {

// Sends Window (when it is showing) behind the other windows. A stay-on-top window
// stays on top no more until it is next activated, then it is on top again.
void SendToBack(QWidget* Window);

}  // namespace orbelune
