#pragma once

#include <string>

// The help page of a topic: the file named after it, with ".html" added unless it already
// ends so, in the program's help folder (<prefix>/share/zel/help/).
std::string LHelpTopicPath(const std::string& topic);

// Opens the topic's help page in the default browser, as a "file://" URL.
void LOpenHelpTopic(const std::string& topic);
