#include "MoonComponent.h"

#include "DateTimeRtl.h"
#include "MoonRendering.h"
#include "PlatformSeams.h"
#include "ah_math.h"
#include "moon.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace orbelune {

TMoon::TMoon(QWidget* AOwner) : QWidget(AOwner) {
    SetDate(Platform().Clock->Now());
    FDateSet = false;
    SetMoonSize(TMoonSize::ms64);
    FShowApollo11 = true;
    FLandingDate = EncodeDate(1969, 7, 20) + EncodeTime(20, 17, 43, 0);
}

void TMoon::SetMoonSize(TMoonSize Value) {
    FMoonSize = Value;
    const TMoonSizeRow& row = MoonSizeRow(Value);
    setFixedSize(row.Width, row.Height);
    UpdatePicture();
}

void TMoon::SetDate(TDateTime Value) {
    FDate = Value;
    FPhaseAngle = NormalizeDeg(MoonPhaseAngle(Value));
    UpdatePicture();
    FDateSet = true;
}

void TMoon::SetRotation(TRotate Value) {
    if (Value == FRotation) return;
    FRotation = Value;
    UpdatePicture();
}

void TMoon::SetMoonStyle(TMoonStyle Value) {
    if (Value == FMoonStyle) return;
    FMoonStyle = Value;
    UpdatePicture();
}

bool TMoon::LandingSiteMarked() const {
    return FShowApollo11 && FDate > FLandingDate;
}

void TMoon::UpdatePicture() {
    const TMoonSizeRow& row = MoonSizeRow(FMoonSize);
    FPicture = LoadMoonBitmap(MoonBitmapName(FMoonStyle, FMoonSize));
    DrawShadow(FPicture, row.CentreX, row.CentreY, row.Radius, row.SiteX, row.SiteY, FPhaseAngle,
               LandingSiteMarked());
    RotatePicture(FPicture, FRotation);
    ClearOutsideDisc(FPicture, FMoonSize, FRotation);
    FSharpPicture = QImage();
    update();
}

const QIcon& TMoon::Icon() {
    const int size = style()->pixelMetric(QStyle::PM_LargeIconSize);
    FIcon = QIcon(QPixmap::fromImage(
        MoonIconImage(FMoonStyle, FRotation, size, FPhaseAngle, LandingSiteMarked())));
    return FIcon;
}

QSize TMoon::sizeHint() const {
    const TMoonSizeRow& row = MoonSizeRow(FMoonSize);
    return {row.Width, row.Height};
}

void TMoon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0) {
        painter.drawImage(0, 0, FPicture);
        return;
    }
    // Drawn again at the screen's pixels rather than scaled up: kept until the picture
    // or the ratio changes.
    if (FSharpPicture.isNull() || FSharpPicture.devicePixelRatio() != ratio)
        FSharpPicture = MoonPictureAt(FMoonStyle, FMoonSize, FRotation, FPhaseAngle,
                                      LandingSiteMarked(), ratio);
    if (FSharpPicture.isNull())
        painter.drawImage(rect(), FPicture);
    else
        painter.drawImage(QPointF(0, 0), FSharpPicture);
}

void TMoon::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace orbelune
