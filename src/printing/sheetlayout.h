// Where the cells of a thumbnail sheet go: equal cells left to right, rows
// top to bottom, a new page when a row would reach the bottom reserve.
#pragma once

#include <QRect>
#include <QSize>

class SheetLayout
{
public:
    static constexpr int Gap = 110;           // between cells, both ways
    static constexpr int TopMargin = 100;     // top of the first row
    static constexpr int NameOffset = 10;     // file name below its cell
    static constexpr int BottomReserve = 200; // room a row leaves below it
    static constexpr int NameSpacing = 30;    // kept clear between two names

    // cell: the thumbnail size times the scaling factor; page: printable size.
    SheetLayout(QSize cell, QSize page);

    // The cell the next image goes into, and where its name goes.
    QRect cell() const { return QRect(QPoint(m_left, m_top), QPoint(m_right - 1, m_bottom - 1)); }
    QPoint namePosition() const { return {m_left, m_bottom + NameOffset}; }
    // How wide a name may be: its cell and most of the gap after it, and
    // never past the page's right edge.
    int nameWidth() const { return qMin(m_cellSize.width() + Gap - NameSpacing, m_page.width() - m_left); }

    // Moves past the cell just printed; true when a new page must begin
    // (the layout is then back at the top of the page).
    bool advance();

    // The grid that results, for a page of this size.
    static int columnsPerPage(int cellWidth, int pageWidth);
    static int rowsPerPage(int cellHeight, int pageHeight);

private:
    void startPage();

    QSize m_cellSize;
    QSize m_page;
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
};
