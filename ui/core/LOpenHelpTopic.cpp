#include "LOpenHelpTopic.h"

#include "LPath.h"
#include "LStandardFolders.h"
#include "LUIHost.h"

std::string LHelpTopicPath(const std::string& topic) {
    const std::string suffix = ".html";
    const bool hasSuffix = topic.size() >= suffix.size() &&
                           topic.compare(topic.size() - suffix.size(), suffix.size(), suffix) == 0;
    return LPathAppend(LPathAppend(LGetBundleResourcesFolder(), "help"), topic,
                       hasSuffix ? "" : suffix);
}

void LOpenHelpTopic(const std::string& topic) {
    LUIHostCurrent().OpenURL("file://" + LHelpTopicPath(topic));
}
