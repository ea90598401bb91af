#include "KIN_Texts.h"

#include <iterator>

namespace
{
const char* const g_texts[] = {
    "&File",
    "&Edit",
    "&Display",
    "&New",
    "&Load",
    "&Save",
    "Export &image",
    "E&xit",
    "Diagramme settings",
    "New period",
    "Change period",
    "Remove period",
    "Remove link",
    "Remove image",
    "Shift",
    "&About",
    "List all period",
    "Details of the selected period",
    "Are sure you want to remove this period?",
    "Are sure you want to remove this link?",
    "Are sure you want to remove this image?",
    "Create a new period",
    "Change the period settings",
    "Create a new diagram",
    "Change the diagram settings",
    "Kinvora file (*.xml)",
    "Select a file to load.",
    "Select a file to save.",
    "Define an image file to export.",
    "Image file (*.png)",
    "New image",
    "Select an image to load.",
    "Birth day:",
    "Death:",
    "years",
    "Shift:",
    "columns",
    "Width:",
    "Title: (written on the graph)",
    "Details: (not written on the graph)",
    "Coulors:",
    "- Border:",
    "- Background:",
    "- Text:",
    "From column:",
    "To column:",
    "Date to begin:",
    "Date to end:",
    "Cancel",
    "Warning",
    "The diagram could not be saved to:\n%1",
    "The file could not be loaded:\n%1\nThe diagram shown is unchanged.",
    "The image could not be written to:\n%1",
    "The autosave file could not be read. It is kept as:\n%1\nKinvora starts with an empty "
    "diagram.",
    "The autosave file could not be read, nor moved aside. To keep it, autosave stays off until "
    "Kinvora is started again.",
    "black",
    "white",
    "darkGray",
    "gray",
    "lightGray",
    "red",
    "green",
    "blue",
    "cyan",
    "magenta",
    "yellow",
    "orange",
    "darkRed",
    "darkGreen",
    "darkBlue",
    "darkCyan",
    "darkMagenta",
    "darkYellow",
    "darkOrange",
    "Undo",
    "Redo",
    "Move period",
    "New link",
    "Move image",
    "Resize image",    "Import GEDCOM...",
    "Select a GEDCOM file to import.",
    "GEDCOM (*.ged *.GED)",
    "Import GEDCOM",
    "Importing %1...",
    "Imported %1 people and %2 families; %3 with estimated dates.",
    " %1 left out: neither they nor their relatives have a date.",
    "The GEDCOM file could not be imported:\n%1\n%2\nThe diagram shown is unchanged.",
    "Cannot read the file: %1",
    "The file is empty.",
    "Not a GEDCOM file: %1",
    "The import was cancelled.",
    "Born",
    "Died",
    "Christened",
    "Baptised",
    "Buried",
    "Cremated",
    "about",
    "calculated",
    "estimated",
    "before",
    "after",
    "between",
    "and",
    "from",
    "to",
    "(estimated)",
    "?",
    "Find a period",
    "The autosave could not be written to:\n%1\nYour changes are not kept there until it can be written again: save them with File > Save.",
    "Drawing the diagram...",
};
static_assert(std::size(g_texts) == static_cast<int>(KIN_Text::Count),
              "the English table must have one text per entry");
} // namespace

const char* KIN_TextOf(KIN_Text text)
{
    return g_texts[static_cast<int>(text)];
}

const char* KIN_BuildDate()
{
    return __DATE__;
}

const char* KIN_BuildTime()
{
    return __TIME__;
}
