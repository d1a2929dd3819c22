// A plain picture control: draws its picture stretched over its area.
#pragma once

#include "imaging/picture/picture.h"

#include <QWidget>

class PictureView : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    const Picture &picture() const { return m_picture; }
    // Loads an icon or metafile; false with a reason in *error on failure.
    bool load(const QString &path, QString *error = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
};
