#pragma once
// The first page of a PDF as a picture, rendered by poppler's pdftoppm (poppler-utils),
// so that a test sees what a printed file shows; null when it could not be rendered.
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace orbelune::test {

inline QImage RenderPdfPage(const QString& Pdf, int Dpi) {
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-f"),
                    QStringLiteral("1"), QStringLiteral("-singlefile"), Pdf, stem});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0) return QImage();
    return QImage(stem + QStringLiteral(".ppm"));
}

// The smallest rectangle around every pixel that is not near white.
inline QRect InkBox(const QImage& Page) {
    QRect box;
    for (int y = 0; y < Page.height(); ++y)
        for (int x = 0; x < Page.width(); ++x)
            if (qGray(Page.pixel(x, y)) < 200) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace orbelune::test
