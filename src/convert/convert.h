// Convert dialog: the format, colour depth and folder for converted images.
#pragma once

#include "fileops/fileopsdialog.h"
#include "convert/conversiontables.h"

class Prompter;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

class TForm6 : public FileOpsDialog
{
    Q_OBJECT
public:
    explicit TForm6(Prompter &prompter, QWidget *parent = nullptr);

    void BrowseButtonClick();
    void WhatsThis1Click();
    void CancelButtonClick();

    // The checked items of the two groups, counted from 0.
    int kindItem() const;
    void setKindItem(int item);
    int colorItem() const;
    void setColorItem(int item);
    ConvertFormat chosenFormat() const { return convertFormat(kindItem()); }
    TSaveResolution chosenDepth() const { return convertDepth(colorItem()); }

    QGroupBox *Kind = nullptr;
    QGroupBox *Color = nullptr;
    QLineEdit *Edit1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *BrowseButton = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QMenu *PopupMenu1 = nullptr;

private:
    QGroupBox *radioGroup(const char *name, const QString &caption, const QStringList &items, QRect where,
                          QButtonGroup *&buttons);
    void addBrowseItem();

    Prompter &m_prompter;
    QButtonGroup *m_kindButtons = nullptr;
    QButtonGroup *m_colorButtons = nullptr;
};
