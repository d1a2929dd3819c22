#include "viewer/pictureview.h"

#include <QPainter>

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

bool PictureView::load(const QString &path, QString *error)
{
    Picture loaded;
    const bool ok = loaded.load(path, error);
    m_picture = loaded;
    update();
    return ok;
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.draw(painter, rect());
}
