#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through here. In the program it is a
// real modal box (its nested event loop keeps sockets and timers running);
// tests install a handler that records the box and returns at once.
namespace MessageBox {

enum class Icon { Information, Warning, Critical };

struct Shown {
    QString title;
    QString text;
    Icon icon;
};

inline const QString& DefaultTitle()
{
    static const QString title = QStringLiteral("KELDO Terminal");
    return title;
}

void show(QWidget* parent, const QString& text, Icon icon, const QString& title = DefaultTitle());

using Handler = std::function<void(const Shown&)>;
// Replaces the real box; pass nullptr to restore it.
void setHandler(Handler handler);

} // namespace MessageBox
