#pragma once

#include <QByteArray>
#include <QString>

// The pages' words, in the operator's language: each "{{text}}" of a page
// becomes the translation of text (context "RemotePage"), made safe for
// HTML; "{{$error}}" becomes error.
QByteArray FillPage(const QByteArray& page, const QString& error);
