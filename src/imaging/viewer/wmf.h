// Metafile window: a metafile shown stretched over a fixed-size area.
#pragma once

#include <QMainWindow>

class PictureView;
class QLabel;

class TForm7 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    PictureView *Image1 = nullptr;
    QLabel *StatusBar1 = nullptr;

    // Loads the metafile; false with a reason in *error when it cannot.
    bool loadFile(const QString &path, QString *error = nullptr);
    void showFileName(const QString &name);
    void ToClipboard1Click();

private:
    void createMenus();
};
