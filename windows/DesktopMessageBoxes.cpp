#include "DesktopMessageBoxes.h"

#include <QMessageBox>

namespace orbelune {

namespace {

class TDesktopMessages final : public TMessageBoxes {
public:
    void Inform(const QString& caption, const QString& text) override {
        QMessageBox::information(nullptr, caption, text);
    }
    bool Confirm(const QString& caption, const QString& text) override {
        return QMessageBox::question(nullptr, caption, text) == QMessageBox::Yes;
    }
};

}  // namespace

TMessageBoxes& DesktopMessageBoxes() {
    static TDesktopMessages messages;
    return messages;
}

}  // namespace orbelune
