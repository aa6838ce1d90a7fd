#include "MoonImageLists.h"

#include "MoonPicture.h"

namespace orbelune {

namespace {

QList<QImage> LoadNumbered(const char* Prefix) {
    QList<QImage> list;
    for (int k = 0; k < MoonImageCount; ++k)
        list.append(LoadMoonPicture(QString("%1_%2").arg(Prefix).arg(k, 2, 10, QChar('0'))));
    return list;
}

}  // namespace

QList<QImage> LoadNorthImageList() {
    return LoadNumbered("north");
}

QList<QImage> LoadSouthImageList() {
    return LoadNumbered("south");
}

QList<QImage> LoadImageList2() {
    QList<QImage> list(ImageList2Count);
    for (int index : {4, 5, 6, 7, 10, 11, 12, 13, 14})
        list[index] = LoadMoonPicture(QString("menu_%1").arg(index, 2, 10, QChar('0')));
    return list;
}

}  // namespace orbelune
