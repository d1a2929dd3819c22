#include "browse/captionsorter.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelist.h"
#include "browse/imagelistview.h"

#include <QAbstractItemView>
#include <QTest>

class TestImageListView : public QObject
{
    Q_OBJECT
private slots:
    void lettersFirstThenCase();
    void sortingOnKeepsOrderAsItemsArrive();
    void sortingOffRestoresOrderAdded();
    void selectionSurvivesViewSwitch();
    void picturesFollowTheView();
};

namespace {
void fill(ImageListView &view, const QStringList &captions)
{
    view.items()->clear();
    for (int i = 0; i < captions.size(); ++i)
        view.items()->append(captions[i], i);
}
} // namespace

void TestImageListView::lettersFirstThenCase()
{
    CaptionSorter sorter;
    QVERIFY(sorter.compareCaptions("apple.bmp", "Banana.bmp") < 0);
    QVERIFY(sorter.compareCaptions("Apple.bmp", "banana.bmp") < 0);
    QVERIFY(sorter.compareCaptions("b.bmp", "B.bmp") != 0);
    QCOMPARE(sorter.compareCaptions("same.bmp", "same.bmp"), 0);
    QVERIFY(sorter.compareCaptions("b.bmp", "B.bmp") == -sorter.compareCaptions("B.bmp", "b.bmp"));
}

void TestImageListView::sortingOnKeepsOrderAsItemsArrive()
{
    ImageList large(QSize(70, 70)), small(QSize(50, 50));
    ImageListView view(&large, &small);
    view.setSorted(true);
    fill(view, {"zebra.bmp", "Apple.bmp", "mango.bmp", "banana.bmp"});
    QCOMPARE(view.captions(), QStringList({"Apple.bmp", "banana.bmp", "mango.bmp", "zebra.bmp"}));
    view.items()->append("cherry.bmp", 4);
    QCOMPARE(view.captions().at(2), QString("cherry.bmp"));
}

void TestImageListView::sortingOffRestoresOrderAdded()
{
    ImageList large(QSize(70, 70)), small(QSize(50, 50));
    ImageListView view(&large, &small);
    const QStringList added{"c.bmp", "a.bmp", "b.bmp"};
    fill(view, added);
    QCOMPARE(view.captions(), added);
    view.setSorted(true);
    QCOMPARE(view.captions(), QStringList({"a.bmp", "b.bmp", "c.bmp"}));
    view.setSorted(false);
    QCOMPARE(view.captions(), added);
}

void TestImageListView::selectionSurvivesViewSwitch()
{
    ImageList large(QSize(70, 70)), small(QSize(50, 50));
    ImageListView view(&large, &small);
    fill(view, {"a.bmp", "b.bmp", "c.bmp"});
    view.selectAll();
    QCOMPARE(view.selectedCaptions().size(), 3);
    view.setViewStyle(ImageListView::ViewStyle::Report);
    QCOMPARE(view.selectedCaptions(), QStringList({"a.bmp", "b.bmp", "c.bmp"}));
    QCOMPARE(view.activeView()->objectName(), QString("ReportView"));
}

void TestImageListView::picturesFollowTheView()
{
    ImageList large(QSize(70, 70)), small(QSize(50, 50));
    QPixmap big(70, 70), little(50, 50);
    big.fill(Qt::red);
    little.fill(Qt::blue);
    large.add(big);
    small.add(little);
    ImageListView view(&large, &small);
    fill(view, {"a.bmp", "no-picture.bmp"});
    const QModelIndex first = view.items()->index(0, 0);
    QCOMPARE(first.data(Qt::DecorationRole).value<QIcon>().availableSizes().value(0), QSize(70, 70));
    QVERIFY(!view.items()->index(1, 0).data(Qt::DecorationRole).isValid());
    view.setViewStyle(ImageListView::ViewStyle::Report);
    QCOMPARE(first.data(Qt::DecorationRole).value<QIcon>().availableSizes().value(0), QSize(50, 50));
    large.setSize(QSize(20, 20));
    QCOMPARE(large.count(), 0);
}

QTEST_MAIN(TestImageListView)
#include "tst_imagelistview.moc"
