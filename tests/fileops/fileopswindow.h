// A main window with its file dialogs over a file system that fails on demand.
#pragma once

#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "faultyfilesystem.h"
#include "fileops/choose.h"
#include "fileops/copy.h"
#include "fileops/createdir.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "support/mainwindowfixture.h"
#include "support/modaldialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>
#include <functional>

struct FileOpsWindow : MainWindowFixture
{
    FaultyFileSystem files;
    TForm4 form4;
    TForm5 form5{prompter};
    TForm8 form8;
    TForm13 form13;
    TForm14 form14;
    QString folder;

    // The window listing, sorted, a folder "pics" that holds the named files.
    TForm1 &open(const QStringList &names, qint64 size = 10)
    {
        folder = folderWith(QStringLiteral("pics"), names, size);
        TForm1 &window = create({.files = &files});
        window.ListView1->setSorted(true);
        window.attachParts({.rename = &form4,
                            .copyTarget = &form5,
                            .properties = &form8,
                            .createDirectory = &form13,
                            .chooser = &form14});
        window.DirTree1->SetDirectory(folder);
        return window;
    }

    void select(const QStringList &captions)
    {
        QAbstractItemView *view = form->ListView1->activeView();
        view->clearSelection();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            if (captions.contains(index.data().toString()))
                view->selectionModel()->select(index, QItemSelectionModel::Select);  // as a click does
        }
    }

};
