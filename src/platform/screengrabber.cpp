// Grabbing the screen through the primary screen's pixels.
#include "platform/screengrabber.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

QImage SystemScreenGrabber::grabScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return grabArea(geometry);
}

QImage SystemScreenGrabber::grabArea(const QRect &area)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || area.isEmpty())
        return {};
    // The platform refuses to read outside the desktop: read what lies on
    // it and leave the rest black, so the image keeps the area's size.
    const QRect onScreen = area & screen->virtualGeometry();
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    if (onScreen.isEmpty())
        return image;
    const QImage pixels = screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(),
                                             onScreen.height()).toImage();
    if (pixels.isNull())
        return {};
    QPainter painter(&image);
    painter.drawImage(onScreen.topLeft() - area.topLeft(), pixels);
    return image;
}

ScreenGrabber &systemScreenGrabber()
{
    static SystemScreenGrabber grabber;
    return grabber;
}
