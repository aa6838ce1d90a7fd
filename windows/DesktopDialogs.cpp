#include "DesktopDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QRegularExpression>

namespace orbelune {

namespace {

// "*.bmp" (the first pattern of a name filter) gives "bmp"; anything else nothing.
QString FirstSuffix(const QString& NameFilter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(NameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

class TDesktopFileDialogs final : public TFileDialogs {
public:
    bool RunFileDialog(QWidget* Owner, TFileDialogRequest& Request) override {
        QFileDialog dialog(Owner, Request.Title);
        dialog.setObjectName(QStringLiteral("FileDialog"));
        dialog.setAcceptMode(Request.Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(Request.Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        // The caller asks about replacing, once the name has its type's extension.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = QtNameFilters(Request.Filter);
        dialog.setNameFilters(filters);
        if (Request.FilterIndex >= 1 && Request.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[Request.FilterIndex - 1]);
        dialog.setDefaultSuffix(Request.DefaultExt);
        // A name typed without an extension gets the chosen type's.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& Chosen) {
                             const QString suffix = FirstSuffix(Chosen);
                             if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
                         });
        if (!Request.InitialFolder.isEmpty()) dialog.setDirectory(Request.InitialFolder);
        if (!Request.FileName.isEmpty()) dialog.selectFile(Request.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        Request.FileName = dialog.selectedFiles().first();
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0) Request.FilterIndex = int(chosen) + 1;
        return true;
    }
};

class TDesktopPrintDialogs final : public TPrintDialogs {
public:
    bool Confirm(QWidget* Owner, QPrinter& Printer) override {
        QPrintDialog dialog(&Printer, Owner);
        return dialog.exec() == QDialog::Accepted;
    }
};

}  // namespace

TFileDialogs& DesktopFileDialogs() {
    static TDesktopFileDialogs dialogs;
    return dialogs;
}

TPrintDialogs& DesktopPrintDialogs() {
    static TDesktopPrintDialogs dialogs;
    return dialogs;
}

QStringList QtNameFilters(const QString& Filter) {
    static const QRegularExpression namedPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1]
                                     .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        if (patterns.isEmpty()) continue;
        QString description = parts[i];
        description.remove(namedPatterns);
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

}  // namespace orbelune
