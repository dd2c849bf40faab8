// Build tool: draws the window icon at the sizes of the hicolor theme.
// Usage: keldo-render-icons <output folder> <size>...
// Writes <output folder>/<size>x<size>/apps/keldo-terminal.png.

#include "widgets/ImageList.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Shapes only, no fonts: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: keldo-render-icons FOLDER SIZE...\n");
        return 2;
    }
    for (int i = 2; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "bad size: %s\n", qPrintable(args[i]));
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        if (!QDir().mkpath(folder)
            || !ImageList::Render(QStringLiteral("Terminal"), size)
                    .save(folder + QStringLiteral("/keldo-terminal.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
