#include "ImageList.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace ImageList {

const QStringList& Keys()
{
    static const QStringList keys = {
        QStringLiteral("Conectar"),      QStringLiteral("Altavoz"),   QStringLiteral("Connected"),
        QStringLiteral("ErrorAmarillo"), QStringLiteral("ErrorRojo"), QStringLiteral("Procesando"),
        QStringLiteral("Descargando"),   QStringLiteral("Subiendo"),  QStringLiteral("Completado"),
        QStringLiteral("LedVerde"),      QStringLiteral("LedRojo"),   QStringLiteral("LedAmarillo"),
        QStringLiteral("Tune"),          QStringLiteral("Ping"),      QStringLiteral("User"),
        QStringLiteral("Igate"),         QStringLiteral("UnLock"),    QStringLiteral("Lock"),
        QStringLiteral("Key"),           QStringLiteral("Abort"),     QStringLiteral("Terminal"),
        QStringLiteral("Enchufe"),       QStringLiteral("Rueda"),     QStringLiteral("Mezclador"),
        QStringLiteral("Warning"),       QStringLiteral("CW"),
    };
    return keys;
}

static void lamp(QPainter& p, QColor c)
{
    QRadialGradient g(QPointF(8, 8), 9);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c.darker(120));
    p.setPen(QPen(c.darker(200), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 14, 14));
}

static void triangle(QPainter& p, QColor fill, QColor mark)
{
    QPainterPath path;
    path.moveTo(10, 2);
    path.lineTo(19, 18);
    path.lineTo(1, 18);
    path.closeSubpath();
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.setPen(QPen(mark, 2));
    p.drawLine(QPointF(10, 7), QPointF(10, 12));
    p.drawPoint(QPointF(10, 15.5));
}

static void arrow(QPainter& p, bool down, QColor c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath path;
    if (down) {
        path.addRect(QRectF(7, 2, 6, 8));
        path.moveTo(3, 10);
        path.lineTo(17, 10);
        path.lineTo(10, 18);
    } else {
        path.addRect(QRectF(7, 10, 6, 8));
        path.moveTo(3, 10);
        path.lineTo(17, 10);
        path.lineTo(10, 2);
    }
    p.drawPath(path.simplified());
}

static void letters(QPainter& p, const QString& text, QColor c)
{
    QFont f = p.font();
    f.setPixelSize(text.size() > 2 ? 8 : 11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, text);
}

// Draws one picture in a 20 x 20 space.
static void paint(QPainter& p, const QString& key)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(40, 90, 200);
    if (key == QLatin1String("LedVerde")) {
        lamp(p, QColor(0, 200, 0));
    } else if (key == QLatin1String("LedRojo")) {
        lamp(p, QColor(220, 0, 0));
    } else if (key == QLatin1String("LedAmarillo")) {
        lamp(p, QColor(240, 210, 0));
    } else if (key == QLatin1String("ErrorAmarillo") || key == QLatin1String("Warning")) {
        triangle(p, QColor(250, 210, 0), Qt::black);
    } else if (key == QLatin1String("ErrorRojo")) {
        triangle(p, QColor(220, 30, 30), Qt::white);
    } else if (key == QLatin1String("Descargando")) {
        arrow(p, true, QColor(0, 150, 0));
    } else if (key == QLatin1String("Subiendo")) {
        arrow(p, false, QColor(200, 60, 0));
    } else if (key == QLatin1String("Connected") || key == QLatin1String("Conectar")) {
        p.setPen(QPen(key == QLatin1String("Connected") ? QColor(0, 150, 0) : blue, 2.5));
        p.drawLine(QPointF(2, 10), QPointF(18, 10));
        p.setBrush(p.pen().color());
        p.drawEllipse(QRectF(1, 7, 6, 6));
        p.drawEllipse(QRectF(13, 7, 6, 6));
    } else if (key == QLatin1String("Completado")) {
        p.setPen(QPen(QColor(0, 150, 0), 3));
        p.drawPolyline(QPolygonF({QPointF(3, 10), QPointF(8, 15), QPointF(17, 4)}));
    } else if (key == QLatin1String("Abort")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 0, 0));
        p.drawEllipse(QRectF(2, 2, 16, 16));
        p.setPen(QPen(Qt::white, 2.5));
        p.drawLine(QPointF(6, 6), QPointF(14, 14));
        p.drawLine(QPointF(14, 6), QPointF(6, 14));
    } else if (key == QLatin1String("Rueda")) {
        p.setPen(QPen(QColor(90, 90, 90), 3));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(10, 10);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, 5), QPointF(0, 8.5));
            p.restore();
        }
        p.setBrush(QColor(150, 150, 150));
        p.drawEllipse(QRectF(4.5, 4.5, 11, 11));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(8, 8, 4, 4));
    } else if (key == QLatin1String("Lock") || key == QLatin1String("UnLock")) {
        p.setPen(QPen(QColor(120, 120, 120), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 2, 10, 12), 0, key == QLatin1String("Lock") ? 180 * 16 : 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 160, 0));
        p.drawRect(QRectF(3, 9, 14, 10));
    } else if (key == QLatin1String("Terminal")) {
        p.setPen(QPen(Qt::gray, 1));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(1.5, 3.5, 17, 13));
        // Drawn, not lettered: the window icon must not load a font at start-up.
        p.setPen(QPen(QColor(0, 255, 0), 1.5));
        p.drawPolyline(QPolygonF({QPointF(4.5, 7), QPointF(8, 10), QPointF(4.5, 13)}));
        p.drawLine(QPointF(9.5, 13.5), QPointF(15, 13.5));
    } else if (key == QLatin1String("User")) {
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(QRectF(6, 2, 8, 8));
        p.drawChord(QRectF(2, 11, 16, 16), 0, 180 * 16);
    } else if (key == QLatin1String("Procesando")) {
        p.setPen(QPen(blue, 2.5));
        p.drawArc(QRectF(3, 3, 14, 14), 30 * 16, 280 * 16);
    } else {
        static const QHash<QString, QString> text = {
            {QStringLiteral("Altavoz"), QStringLiteral("))")},    {QStringLiteral("Tune"), QStringLiteral("TUN")},
            {QStringLiteral("Ping"), QStringLiteral("PNG")},      {QStringLiteral("Igate"), QStringLiteral("IG")},
            {QStringLiteral("Key"), QStringLiteral("K")},         {QStringLiteral("Enchufe"), QStringLiteral("=|")},
            {QStringLiteral("Mezclador"), QStringLiteral("|||")}, {QStringLiteral("CW"), QStringLiteral("CW")},
        };
        p.setPen(QPen(blue, 1));
        p.setBrush(QColor(225, 235, 255));
        p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 3, 3);
        letters(p, text.value(key, QStringLiteral("?")), blue);
    }
}

static QPixmap draw(const QString& key)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(p, key);
    return pm;
}

QImage Render(const QString& key, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (key.isEmpty() || !Keys().contains(key) || size <= 0)
        return image;
    QPainter p(&image);
    p.scale(size / 20.0, size / 20.0);
    paint(p, key);
    return image;
}

QPixmap Picture(const QString& key)
{
    static QHash<QString, QPixmap> cache;
    if (key.isEmpty() || !Keys().contains(key))
        return QPixmap();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, draw(key));
    return *it;
}

} // namespace ImageList
