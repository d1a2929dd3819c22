#include "dialogs/tiptexts.h"

#include "dialogs/randomsource.h"

#include <algorithm>

namespace {
const char *const Tips[TipCount] = {
    "To go directly for the help page for any object right click the mouse and select the What's This? option",
    "Try using the shift key to select multiple images in the display",
    "Try using the control key to aid selecting several files in the image display",
    "To view available fonts select the View / Fonts option",
    "To print a list of installed fonts select the View / Fonts option then click on the print button",
    "To quickly copy or move files simply drag the files over the directory list and drop on the desired directory",
    "Try clicking on the right mouse button for quick access to menu items",
    "Enable the View / No Stop option to improve performance",
    "It is possible to limit the maximum file size by selecting the View / Maximum Size option",
    "Adjust the size of the thumbnail images by selecting the Image/ Thumbnail size option",
    "Select the View / List item to display file size and date information",
    "Disable thumbnail images by selecting the View / No Thumbnail option",
    "Use the File / Search option to scan drives and folders for image files",
    "Double click on an image to quickly view it",
    "Use the Automatic setting for best results when converting images",
    "Select the File / Print option to print the currently displayed thumbnails",
    "Rename files by typing a new file name in the image list",
    "Launch a file in the associated application by right clicking on the file and selecting the launch app option",
    "Explore the current directory by right clickin and selecting the explore option",
    "Watch the status bar in the bottom of the screen for quick hints",
    "Set your display adapter to true color for increased performance",
    "Use a scaling factor of 3 for best print quality",
    "Resize the display ratio by draging on the header control",
};
} // namespace

QString tipText(int number)
{
    if (number < 1 || number > TipCount)
        return {};
    return QString::fromUtf8(Tips[number - 1]);
}

int chooseTipNumber(RandomSource &random)
{
    // A source that strays out of range still yields a tip.
    const int drawn = std::clamp(random.bounded(TipCount), 0, TipCount);
    return drawn == 0 ? 1 : drawn;
}
