// The picture tabs' "Save", "Copy" and "Print" in the information window, with the
// dialogs and message boxes faked: the file of the chosen type, a file replaced only
// after "Yes", a failed write told, the radar loop saved as an animation, nothing done
// before there is a picture, the clipboard, and printing to a PDF that poppler renders.
#include "BigCalendar.h"
#include "CalendarEvents.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "GraphModel.h"
#include "ImageCommandRow.h"
#include "ImageSaveNames.h"
#include "InfoForm.h"
#include "PdfPages.h"
#include "PictureBox.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "RadarState.h"
#include "SatelliteState.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

QImage Solid(int W, int H, QRgb Colour) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Colour);
    return image;
}

class InfoFormSavingTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Fakes.Clock.Value = EncodeDate(2024, 6, 15) + 0.75;
        Events.SetDate(EncodeDate(2024, 6, 15));
        Form = std::make_unique<TInfoForm>(Events);
        Form->show();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void TearDown() override {
        Form.reset();
        test::ResetProgramState();
    }
    void ShowTab(int Tab) {
        Form->InfoFormPageControl->setCurrentIndex(Tab);
        QApplication::processEvents();
    }
    // The dialog answers Name (in the folder) with filter Index.
    void Choose(const QString& Name, int Index) {
        Fakes.FileDialogs.ChosenName = Folder.filePath(Name);
        Fakes.FileDialogs.ChosenIndex = Index;
    }
    // The radar tab as after a download of Picture for the location named like Location;
    // another location chosen in the box since.
    void ShowRadar(const QImage& Picture, const char* Location) {
        TRadarSheet& page = *Form->RadarPage;
        page.Radar->ShownView.Location =
            page.RadarLocationBox->findText(QLatin1String(Location), Qt::MatchContains);
        page.RadarLocationBox->setCurrentIndex(page.Radar->ShownView.Location + 1);
        page.Radar->LastRadarDownloadTime = EncodeDate(2024, 6, 15) + EncodeTime(14, 5, 0, 0);
        page.Image6->SetPicture(Picture);
    }
    QByteArray Contents(const QString& Name) {
        QFile file(Folder.filePath(Name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    test::TScopedZone Zone{"America/New_York"};
    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    std::unique_ptr<TInfoForm> Form;
    QTemporaryDir Folder;
};

TEST_F(InfoFormSavingTest, TheChosenTypeDecidesTheFileAndItsExtension) {
    const struct {
        int Tab;
        const char* Typed;
        int Index;
        const char* Written;
        const char* Format;
    } cases[] = {
        {GraphTab, "chart", 2, "chart.bmp", "bmp"},
        {GraphTab, "chart.jpg", 3, "chart.gif", "gif"},
        {YearTab, "year.gif", 1, "year.jpg", "jpeg"},
    };
    for (const auto& c : cases) {
        ShowTab(c.Tab);
        Settings.LastSaveFolder = QStringLiteral("/nowhere");
        Choose(QLatin1String(c.Typed), c.Index);
        TImageCommandRow* row =
            c.Tab == GraphTab ? Form->GraphPage->GraphCommands : Form->YearPage->YearCommands;
        row->SaveBut->click();
        const TFileDialogRequest asked = Fakes.FileDialogs.Asked.last();
        EXPECT_EQ(asked.FileName, c.Tab == GraphTab ? GraphSaveName : CalendarSaveName);
        EXPECT_EQ(asked.InitialFolder, "/nowhere");
        EXPECT_FALSE(asked.Open);
        QImageReader reader(Folder.filePath(QLatin1String(c.Written)));
        EXPECT_EQ(reader.format(), c.Format) << c.Written;
        EXPECT_EQ(reader.size(),
                  c.Tab == GraphTab ? GraphSize : Form->YearPage->BigCalendar->size());
        EXPECT_EQ(Settings.LastSaveFolder, Folder.path()) << c.Written;
    }
    EXPECT_TRUE(Fakes.Messages.Shown.isEmpty());
}

TEST_F(InfoFormSavingTest, AnExistingFileIsReplacedOnlyAfterYesAndAFailedWriteIsTold) {
    ShowTab(GraphTab);
    const QByteArray old = "old picture";
    QFile file(Folder.filePath(QStringLiteral("chart.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(old);
    file.close();
    Choose(QStringLiteral("chart"), 1);

    Fakes.FileDialogs.Cancel = true;
    Form->SaveAsFile2Click();
    EXPECT_TRUE(Fakes.Messages.Shown.isEmpty());
    Fakes.FileDialogs.Cancel = false;

    Fakes.Messages.Answer = false;
    Form->SaveAsFile2Click();
    ASSERT_EQ(Fakes.Messages.Shown.size(), 1);
    EXPECT_TRUE(Fakes.Messages.Shown[0].contains("chart.jpg already exists."));
    EXPECT_EQ(Fakes.Messages.Owners[0], Form.get());
    EXPECT_EQ(Contents(QStringLiteral("chart.jpg")), old);

    Fakes.Messages.Answer = true;
    Form->SaveAsFile2Click();
    EXPECT_EQ(QImageReader(Folder.filePath(QStringLiteral("chart.jpg"))).size(), GraphSize);

    // Into a "folder" that is a file: nothing written, and the reason told.
    Settings.LastSaveFolder = QStringLiteral("/kept");
    Choose(QStringLiteral("chart.jpg/inside"), 1);
    Form->SaveAsFile2Click();
    ASSERT_EQ(Fakes.Messages.Shown.size(), 3);
    EXPECT_TRUE(Fakes.Messages.Shown[2].contains("inside.jpg could not be saved: "));
    EXPECT_EQ(Fakes.Messages.Icons[2], TMessageIcon::Warning);
    EXPECT_EQ(Settings.LastSaveFolder, "/kept");
}

TEST_F(InfoFormSavingTest, TheRadarSavesItsImageOrItsLoopUnderASafeName) {
    ShowTab(RadarTab);
    // Before a download the tab shows a black map: nothing to save, copy or print.
    Form->RadarPage->RadarCommands->SaveBut->click();
    Form->RadarPage->RadarCommands->CopyBut->click();
    Form->RadarPage->RadarCommands->PrintBut->click();
    EXPECT_TRUE(Fakes.FileDialogs.Asked.isEmpty());
    EXPECT_EQ(Fakes.PrintDialogs.Asked, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    ShowRadar(Solid(80, 60, qRgb(0, 128, 255)), "Midland");
    TRadarState& radar = *Form->RadarPage->Radar;
    Settings.AnimateRadar = true;
    radar.RadarFramesReady = true;
    const QList<QImage> loop = {Solid(80, 60, qRgb(255, 0, 0)), Solid(80, 60, qRgb(0, 255, 0)),
                                Solid(80, 60, qRgb(0, 0, 255))};
    // A loop of one frame is saved as a still.
    const struct {
        QList<QImage> Animation;
        const char* Start;
        const QString& Filter;
        int Frames;
    } cases[] = {{loop, "animated radar - ", AnimationFilter, 3},
                 {{loop[0]}, "radar - ", StillImageFilter, 1}};
    for (const auto& c : cases) {
        radar.RadarAnimation = c.Animation;
        Choose(QStringLiteral("saved"), 1);
        Form->SaveAsFile2Click();
        const TFileDialogRequest asked = Fakes.FileDialogs.Asked.last();
        EXPECT_EQ(asked.Filter, c.Filter);
        EXPECT_TRUE(asked.FileName.startsWith(QLatin1String(c.Start)))
            << asked.FileName.toStdString();
        EXPECT_TRUE(asked.FileName.contains("Midland-Odessa"));
        EXPECT_FALSE(asked.FileName.contains(':') || asked.FileName.contains('/'));
        const QString written = Folder.filePath(c.Frames > 1 ? QStringLiteral("saved.gif")
                                                             : QStringLiteral("saved.jpg"));
        QImageReader reader(written);
        EXPECT_EQ(reader.imageCount(), c.Frames);
        const QImage first = reader.read();
        EXPECT_EQ(first.size(), QSize(80, 60));
        EXPECT_EQ(first.pixel(40, 30),
                  (c.Frames > 1 ? loop[0] : Form->RadarPage->Image6->Picture()).pixel(40, 30));
    }

    Form->CopyToClipboard2Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixel(5, 5), qRgb(0, 128, 255));
}

TEST_F(InfoFormSavingTest, TheSatelliteCopiesItsImageOrTheLoopsLastFrame) {
    ShowTab(SatelliteTab);
    Form->SatellitePage->SatelliteCommands->CopyBut->click();
    Form->SaveAsFile2Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_TRUE(Fakes.FileDialogs.Asked.isEmpty());

    TSatelliteState& satellite = *Form->SatellitePage->Satellite;
    Form->SatellitePage->Image7->SetPicture(Solid(30, 20, qRgb(10, 20, 30)));
    satellite.SatelliteFrames.back() = Solid(30, 20, qRgb(200, 100, 50));
    satellite.SatelliteFrameLoaded.back() = true;
    const struct {
        bool LoopRunning;
        QRgb Copied;
    } cases[] = {{false, qRgb(10, 20, 30)}, {true, qRgb(200, 100, 50)}};
    for (const auto& c : cases) {
        satellite.SatelliteLoopRunning = c.LoopRunning;
        Form->CopyToClipboard2Click();
        EXPECT_EQ(QGuiApplication::clipboard()->image().pixel(3, 3), c.Copied) << c.LoopRunning;
    }
    satellite.SatelliteLoopRunning = false;
    // Named for the picture shown, not for the boxes' choice.
    satellite.ShownRegion = 19;
    satellite.ShownType = SatVisible;
    Choose(QStringLiteral("sat"), 1);
    Form->SaveAsFile2Click();
    EXPECT_TRUE(Fakes.FileDialogs.Asked.last().FileName.startsWith(
        "satellite - Full Disk - Meteosat - Visible - "));
    EXPECT_EQ(QImageReader(Folder.filePath(QStringLiteral("sat.jpg"))).size(), QSize(30, 20));
}

// A picture wider than the page lies on the page at its top-left corner, as wide as the
// page's printable area and as high as its aspect says.
TEST_F(InfoFormSavingTest, PrintingFitsThePictureToThePageWithItsAspect) {
    EXPECT_EQ(Form->PrintImageAction1->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_TRUE(Form->actions().contains(Form->PrintImageAction1));
    ShowTab(MoonTab);
    Form->PrintImageAction1->trigger();
    EXPECT_EQ(Fakes.PrintDialogs.Asked, 0);  // nothing to print there

    ShowTab(RadarTab);
    ShowRadar(Solid(1200, 300, qRgb(0, 0, 160)), "Midland");
    constexpr int Dpi = 72;
    Fakes.PrintDialogs.Resolution = Dpi;
    Fakes.PrintDialogs.PdfFile = Folder.filePath(QStringLiteral("cancelled.pdf"));
    Fakes.PrintDialogs.Cancel = true;
    Form->RadarPage->RadarCommands->PrintBut->click();
    EXPECT_FALSE(QFile::exists(Fakes.PrintDialogs.PdfFile));

    Fakes.PrintDialogs.Cancel = false;
    Fakes.PrintDialogs.PdfFile = Folder.filePath(QStringLiteral("radar.pdf"));
    Form->RadarPage->RadarCommands->PrintBut->click();
    const QImage page = test::RenderPdfPage(Fakes.PrintDialogs.PdfFile, Dpi);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) renders the printed file";

    // The printable area of the same printer, as Qt lays out the page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(Dpi);
    const QRect area = printer.pageLayout().paintRectPixels(Dpi);
    ASSERT_GT(1200, area.width());
    const QRect ink = test::InkBox(page);
    EXPECT_NEAR(ink.left(), area.left(), 1);
    EXPECT_NEAR(ink.top(), area.top(), 1);
    EXPECT_NEAR(ink.width(), area.width(), 2);
    EXPECT_NEAR(ink.height(), area.width() * 300.0 / 1200.0, 2);
}

}  // namespace
}  // namespace orbelune
