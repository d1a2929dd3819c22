// The image control: one picture loaded from a file, written in six
// formats, exchanged with the clipboard, printed and painted.
#pragma once

#include "imagebox/imageboxrules.h"
#include "imaging/imagelibrary.h"
#include "imaging/picture/picture.h"

#include <QColor>
#include <QWidget>

class PageSink;
class Prompter;

class TImageBox : public QWidget
{
    Q_OBJECT
public:
    // Boxes go through prompter; with none the control reports nothing
    // (the thumbnail loader must not bury the user in boxes).
    explicit TImageBox(Prompter *prompter, QWidget *parent = nullptr);

    // Loading. Returns false only when an icon or metafile could not be
    // loaded (the picture is then empty and lastError() says why); raster
    // failures are reported in boxes and leave the picture empty.
    bool setImageName(const QString &name);
    QString ImageName() const { return m_imageName; }
    QString statusText() const { return m_status; }
    QString lastError() const { return m_lastError; }
    const imagelib::ImageInfo &imageInfo() const { return m_info; }
    qint64 fileSize() const { return m_fileSize; }

    // Thumbnails need no more than their own size: the decoder may stop
    // at a smaller image that is still this large (invalid: full size).
    QSize decodeAtLeast;

    TLoadResolution ImageReadRes = TLoadResolution::lAutoMatic;
    TSaveResolution ImageWriteRes = TSaveResolution::sAutoMatic;
    bool ImageDither = true;
    bool UsePalette = true;
    TTiffCompression TifSaveCompress = TTiffCompression::sNONE;
    bool PNGInterLaced = false;
    QString DefSaveFilename;
    bool UseTwainWindow = true;

    int JPegSaveQuality() const { return m_jpegQuality; }
    void setJPegSaveQuality(int quality);
    int JPegSaveSmooth() const { return m_jpegSmooth; }
    void setJPegSaveSmooth(int smoothing);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool StretchRatio() const { return m_stretchRatio; }
    void setStretchRatio(bool on);
    bool Center() const { return m_center; }
    void setCenter(bool on);
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);

    QString Text() const { return m_text; }
    void setText(const QString &text);
    int TextLeft() const { return m_textLeft; }
    void setTextLeft(int left);
    int TextTop() const { return m_textTop; }
    void setTextTop(int top);
    int TextRotate() const { return m_textRotate; }
    void setTextRotate(int degrees);
    bool TextShadow() const { return m_textShadow; }
    void setTextShadow(bool on);
    QColor TextShadowColor = Qt::black;
    bool TextTransParent() const { return m_textTransparent; }
    void setTextTransParent(bool on);

    // Writers; an empty name means DefSaveFilename. True on success; a
    // failure is reported in boxes.
    bool SaveBmpFile(const QString &name = {});
    bool SaveGifFile(const QString &name = {});
    bool SaveJPegFile(const QString &name = {});
    bool SavePcxFile(const QString &name = {});
    bool SavePngFile(const QString &name = {});
    bool SaveTifFile(const QString &name = {});

    // Scanning through the installed scanner (imaging/scannerbackend.h),
    // owner being the window that asks. ScanImage empties the picture first
    // and reports a failure; a scan asked for while one runs does nothing
    // more. True when a picture arrived.
    bool ScanImage(QObject *owner);
    void SelectScanner(QObject *owner);

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // Prints the picture at x, y with the given size in device pixels (a
    // size below 1 means the picture's own); nothing at all, not even a
    // document, for an empty picture.
    void PrintImage(PageSink &sink, int x, int y, int width, int height);

    // The depth class of the screen this control is shown on.
    int screenClass() const;

signals:
    void OnPaint();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool loadRaster(const QString &extension);
    bool loadVector();
    void refreshRasterInfo();
    void refreshVectorInfo(const QString &extension);
    void refreshFileSize();
    bool save(SaveKind kind, const QString &name);
    imagelib::Result writeWith(SaveKind kind, int depth, const QImage &image) const;
    void pictureChanged();
    void drawPicture(QPainter &painter);
    void drawTextOverlay(QPainter &painter);
    bool usesFrameworkPath() const;
    void setFlag(bool &flag, bool on);
    void report(const QString &errorText, const QString &message);

    Prompter *m_prompter;
    QString m_imageName;
    QString m_status;
    QString m_lastError;
    imagelib::ImageInfo m_info;
    qint64 m_fileSize = 0;
    Picture m_picture;
    int m_jpegQuality = 25;
    int m_jpegSmooth = 0;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_stretchRatio = false;
    bool m_center = false;
    QColor m_color;
    QString m_text;
    int m_textLeft = 0;
    int m_textTop = 0;
    int m_textRotate = 0;
    bool m_textShadow = false;
    bool m_textTransparent = true;
};
