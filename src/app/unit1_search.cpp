// Main window: opening the search window.
#include "app/unit1.h"

#include "search/search.h"

void TForm1::Search2Click()
{
    if (m_searchWindow)
        m_searchWindow->openFor(state.CurrentDir);
}

//END
