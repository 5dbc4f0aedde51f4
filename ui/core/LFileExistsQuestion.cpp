#include "LFileExistsQuestion.h"

#include "LMessageBox.h"

int LAskFileExists(LWindow* parent, const std::string& name, LFileExistsWording wording,
                   bool& tick) {
    const bool extracting = wording == LFileExistsWording::ExtractArchive;
    // The two wordings differ in the spaces after the first sentence too; both are kept.
    const std::string message = "File \"" + name + "\" already exists." +
                                (extracting ? "  " : " ") + "Click 'Overwrite' to overwrite it.";
    return LMessageBoxThreeButtonsTick(parent, message, "File Exists",
                                       "Do this for each file or folder.", tick, "Overwrite",
                                       extracting ? "Skip" : "No", "Cancel");
}
