#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// ImageListStatusBar: the 26 pictures of 20 x 20 pixels, looked up by key.
namespace ImageList {

const QStringList& Keys();
// A null pixmap for an unknown or empty key.
QPixmap Picture(const QString& key);

} // namespace ImageList
