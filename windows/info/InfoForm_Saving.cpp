// The information window's "Save", "Copy" and "Print" commands. They act on the tab
// shown: the radar image (or, while a loop of several frames is shown, the whole
// animation as a GIF), the satellite image, the year chart, the year calendar; on the
// Weather tab, while the forecast page has the focus, Print prints that page. On any
// other tab, or before a picture is there, they do nothing. Files are written all or
// nothing; an existing file is replaced only after a "Yes", and a failed write is told
// with its reason.
#include "InfoForm.h"

#include "AnimatedGif.h"
#include "EmbeddedBrowser.h"
#include "ForecastPanel.h"
#include "GraphicsHelpers.h"
#include "ImageCommandRow.h"
#include "ImageFiles.h"
#include "ImageSaveNames.h"
#include "PictureBox.h"
#include "PlatformSeams.h"
#include "RadarSites.h"
#include "RadarState.h"
#include "SatelliteState.h"
#include "SatelliteTabTexts.h"
#include "Settings.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QToolButton>

#include <memory>

namespace orbelune {

namespace {

const QString SaveAsTitle = QStringLiteral("Save As");

// Picture on the page, as large as the page allows with its aspect kept, at the page's
// top-left corner. A printer that cannot start is left alone.
void PrintPicture(QPrinter& Printer, const QImage& Picture) {
    QPainter painter;
    if (!painter.begin(&Printer)) return;
    const QRect fit =
        FitRectKeepAspect(Picture.width(), Picture.height(), Printer.width(), Printer.height());
    DrawBitmapToDC(painter, 0, 0, Picture, fit.height(), fit.width());
    painter.end();
}

}  // namespace

void TInfoForm::createSavingCommands() {
    PrintImageAction1->setShortcut(QKeySequence::Print);
    PrintImageAction1->setEnabled(true);
    // The window's own action, so the shortcut works on every tab and in the browser.
    addAction(PrintImageAction1);
    connect(PrintImageAction1, &QAction::triggered, this, &TInfoForm::PrintImageAction1Execute);
    for (TImageCommandRow* row : {RadarPage->RadarCommands, SatellitePage->SatelliteCommands,
                                  GraphPage->GraphCommands, YearPage->YearCommands}) {
        connect(row->SaveBut, &QToolButton::clicked, this, &TInfoForm::SaveAsFile2Click);
        connect(row->CopyBut, &QToolButton::clicked, this, &TInfoForm::CopyToClipboard2Click);
        connect(row->PrintBut, &QToolButton::clicked, PrintImageAction1, &QAction::trigger);
    }
}

bool TInfoForm::SaveImageFile(const QImage& Graphic, const QString& Name, bool Ask, int Type) {
    const QString name = ChangeToImageExt(Name, Type);
    if (!ConfirmReplace(name, Ask)) return false;
    QString error;
    if (!WriteImageFile(Graphic, name, Type, error)) return ReportSaveFailure(name, error);
    Settings.LastSaveFolder = QFileInfo(name).absolutePath();
    return true;
}

bool TInfoForm::SaveGIFFile(const QList<QImage>& Frames, const QString& Name, bool Ask) {
    const QString name = ChangeToImageExt(Name, GifImageFile);
    if (!ConfirmReplace(name, Ask)) return false;
    QString error;
    if (!WriteAnimatedGifFile(Frames, RadarAnimationDelay, name, error))
        return ReportSaveFailure(name, error);
    Settings.LastSaveFolder = QFileInfo(name).absolutePath();
    return true;
}

bool TInfoForm::ConfirmReplace(const QString& Name, bool Ask) {
    if (!Ask || !QFileInfo::exists(Name)) return true;
    return Platform().Messages->Confirm(
        this, QStringLiteral("Confirm"),
        Name + QStringLiteral(" already exists.  Do you want to replace it?"));
}

bool TInfoForm::ReportSaveFailure(const QString& Name, const QString& Reason) {
    Platform().Messages->Inform(this, TMessageIcon::Warning, QStringLiteral("Save As"),
                                Name + QStringLiteral(" could not be saved: ") + Reason);
    return false;
}

bool TInfoForm::RunFileSave(const QImage& Graphic, const QString& DefaultName,
                            const QString& Filter) {
    // The dialog opens where the last picture went, as the desktop's own dialogs do.
    TFileDialogRequest request{QStringLiteral("jpg"),  Filter,      false,
                               JpegImageFile,          DefaultName, SaveAsTitle,
                               Settings.LastSaveFolder};
    if (!Platform().FileDialogs->RunFileDialog(this, request)) return false;
    return SaveImageFile(Graphic, request.FileName, true, request.FilterIndex);
}

bool TInfoForm::RunAnimatedGIFSave(const QList<QImage>& Frames, const QString& DefaultName) {
    TFileDialogRequest request{QStringLiteral("gif"), AnimationFilter,        false, 1, DefaultName,
                               SaveAsTitle,           Settings.LastSaveFolder};
    if (!Platform().FileDialogs->RunFileDialog(this, request)) return false;
    return SaveGIFFile(Frames, request.FileName, true);
}

QImage TInfoForm::RadarPicture() const {
    const TRadarState& radar = *RadarPage->Radar;
    // Before the first image the tab shows only a black map; while a request runs its
    // frames are not yet the picture the time line describes.
    if (radar.RadarBusy || !radar.HasPicture()) return QImage();
    return RadarPage->Image6->Picture();
}

bool TInfoForm::RadarAnimationShown() const {
    const TRadarState& radar = *RadarPage->Radar;
    return !radar.RadarBusy && radar.RadarFramesReady && Settings.AnimateRadar &&
           radar.RadarAnimation.size() > 1;
}

QImage TInfoForm::SatellitePicture() const {
    const QImage& shown = SatellitePage->Image7->Picture();
    if (shown.isNull()) return QImage();
    // While the loop runs, its last frame: the newest picture, whichever is on screen.
    const TSatelliteState& satellite = *SatellitePage->Satellite;
    constexpr std::size_t last = SatelliteFrameSlots - 1;
    if (satellite.SatelliteLoopRunning && satellite.SatelliteFrameLoaded[last])
        return satellite.SatelliteFrames[last];
    return shown;
}

void TInfoForm::SaveAsFile2Click() {
    switch (InfoFormPageControl->currentIndex()) {
        case RadarTab: {
            // Named for the picture shown, whatever the boxes have chosen since.
            const QString location = RadarLocationName(RadarPage->Radar->ShownView.Location);
            const TDateTime time = RadarPage->Radar->LastRadarDownloadTime;
            if (RadarAnimationShown())
                RunAnimatedGIFSave(RadarPage->Radar->RadarAnimation,
                                   AnimatedRadarSaveName(location, time));
            else if (const QImage picture = RadarPicture(); !picture.isNull())
                RunFileSave(picture, RadarSaveName(location, time), StillImageFilter);
            break;
        }
        case SatelliteTab:
            if (const QImage picture = SatellitePicture(); !picture.isNull()) {
                const TSatelliteState& satellite = *SatellitePage->Satellite;
                RunFileSave(picture.convertToFormat(QImage::Format_RGB888),
                            SatelliteSaveName(SatelliteRegionNames().value(satellite.ShownRegion),
                                              SatelliteTypeName(satellite.ShownType),
                                              satellite.LastSatelliteDownloadTime),
                            StillImageFilter);
            }
            break;
        case GraphTab:
            RunFileSave(GetGraph(), GraphSaveName, StillImageFilter);
            break;
        case YearTab:
            RunFileSave(GetCalendar(), CalendarSaveName, StillImageFilter);
            break;
        default:
            break;
    }
}

void TInfoForm::CopyToClipboard2Click() {
    QImage picture;
    switch (InfoFormPageControl->currentIndex()) {
        case RadarTab:
            picture = RadarPicture();
            break;
        case SatelliteTab:
            picture = SatellitePicture();
            break;
        case GraphTab:
            GraphToClipBoardOrFile(QString());
            return;
        case YearTab:
            CalendarToClipBoardOrFile(QString());
            return;
        default:
            return;
    }
    if (!picture.isNull()) QGuiApplication::clipboard()->setImage(picture);
}

QImage TInfoForm::PrintablePicture() {
    switch (InfoFormPageControl->currentIndex()) {
        case RadarTab:
            return RadarPicture();
        case SatelliteTab:
            return SatellitePicture();
        case GraphTab:
            return GetGraph();
        case YearTab:
            return GetCalendar();
        default:
            return QImage();
    }
}

bool TInfoForm::BrowserHasFocus() const {
    if (Forecast->Browser == nullptr) return false;
    const QWidget* browser = Forecast->Browser->Widget();
    const QWidget* focused = focusWidget();
    return browser->isVisible() && focused != nullptr &&
           (focused == browser || browser->isAncestorOf(focused));
}

void TInfoForm::PrintImageAction1Execute() {
    const bool page = BrowserHasFocus();
    const QImage picture = page ? QImage() : PrintablePicture();
    if (!page && picture.isNull()) return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!Platform().PrintDialogs->Confirm(this, *printer)) return;
    if (page)
        PrintBrowserDocument(printer.release());
    else
        PrintPicture(*printer, picture);
}

void TInfoForm::PrintBrowserDocument(QPrinter* Printer) {
    if (Forecast->Browser == nullptr) {
        delete Printer;
        return;
    }
    // The page prints in the background; the printer goes when it is done.
    Forecast->Browser->Print(Printer, [Printer](bool) { delete Printer; });
}

}  // namespace orbelune
