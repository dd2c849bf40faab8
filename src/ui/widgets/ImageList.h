#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

// ImageListStatusBar: the 26 pictures of 20 x 20 pixels, looked up by key.
namespace ImageList {

const QStringList& Keys();
// A null pixmap for an unknown or empty key.
QPixmap Picture(const QString& key);
// The same picture drawn at size x size pixels (the installed icons).
QImage Render(const QString& key, int size);

} // namespace ImageList
