#pragma once
// TMoon: the picture of the Moon as it looks on a date. The full Moon of the
// resources with the dark part of the disc painted over by the phase angle, turned
// for the viewer's hemisphere, and the same picture as a tray icon.

#include "MoonPicture.h"
#include "StDate.h"

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace orbelune {

class TMoon : public QWidget {
    Q_OBJECT

public:
    explicit TMoon(QWidget* AOwner = nullptr);

    TMoonSize MoonSize() const { return FMoonSize; }
    // Always redraws, also for the size already set.
    void SetMoonSize(TMoonSize Value);

    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime Value);

    // The picture shown: the size's square with the Moon of Date, transparent outside
    // the disc.
    const QImage& Picture() const { return FPicture; }

    // Builds the tray icon of the style's large-icon size from the current date,
    // style and rotation; the icon belongs to the component and is replaced by the
    // next call. The shown picture stays as it is.
    const QIcon& Icon();

    TRotate Rotation() const { return FRotation; }
    void SetRotation(TRotate Value);

    // Marks the Apollo 11 landing site on dates after the landing; takes effect at
    // the next redraw.
    bool ShowApollo11() const { return FShowApollo11; }
    void SetShowApollo11(bool Value) { FShowApollo11 = Value; }

    TMoonStyle MoonStyle() const { return FMoonStyle; }
    void SetMoonStyle(TMoonStyle Value);

    // NormalizeDeg(MoonPhaseAngle(Date)), in [0, 360).
    long double PhaseAngle() const { return FPhaseAngle; }
    // False from construction until Date is first written.
    bool DateSet() const { return FDateSet; }
    TDateTime LandingDate() const { return FLandingDate; }
    // Whether a redraw marks the landing site: ShowApollo11 and a date strictly
    // after the landing. The shadow may still cover the mark.
    bool LandingSiteMarked() const;

    QSize sizeHint() const override;

signals:
    // A left click on the picture (OnClick).
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdatePicture();

    QImage FPicture;
    QImage FSharpPicture;  // the picture at the screen's pixel ratio, when not 1
    TMoonSize FMoonSize = TMoonSize::ms64;
    TDateTime FDate = 0;
    long double FPhaseAngle = 0;
    bool FDateSet = false;
    QIcon FIcon;
    TRotate FRotation = TRotate::rot_none;
    bool FShowApollo11 = false;
    TDateTime FLandingDate = 0;
    TMoonStyle FMoonStyle = TMoonStyle::msClassic;
};

}  // namespace orbelune
