#include "app/IconFactory.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures are compiled into this static library; a program linking it
// only keeps them when something names them.
static void InitResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(curvilinearscope);
        return true;
    }();
    (void)done;
}

QIcon IconFromSvg(const QString& resourcePath) {
    InitResources();
    QSvgRenderer renderer(resourcePath);
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
