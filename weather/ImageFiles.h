#pragma once
// Pictures into files. In: a picture (or the frames of an animation), a file name and a
// file type (the save dialog's filter index: 1 JPEG, 2 bitmap, 3 GIF). Out: the file,
// written all or nothing through a QSaveFile, so a failed write leaves a file of that
// name as it was; or false and the reason. JPEG is written at quality 100 from 24-bit
// pixels; GIF (which Qt cannot write) through giflib, a still as an animation of one
// frame.

#include <QImage>
#include <QList>
#include <QString>

namespace orbelune {

enum TImageFileType { JpegImageFile = 1, BitmapImageFile = 2, GifImageFile = 3 };

// Name with its extension made ".jpg", ".bmp" or ".gif" by Type; any other type leaves
// it unchanged. A name without an extension gets one; a folder part is never touched.
QString ChangeToImageExt(const QString& Name, int Type);

// Writes Picture as Type (any type but JPEG and GIF writes a bitmap). False, with Error
// saying why, when there is no picture or the write fails.
bool WriteImageFile(const QImage& Picture, const QString& Name, int Type, QString& Error);

// Writes Frames as an animated GIF, every frame after DelayCentiseconds.
bool WriteAnimatedGifFile(const QList<QImage>& Frames, int DelayCentiseconds, const QString& Name,
                          QString& Error);

}  // namespace orbelune
