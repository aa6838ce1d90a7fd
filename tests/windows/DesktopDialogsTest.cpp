// The desktop's file dialog behind the file-dialog seam: "|"-separated filters as Qt's
// name filters, and the dialog itself driven as a user would (offscreen, so Qt's own
// dialog): the title, folder, name and filter it opens with, and what it answers.
#include "DesktopDialogs.h"
#include "ImageSaveNames.h"
#include "QStringPrinter.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(DesktopDialogs, FiltersBecomeNameFilters) {
    const struct {
        QString Filter;
        QStringList Expected;
    } cases[] = {
        {StillImageFilter,
         {"JPEG Image File (*.jpg)", "Bitmap Image File (*.bmp)", "GIF Image File (*.gif)"}},
        {AnimationFilter, {"GIF Image File (*.gif)"}},
        // Several patterns; a description naming other patterns than it filters; a last
        // description without patterns.
        {"Text|*.txt;*.text|Pictures (*.png)|*.jpg|Orphan",
         {"Text (*.txt *.text)", "Pictures (*.jpg)"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtNameFilters(c.Filter), c.Expected) << c.Filter.toStdString();
}

TEST(DesktopDialogs, TheSaveDialogOpensWithTheRequestAndAnswersTheChoice) {
    QTemporaryDir folder;
    TFileDialogRequest request{
        QStringLiteral("jpg"),       StillImageFilter,          false,        2,
        QStringLiteral("graph.jpg"), QStringLiteral("Save As"), folder.path()};
    struct {
        QString Title, Directory, Filter;
        bool Overwrite = true;
    } seen;
    // Once the dialog shows: note what it shows, type a name without an extension, save.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = {dialog->windowTitle(), dialog->directory().absolutePath(),
                dialog->selectedNameFilter(),
                !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
        dialog->selectNameFilter(QStringLiteral("GIF Image File (*.gif)"));
        dialog->selectFile(QStringLiteral("typed"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ASSERT_TRUE(DesktopFileDialogs().RunFileDialog(nullptr, request));
    EXPECT_EQ(seen.Title, "Save As");
    EXPECT_EQ(seen.Directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.Filter, "Bitmap Image File (*.bmp)");
    EXPECT_FALSE(seen.Overwrite);  // the caller asks, once the extension is right
    EXPECT_EQ(request.FilterIndex, 3);
    EXPECT_EQ(QFileInfo(request.FileName).dir().absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(request.FileName).fileName().startsWith("typed"));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(DesktopFileDialogs().RunFileDialog(nullptr, request));
}

}  // namespace
}  // namespace orbelune
