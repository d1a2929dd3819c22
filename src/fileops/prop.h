// Properties dialog: name, size, folder and the four attribute flags of a file.
#pragma once

#include "fileops/fileopsdialog.h"

#include <optional>

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class FileHousekeeping;
struct FileProperties;

class TForm8 : public FileOpsDialog
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    // Refills every field; without properties the file could not be read
    // and the flags are left unticked and disabled.
    void fill(const QString &fileName, const QString &folder, const std::optional<FileProperties> &properties);
    // The FileAttribute flags the four boxes hold.
    quint32 chosenAttributes() const;
    // Shows the file at path (as fileName in folder) and writes the chosen
    // flags back when the dialog is confirmed; false when it is cancelled.
    bool editProperties(FileHousekeeping &housekeeping, const QString &path, const QString &fileName,
                        const QString &folder);
    void BitBtn3Click();

    QLabel *FileLabel = nullptr;
    QLabel *SizeLabel = nullptr;
    QLabel *DirLabel = nullptr;
    QCheckBox *readonly = nullptr;
    QCheckBox *archive = nullptr;
    QCheckBox *system = nullptr;
    QCheckBox *hidden = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QMenu *PopupMenu1 = nullptr;

private:
    QCheckBox *attributeBox(const char *name, const QString &text, const QString &hint, QPoint where);
    QLabel *valueLabel(const char *name, const QString &hint, QPoint where);
};
