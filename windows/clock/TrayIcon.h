#pragma once
// The clock window's notification-area icon: a picture from an image list (or an
// animation through the list), a hint, a pop-up menu, and minimising the window to
// the tray and restoring it. Where the desktop has no tray, minimising falls back to
// an ordinary minimise and the icon stays hidden.

#include <QIcon>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>

class QMenu;
class QSystemTrayIcon;
class QTimer;
class QWidget;

namespace orbelune {

// The tray's temperature picture (TrayTemperatureImage) as an icon of the style's
// large-icon size; with Transparent the background colour is see-through. Colours are
// Windows values.
QIcon TrayTemperatureIcon(const QString& Text, std::int32_t Fore, bool Transparent,
                          std::int32_t Back);

class TTrayIcon : public QObject {
    Q_OBJECT

public:
    TTrayIcon(QWidget* Window, QObject* parent = nullptr);

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    bool Animate() const { return FAnimate; }
    void SetAnimate(bool Value);
    bool MinimizeToTray = true;

    // The pictures that ImageIndex and the animation choose from.
    void SetImages(const QList<QImage>& Images);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // A picture outside the list (the temperature, say).
    void SetIcon(const QIcon& Icon);
    QIcon Icon() const { return FIcon; }
    QString Hint() const { return FHint; }
    void SetHint(const QString& Value);
    void SetPopupMenu(QMenu* Menu);

    // Whether the desktop shows tray icons.
    static bool TrayAvailable();

    // Hides the window into the tray, or minimises it where there is no tray.
    void MinimizeWindow();
    void RestoreWindow();
    bool Minimized() const { return FMinimized; }

signals:
    // A click on the icon (OnClick), and the window hidden into or brought back from
    // the tray (OnMinimize, OnRestore).
    void Clicked(Qt::MouseButton Button);
    void WindowMinimized();
    void WindowRestored();

private:
    void ShowIcon();
    void NextFrame();
    void UpdateAnimation();

    QWidget* FWindow;
    QSystemTrayIcon* FTray = nullptr;
    QTimer* FAnimationTimer;
    QList<QImage> FImages;
    QIcon FIcon;
    QString FHint;
    int FImageIndex = 0;
    bool FActive = false;
    bool FAnimate = false;
    bool FMinimized = false;
};

}  // namespace orbelune
