#include "printing/sheetlayout.h"

#include <algorithm>

SheetLayout::SheetLayout(QSize cell, QSize page) : m_cellSize(cell), m_page(page)
{
    startPage();
}

void SheetLayout::startPage()
{
    m_left = 0;
    m_top = TopMargin;
    m_right = m_cellSize.width();
    m_bottom = m_cellSize.height() + TopMargin;
}

bool SheetLayout::advance()
{
    const int stepX = m_cellSize.width() + Gap;
    const int stepY = m_cellSize.height() + Gap;
    m_left += stepX;
    m_right += stepX;
    if (m_right > m_page.width()) {
        m_top += stepY;
        m_bottom += stepY;
        m_left = 0;
        m_right = m_cellSize.width();
    }
    if (m_bottom + BottomReserve <= m_page.height())
        return false;
    startPage();
    return true;
}

int SheetLayout::columnsPerPage(int cellWidth, int pageWidth)
{
    if (cellWidth > pageWidth)
        return 1;
    return 1 + (pageWidth - cellWidth) / (cellWidth + Gap);
}

int SheetLayout::rowsPerPage(int cellHeight, int pageHeight)
{
    const int room = pageHeight - cellHeight - TopMargin - BottomReserve;
    return room < 0 ? 1 : 1 + room / (cellHeight + Gap);
}
